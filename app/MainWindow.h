#pragma once
// frmMain: the toolbar, the eight screens (one visible at a time), the game
// panel and the help tour. A new one is built each time the user comes back
// from a game or the dictionary window, so every view is rebuilt from the
// files.
#include "review/MainState.h"

#include <QWidget>

#include <vector>

class DayView;
class Dictionary;
class EditScreen;
class GamePanel;
class NotesScreen;
class QCheckBox;
class QDate;
class QPushButton;
class RangeView;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow(HelpTour& tour, Dictionary& dictionary, QWidget* parent = nullptr);

    // The load sequence; shows the window.
    void startUp();

    void hideAllFrames();
    DayView& dayView() { return *fraMain; }
    GamePanel& gamePanel() { return *fraGame; }
    MainState& state() { return state_; }
    // Which games (and the dictionary window) the panel may open.
    void setGameAvailable(int item, bool available);
    void setDictionaryAvailable(bool available);

    static QString introduction();

signals:
    void gameRequested(int item);
    void dictionaryRequested();
    // The dictionary window, showing a kanji, word or component.
    void dictionaryLookupRequested(const QString& text);
    void programEndRequested();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPushButton* addToolButton(const char* name, const QString& caption, const QString& tip);
    void addScreen(QPushButton* button, Screen* screen, const QString& helpPage);
    void showScreen(Screen* screen);
    void showMainScreen();
    void showGamePanel();
    // The help page of the screen in view (the game panel when it is open).
    QString helpPage() const;
    void showHelp();
    void exitProgram();
    void toggleHelpTour();
    void openClickedDay();
    // The day view of a day chosen on another screen.
    void showDay(const QDate& day);
    void readSettings();

    MainState state_;
    Dictionary& dictionary_;
    bool loading_ = false;
    bool painted_ = false;
    DayView* fraMain;
    EditScreen* fraSettei;
    NotesScreen* fraMemo;
    RangeView* fraTaijyu;
    GamePanel* fraGame;
    QCheckBox* chkHelp;
    QPushButton* cmdGame;
    QPushButton* cmdMain;
    std::vector<Screen*> screens_;    // in the order hideAllFrames hides them
    std::vector<QString> helpPages_;  // by screen
    class QHBoxLayout* toolbar_;
    class QVBoxLayout* screenArea_;
};
