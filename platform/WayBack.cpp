#include "platform/WayBack.h"

#include <QWidget>

void WayBack::take(QWidget* window, const ToMain& toMain)
{
    if (!taken_ && !toMain) {
        taken_ = true;
        window->close();
        return;
    }
    takeOnClose(window, toMain);
}

void WayBack::takeOnClose(QWidget* window, const ToMain& toMain)
{
    if (taken_)
        return;
    taken_ = true;
    if (toMain)
        toMain(window);
}
