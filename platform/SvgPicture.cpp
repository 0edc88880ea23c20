#include "platform/SvgPicture.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPixmap>
#include <QPolygonF>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <optional>
#include <vector>

namespace svgpicture {

namespace {

struct Style {
    QColor fill = Qt::black;
    QColor stroke;  // invalid: none
    double strokeWidth = 1;
    Qt::PenCapStyle cap = Qt::FlatCap;
    Qt::PenJoinStyle join = Qt::MiterJoin;
    double opacity = 1;
};

class Failure {
public:
    explicit Failure(QString why) : why(std::move(why)) {}
    QString why;
};

std::vector<double> numbers(QStringView text)
{
    static const QRegularExpression number(QStringLiteral(R"([-+]?(?:\d+\.?\d*|\.\d+)(?:[eE][-+]?\d+)?)"));
    std::vector<double> out;
    auto it = number.globalMatch(text);
    while (it.hasNext())
        out.push_back(it.next().captured().toDouble());
    return out;
}

double number(const QXmlStreamAttributes& a, const char* name, double fallback = 0)
{
    const QStringView v = a.value(QLatin1String(name));
    if (v.isEmpty())
        return fallback;
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (!ok)
        throw Failure(QStringLiteral("%1=\"%2\" is not a number").arg(QLatin1String(name), v));
    return d;
}

QColor colour(QStringView text)
{
    if (text == u"none")
        return {};
    const QColor c = QColor::fromString(text);
    if (!c.isValid())
        throw Failure(QStringLiteral("colour \"%1\"").arg(text));
    return c;
}

Style styled(const Style& parent, const QXmlStreamAttributes& a)
{
    Style s = parent;
    if (a.hasAttribute(QLatin1String("fill")))
        s.fill = colour(a.value(QLatin1String("fill")));
    if (a.hasAttribute(QLatin1String("stroke")))
        s.stroke = colour(a.value(QLatin1String("stroke")));
    s.strokeWidth = number(a, "stroke-width", s.strokeWidth);
    s.opacity = parent.opacity * number(a, "opacity", 1);
    const QStringView cap = a.value(QLatin1String("stroke-linecap"));
    if (cap == u"round")
        s.cap = Qt::RoundCap;
    else if (cap == u"square")
        s.cap = Qt::SquareCap;
    else if (cap == u"butt")
        s.cap = Qt::FlatCap;
    const QStringView join = a.value(QLatin1String("stroke-linejoin"));
    if (join == u"round")
        s.join = Qt::RoundJoin;
    else if (join == u"bevel")
        s.join = Qt::BevelJoin;
    else if (join == u"miter")
        s.join = Qt::MiterJoin;
    return s;
}

QPainterPath pathData(QStringView d)
{
    static const QRegularExpression token(
        QStringLiteral(R"([MmLlHhVvCcQqZz]|[-+]?(?:\d+\.?\d*|\.\d+)(?:[eE][-+]?\d+)?)"));
    std::vector<QString> tokens;
    auto it = token.globalMatch(d);
    while (it.hasNext())
        tokens.push_back(it.next().captured());
    QPainterPath path;
    QPointF at;
    QPointF start;
    QChar command;
    size_t i = 0;
    const auto next = [&]() -> double {
        if (i >= tokens.size() || tokens[i][0].isLetter())
            throw Failure(QStringLiteral("path \"%1\" ends too soon").arg(d));
        return tokens[i++].toDouble();
    };
    while (i < tokens.size()) {
        if (tokens[i][0].isLetter())
            command = tokens[i++][0];
        else if (command.isNull())
            throw Failure(QStringLiteral("path \"%1\" begins without a command").arg(d));
        const bool relative = command.isLower();
        const QPointF base = relative ? at : QPointF();
        switch (command.toUpper().unicode()) {
        case 'M': {
            const double x = next();
            at = base + QPointF(x, next());
            path.moveTo(at);
            start = at;
            command = relative ? u'l' : u'L';  // further pairs are lines
            break;
        }
        case 'L': {
            const double x = next();
            at = base + QPointF(x, next());
            path.lineTo(at);
            break;
        }
        case 'H':
            at.setX((relative ? at.x() : 0) + next());
            path.lineTo(at);
            break;
        case 'V':
            at.setY((relative ? at.y() : 0) + next());
            path.lineTo(at);
            break;
        case 'C': {
            double v[6];
            for (double& x : v)
                x = next();
            const QPointF c1 = base + QPointF(v[0], v[1]);
            const QPointF c2 = base + QPointF(v[2], v[3]);
            at = base + QPointF(v[4], v[5]);
            path.cubicTo(c1, c2, at);
            break;
        }
        case 'Q': {
            double v[4];
            for (double& x : v)
                x = next();
            const QPointF c = base + QPointF(v[0], v[1]);
            at = base + QPointF(v[2], v[3]);
            path.quadTo(c, at);
            break;
        }
        case 'Z':
            path.closeSubpath();
            at = start;
            command = QChar();
            break;
        }
    }
    return path;
}

QPolygonF points(QStringView text)
{
    const std::vector<double> v = numbers(text);
    if (v.size() % 2 != 0)
        throw Failure(QStringLiteral("points \"%1\" are not pairs").arg(text));
    QPolygonF polygon;
    for (size_t i = 0; i + 1 < v.size(); i += 2)
        polygon << QPointF(v[i], v[i + 1]);
    return polygon;
}

void draw(QPainter& p, const Style& s, const QPainterPath& shape, bool filled)
{
    p.setOpacity(s.opacity);
    if (s.stroke.isValid() && s.strokeWidth > 0) {
        QPen pen(s.stroke, s.strokeWidth, Qt::SolidLine, s.cap, s.join);
        p.setPen(pen);
    } else {
        p.setPen(Qt::NoPen);
    }
    p.setBrush(filled && s.fill.isValid() ? QBrush(s.fill) : QBrush(Qt::NoBrush));
    p.drawPath(shape);
}

void drawElement(QPainter& p, QStringView name, const QXmlStreamAttributes& a, const Style& s)
{
    QPainterPath shape;
    bool filled = true;
    if (name == u"rect") {
        const QRectF r(number(a, "x"), number(a, "y"), number(a, "width"), number(a, "height"));
        const double rx = number(a, "rx", number(a, "ry"));
        const double ry = number(a, "ry", rx);
        shape.addRoundedRect(r, rx, ry);
    } else if (name == u"circle") {
        const double r = number(a, "r");
        shape.addEllipse(QPointF(number(a, "cx"), number(a, "cy")), r, r);
    } else if (name == u"ellipse") {
        shape.addEllipse(QPointF(number(a, "cx"), number(a, "cy")), number(a, "rx"), number(a, "ry"));
    } else if (name == u"line") {
        shape.moveTo(number(a, "x1"), number(a, "y1"));
        shape.lineTo(number(a, "x2"), number(a, "y2"));
        filled = false;
    } else if (name == u"polyline" || name == u"polygon") {
        const QPolygonF poly = points(a.value(QLatin1String("points")));
        shape.addPolygon(poly);
        if (name == u"polygon")
            shape.closeSubpath();
        else
            filled = a.hasAttribute(QLatin1String("fill"));  // an open line unless asked
    } else if (name == u"path") {
        shape = pathData(a.value(QLatin1String("d")));
    } else {
        throw Failure(QStringLiteral("<%1> is not drawn").arg(name));
    }
    draw(p, s, shape, filled);
}

}  // namespace

QImage render(const QByteArray& svg, QSize size, QString* error)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QXmlStreamReader xml(svg);
    std::vector<Style> styles;
    try {
        while (!xml.atEnd()) {
            const QXmlStreamReader::TokenType t = xml.readNext();
            if (t == QXmlStreamReader::EndElement) {
                if (xml.name() == u"svg" || xml.name() == u"g")
                    styles.pop_back();
                continue;
            }
            if (t != QXmlStreamReader::StartElement)
                continue;
            const QXmlStreamAttributes a = xml.attributes();
            if (styles.empty()) {
                if (xml.name() != u"svg")
                    throw Failure(QStringLiteral("not an <svg> drawing"));
                std::vector<double> box = numbers(a.value(QLatin1String("viewBox")));
                if (box.size() != 4)
                    box = {0, 0, number(a, "width", size.width()), number(a, "height", size.height())};
                if (box[2] <= 0 || box[3] <= 0)
                    throw Failure(QStringLiteral("an empty drawing"));
                p.scale(size.width() / box[2], size.height() / box[3]);
                p.translate(-box[0], -box[1]);
                styles.push_back(styled(Style{}, a));
            } else if (xml.name() == u"g") {
                styles.push_back(styled(styles.back(), a));
            } else {
                drawElement(p, xml.name(), a, styled(styles.back(), a));
                xml.skipCurrentElement();
            }
        }
        if (xml.hasError())
            throw Failure(xml.errorString());
        if (!styles.empty() || image.isNull())
            throw Failure(QStringLiteral("the drawing is incomplete"));
    } catch (const Failure& f) {
        if (error)
            *error = f.why;
        return {};
    }
    p.end();
    return image;
}

QIcon icon(const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray svg = f.readAll();
    QIcon result;
    for (int side : {16, 24, 32, 48, 64}) {
        const QImage image = render(svg, QSize(side, side));
        if (image.isNull())
            return {};
        result.addPixmap(QPixmap::fromImage(image));
    }
    return result;
}

}  // namespace svgpicture
