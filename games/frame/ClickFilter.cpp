#include "games/frame/ClickFilter.h"

#include <QEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QWidget>

namespace {
// Lives as a child of the control it watches, so it goes with it.
class ClickFilter : public QObject {
public:
    ClickFilter(QWidget* control, std::function<void()> handler) : QObject(control), handler_(std::move(handler))
    {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            handler_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> handler_;
};

class ClickFocusFilter : public QObject {
public:
    ClickFocusFilter(QWidget* control, std::function<void()> handler) : QObject(control), handler_(std::move(handler))
    {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            // A button that lost the focus before its mouse button came up
            // would not be clicked: the handler waits for the release.
            if (reason == Qt::MouseFocusReason && QGuiApplication::mouseButtons() != Qt::NoButton)
                waitingForRelease_ = true;
            else if (reason == Qt::MouseFocusReason || reason == Qt::PopupFocusReason)
                handler_();
        } else if (event->type() == QEvent::MouseButtonRelease && waitingForRelease_) {
            waitingForRelease_ = false;
            handler_();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> handler_;
    bool waitingForRelease_ = false;
};
}  // namespace

void onClickFocus(QWidget* control, std::function<void()> handler)
{
    new ClickFocusFilter(control, std::move(handler));
}

void onLeftClick(QWidget* control, std::function<void()> handler) { new ClickFilter(control, std::move(handler)); }
