#include "games/frame/CountdownImage.h"

#include <QPainter>
#include <QRadialGradient>

QPixmap countdownImage(int step, QSize size)
{
    static const QColor Lamps[3] = {QColor(230, 40, 40), QColor(250, 200, 0), QColor(20, 200, 60)};
    const QColor lamp = Lamps[(step >= 1 && step <= 3) ? step - 1 : 0];
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(2, 2, -2, -2);
    p.setPen(QPen(QColor(40, 40, 40), 3));
    p.setBrush(QColor(60, 60, 60));
    p.drawEllipse(r);
    QRadialGradient glow(r.center() - QPointF(r.width() / 6, r.height() / 6), r.width() / 2);
    glow.setColorAt(0, lamp.lighter(170));
    glow.setColorAt(1, lamp);
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(r.adjusted(5, 5, -5, -5));
    return pm;
}
