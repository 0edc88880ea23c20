#include "games/combine/CombineWindow.h"

#include "dictionary/Dictionary.h"
#include "games/frame/AnswerBox.h"
#include "games/frame/ClickFilter.h"
#include "platform/Random.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

namespace {
constexpr int WrongPauseMs = 1000;
constexpr int RightPauseMs = 700;
constexpr int GiveUpPauseMs = 700;

}  // namespace

const GameDefinition& CombineWindow::gameDefinition()
{
    static const GameDefinition def{1,
                                    QStringLiteral("frmG1"),
                                    QStringLiteral("合体タイピング"),
                                    QStringLiteral("答数"),
                                    GameWindow::countRange(1, 30),
                                    QStringLiteral("文字数"),
                                    false};
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
    : GameWindow(gameDefinition(), std::move(context), parent)
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

    // The box keeps its black outline while the kanji in it turns green or red.
    auto* answerBox = new QFrame(area);
    answerBox->setObjectName(QStringLiteral("fraKanjiK"));
    answerBox->setFrameShape(QFrame::Box);
    answerBox->setFixedSize(150, 150);
    auto* boxLayout = new QHBoxLayout(answerBox);
    boxLayout->setContentsMargins(1, 1, 1, 1);
    lblKanjiK = new QLabel(answerBox);
    lblKanjiK->setObjectName(QStringLiteral("lblKanjiK"));
    QFont answerFont = font();
    answerFont.setPointSize(60);
    lblKanjiK->setFont(answerFont);
    lblKanjiK->setAlignment(Qt::AlignCenter);
    lblKanjiK->setAutoFillBackground(true);
    setLabelColor(lblKanjiK, QPalette::Window, Qt::white);
    boxLayout->addWidget(lblKanjiK);
    layout->addWidget(answerBox, 0, Qt::AlignVCenter);
    // lblKanjiK is also the give-up button.
    onLeftClick(lblKanjiK, [this] { lblKanjiK_Click(); });

    Form_Load();
    warnAboutKanjiTable();
}

void CombineWindow::ClearQuestion()
{
    for (QLabel* l : lblKanjiP) {
        l->clear();
        l->hide();
    }
    txtKaitou->clear();
}

void CombineWindow::showQuestion(const CombineQuestion& q)
{
    ClearQuestion();
    question_ = q;
    for (int i = 0; i < q.parts.size(); ++i) {
        lblKanjiP[size_t(i)]->setText(q.parts[i]);
        lblKanjiP[size_t(i)]->show();
    }
}

void CombineWindow::NextQuestion() { showQuestion(CombineQuestion::draw(dictionary(), Random::instance())); }

void CombineWindow::ShowIdleSample()
{
    showQuestion(CombineQuestion::sample(dictionary(), Random::instance()));
    ++answerShown_;
    lblKanjiK->setText(question_.answer);
}

void CombineWindow::showAnswer(const QColor& color, const QString& kanji)
{
    ++answerShown_;
    lblKanjiK->setText(kanji);
    setLabelColor(lblKanjiK, QPalette::WindowText, color);
}

void CombineWindow::emptyAnswerLabel()
{
    ++answerShown_;
    lblKanjiK->clear();
}

void CombineWindow::clearAnswerLabel() { emptyAnswerLabel(); }

void CombineWindow::revealAtTimeOut()
{
    ++answerShown_;
    lblKanjiK->setText(question_.answer);  // in the colour it last had
}

void CombineWindow::checkAnswer(const QString& answer)
{
    const bool right = question_.isRight(answer, dictionary());
    {
        Judging judging(*this);
        // A right answer shows the kanji the player typed: another kanji of
        // the same components is as right as the one drawn.
        showAnswer(right ? RightColor : WrongColor, right ? answer : question_.answer);
        countAnswer(right);
        if (!letEventsRun())
            return;
        showAnswerCount();
        if (endIfCountReached())
            return;
        if (!right) {
            // The wrong answer stays in red for a moment before the next question.
            if (!pause(WrongPauseMs))
                return;
            emptyAnswerLabel();
        }
        NextQuestion();
        txtKaitou->clear();
        txtKaitou->setFocus();
        if (!letEventsRun())
            return;
    }
    if (right) {
        // The next question is already up; the green kanji stays beside it a while.
        const int shown = answerShown_;
        if (!pause(RightPauseMs))
            return;
        if (shown == answerShown_)
            emptyAnswerLabel();
    }
}

void CombineWindow::GiveUp()
{
    Judging judging(*this);
    showAnswer(WrongColor, question_.answer);
    countAnswer(false);
    if (!letEventsRun())
        return;
    showAnswerCount();
    if (endIfCountReached())
        return;
    if (!pause(GiveUpPauseMs))
        return;
    emptyAnswerLabel();
    NextQuestion();
    txtKaitou->clear();
    txtKaitou->setFocus();
    (void)letEventsRun();
}
