#pragma once
// Keeps exactly one window open: the main window, a game window or the
// dictionary window, and the state that lives for the whole program run.
#include "app/MainWindow.h"
#include "dictionary/Dictionary.h"
#include "platform/HelpTour.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>

class MainWindow;
class QScreen;
class QWidget;

class Shell : public QObject {
    Q_OBJECT
public:
    // A window opened from the game panel; it emits a signal with this
    // object's returnToMain as its "戻り".
    using WindowFactory = std::function<QWidget*(Shell& shell)>;

    Shell();
    void registerGame(int item, WindowFactory factory);
    void registerDictionaryWindow(WindowFactory factory);

    // The games' play mode, kept for the whole run (1 time, 0 count).
    int& playMode() { return playMode_; }
    HelpTour& tour() { return tour_; }
    Dictionary& dictionary() { return dictionary_; }
    MainWindow* mainWindow() const { return main_; }
    QWidget* otherWindow() const { return other_; }

    // Builds and starts a new main window, on `screen` (the primary screen
    // when null).
    MainWindow* showMain(QScreen* screen = nullptr);
    // The "戻り" of a game or the dictionary window: main window first, then
    // the window closes itself.
    void returnToMain(QWidget* from);

signals:
    void programEndRequested();

private:
    void open(const WindowFactory& factory);

    HelpTour tour_;
    int playMode_ = 1;
    Dictionary dictionary_;
    std::map<int, WindowFactory> games_;
    WindowFactory dictionaryWindow_;
    QPointer<MainWindow> main_;
    QPointer<QWidget> other_;
};
