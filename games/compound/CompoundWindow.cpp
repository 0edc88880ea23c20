#include "games/compound/CompoundWindow.h"

#include "dictionary/Dictionary.h"
#include "games/frame/AnswerBox.h"
#include "games/frame/AnswerKanji.h"
#include "games/frame/ClickFilter.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

namespace {
constexpr int LabelsPerRow = 6;

}  // namespace

const GameDefinition& CompoundWindow::gameDefinition()
{
    static const GameDefinition def{3,
                                    QStringLiteral("frmG3"),
                                    QStringLiteral("熟語合体タイピング"),
                                    QStringLiteral("答数"),
                                    GameWindow::countRange(1, 30),
                                    QStringLiteral("文字数"),
                                    true,
                                    {},
                                    true};
    return def;
}

QString CompoundWindow::helpLines()
{
    const QStringList lines = {
        QStringLiteral("このゲームは『熟語合体タイピング』です。"),
        QString(),
        QStringLiteral("４～１２文字の漢字（カタカナ）が出題されます。"),
        QStringLiteral("その文字が合体したらなんと言う熟語（２文字）になるかを入力します。"),
        QString(),
        QStringLiteral("例えば…「日」「十」「寸」「言」「土」と出題されたら「時計」とタイプします。"),
        QString(),
        QStringLiteral("※「ヒント有り」にチェックを入れると色分けして出題されます。"),
        QString(),
        QStringLiteral("ギブアップ時はＥＳＣキーを押すか漢字欄をクリックしてください。"),
    };
    return joinHelpLines(lines);
}

CompoundWindow::CompoundWindow(GameContext context, QWidget* parent)
    : GameWindow(gameDefinition(), std::move(context), parent), rules_(play()), answerKanji_(gameArea(), 176, 44)
{
    QWidget* area = gameArea();
    auto* layout = new QHBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    fraGattai = new QGroupBox(QStringLiteral("漢字構成部品"), area);
    fraGattai->setObjectName(QStringLiteral("fraGattai"));
    // Two rows of six: labels 1 to 6 above, 7 to 12 below.
    auto* parts = new QGridLayout(fraGattai);
    parts->setSpacing(6);
    QFont partFont = font();
    partFont.setPointSize(26);
    for (int i = 0; i < CompoundQuestion::MaxComponents; ++i) {
        auto* l = new QLabel(fraGattai);
        l->setObjectName(QStringLiteral("lblKanjiP_%1").arg(i + 1));
        l->setFont(partFont);
        l->setAlignment(Qt::AlignCenter);
        l->setFixedSize(62, 62);
        l->setFrameShape(QFrame::Box);
        l->setAutoFillBackground(true);
        setLabelColor(l, QPalette::Window, Qt::white);
        // A hidden label keeps its place, so the rows do not shift.
        QSizePolicy keep = l->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        l->setSizePolicy(keep);
        parts->addWidget(l, i / LabelsPerRow, i % LabelsPerRow);
        lblKanjiP[size_t(i)] = l;
    }
    parts->setColumnStretch(LabelsPerRow, 1);
    layout->addWidget(fraGattai, 1, Qt::AlignVCenter);

    layout->addWidget(answerKanji_.frame(), 0, Qt::AlignVCenter);
    // lblKanjiK is also the give-up button.
    onLeftClick(answerKanji_.label(), [this] { lblKanjiK_Click(); });

    Form_Load();
    QString why;
    if (!canPlay(&why))
        msgbox::warning(this, definition().windowTitle, why);
}

bool CompoundWindow::canPlay(QString* reason) const
{
    if (!rules_.words().empty())
        return true;
    *reason = level().all() ? NoWordsText : level().refusal();
    return false;
}

QString CompoundWindow::noteSuffix() const { return play().settings.hintOn != 0 ? HintSuffix : QString(); }

void CompoundWindow::clearQuestion()
{
    for (QLabel* l : lblKanjiP) {
        l->clear();
        l->hide();
    }
    txtKaitou->clear();
}

void CompoundWindow::showQuestion(CompoundQuestion q)
{
    clearQuestion();
    rules_.setQuestion(std::move(q));
    const QStringList& shown = rules_.question().parts;
    for (int i = 0; i < shown.size(); ++i) {
        lblKanjiP[size_t(i)]->setText(shown[i]);
        lblKanjiP[size_t(i)]->show();
    }
    applyHint();
}

void CompoundWindow::applyHint()
{
    const bool on = play().settings.hintOn != 0;
    const std::vector<int> owner = rules_.question().hintKanji();
    for (size_t i = 0; i < lblKanjiP.size(); ++i) {
        const int kanji = on && i < owner.size() ? owner[i] : 0;
        const QColor back = kanji == 1 ? FirstKanjiColor : kanji == 2 ? SecondKanjiColor : QColor(Qt::white);
        setLabelColor(lblKanjiP[i], QPalette::Window, back);
        setLabelColor(lblKanjiP[i], QPalette::WindowText, kanji != 0 ? QColor(Qt::white) : QColor(Qt::black));
    }
}

void CompoundWindow::nextQuestion()
{
    Random& random = Random::instance();
    const int pick = drawByMisses();
    showQuestion(pick < 0 ? rules_.words().draw(random) : rules_.words().questionAt(pick, random));
}

void CompoundWindow::showIdleSample()
{
    // The tables are final once the window has loaded them; the words are
    // worked out again for another level.
    rules_.setWords(CompoundWords(dictionary(), level()));
    showQuestion(rules_.words().draw(Random::instance()));
    answerKanji_.show(currentAnswer());
}

void CompoundWindow::clearAnswerLabel() { answerKanji_.empty(); }

void CompoundWindow::revealAtTimeOut()
{
    if (!questionOpen())
        return;  // its answer is already shown
    answerKanji_.show(currentAnswer(), WrongColor);
    judged(Verdict::TimedOut, currentAnswer(), boxText());
}

void CompoundWindow::checkAnswer(const QString& answer)
{
    const bool right = rules_.answer(answer);
    // A right answer shows the word the player typed: another word of the
    // same components is as right as the one drawn.
    answerKanji_.show(right ? answer : currentAnswer(), right ? RightColor : WrongColor);
    judged(rightOrWrong(right), currentAnswer(), answer);
    answerShownIn(answerKanji_, rightOrWrong(right));
}

void CompoundWindow::giveUp()
{
    // A give-up that reaches the count ends the play with the characters
    // typed so far: it adds none of its own.
    rules_.giveUp();
    answerKanji_.show(currentAnswer(), WrongColor);
    judged(Verdict::GivenUp, currentAnswer(), boxText());
    answerShownIn(answerKanji_, Verdict::GivenUp);
}
