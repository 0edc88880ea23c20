#pragma once
// A button's face colour. Chart buttons show the chart on view by a
// highlight colour, and that colour is the only record of it.
#include <QColor>

class QAbstractButton;

namespace buttonface {

QColor systemFace();
void set(QAbstractButton* button, const QColor& color);
QColor get(const QAbstractButton* button);
inline bool is(const QAbstractButton* button, const QColor& color) { return get(button) == color; }

}  // namespace buttonface
