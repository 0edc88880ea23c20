#include "platform/SvgPicture.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace svgpicture {

QImage render(const QByteArray& svg, QSize size)
{
    QSvgRenderer renderer(svg);
    if (!renderer.isValid() || size.isEmpty())
        return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

QIcon icon(const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray svg = f.readAll();
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64}) {
        const QImage image = render(svg, QSize(side, side));
        if (image.isNull())
            return {};
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

}  // namespace svgpicture
