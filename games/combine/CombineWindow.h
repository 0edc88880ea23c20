#pragma once
// frmG1, the combine game (合体): the components of one kanji are shown in
// shuffled order and the player types the kanji they make.
#include "games/combine/CombineQuestion.h"
#include "games/frame/AnswerKanji.h"
#include "games/frame/GameWindow.h"

#include <QColor>

#include <array>

class QGroupBox;
class QLabel;

class CombineWindow : public GameWindow {
    Q_OBJECT
public:
    static const GameDefinition& gameDefinition();
    static QString helpLines();
    static inline const QColor RightColor = AnswerKanji::RightColor;
    static inline const QColor WrongColor = AnswerKanji::WrongColor;

    explicit CombineWindow(GameContext context, QWidget* parent = nullptr);

    const QString& currentAnswer() const { return question_.answer; }
    const CombineQuestion& question() const { return question_; }

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
    // A right answer shows the kanji typed, which may be another of the same components.
    QString yomiOf(Verdict verdict, const QString& question, const QString& typed) const override
    {
        return verdict == Verdict::Right ? typed : question;
    }
    QStringList questionCandidates() const override { return kanjiQuestions(); }

private:
    void showQuestion(const CombineQuestion& q);

    CombineQuestion question_;
    AnswerKanji answerKanji_;
    QGroupBox* fraGattai;
    std::array<QLabel*, CombineQuestion::MaxComponents> lblKanjiP{};
};
