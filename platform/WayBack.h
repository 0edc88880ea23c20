#pragma once
// The way from a window back to the main window, taken once: by the
// window's "戻り" or by its frame's close button, whichever comes first.
#include <functional>

class QWidget;

class WayBack {
public:
    using ToMain = std::function<void(QWidget* window)>;

    bool taken() const { return taken_; }
    // "戻り": the main window comes back and closes `window`; with no main
    // window to go back to, `window` closes itself.
    void take(QWidget* window, const ToMain& toMain);
    // `window` is closing by its frame: the main window comes back all the same.
    void takeOnClose(QWidget* window, const ToMain& toMain);

private:
    bool taken_ = false;
};
