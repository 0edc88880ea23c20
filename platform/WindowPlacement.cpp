#include "platform/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace windowplace {

QMargins frameOf(const QWidget* window)
{
    const QRect inner = window->geometry();
    const QRect outer = window->frameGeometry();
    if (window->isVisible() && outer != inner)
        return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                outer.bottom() - inner.bottom()};
    // A title bar and thin borders, as the common desktops draw them.
    return {8, 36, 8, 8};
}

void fitAndCentre(QWidget* window, QScreen* screen)
{
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QMargins frame = frameOf(window);
    const QSize room(area.width() - frame.left() - frame.right(), area.height() - frame.top() - frame.bottom());
    window->setScreen(screen);
    QSize size = window->size().boundedTo(room).expandedTo(window->minimumSize());
    window->resize(size);
    size = window->size();
    const QSize outer(size.width() + frame.left() + frame.right(), size.height() + frame.top() + frame.bottom());
    // Centred; a window larger than the area keeps its top left corner in it.
    const int x = area.left() + std::max(0, (area.width() - outer.width()) / 2);
    const int y = area.top() + std::max(0, (area.height() - outer.height()) / 2);
    // move() places the frame's corner.
    window->move(x, y);
}

}  // namespace windowplace
