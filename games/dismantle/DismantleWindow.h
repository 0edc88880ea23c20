#pragma once
// frmG2, the dismantle game (解体): one kanji is shown and the player types
// its components one at a time, in any order, each into a hidden slot.
#include "games/dismantle/DismantlePlay.h"
#include "games/frame/GameWindow.h"

#include <QColor>

#include <array>
#include <utility>

class QGroupBox;
class QLabel;

class DismantleWindow : public GameWindow {
    Q_OBJECT
public:
    static const GameDefinition& gameDefinition();
    static QString helpLines();
    static inline const QColor OpenColor = QColor(255, 255, 255);  // white on white: a blank slot
    static inline const QColor FoundColor = QColor(0, 192, 0);
    static inline const QColor GivenUpColor = QColor(255, 0, 0);
    static inline const QColor WrongFlashColor = QColor(255, 192, 192);

    explicit DismantleWindow(GameContext context, QWidget* parent = nullptr);

    const DismantleQuestion& question() const { return rules_.question(); }
    int kanjiDone() const { return rules_.kanjiDone(); }

    // A click on a slot, or on the kanji as the help text tells: a give-up
    // during a play.
    void lblKanjiP_Click(int) { giveUpRequested(); }
    void lblKanjiK_Click() { giveUpRequested(); }

protected:
    void clearQuestion() override;
    void nextQuestion() override;
    void showIdleSample() override;
    void checkAnswer(const QString& answer) override;
    void giveUp() override;
    void revealAtTimeOut() override;
    void clearAnswerLabel() override;
    QString helpText() const override { return helpLines(); }
    bool canPlay(QString* reason) const override { return questionTableUsable(reason); }
    QStringList questionCandidates() const override { return kanjiQuestions(); }
    QString sixthValue() const override { return QString::number(kanjiDone()); }

private:
    void showQuestion(DismantleQuestion q);
    void showSlots();
    void setKanjiBackground(const QColor& color);
    // After the answer's flash, if any: the count, then the next kanji once
    // this one is `completed`.
    void afterAnswer(bool completed);
    // judged() with the components found so far and those not found.
    void judgedNow(Verdict verdict, const QString& typed);
    // The components found so far and those still open, in slot order.
    std::pair<QString, QString> foundAndMissed() const;

    DismantlePlay rules_;
    QGroupBox* fraKaitai;
    std::array<QLabel*, DismantleQuestion::MaxComponents> lblKanjiP{};
    QLabel* lblKanjiK;
    QLabel* lblBuhinHelp;
};
