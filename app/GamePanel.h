#pragma once
// The game panel fraGame: the seven game buttons, the dictionary button and
// "戻る". Game n is the item of that number (1 合体 ... 7 しりとり).
#include <QFrame>

#include <array>

class QPushButton;

class GamePanel : public QFrame {
    Q_OBJECT
public:
    explicit GamePanel(QWidget* parent = nullptr);
    // Enables the buttons of the games that can be opened.
    void setAvailable(int item, bool available);
    void setDictionaryAvailable(bool available);
    void focusFirstGame();

signals:
    void gameChosen(int item);
    void dictionaryChosen();
    void closeRequested();

private:
    std::array<QPushButton*, 7> buttons_{};  // by item number
    QPushButton* cmdSub = nullptr;
};
