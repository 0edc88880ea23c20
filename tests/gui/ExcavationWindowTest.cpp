// frmG4 played through its controls: the idle sample with every answer
// listed, found kanji turning their tiles green under the hint, the
// already-answered box, revealing by a counter caption, give-up by the
// answer heading, a completed board's seconds, and a table that gives no
// board.
#include "games/excavation/ExcavationWindow.h"

#include "games/frame/HistoryFile.h"
#include "gui/GameWindowFixture.h"
#include "platform/Grid.h"
#include "records/RecordFile.h"
#include "support/ExpectedColours.h"

#include <QCheckBox>
#include <QGroupBox>

namespace {
QString s(const char* utf8) { return QString::fromUtf8(utf8); }
const QString HistoryFile = s("発掘履歴.txt");

// Exactly twelve components, so a twelve-tile board shows all of them and
// its answers are known: 困 明 信 結 好 男 林 (口 is primitive).
const std::vector<KanjiEntry> Twelve = {{s("困"), s("口木")}, {s("明"), s("日月")},   {s("口"), s("口")},
                                        {s("信"), s("亻言")}, {s("結"), s("糸士口")}, {s("好"), s("女子")},
                                        {s("男"), s("田力")}, {s("林"), s("木木")}};
const QStringList Answers = {s("困"), s("明"), s("信"), s("結"), s("好"), s("男"), s("林")};
}  // namespace

class ExcavationWindowTest : public GameWindowFixture<ExcavationWindow, 4> {
protected:
    void SetUp() override
    {
        GameWindowFixture::SetUp();
        dictionary.setTables(Twelve, {});
    }
    QLabel* tile(int i) { return window->findChild<QLabel*>(QStringLiteral("lblKanjiP_%1").arg(i)); }
    QLabel* tileShowing(const QString& caption)
    {
        for (int i = 1; i <= 24; ++i)
            if (tile(i)->isVisible() && tile(i)->text() == caption)
                return tile(i);
        return nullptr;
    }
    QColor back(QLabel* l) { return l->palette().color(QPalette::Window); }
    Grid* answerGrid() { return find<Grid>("msgKaitou"); }
    QStringList gridKanji()
    {
        QStringList k;
        for (int r = 1; r < answerGrid()->rows(); ++r)
            k << answerGrid()->text(r, 0);
        return k;
    }
    void clickLabel(const char* name) { QTest::mouseClick(find<QLabel>(name), Qt::LeftButton); }
};

TEST_F(ExcavationWindowTest, OpensOnASampleBoardWithEveryAnswerListed)
{
    open(QStringLiteral("12,60,1,\"秒数\",1\r\n"));
    EXPECT_EQ(window->objectName(), s("frmG4"));
    EXPECT_EQ(window->windowTitle(), s("発掘タイピング"));
    for (int i = 1; i <= 24; ++i)
        EXPECT_EQ(tile(i)->isVisible(), i <= 12) << i;
    EXPECT_EQ(gridKanji(), Answers);
    EXPECT_EQ(answerGrid()->text(4, 1), s("糸士口"));
    EXPECT_EQ(text("lblKensu"), s("0 / 7件"));
    EXPECT_EQ(find<QGroupBox>("fraGattai")->title(), s(" 漢字  7文字 検出 "));
    EXPECT_EQ(text("lblGiveup"), s("解答"));
    // The hint is on.
    EXPECT_EQ(back(tileShowing(s("木"))), rgb::Yellow);
    EXPECT_EQ(find<QPushButton>("cmdMoji")->text(), s("コマ数"));
    EXPECT_EQ(find<QComboBox>("cboKaisu")->count(), 3);
    EXPECT_EQ(find<QComboBox>("cboKaisu2")->count(), 24);
    EXPECT_TRUE(boxes.empty());

    find<QCheckBox>("chkHint")->click();
    EXPECT_EQ(back(tileShowing(s("木"))), rgb::White);
    EXPECT_EQ(readText(s("発掘設定.txt")), s("12,60,0,\"秒数\",1\r\n"));
}

TEST_F(ExcavationWindowTest, FoundKanjiTurnGreenRepeatsAreRefusedAndTheWholeBoardEndsThePlay)
{
    open(QStringLiteral("12,60,1,\"コマ数\",1\r\n"));
    answerBox()->setText(s("困"));
    click("cmdStart");
    window->tmrStart_Timer();
    QTest::keyClick(answerBox(), Qt::Key_Return);  // during the countdown: not judged
    EXPECT_EQ(answerGrid()->rows(), 1);
    EXPECT_TRUE(text("lblKensu").isEmpty());
    EXPECT_EQ(find<QGroupBox>("fraGattai")->title(), ExcavationWindow::BoardCaption);
    window->tmrStart_Timer();
    window->tmrStart_Timer();
    ASSERT_TRUE(window->play().playing());
    EXPECT_EQ(text("lblKensu"), s("0 / 7件"));
    EXPECT_EQ(back(tileShowing(s("口"))), rgb::Yellow);

    typeAnswer(s("困"));
    EXPECT_EQ(gridKanji(), QStringList{s("困")});
    EXPECT_EQ(back(tileShowing(s("口"))), rgb::Green);
    EXPECT_EQ(back(tileShowing(s("木"))), rgb::Green);
    EXPECT_EQ(back(tileShowing(s("日"))), rgb::Yellow);
    EXPECT_EQ(text("lblKensu"), s("1 / 7件"));
    EXPECT_TRUE(answerBox()->text().isEmpty());

    typeAnswer(s("困"));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, s("解答済み"));
    EXPECT_EQ(boxes[0].text, s("すでに解答済みです"));
    typeAnswer(s("森"));
    EXPECT_EQ(text("lblOk"), s("1"));
    EXPECT_EQ(text("lblNg"), s("1"));
    EXPECT_EQ(text("lblMoji_T"), s("2"));

    clock.advance(12300);
    for (const QString& k : Answers.mid(1))
        typeAnswer(k);
    EXPECT_FALSE(window->play().playing());
    EXPECT_EQ(answerBox()->text(), s("林"));  // the last answer stays
    EXPECT_EQ(text("lblRitu"), s("87.5%"));
    EXPECT_EQ(text("lblJikan"), s("12.3"));
    const auto rows = history::read(HistoryFile);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].sixth, s("12"));
    EXPECT_EQ(rows[0].seconds, s("12.3秒"));
    EXPECT_TRUE(readText(recordfile::FileName)
                    .contains(s("\"発掘\",12.3,\"秒数 : 12.3   答数 : 8   コマ数 : 12   ヒント有り\"")));
}

TEST_F(ExcavationWindowTest, ACounterCaptionRevealsAndTheAnswerHeadingGivesUpCountingEveryMissedAnswer)
{
    open(QStringLiteral("12,60,0,\"秒数\",1\r\n"));
    // Each caption that reveals says so by its pointer and its tip.
    for (const char* name : {"lblOkTitle", "lblNgTitle", "lblMojiTitle", "lblRituTitle", "lblByouTitle"}) {
        EXPECT_EQ(find<QLabel>(name)->cursor().shape(), Qt::PointingHandCursor) << name;
        EXPECT_TRUE(find<QLabel>(name)->toolTip().startsWith(BoardWindow::ShowAllTip + u'\n')) << name;
    }
    startPlay();
    typeAnswer(s("明"));
    clickLabel("lblRituTitle");
    EXPECT_TRUE(window->play().playing());
    EXPECT_EQ(gridKanji().size(), 7);
    typeAnswer(s("信"));  // revealed, not found: it can no longer count
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_EQ(window->play().answers(), 1);

    clock.advance(15000);
    window->tmrBp_Timer();  // the display's tick: 45 seconds left
    clickLabel("lblGiveup");
    EXPECT_FALSE(window->play().playing());
    EXPECT_EQ(window->play().ngCount(), 0);  // nothing left hidden to miss
    EXPECT_EQ(history::read(HistoryFile).at(0).seconds, s("15秒"));

    // Another play given up before any answer: every answer is wrong.
    startPlay();
    EXPECT_EQ(answerGrid()->rows(), 1);
    escape();
    EXPECT_EQ(window->play().ngCount(), 7);
    EXPECT_EQ(text("lblRitu"), s("0.0%"));
    EXPECT_EQ(gridKanji(), Answers);
}

TEST_F(ExcavationWindowTest, TimeModeCompletionStoresTheSecondsPlayedAndTimeOutCountsTheRest)
{
    dictionary.setTables({{s("困"), s("口木")},
                          {s("明"), s("日月")},
                          {s("亻"), s("亻")},
                          {s("言"), s("言")},
                          {s("糸"), s("糸")},
                          {s("士"), s("士")},
                          {s("女"), s("女")},
                          {s("子"), s("子")},
                          {s("田"), s("田")},
                          {s("力"), s("力")}},
                         {});
    open(QStringLiteral("12,60,0,\"秒数\",1\r\n"));
    startPlay();
    clock.advance(15000);
    window->tmrBp_Timer();
    typeAnswer(s("困"));
    typeAnswer(s("明"));
    EXPECT_FALSE(window->play().playing());
    EXPECT_EQ(text("lblByou"), s("0.13/秒"));  // 2 answers in 60 - 45 seconds
    EXPECT_EQ(history::read(HistoryFile).at(0).seconds, s("15秒"));

    startPlay();
    typeAnswer(s("明"));
    clock.advance(60000);
    window->tmrBp_Timer();
    EXPECT_FALSE(window->play().playing());
    EXPECT_EQ(window->play().ngCount(), 1);
    EXPECT_EQ(gridKanji(), (QStringList{s("明"), s("困")}));
    EXPECT_EQ(history::read(HistoryFile).at(1).seconds, s("60秒"));
}

TEST_F(ExcavationWindowTest, AnotherTileCountDrawsANewSampleButNotDuringAPlay)
{
    std::vector<KanjiEntry> more = Twelve;
    const QString extra = s("一二三四五六七八九十百千");
    for (int i = 0; i < extra.size(); ++i)
        more.push_back({extra.mid(i, 1), extra.mid(i, 1)});
    dictionary.setTables(more, {});
    open(QStringLiteral("12,60,0,\"コマ数\",1\r\n"));
    choose("cboKaisu", QStringLiteral("18"));
    for (int i = 1; i <= 24; ++i)
        EXPECT_EQ(tile(i)->isVisible(), i <= 18) << i;
    EXPECT_EQ(gridKanji().size(), window->board().solutionCount());
    EXPECT_EQ(readText(s("発掘設定.txt")), s("18,60,0,\"コマ数\",1\r\n"));

    startPlay();
    const QStringList board = window->board().captions();
    choose("cboKaisu", QStringLiteral("24"));
    EXPECT_EQ(window->board().captions(), board);
    EXPECT_FALSE(tile(19)->isVisible());
    escape();
    EXPECT_EQ(history::read(HistoryFile).at(0).sixth, s("18"));
}

TEST_F(ExcavationWindowTest, ATableThatGivesNoBoardIsNamedAndRefusesThePlay)
{
    dictionary.setTables({{s("困"), s("口木")}, {s("明"), s("日月")}}, {});
    open(QStringLiteral("12,60,0,\"秒数\",1\r\n"));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.contains(s("4種類")));
    EXPECT_EQ(answerGrid()->rows(), 1);
    click("cmdStart");
    EXPECT_EQ(boxes.size(), 2u);
    EXPECT_FALSE(window->play().running());
    EXPECT_TRUE(find<QPushButton>("cmdStart")->isEnabled());
}

TEST_F(ExcavationWindowTest, TheWindowsOwnTimersRunAPlayFromStartToTheTimeOut)
{
    open(QStringLiteral("12,60,1,\"コマ数\",1\r\n"));
    playByTheRealTimers([this] {
        EXPECT_TRUE(gridKanji().isEmpty());
        typeAnswer(s("困"));
        EXPECT_EQ(window->play().okCount(), 1);
    });
    // The time-out counts every kanji not found and lists them all.
    EXPECT_EQ(window->play().result().okCount, 1);
    EXPECT_EQ(window->play().result().ngCount, 6);
    EXPECT_EQ(gridKanji().size(), 7);
    EXPECT_EQ(text("lblJikan"), QStringLiteral("0"));
    const auto rows = history::read(HistoryFile);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].seconds, s("10秒"));
}

TEST_F(ExcavationWindowTest, TheKanjiTypedAndEveryOneGivenUpGoToTheAnswerLogWhenThePlayEnds)
{
    open(QStringLiteral("12,60,0,\"秒数\",0\r\n"));
    startPlay();
    typeAnswer(s("困"));
    typeAnswer(s("森"));
    clock.advance(3000);
    commit(s("明"));
    escape();
    ASSERT_FALSE(window->play().playing());
    QString expected = s("\"2024/05/01\",\"21:00:00\",\"発掘\",\"困\",\"困\",\"正解\",\"\",\"\"\r\n"
                         "\"2024/05/01\",\"21:00:00\",\"発掘\",\"森\",\"森\",\"不正解\",\"\",\"\"\r\n");
    for (const QString& k : Answers.mid(1))
        expected += s("\"2024/05/01\",\"21:00:03\",\"発掘\",\"%1\",\"明\",\"ギブアップ\",\"\",\"\"\r\n").arg(k);
    EXPECT_EQ(readBytes(answerfile::FileName), cp932(expected));
}
