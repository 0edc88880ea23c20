#include "games/dismantle/DismantleWindow.h"

#include "dictionary/Dictionary.h"
#include "games/frame/AnswerBox.h"
#include "games/frame/ClickFilter.h"
#include "platform/HelpViewer.h"
#include "platform/PlainTextLabels.h"
#include "platform/Random.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
constexpr int WrongFlashMs = 200;
constexpr int CompletePauseMs = 500;
constexpr int GiveUpPauseMs = 700;

}  // namespace

const GameDefinition& DismantleWindow::gameDefinition()
{
    static const GameDefinition def{2,
                                    QStringLiteral("frmG2"),
                                    QStringLiteral("解体タイピング"),
                                    QStringLiteral("答数"),
                                    GameWindow::countRange(1, 30),
                                    QStringLiteral("漢字数"),
                                    false,
                                    {},
                                    true};
    return def;
}

QString DismantleWindow::helpLines()
{
    const QStringList lines = {
        QStringLiteral("このゲームは『解体タイピング』です。"),
        QString(),
        QStringLiteral("漢字１文字が出題されます。"),
        QStringLiteral("その漢字がなんの漢字の組合わせになっているかを入力します。"),
        QString(),
        QStringLiteral("例えば…「結」と出題されたら、「糸」「士」「口」をそれぞれ"
                       "１文字ずつタイプします。"),
        QStringLiteral("入力する順番は関係ありません。"),
        QString(),
        QStringLiteral("ギブアップ時はＥＳＣキーを押すか漢字欄をクリックしてください。"),
    };
    return joinHelpLines(lines);
}

DismantleWindow::DismantleWindow(GameContext context, QWidget* parent)
    : GameWindow(gameDefinition(), std::move(context), parent), rules_(play())
{
    QWidget* area = gameArea();
    auto* layout = new QHBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);

    // The kanji in a black box on white; its background is what flashes.
    lblKanjiK = new QLabel(area);
    lblKanjiK->setObjectName(QStringLiteral("lblKanjiK"));
    QFont kanjiFont = font();
    kanjiFont.setPointSize(60);
    lblKanjiK->setFont(kanjiFont);
    lblKanjiK->setAlignment(Qt::AlignCenter);
    lblKanjiK->setFixedSize(150, 150);
    lblKanjiK->setFrameShape(QFrame::Box);
    lblKanjiK->setAutoFillBackground(true);
    setLabelColor(lblKanjiK, QPalette::WindowText, Qt::black);
    setLabelColor(lblKanjiK, QPalette::Window, Qt::white);
    layout->addWidget(lblKanjiK, 0, Qt::AlignVCenter);
    onLeftClick(lblKanjiK, [this] { lblKanjiK_Click(); });

    fraKaitai = new QGroupBox(QStringLiteral("漢字構成部品"), area);
    fraKaitai->setObjectName(QStringLiteral("fraKaitai"));
    const std::vector<QLabel*> labels = componentSlots(fraKaitai, DismantleQuestion::MaxComponents);
    for (int i = 0; i < DismantleQuestion::MaxComponents; ++i) {
        QLabel* l = labels[size_t(i)];
        // A sunken well drawn in the palette's shades, not in the text
        // colour, so that an open slot shows while its white text does not.
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        l->setLineWidth(2);
        setLabelColor(l, QPalette::WindowText, FoundColor);  // the idle sample shows in green
        lblKanjiP[size_t(i)] = l;
        onLeftClick(l, [this, i] { lblKanjiP_Click(i + 1); });
    }
    // Under the slots, the way to the page that tells how each component is
    // typed; a link that never takes the focus from the answer box.
    auto* column = new QVBoxLayout;
    column->addWidget(fraKaitai, 1);
    lblBuhinHelp = new QLabel(QStringLiteral("<a href=\"parts.html\">部品の入力</a>"), area);
    lblBuhinHelp->setObjectName(QStringLiteral("lblBuhinHelp"));
    plaintext::keepMarkup(lblBuhinHelp);
    lblBuhinHelp->setFocusPolicy(Qt::NoFocus);
    lblBuhinHelp->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    lblBuhinHelp->setToolTip(QStringLiteral("部品の打ち方（ヘルプ）"));
    connect(lblBuhinHelp, &QLabel::linkActivated, this,
            [this](const QString& page) { help::open(this, help::ProgramHelp, page); });
    column->addWidget(lblBuhinHelp, 0, Qt::AlignRight);
    layout->addLayout(column, 1);

    Form_Load();
    warnAboutKanjiTable();
    noteSmallSample();
}

void DismantleWindow::clearQuestion()
{
    for (QLabel* l : lblKanjiP) {
        l->clear();
        l->hide();
    }
    txtKaitou->clear();
}

void DismantleWindow::showQuestion(DismantleQuestion q)
{
    clearQuestion();
    rules_.setQuestion(std::move(q));
    const DismantleQuestion& shown = rules_.question();
    for (int i = 0; i < shown.slotCount(); ++i) {
        lblKanjiP[size_t(i)]->setText(shown.parts()[i]);
        lblKanjiP[size_t(i)]->show();
    }
    showSlots();
    lblKanjiK->setText(shown.kanji());
}

void DismantleWindow::showSlots()
{
    const DismantleQuestion& q = rules_.question();
    for (int i = 0; i < q.slotCount(); ++i) {
        QColor color = FoundColor;
        switch (q.slot(i)) {
        case DismantleQuestion::Slot::Open:
            color = OpenColor;
            break;
        case DismantleQuestion::Slot::GivenUp:
            color = GivenUpColor;
            break;
        case DismantleQuestion::Slot::Found:
        case DismantleQuestion::Slot::Shown:
            break;
        }
        setLabelColor(lblKanjiP[size_t(i)], QPalette::WindowText, color);
    }
}

void DismantleWindow::setKanjiBackground(const QColor& color) { setLabelColor(lblKanjiK, QPalette::Window, color); }

void DismantleWindow::nextQuestion()
{
    Random& random = Random::instance();
    const int pick = drawByMisses();
    showQuestion(pick < 0 ? DismantleQuestion::draw(levelTable(), random)
                          : DismantleQuestion::fromEntry(levelTable(), levelTable().questionEntry(pick), random));
}

void DismantleWindow::showIdleSample() { showQuestion(DismantleQuestion::sample(levelTable(), Random::instance())); }

void DismantleWindow::clearAnswerLabel()
{
    lblKanjiK->clear();
    setKanjiBackground(Qt::white);
}

void DismantleWindow::revealAtTimeOut()
{
    if (!rules_.question().complete())
        judgedNow(Verdict::TimedOut, boxText());
    rules_.question().reveal();
    showSlots();
    setKanjiBackground(Qt::white);  // a wrong answer's flash cut short by the time-out
}

void DismantleWindow::checkAnswer(const QString& answer)
{
    const DismantlePlay::Judgement j = rules_.answer(answer);
    judgedNow(rightOrWrong(j.right()), answer);
    if (j.right()) {
        showSlots();
        afterAnswer(j.completed);
        return;
    }
    // The wrong text stays in the box while the kanji flashes.
    setKanjiBackground(WrongFlashColor);
    answerSteps().hold(WrongFlashMs, [this] {
        setKanjiBackground(Qt::white);
        afterAnswer(false);
    });
}

void DismantleWindow::judgedNow(Verdict verdict, const QString& typed)
{
    const auto [found, missed] = foundAndMissed();
    judged(verdict, rules_.question().kanji(), typed, found, missed);
}

std::pair<QString, QString> DismantleWindow::foundAndMissed() const
{
    const DismantleQuestion& q = rules_.question();
    QString found;
    QString missed;
    for (int i = 0; i < q.slotCount(); ++i)
        (q.slot(i) == DismantleQuestion::Slot::Found ? found : missed) += q.parts()[i];
    return {found, missed};
}

void DismantleWindow::afterAnswer(bool completed)
{
    if (!playGoesOnAfterAnswer())
        return;
    txtKaitou->clear();
    txtKaitou->setFocus();
    if (!completed)
        return;  // the next component can be typed at once
    // The whole kanji stays a moment in green before the next one.
    answerSteps().hold(CompletePauseMs, [this] { nextQuestion(); });
}

void DismantleWindow::giveUp()
{
    const QString typed = boxText();
    // What was found before the give-up turns every slot red.
    const auto [found, missed] = foundAndMissed();
    if (!rules_.giveUp())
        return;
    showSlots();
    judged(Verdict::GivenUp, rules_.question().kanji(), typed, found, missed);
    if (!playGoesOnAfterAnswer())
        return;
    answerSteps().hold(GiveUpPauseMs, [this] {
        lblKanjiK->clear();
        showNextQuestion();
    });
}
