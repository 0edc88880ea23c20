#include "review/DayPictures.h"

#include <QPainter>
#include <QPainterPath>

FacePicture::FacePicture(const QString& objectName, dayface::Face face, QWidget* parent) : QWidget(parent), face_(face)
{
    setObjectName(objectName);
    setFixedSize(sizeHint());
}

void FacePicture::paintEvent(QPaintEvent*)
{
    using dayface::Face;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(3, 3, -3, -3);
    const QColor skin = face_ == Face::None ? QColor(235, 235, 235) : QColor(255, 224, 140);
    p.setPen(QPen(QColor(90, 70, 40), 2));
    p.setBrush(skin);
    p.drawEllipse(r);

    const double cx = r.center().x(), cy = r.center().y(), w = r.width();
    QPen line(QColor(60, 40, 20), 2.5, Qt::SolidLine, Qt::RoundCap);
    p.setPen(line);
    p.setBrush(Qt::NoBrush);
    // Eyes
    const double ex = w * 0.18, ey = cy - w * 0.12;
    if (face_ == Face::Laugh) {
        QPainterPath eyes;  // closed, happy eyes
        for (double sx : {-ex, ex}) {
            eyes.moveTo(cx + sx - w * 0.07, ey + w * 0.03);
            eyes.quadTo(cx + sx, ey - w * 0.07, cx + sx + w * 0.07, ey + w * 0.03);
        }
        p.drawPath(eyes);
    } else if (face_ == Face::Sulky) {
        p.drawLine(QPointF(cx - ex - w * 0.07, ey), QPointF(cx - ex + w * 0.07, ey));
        p.drawLine(QPointF(cx + ex - w * 0.07, ey), QPointF(cx + ex + w * 0.07, ey));
    } else {
        p.setBrush(QColor(60, 40, 20));
        p.drawEllipse(QPointF(cx - ex, ey), w * 0.04, w * 0.05);
        p.drawEllipse(QPointF(cx + ex, ey), w * 0.04, w * 0.05);
        p.setBrush(Qt::NoBrush);
    }
    // Mouth
    const double my = cy + w * 0.16, mw = w * 0.22;
    QPainterPath mouth;
    switch (face_) {
    case Face::None:
        mouth.moveTo(cx - mw * 0.6, my);
        mouth.lineTo(cx + mw * 0.6, my);
        break;
    case Face::Sulky:
        mouth.moveTo(cx - mw * 0.7, my + w * 0.04);
        mouth.quadTo(cx, my - w * 0.06, cx + mw * 0.7, my + w * 0.04);
        break;
    case Face::Smile:
        mouth.moveTo(cx - mw, my - w * 0.04);
        mouth.quadTo(cx, my + w * 0.1, cx + mw, my - w * 0.04);
        break;
    case Face::Laugh:
        mouth.moveTo(cx - mw, my - w * 0.06);
        mouth.quadTo(cx, my + w * 0.2, cx + mw, my - w * 0.06);
        mouth.closeSubpath();
        p.setBrush(QColor(200, 60, 60));
        break;
    }
    p.drawPath(mouth);
}

Lamp::Lamp(const QString& objectName, QWidget* parent) : QWidget(parent)
{
    setObjectName(objectName);
    setFixedSize(sizeHint());
}

void Lamp::setColor(const QColor& color)
{
    if (color_ == color)
        return;
    color_ = color;
    update();
}

void Lamp::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.setBrush(color_);
    p.drawEllipse(QRectF(rect()).adjusted(2, 2, -2, -2));
}
