#include "platform/ButtonFace.h"

#include <QAbstractButton>
#include <QApplication>

namespace buttonface {

QColor systemFace() { return QApplication::palette().color(QPalette::Button); }

void set(QAbstractButton* button, const QColor& color)
{
    QPalette pal = button->palette();
    pal.setColor(QPalette::Button, color);
    button->setPalette(pal);
}

QColor get(const QAbstractButton* button) { return button->palette().color(QPalette::Button); }

}  // namespace buttonface
