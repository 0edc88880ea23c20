// The calendar and aggregate screens entered from the main window's
// toolbar, as a user would.
#include "analysis/AnalysisTestSupport.h"
#include "gui/MainFixture.h"
#include "platform/Chart.h"
#include "platform/Grid.h"
#include "review/ColumnFit.h"
#include "support/CountedAllocations.h"

#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

using CalendarViewTest = MainFixture;

TEST_F(CalendarViewTest, CalendarShowsColouredCountsTheHistogramAndTheWeekdays)
{
    writeText(recordfile::FileName, playLine("2024/02/28", "合体", "10.5") + playLines(12, "2024/03/01", "解体", "10") +
                                        playLine("damaged", "合体", "99999"));
    start();
    click("cmdCale");
    ASSERT_TRUE(find("fraCale")->isVisible());
    EXPECT_FALSE(find("fraMain")->isVisible());

    auto* month = find<Grid>("msgCale");
    ASSERT_EQ(month->rows(), 3);
    EXPECT_EQ(month->text(0, 0), "年月");
    EXPECT_EQ(month->text(0, 31), "31");
    EXPECT_EQ(month->text(1, 0), "2024年02月");
    EXPECT_EQ(month->text(1, 28), "1");
    EXPECT_EQ(month->text(1, 29), "");
    EXPECT_EQ(month->text(2, 1), "12");
    EXPECT_EQ(month->model().cellBack(0, 28), QColor(255, 192, 192));
    EXPECT_FALSE(month->model().cellBack(0, 29).isValid());
    EXPECT_EQ(month->model().cellBack(1, 1), QColor(192, 192, 255));
    EXPECT_EQ(find<QLabel>("lblHan_0")->text(), "0回：1日");
    EXPECT_EQ(find<QLabel>("lblHan_1")->text(), "1-2回：1日");
    EXPECT_EQ(find<QLabel>("lblHan_5")->text(), "9-10回：0日");
    EXPECT_EQ(find<QLabel>("lblHan_6")->text(), "10超：1日");

    // Wednesday 02/28 starts the week of Sunday 02/25; Friday 03/01 is in it.
    auto* week = find<Grid>("msgCale_w");
    ASSERT_EQ(week->rows(), 2);
    EXPECT_EQ(week->text(0, 1), "日");
    EXPECT_EQ(week->text(1, 0), "24年02月25日");
    EXPECT_EQ(week->text(1, 4), "1");
    EXPECT_EQ(week->text(1, 6), "12");
    auto* plays = find<Chart>("mcrKensu");
    auto* seconds = find<Chart>("mcrKingaku");
    ASSERT_EQ(plays->pointCount(), 7);
    EXPECT_EQ(plays->pointLabel(4), "水");
    EXPECT_EQ(plays->value(4), 1);
    EXPECT_EQ(plays->value(6), 12);
    EXPECT_EQ(seconds->value(4), 10);  // 10.5 to even
    EXPECT_EQ(seconds->value(6), 120);
    EXPECT_EQ(find<QLabel>("lblKensu")->text(), "週別セット数");
    EXPECT_EQ(find<QLabel>("lblKingaku")->text(), "週別時間");

    // A double-click on a day opens it in the day view.
    const QModelIndex cell = month->model().index(1, 1);
    const QPoint at = month->visualRect(cell).center();
    QTest::mouseClick(month->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(month->viewport(), Qt::LeftButton, {}, at);
    EXPECT_TRUE(find("fraMain")->isVisible());
    EXPECT_EQ(find<Grid>("msgDayList")->rows(), 13);
}

TEST_F(CalendarViewTest, EmptyLogLeavesHeadersDesignCaptionsAndZeroWeekdays)
{
    start();
    click("cmdCale");
    EXPECT_EQ(find<Grid>("msgCale")->rows(), 1);
    EXPECT_EQ(find<Grid>("msgCale_w")->rows(), 1);
    EXPECT_EQ(find<QLabel>("lblHan_0")->text(), "0回：0日");
    EXPECT_EQ(find<QLabel>("lblHan_6")->text(), "10超：0日");
    EXPECT_EQ(find<Chart>("mcrKingaku")->value(1), 0);
    click("cmdSyuukei");
    EXPECT_EQ(find<Grid>("msgKakei1")->rows(), 1);
    EXPECT_EQ(find<Grid>("msgKakei2")->rows(), 1);
}

TEST_F(CalendarViewTest, AggregateOptionsRebuildBothTablesAndEntryStartsWithTime)
{
    QString log;
    for (QDate d(2023, 1, 1); d <= QDate(2024, 3, 31); d = d.addDays(1))
        log += playLine(d.toString("yyyy/MM/dd"), "熟語合体", "30");
    writeText(recordfile::FileName, log);
    start();
    window->resize(1080, 720);
    click("cmdSyuukei");
    QApplication::processEvents();
    auto* daily = find<Grid>("msgKakei2");
    auto* monthly = find<Grid>("msgKakei1");
    EXPECT_TRUE(find<QRadioButton>("optList2_0")->isChecked());
    ASSERT_EQ(daily->rows(), 457);
    ASSERT_EQ(monthly->rows(), 17);
    EXPECT_EQ(daily->text(0, 5), "熟語合体");
    EXPECT_EQ(daily->text(456, 1), "24/03/31");
    EXPECT_EQ(daily->text(456, 2), "0:00:30");
    EXPECT_EQ(monthly->text(16, 1), "合計");
    EXPECT_EQ(monthly->text(16, 2), "3:48:00");
    EXPECT_EQ(monthly->model().cellFore(15, 2), QColor(255, 0, 0));
    EXPECT_EQ(monthly->model().cellBack(15, 1), QColor(255, 255, 255));
    EXPECT_FALSE(monthly->model().cellFore(14, 2).isValid());
    // Both open on their newest rows.
    EXPECT_GT(daily->topRow(), 400);
    EXPECT_GT(monthly->topRow(), 5);

    QTest::mouseClick(find<QRadioButton>("optList2_1"), Qt::LeftButton);
    EXPECT_EQ(daily->text(456, 5), "1");
    EXPECT_EQ(monthly->text(16, 2), "456");
    QTest::mouseClick(find<QRadioButton>("optList2_2"), Qt::LeftButton);
    EXPECT_EQ(monthly->text(16, 5), "13680 (456)");
    EXPECT_EQ(monthly->text(16, 3), "0 (0)");

    click("cmdCale");
    click("cmdSyuukei");
    EXPECT_TRUE(find<QRadioButton>("optList2_0")->isChecked());
    EXPECT_EQ(monthly->text(16, 2), "3:48:00");
    // Every game column is in view, and the tables are as wide as them.
    EXPECT_EQ(daily->maximumWidth(), columnfit::fullWidth(*daily));
    EXPECT_GE(daily->width(), columnfit::fullWidth(*daily));

    // The game columns are the item list's entries, read at every build.
    find<QListWidget>("lstAct2")->item(2)->setText(QStringLiteral("熟語"));
    click("cmdCale");
    click("cmdSyuukei");
    EXPECT_EQ(daily->text(0, 5), "熟語");
    EXPECT_EQ(monthly->text(16, 5), "0");  // no play of a game named 熟語
    EXPECT_EQ(monthly->text(16, 2), "3:48:00");
}

TEST_F(CalendarViewTest, APlayOnYear1AndOneOn9999OpenEveryPeriodScreenOnThePlaysAlone)
{
    writeText(recordfile::FileName, playLine("0001/01/01", "解体", "12") + playLines(3, "2024/02/29") +
                                        playLine("9999/12/31", "しりとり", "3725"));
    start();
    window->resize(1080, 720);
    // Each screen holds the plays and the rows in view; only the view's row
    // header keeps 8 bytes a row (29 MB for a row a day), given back when
    // the screen is left.
    constexpr std::int64_t screenBytes = 40 << 20;
    std::int64_t before = allocations::bytes();
    click("cmdSyuukei");
    auto* daily = find<Grid>("msgKakei2");
    auto* monthly = find<Grid>("msgKakei1");
    ASSERT_EQ(daily->rows(), 3652060);
    ASSERT_EQ(monthly->rows(), 119990);
    EXPECT_EQ(daily->text(1, 4), "12");
    EXPECT_EQ(daily->text(3652059, 1), "99/12/31");
    EXPECT_EQ(daily->text(3652059, 2), "1:02:05");
    EXPECT_EQ(monthly->text(119989, 2), "1:05:17");
    EXPECT_EQ(monthly->model().cellFore(119988, 2), QColor(255, 0, 0));
    EXPECT_EQ(daily->model().cellBack(1000000, 1), QColor(255, 255, 255));
    EXPECT_GE(daily->columnWidth(0), QFontMetrics(daily->font()).horizontalAdvance("3652059"));
    QApplication::processEvents();
    EXPECT_GT(daily->topRow(), 3652000);  // opens on the newest rows
    daily->scrollToTop();
    EXPECT_EQ(daily->topRow(), 1);
    EXPECT_LT(allocations::bytes() - before, screenBytes);

    before = allocations::bytes();
    click("cmdCale");
    auto* month = find<Grid>("msgCale");
    ASSERT_EQ(month->rows(), 119989);
    EXPECT_EQ(month->text(1, 0), "0001年01月");
    EXPECT_EQ(month->text(119988, 31), "1");
    EXPECT_EQ(month->model().cellBack(119987, 31), QColor(255, 192, 192));
    EXPECT_EQ(find<QLabel>("lblHan_0")->text(), "0回：3652056日");
    EXPECT_EQ(find<Grid>("msgCale_w")->rows(), 521724);
    EXPECT_LT(allocations::bytes() - before, screenBytes);

    click("cmdMain");
    before = allocations::bytes();
    click("cmdRentai");
    click("cmdHigoto");
    auto* days = find<Grid>("msgDayList3");
    ASSERT_EQ(days->rows(), 3652060);
    EXPECT_EQ(days->text(3652059, 1), "9999/12/31");
    EXPECT_EQ(days->text(3652059, 3), "3725");
    auto* trend = find<Chart>("mcrMain3");
    ASSERT_EQ(trend->pointCount(), 3652059);
    EXPECT_TRUE(trend->folded());
    EXPECT_EQ(trend->value(3652059), 1);
    EXPECT_EQ(trend->axisTop(), 3);  // the three plays of 2024/02/29 stand out
    EXPECT_LT(allocations::bytes() - before, screenBytes);
}
