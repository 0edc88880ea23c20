#pragma once
// The program's own pictures are small SVG drawings, drawn by Qt SVG.
#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QSize>
#include <QString>

namespace svgpicture {

// The drawing scaled to `size`, on a transparent ground; a null image when
// `svg` is not a drawing Qt SVG can read.
QImage render(const QByteArray& svg, QSize size);

// An icon from a picture file (a resource path such as ":/games/combine.svg"),
// drawn at the common icon sizes; a null icon when the file cannot be read
// or drawn.
QIcon icon(const QString& file);

}  // namespace svgpicture
