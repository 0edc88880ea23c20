#pragma once
// The program's own pictures are small SVG drawings. They use a plain
// subset of the format, which this draws with QPainter:
//   svg (width, height, viewBox), g, rect (rx, ry), circle, ellipse, line,
//   polyline, polygon, path (M L H V C Q Z and their relative forms);
//   fill, stroke, stroke-width, stroke-linecap, stroke-linejoin and opacity,
//   as attributes, inherited from a g; colours as #RGB, #RRGGBB or "none".
// Anything else is refused, so that a picture never shows half drawn.
#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QSize>
#include <QString>

namespace svgpicture {

// The drawing scaled to `size`, on a transparent ground; a null image, and
// the reason in `error`, when `svg` is not a drawing of the subset.
QImage render(const QByteArray& svg, QSize size, QString* error = nullptr);

// An icon from a picture file (a resource path such as ":/games/combine.svg"),
// drawn at the common icon sizes; a null icon when the file cannot be read
// or drawn.
QIcon icon(const QString& file);

}  // namespace svgpicture
