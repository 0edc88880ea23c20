// frmG2 played through its controls: the hidden slots filling up, the wrong
// answer's flash, give-up by a click, the kanji counted into the history,
// and the time-out that shows every component.
#include "games/dismantle/DismantleWindow.h"

#include "dictionary/Dictionary.h"
#include "games/frame/AnswerBox.h"
#include "games/frame/HistoryFile.h"
#include "gui/GameWindowFixture.h"
#include "platform/Clock.h"
#include "platform/Grid.h"
#include "platform/HelpViewer.h"
#include "platform/HelpTour.h"
#include "platform/Random.h"
#include "records/RecordFile.h"
#include "support/ExpectedColours.h"
#include "support/TempDir.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <algorithm>
#include <functional>

namespace {
const QString HistoryFile = QStringLiteral("解体履歴.txt");
const QString Musubu = QStringLiteral("結");
const QString Ito = QStringLiteral("糸");
const QString Shi = QStringLiteral("士");
const QString Kuchi = QStringLiteral("口");
}  // namespace

class DismantleWindowTest : public GameWindowFixture<DismantleWindow, 2> {
protected:
    void SetUp() override
    {
        GameWindowFixture::SetUp();
        dictionary.setTables({{Musubu, QStringLiteral("糸士口")}}, {});
    }

    QLabel* label(const QString& name) { return window->findChild<QLabel*>(name); }
    QLabel* slotLabel(int i) { return label(QStringLiteral("lblKanjiP_%1").arg(i)); }
    QLabel* slotOf(const QString& part) { return slotLabel(int(window->question().parts().indexOf(part)) + 1); }
    static QColor ink(QLabel* l) { return l->palette().color(QPalette::WindowText); }
    QColor kanjiBackground() { return label(QStringLiteral("lblKanjiK"))->palette().color(QPalette::Window); }
    // The text colour of slots 1 to 3 ("o" open, "g" green, "r" red), in
    // the order the components were dealt.
    QString slotColours()
    {
        QString s;
        for (int i = 1; i <= 3; ++i) {
            const QColor c = ink(slotLabel(i));
            s += c == rgb::White ? u'o' : c == rgb::RightAnswer ? u'g' : c == rgb::WrongAnswer ? u'r' : u'?';
        }
        return s;
    }
    // What slotColours() should read once `found` are typed.
    QString coloursWithFound(std::initializer_list<QString> found)
    {
        QString s;
        for (const QString& part : window->question().parts())
            s += std::find(found.begin(), found.end(), part) != found.end() ? u'g' : u'o';
        return s;
    }
};

TEST_F(DismantleWindowTest, OpensWithTheSampleShowingEveryComponentInGreen)
{
    open();
    EXPECT_EQ(window->objectName(), QStringLiteral("frmG2"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("解体タイピング"));
    EXPECT_EQ(window->findChild<QGroupBox*>(QStringLiteral("fraKaitai"))->title(), QStringLiteral("漢字構成部品"));
    EXPECT_EQ(window->findChild<QPushButton*>(QStringLiteral("cmdMoji"))->text(), QStringLiteral("漢字数"));
    EXPECT_EQ(text("lblKanjiK"), Musubu);
    EXPECT_EQ(slotColours(), QStringLiteral("ggg"));
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(slotLabel(i)->isVisible(), i <= 3) << i;
    EXPECT_TRUE(
        DismantleWindow::helpLines().startsWith(QStringLiteral("このゲームは『解体タイピング』です。\r\n\r\n")));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(DismantleWindowTest, CountModePlayFillsSlotsFlashesWrongAnswersAndStoresTheKanjiDone)
{
    open(QStringLiteral("5,60,\"答数\",1\r\n"));
    startPlay();
    EXPECT_EQ(text("lblKanjiK"), Musubu);
    EXPECT_EQ(slotColours(), QStringLiteral("ooo"));

    typeAnswer(Kuchi);
    EXPECT_EQ(slotColours(), coloursWithFound({Kuchi}));
    EXPECT_EQ(text("lblOk"), QStringLiteral("1"));
    EXPECT_TRUE(answerBox()->text().isEmpty());
    typeAnswer(Ito);

    // Two components at once: one wrong answer, the kanji flashes pink a moment.
    QColor during;
    typeAnswer(Ito + Shi, [&] { during = kanjiBackground(); });
    EXPECT_EQ(during, rgb::LightPink);
    EXPECT_EQ(kanjiBackground(), QColor(Qt::white));
    EXPECT_EQ(text("lblNg"), QStringLiteral("1"));
    EXPECT_EQ(text("lblMoji_T"), QStringLiteral("3"));
    EXPECT_EQ(slotColours(), coloursWithFound({Kuchi, Ito}));

    // The last slot: the whole kanji in green a moment, then the next one.
    QString whole;
    typeAnswer(Shi, [&] { whole = slotColours(); });
    EXPECT_EQ(whole, QStringLiteral("ggg"));
    EXPECT_EQ(slotColours(), QStringLiteral("ooo"));
    EXPECT_EQ(window->kanjiDone(), 1);

    typeAnswer(QStringLiteral("x"));  // the fifth answer ends the play mid-kanji
    EXPECT_FALSE(window->play().playing());
    EXPECT_EQ(text("lblRitu"), QStringLiteral("60.0%"));
    // 0.2 s for each of the two flashes and 0.5 s after the whole kanji.
    EXPECT_EQ(text("lblJikan"), QStringLiteral("0.9"));
    EXPECT_EQ(readBytes(HistoryFile), cp932(QStringLiteral("\"2024/05/01\",\"21:00:00\",5,3,2,1,\"60.0%\",\"5.56/"
                                                           "秒\",\"0.9秒\"\r\n")));
    EXPECT_EQ(readBytes(recordfile::FileName), cp932(QStringLiteral("\"2024/05/01\",\"21:00:00\",\"解体\",0.9,\"秒数 : "
                                                                    "0.9   答数 : 5\",\r\n")));
    EXPECT_EQ(window->findChild<Grid*>(QStringLiteral("msgRireki"))->text(1, 6), QStringLiteral("1"));
}

TEST_F(DismantleWindowTest, AClickOnASlotOrTheKanjiGivesUpInAPlayAndOnlyThen)
{
    open(QStringLiteral("10,60,\"秒数\",1\r\n"));
    answerBox()->setText(QStringLiteral("abc"));
    QTest::mouseClick(slotLabel(2), Qt::LeftButton);  // idle: nothing to give up
    EXPECT_TRUE(answerBox()->text().isEmpty());
    EXPECT_EQ(slotColours(), QStringLiteral("ggg"));

    startPlay();
    typeAnswer(Shi);
    QString shown;
    QTimer::singleShot(0, window, [&] { shown = slotColours(); });
    QTest::mouseClick(slotLabel(1), Qt::LeftButton);
    runSteps();
    EXPECT_EQ(shown, QStringLiteral("rrr"));  // found and open alike
    EXPECT_EQ(window->play().okCount(), 1);
    EXPECT_EQ(window->play().ngCount(), 1);
    EXPECT_EQ(window->kanjiDone(), 1);
    EXPECT_EQ(slotColours(), QStringLiteral("ooo"));  // the next kanji
    EXPECT_EQ(text("lblKanjiK"), Musubu);

    QTest::mouseClick(label(QStringLiteral("lblKanjiK")), Qt::LeftButton);
    EXPECT_EQ(window->play().ngCount(), 2);
    EXPECT_EQ(window->kanjiDone(), 2);
}

TEST_F(DismantleWindowTest, TheAnswerOrGiveUpThatEndsACountModePlayCountsTheKanjiItFinishes)
{
    open(QStringLiteral("3,60,\"答数\",1\r\n"));
    startPlay();
    for (const QString& part : {Kuchi, Ito, Shi})
        typeAnswer(part);
    EXPECT_FALSE(window->play().playing());
    EXPECT_EQ(slotColours(), QStringLiteral("ggg"));
    EXPECT_EQ(history::read(HistoryFile).at(0).sixth, QStringLiteral("1"));

    choose("cboKaisu", QStringLiteral("2"));
    startPlay();
    typeAnswer(Ito);
    QTest::keyClick(answerBox(), Qt::Key_Escape);
    EXPECT_FALSE(window->play().playing());
    EXPECT_EQ(slotColours(), QStringLiteral("rrr"));
    EXPECT_EQ(text("lblKanjiK"), Musubu);
    EXPECT_EQ(history::read(HistoryFile).at(1).sixth, QStringLiteral("1"));
}

TEST_F(DismantleWindowTest, TimeOutShowsEveryComponentInGreenAndEndsAFlashCutShort)
{
    open(QStringLiteral("10,10,\"秒数\",1\r\n"));
    startPlay();
    typeAnswer(Kuchi);
    typeAnswer(Ito);
    QTimer::singleShot(0, window, [this] {
        clock.advance(10000);
        window->tmrBp_Timer();
    });
    answerBox()->setText(QStringLiteral("x"));
    QTest::keyClick(answerBox(), Qt::Key_Return);
    runSteps();
    EXPECT_FALSE(window->play().playing());
    EXPECT_EQ(slotColours(), QStringLiteral("ggg"));
    EXPECT_EQ(kanjiBackground(), QColor(Qt::white));
    EXPECT_EQ(answerBox()->text(), QStringLiteral("x"));
    const auto rows = history::read(HistoryFile);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].sixth, QStringLiteral("0"));
    EXPECT_EQ(rows[0].answers, QStringLiteral("3"));

    startPlay();  // Start clears what the last play left
    EXPECT_EQ(slotColours(), QStringLiteral("ooo"));
    EXPECT_EQ(window->kanjiDone(), 0);
}

TEST_F(DismantleWindowTest, TheWindowsOwnTimersRunAPlayFromStartToTheTimeOut)
{
    open();
    playByTheRealTimers([this] { typeAnswer(Shi); });
    EXPECT_EQ(window->play().result().okCount, 1);
    EXPECT_EQ(slotColours(), QStringLiteral("ggg"));
    EXPECT_EQ(history::read(HistoryFile).size(), 1u);
}

TEST_F(DismantleWindowTest, AnswersDuringAPauseAreNotJudgedAndAClosedWindowEndsItQuietly)
{
    open();
    startPlay();
    for (const QString& part : {Kuchi, Ito})
        typeAnswer(part);
    // Typed while the finished kanji stands: not judged against it.
    typeAnswer(Shi, [this] {
        answerBox()->setText(Kuchi);
        window->txtKaitou_KeyPress(Qt::Key_Return);
        window->txtKaitou_KeyPress(Qt::Key_Escape);
    });
    EXPECT_EQ(window->play().answers(), 3);
    EXPECT_EQ(window->kanjiDone(), 1);

    QTimer::singleShot(0, [this] { delete window.data(); });
    answerBox()->setText(QStringLiteral("x"));
    window->txtKaitou_KeyPress(Qt::Key_Return);
    runSteps();
    EXPECT_TRUE(window.isNull());
}

TEST_F(DismantleWindowTest, TheComponentsLinkOpensTheirHelpPageAndLeavesTypingInTheAnswerBox)
{
    QDir().mkpath(QStringLiteral("FernoaHelp"));
    writeText(QStringLiteral("FernoaHelp/index.html"), QStringLiteral("<p>index</p>"));
    writeText(QStringLiteral("FernoaHelp/parts.html"), QStringLiteral("<p>parts</p>"));
    help::setSearchPaths({QDir::currentPath()});
    open(QStringLiteral("5,60,\"答数\",1\r\n"));
    startPlay();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QLabel* link = label(QStringLiteral("lblBuhinHelp"));
    ASSERT_NE(link, nullptr);
    ASSERT_TRUE(link->isVisible());
    const QPoint onText(link->fontMetrics().horizontalAdvance(QStringLiteral("部")) / 2, link->height() / 2);
    QTest::mouseClick(link, Qt::LeftButton, {}, onText);
    const QTextBrowser* shown = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == u"frmHelp" && w->isVisible())
            shown = qobject_cast<QTextBrowser*>(w);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->source().fileName(), QStringLiteral("parts.html"));
    help::closeAll();
    help::setSearchPaths({});
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_EQ(QApplication::focusWidget(), answerBox());
}

TEST_F(DismantleWindowTest, EveryAnswerGoesToTheAnswerLogWithTheComponentsFoundAndThoseNot)
{
    open(QStringLiteral("10,10,\"秒数\",1\r\n"));
    startPlay();
    // Found and not found are listed in slot order, as the components were dealt.
    ASSERT_EQ(window->question().parts(), QStringList({Shi, Ito, Kuchi}));
    typeAnswer(Kuchi);
    typeAnswer(QStringLiteral("x"));
    typeAnswer(Ito);
    escape();  // 口 and 糸 stay found in the log, though every slot turns red
    ASSERT_EQ(window->question().parts(), QStringList({Shi, Kuchi, Ito}));
    typeAnswer(Shi);
    commit(Kuchi);
    clock.advance(10000);
    window->tmrBp_Timer();
    ASSERT_FALSE(window->play().playing());
    EXPECT_EQ(
        readBytes(answerfile::FileName),
        cp932(QStringLiteral("\"2024/05/01\",\"21:00:00\",\"解体\",\"結\",\"口\",\"正解\",\"口\",\"士糸\"\r\n"
                             "\"2024/05/01\",\"21:00:00\",\"解体\",\"結\",\"x\",\"不正解\",\"口\",\"士糸\"\r\n"
                             "\"2024/05/01\",\"21:00:00\",\"解体\",\"結\",\"糸\",\"正解\",\"糸口\",\"士\"\r\n"
                             "\"2024/05/01\",\"21:00:00\",\"解体\",\"結\",\"\",\"ギブアップ\",\"糸口\",\"士\"\r\n"
                             "\"2024/05/01\",\"21:00:00\",\"解体\",\"結\",\"士\",\"正解\",\"士\",\"口糸\"\r\n"
                             "\"2024/05/01\",\"21:00:10\",\"解体\",\"結\",\"口\",\"時間切れ\",\"士\",\"口糸\"\r\n")));
}

TEST_F(DismantleWindowTest, WithTheMissesTickAKanjiGivenUpComesBackAndOneFinishedTwiceRarely)
{
    dictionary.setTables({{Musubu, QStringLiteral("糸士口")}, {QStringLiteral("時"), QStringLiteral("日土寸")}}, {});
    // 時 finished twice (box 5) though missed in 合体; 結 given up (box 1).
    // Only the answer that finds the last component climbs a box.
    writeText(answerfile::FileName,
              QStringLiteral("\"2024/04/30\",\"20:00:00\",\"解体\",\"時\",\"日\",\"正解\",\"日\",\"土寸\"\r\n"
                             "\"2024/04/30\",\"20:00:01\",\"解体\",\"時\",\"土\",\"正解\",\"日土\",\"寸\"\r\n"
                             "\"2024/04/30\",\"20:00:02\",\"解体\",\"時\",\"寸\",\"正解\",\"日土寸\",\"\"\r\n"
                             "\"2024/04/30\",\"20:00:03\",\"解体\",\"時\",\"日土寸\",\"正解\",\"日土寸\",\"\"\r\n"
                             "\"2024/04/30\",\"20:00:04\",\"合体\",\"時\",\"x\",\"不正解\",\"\",\"\"\r\n"
                             "\"2024/04/30\",\"20:00:05\",\"解体\",\"結\",\"\",\"ギブアップ\",\"糸\",\"士口\"\r\n"));
    open(QStringLiteral("10,10,\"秒数\",0\r\n"));
    window->findChild<QCheckBox*>(QStringLiteral("chkNigate"))->click();
    EXPECT_GE(questionsLeftOpen(20).count(Musubu), 17);
}
