// frmG6 played through its controls: the cells shown for each mode, a
// chain filled up to the chosen cell, the full board in time mode, and
// give-up by the heading over the answer grid.
#include "games/link/LinkWindow.h"

#include "games/frame/HistoryFile.h"
#include "gui/GameWindowFixture.h"
#include "platform/Grid.h"
#include "records/RecordFile.h"

#include <QRadioButton>

namespace {
const QString HistoryFile = QStringLiteral("連結履歴.txt");
// Four kanji that all share 口, and one that shares nothing.
const QStringList Group = {QStringLiteral("困"), QStringLiteral("呆"), QStringLiteral("味"), QStringLiteral("品")};
}  // namespace

class LinkWindowTest : public GameWindowFixture<LinkWindow, 6> {
protected:
    void SetUp() override
    {
        GameWindowFixture::SetUp();
        dictionary.setTables({{Group[0], QStringLiteral("口木")},
                              {Group[1], QStringLiteral("口木")},
                              {Group[2], QStringLiteral("口未")},
                              {Group[3], QStringLiteral("口口口")},
                              {QStringLiteral("理"), QStringLiteral("王里")}},
                             {});
    }
    QLabel* cell(int n) { return window->findChild<QLabel*>(QStringLiteral("lblKanjiP_%1").arg(n)); }
    QColor back(int n) { return cell(n)->palette().color(QPalette::Window); }
    int visibleCells()
    {
        int n = 0;
        for (int i = 1; i <= 48; ++i)
            n += cell(i)->isVisibleTo(window) ? 1 : 0;
        return n;
    }
    // Another kanji of the group than the one in the last cell.
    QString nextLink() { return Group[(Group.indexOf(window->rules().current()) + 1) % Group.size()]; }
    Grid* answers() { return find<Grid>("msgKaitou"); }
};

TEST_F(LinkWindowTest, OpensWithEmptyCellsAndShowsAsManyAsTheModeAndCountChoose)
{
    open(QStringLiteral("16,60,\"マス数\",1\r\n"));
    EXPECT_EQ(window->objectName(), QStringLiteral("frmG6"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("連結タイピング"));
    EXPECT_EQ(find<QPushButton>("cmdMoji")->text(), QStringLiteral("マス数"));
    EXPECT_EQ(find<QRadioButton>("optMode_0")->text(), QStringLiteral("マス数"));
    EXPECT_EQ(text("lblKensu"), QStringLiteral("0件"));
    EXPECT_EQ(text("lblGiveup"), QStringLiteral("解答"));
    EXPECT_EQ(answers()->rows(), 1);
    EXPECT_EQ(answers()->model().columns()[0].header, QStringLiteral("入力"));
    EXPECT_EQ(answers()->model().columns()[1].header, QStringLiteral("部品"));
    EXPECT_EQ(find<QComboBox>("cboKaisu")->count(), 6);
    EXPECT_EQ(find<QComboBox>("cboKaisu2")->count(), 48);
    EXPECT_EQ(visibleCells(), 16);
    EXPECT_TRUE(cell(1)->text().isEmpty());

    choose("cboKaisu", QStringLiteral("40"));
    EXPECT_EQ(visibleCells(), 40);
    QTest::mouseClick(find<QRadioButton>("optMode_1"), Qt::LeftButton);
    EXPECT_EQ(visibleCells(), 48);
    EXPECT_EQ(readText(QStringLiteral("連結設定.txt")), QStringLiteral("40,60,\"秒数\",1\r\n"));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(LinkWindowTest, CountModePlayEndsWhenTheChosenCellIsFilledAndStoresTheCells)
{
    open(QStringLiteral("8,60,\"マス数\",1\r\n"));
    startPlay();
    const QString start = text("lblKanjiP_1");
    EXPECT_TRUE(Group.contains(start));
    EXPECT_EQ(back(1), QColor(255, 255, 255));

    typeAnswer(start);  // the kanji shown: wrong
    typeAnswer(QStringLiteral("理"));
    EXPECT_EQ(text("lblNg"), QStringLiteral("2"));
    EXPECT_TRUE(text("lblKanjiP_2").isEmpty());

    const QString first = nextLink();
    typeAnswer(first);
    EXPECT_EQ(text("lblKanjiP_2"), first);
    EXPECT_EQ(back(2), QColor(255, 192, 192));
    EXPECT_EQ(answers()->text(1, 0), first);
    EXPECT_EQ(answers()->text(1, 1), QStringLiteral("口"));
    EXPECT_EQ(text("lblKensu"), QStringLiteral("1件"));
    EXPECT_EQ(text("lblMoji_T"), QStringLiteral("3"));
    EXPECT_TRUE(answerBox()->text().isEmpty());

    clock.advance(9000);
    for (int i = 0; i < 5; ++i)
        typeAnswer(nextLink());
    EXPECT_TRUE(window->play().playing());
    EXPECT_EQ(back(3), QColor(255, 224, 192));
    typeAnswer(nextLink());  // the seventh link fills cell 8
    EXPECT_FALSE(window->play().playing());
    EXPECT_EQ(text("lblKensu"), QStringLiteral("7件"));
    EXPECT_EQ(text("lblByou"), QStringLiteral("1.00/秒"));
    EXPECT_EQ(text("lblRitu"), QStringLiteral("77.8%"));
    EXPECT_EQ(readBytes(HistoryFile), cp932(QStringLiteral("\"2024/05/01\",\"21:00:09\",9,7,2,8,\"77.8%\",\"1.00/"
                                                           "秒\",\"9.0秒\"\r\n")));
    EXPECT_EQ(readBytes(recordfile::FileName),
              cp932(QStringLiteral("\"2024/05/01\",\"21:00:09\",\"連結\",9,\"秒数 : 9.0   答数 : 9   マス数 : "
                                   "8\",\r\n")));

    startPlay();  // a new chain from an empty board
    EXPECT_EQ(answers()->rows(), 1);
    EXPECT_EQ(text("lblKensu"), QStringLiteral("0件"));
    EXPECT_TRUE(text("lblKanjiP_2").isEmpty());
    EXPECT_EQ(back(2), QColor(255, 255, 255));
}

TEST_F(LinkWindowTest, TimeModeChainFillsAllCellsAndEndsBeforeTheTime)
{
    open(QStringLiteral("8,60,\"秒数\",1\r\n"));
    startPlay();
    EXPECT_EQ(visibleCells(), 48);
    typeAnswer(QStringLiteral("理"));
    for (int i = 0; i < 46; ++i)
        typeAnswer(nextLink());
    EXPECT_EQ(back(18), QColor(255, 192, 192));  // the seventeenth link starts the colours again
    EXPECT_EQ(back(17), QColor(192, 192, 192));
    EXPECT_GE(answers()->topRow(), 2);  // the newest answers stay in view
    clock.advance(40000);
    window->tmrBp_Timer();  // the display's tick: 20 seconds left
    EXPECT_TRUE(window->play().playing());
    typeAnswer(nextLink());
    EXPECT_FALSE(window->play().playing());
    EXPECT_EQ(text("lblKanjiP_48"), window->rules().current());
    // 48 answers in the 40 seconds played.
    EXPECT_EQ(text("lblByou"), QStringLiteral("1.20/秒"));
    EXPECT_EQ(history::read(HistoryFile).at(0).sixth, QStringLiteral("48"));
    EXPECT_TRUE(readText(recordfile::FileName).contains(QStringLiteral("秒数 : 40   答数 : 48   マス数 : 48")));
}

TEST_F(LinkWindowTest, GiveUpByTheHeadingEndsThePlayAndStoresOnlyWhatWasAnswered)
{
    open(QStringLiteral("8,60,\"秒数\",1\r\n"));
    startPlay();
    QTest::mouseClick(find<QLabel>("lblGiveup"), Qt::LeftButton);
    EXPECT_FALSE(window->play().running());
    EXPECT_TRUE(find<QPushButton>("cmdStart")->isEnabled());
    EXPECT_TRUE(text("lblByou").isEmpty());
    EXPECT_TRUE(text("lblRitu").isEmpty());
    EXPECT_TRUE(history::read(HistoryFile).empty());

    startPlay();
    typeAnswer(nextLink());
    typeAnswer(QStringLiteral("理"));
    clock.advance(10000);
    window->tmrBp_Timer();
    clock.advance(600);  // given up between two ticks: the seconds shown count
    escape();
    EXPECT_FALSE(window->play().running());
    EXPECT_EQ(text("lblRitu"), QStringLiteral("50.0%"));
    EXPECT_EQ(text("lblByou"), QStringLiteral("0.20/秒"));
    const auto rows = history::read(HistoryFile);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].sixth, QStringLiteral("2"));
    EXPECT_EQ(rows[0].seconds, QStringLiteral("10秒"));
    EXPECT_FALSE(cell(2)->text().isEmpty());  // the chain stays to be looked at
}

TEST_F(LinkWindowTest, TimeOutByTheWindowsOwnTimersKeepsTheChainInView)
{
    open(QStringLiteral("8,60,\"マス数\",1\r\n"));
    playByTheRealTimers([this] {
        typeAnswer(nextLink());
        typeAnswer(nextLink());
    });
    EXPECT_EQ(text("lblByou"), QStringLiteral("0.20/秒"));
    EXPECT_FALSE(text("lblKanjiP_3").isEmpty());
    EXPECT_EQ(history::read(HistoryFile).at(0).sixth, QStringLiteral("3"));
}

TEST_F(LinkWindowTest, AMissingKanjiFileIsToldOnceNotAgainAsAnEmptyTable)
{
    dictionary.setTables({}, {});
    window = new LinkWindow(GameContext{dictionary, tour, {}, true});  // reads the (missing) files
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, GameWindow::DictionaryProblemTitle);
    delete window.data();
    dictionary.setTables({}, {});
    open();  // an empty table of its own is told
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].text, GameWindow::EmptyKanjiTableText);
}

TEST_F(LinkWindowTest, TheKanjiTypedGoToTheAnswerLogAlsoWhenTheWindowIsLeftMidPlay)
{
    open(QStringLiteral("8,60,\"秒数\",1\r\n"));
    startPlay();
    const QString first = nextLink();
    typeAnswer(first);
    typeAnswer(QStringLiteral("理"));
    escape();
    ASSERT_FALSE(window->play().running());
    const QByteArray firstPlay =
        cp932(QStringLiteral("\"2024/05/01\",\"21:00:00\",\"連結\",\"%1\",\"%1\",\"正解\",\"\",\"\"\r\n"
                             "\"2024/05/01\",\"21:00:00\",\"連結\",\"理\",\"理\",\"不正解\",\"\",\"\"\r\n"
                             "\"2024/05/01\",\"21:00:00\",\"連結\",\"%1\",\"\",\"ギブアップ\",\"\",\"\"\r\n")
                  .arg(first));
    EXPECT_EQ(readBytes(answerfile::FileName), firstPlay);

    // 戻り in the middle of a play: what was judged is practice all the same.
    startPlay();
    clock.advance(2000);
    typeAnswer(QStringLiteral("理"));
    click("cmdEnd");
    EXPECT_EQ(returns, 1);
    EXPECT_EQ(readBytes(answerfile::FileName),
              firstPlay +
                  cp932(QStringLiteral("\"2024/05/01\",\"21:00:02\",\"連結\",\"理\",\"理\",\"不正解\",\"\",\"\"\r\n")));
}
