#include "games/combine/CombineWindow.h"

#include "dictionary/Dictionary.h"
#include "games/frame/AnswerBox.h"
#include "games/frame/AnswerKanji.h"
#include "games/frame/ClickFilter.h"
#include "platform/Random.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

const GameDefinition& CombineWindow::gameDefinition()
{
    static const GameDefinition def{1,
                                    QStringLiteral("frmG1"),
                                    QStringLiteral("合体タイピング"),
                                    QStringLiteral("答数"),
                                    GameWindow::countRange(1, 30),
                                    QStringLiteral("文字数"),
                                    false,
                                    {},
                                    true};
    return def;
}

QString CombineWindow::helpLines()
{
    const QStringList lines = {
        QStringLiteral("このゲームは『合体タイピング』です。"),
        QString(),
        QStringLiteral("２～６文字の漢字（カタカナ）が出題されます。"),
        QStringLiteral("その文字が合体したらなんと言う漢字（１文字）になるかを入力します。"),
        QString(),
        QStringLiteral("例えば…「日」「土」「寸」と出題されたら「時」とタイプします。"),
        QString(),
        QStringLiteral("ギブアップ時はＥＳＣキーを押すか漢字欄をクリックしてください。"),
    };
    return joinHelpLines(lines);
}

CombineWindow::CombineWindow(GameContext context, QWidget* parent)
    : GameWindow(gameDefinition(), std::move(context), parent), answerKanji_(gameArea(), 150, 60)
{
    QWidget* area = gameArea();
    auto* layout = new QHBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    fraGattai = new QGroupBox(QStringLiteral(" 漢字構成部品 "), area);
    fraGattai->setObjectName(QStringLiteral("fraGattai"));
    const std::vector<QLabel*> labels = componentSlots(fraGattai, CombineQuestion::MaxComponents);
    for (size_t i = 0; i < labels.size(); ++i) {
        labels[i]->setFrameShape(QFrame::Box);
        lblKanjiP[i] = labels[i];
    }
    layout->addWidget(fraGattai, 1);

    layout->addWidget(answerKanji_.frame(), 0, Qt::AlignVCenter);
    // lblKanjiK is also the give-up button.
    onLeftClick(answerKanji_.label(), [this] { lblKanjiK_Click(); });

    Form_Load();
    warnAboutKanjiTable();
    noteSmallSample();
}

void CombineWindow::clearQuestion()
{
    for (QLabel* l : lblKanjiP) {
        l->clear();
        l->hide();
    }
    txtKaitou->clear();
}

void CombineWindow::showQuestion(const CombineQuestion& q)
{
    clearQuestion();
    question_ = q;
    for (int i = 0; i < q.parts.size(); ++i) {
        lblKanjiP[size_t(i)]->setText(q.parts[i]);
        lblKanjiP[size_t(i)]->show();
    }
}

void CombineWindow::nextQuestion()
{
    Random& random = Random::instance();
    const int pick = drawByMisses();
    showQuestion(pick < 0 ? CombineQuestion::draw(levelTable(), random)
                          : CombineQuestion::fromEntry(levelTable(), levelTable().questionEntry(pick), random));
}

void CombineWindow::showIdleSample()
{
    showQuestion(CombineQuestion::sample(levelTable(), Random::instance()));
    answerKanji_.show(question_.answer);
}

void CombineWindow::clearAnswerLabel() { answerKanji_.empty(); }

void CombineWindow::revealAtTimeOut()
{
    if (!questionOpen())
        return;  // its answer is already shown
    answerKanji_.show(question_.answer, WrongColor);
    judged(Verdict::TimedOut, question_.answer, boxText());
}

void CombineWindow::checkAnswer(const QString& answer)
{
    const bool right = question_.isRight(answer, dictionary());
    // A right answer shows the kanji the player typed: another kanji of
    // the same components is as right as the one drawn.
    answerKanji_.show(right ? answer : question_.answer, right ? RightColor : WrongColor);
    countAnswer(rightOrWrong(right), question_.answer, answer);
    answerShownIn(answerKanji_, rightOrWrong(right));
}

void CombineWindow::giveUp()
{
    answerKanji_.show(question_.answer, WrongColor);
    countAnswer(Verdict::GivenUp, question_.answer, boxText());
    answerShownIn(answerKanji_, Verdict::GivenUp);
}
