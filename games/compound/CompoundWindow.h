#pragma once
// frmG3, the compound combine game (熟語合体): the components of a two-kanji
// word's two kanji are shown mixed together and the player types the word.
// The hint colours each component by the kanji it belongs to.
#include "games/compound/CompoundPlay.h"
#include "games/frame/AnswerKanji.h"
#include "games/frame/GameWindow.h"

#include <QColor>

#include <array>

class QGroupBox;
class QLabel;

class CompoundWindow : public GameWindow {
    Q_OBJECT
public:
    static const GameDefinition& gameDefinition();
    static QString helpLines();
    static inline const QColor RightColor = AnswerKanji::RightColor;
    static inline const QColor WrongColor = AnswerKanji::WrongColor;
    // Under the hint, white text on the colour of the component's kanji.
    static inline const QColor FirstKanjiColor = QColor(255, 128, 128);
    static inline const QColor SecondKanjiColor = QColor(128, 128, 255);
    static inline const QString HintSuffix = QStringLiteral("   ヒント有り");
    static inline const QString NoWordsText =
        QStringLiteral("熟語辞書に、２文字とも漢字辞書に登録されている熟語がひとつもないため、"
                       "ゲームを始められません。");

    explicit CompoundWindow(GameContext context, QWidget* parent = nullptr);

    const QString& currentAnswer() const { return rules_.question().answer; }
    const CompoundQuestion& question() const { return rules_.question(); }
    int typedChars() const { return rules_.typedChars(); }

    void lblKanjiK_Click() { giveUpRequested(); }

protected:
    void clearQuestion() override;
    void nextQuestion() override;
    void showIdleSample() override;
    void checkAnswer(const QString& answer) override;
    void giveUp() override;
    void revealAtTimeOut() override;
    void clearAnswerLabel() override;
    void hintChanged() override { applyHint(); }
    QString helpText() const override { return helpLines(); }
    bool canPlay(QString* reason) const override;
    int rateNumerator() const override { return typedChars(); }
    QString sixthValue() const override { return QString::number(typedChars()); }
    QString noteSuffix() const override;
    // A right answer shows the word typed, which may be another of the same components.
    QString yomiOf(Verdict verdict, const QString& question, const QString& typed) const override
    {
        return verdict == Verdict::Right ? typed : question;
    }
    QStringList questionCandidates() const override { return rules_.words().questions(); }

private:
    void showQuestion(CompoundQuestion q);
    void applyHint();

    CompoundPlay rules_;
    AnswerKanji answerKanji_;
    QGroupBox* fraGattai;
    std::array<QLabel*, CompoundQuestion::MaxComponents> lblKanjiP{};
};
