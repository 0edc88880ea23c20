// The range view and the whole-history view through the main window: every
// filter and chart button pressed by name.
#include "gui/MainFixture.h"
#include "platform/ButtonFace.h"
#include "platform/Chart.h"
#include "platform/Grid.h"
#include "review/RangeView.h"
#include "review/WholeHistoryView.h"
#include "support/ExpectedColours.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

namespace {
QString line(const QString& date, const char* time, const char* item, const char* seconds)
{
    return QStringLiteral("\"%1\",\"%2\",\"%3\",%4,\"\",\r\n")
        .arg(date, QString::fromUtf8(time), QString::fromUtf8(item), QString::fromUtf8(seconds));
}
}  // namespace

class AnalysisViewsTest : public MainFixture {
protected:
    // Plays on Sunday 2024/04/28 to Wednesday 2024/05/01 (today).
    void SetUp() override
    {
        MainFixture::SetUp();
        writeText(QStringLiteral("データ.TXT"),
                  line("2024/04/28", "23:59:59", "合体", "60") + line("2024/04/28", "00:00:01", "熟語合体", "45.5") +
                      line("2024/04/29", "10:00:00", "解体", "30") + line("2024/04/30", "10:00:00", "合体", "90061") +
                      line("2024/05/01", "08:15:30", "しりとり", "20"));
    }
    Grid* grid(const char* name) { return find<Grid>(name); }
    QColor face(const char* name) { return buttonface::get(find<QPushButton>(name)); }
    void enter(const char* button)
    {
        click("cmdMain");
        click(button);
    }
};

TEST_F(AnalysisViewsTest, RangeViewListsEverythingOnEntryWithEveryAllChosen)
{
    start();
    enter("cmdTaijyu");
    EXPECT_TRUE(find("fraTaijyu")->isVisible());
    Grid* list = grid("msgBunseki");
    ASSERT_EQ(list->rows(), 6);
    EXPECT_EQ(list->text(1, 3), QStringLiteral("日"));
    EXPECT_EQ(list->text(2, 5), QStringLiteral("45.5"));
    Grid* totals = grid("msgBunseki2");
    ASSERT_EQ(totals->rows(), 8);  // every item, played or not
    EXPECT_EQ(totals->text(1, 2), QStringLiteral("25:02:01"));
    EXPECT_EQ(totals->text(4, 1), QStringLiteral("0"));
    EXPECT_EQ(totals->text(4, 2), QStringLiteral("0:00:00"));
    EXPECT_EQ(find<QComboBox>("cboStdate")->currentText(), QStringLiteral("2024/04/28"));
    EXPECT_EQ(find<QComboBox>("cboEddate")->currentText(), QStringLiteral("2024/05/01"));
    EXPECT_EQ(find<QComboBox>("cboStdate")->count(), 4);
    for (const char* b : {"cmdAllDay", "cmdAllact", "cmdAllWeek"})
        EXPECT_EQ(face(b), rgb::LightYellow) << b;
    EXPECT_EQ(find<QListWidget>("lstAct2")->count(), 7);

    // Entering again lists the dates once, and the period is all of them
    // again whatever was typed.
    find<QComboBox>("cboStdate")->setEditText(QStringLiteral("2024/04/30"));
    enter("cmdTaijyu");
    EXPECT_EQ(find<QComboBox>("cboStdate")->count(), 4);
    EXPECT_EQ(find<QComboBox>("cboStdate")->currentText(), QStringLiteral("2024/04/28"));

    // A play on a new day joins both date lists.
    writeText(QStringLiteral("データ.TXT"),
              readText(QStringLiteral("データ.TXT")) + line("2024/05/02", "07:00:00", "合体", "10"));
    enter("cmdTaijyu");
    EXPECT_EQ(find<QComboBox>("cboStdate")->count(), 5);
    EXPECT_EQ(find<QComboBox>("cboEddate")->itemText(4), QStringLiteral("2024/05/02"));
    EXPECT_EQ(find<QComboBox>("cboEddate")->currentText(), QStringLiteral("2024/05/02"));
}

TEST_F(AnalysisViewsTest, RangeFiltersCombineAndEachButtonShowsWhatItChose)
{
    start();
    enter("cmdTaijyu");
    Grid* list = grid("msgBunseki");

    click("cmdWeek_0");  // Sunday
    EXPECT_EQ(list->rows(), 3);
    EXPECT_EQ(face("cmdWeek_0"), rgb::LightYellow);
    EXPECT_EQ(face("cmdAllWeek"), buttonface::systemFace());

    auto* items = find<QListWidget>("lstAct2");
    items->setCurrentRow(0);
    emit items->itemClicked(items->item(0));  // 合体: also 熟語合体
    EXPECT_EQ(find<QLineEdit>("txtKey")->text(), QStringLiteral("合体"));
    EXPECT_EQ(list->rows(), 3);
    EXPECT_EQ(grid("msgBunseki2")->text(3, 1), QStringLiteral("46"));  // 45.5 to even
    EXPECT_EQ(face("cmdAllact"), buttonface::systemFace());

    click("cmdKensaku");  // item and period only; the weekday stays chosen
    EXPECT_EQ(list->rows(), 4);
    EXPECT_EQ(face("cmdWeek_0"), rgb::LightYellow);

    click("cmdAllWeek");
    click("cmdKikan1");  // 前日: yesterday and today
    EXPECT_EQ(find<QComboBox>("cboStdate")->currentText(), QStringLiteral("2024/04/30"));
    EXPECT_EQ(list->rows(), 2);
    EXPECT_EQ(face("cmdKikan1"), rgb::LightYellow);
    EXPECT_EQ(face("cmdAllDay"), buttonface::systemFace());

    click("cmdAllact");
    find<QComboBox>("cboStdate")->setEditText(QStringLiteral("2024/04/29"));
    find<QComboBox>("cboEddate")->setEditText(QStringLiteral("2024/04/29"));
    click("cmdKikanF");
    EXPECT_EQ(list->rows(), 2);
    EXPECT_EQ(list->text(1, 4), QStringLiteral("解体"));

    find<QComboBox>("cboStdate")->setEditText(QStringLiteral("not a date"));
    click("cmdKikanF");
    EXPECT_EQ(list->rows(), 1);
    EXPECT_TRUE(boxes.empty());

    click("cmdAllDay");
    EXPECT_EQ(list->rows(), 6);
    click("cmdKikan8");  // ３日: from 04/29
    EXPECT_EQ(list->rows(), 4);
}

TEST_F(AnalysisViewsTest, EachPeriodButtonReachesExactlyItsDaysBack)
{
    // Plays on the first day each period takes in and on the day before it.
    QString log;
    for (int back : {366, 365, 181, 180, 91, 90, 31, 30, 15, 14, 8, 7, 3, 2, 2, 1})
        log += line(QDate(2024, 5, 1).addDays(-back).toString(QStringLiteral("yyyy/MM/dd")), "10:00:00", "合体", "1");
    writeText(QStringLiteral("データ.TXT"), log);
    start();
    enter("cmdTaijyu");
    Grid* list = grid("msgBunseki");
    const std::pair<const char*, int> periods[] = {{"cmdKikan1", 1},  {"cmdKikan8", 3},  {"cmdKikan2", 5},
                                                   {"cmdKikan3", 7},  {"cmdKikan4", 9},  {"cmdKikan5", 11},
                                                   {"cmdKikan6", 13}, {"cmdKikan7", 15}, {"cmdAllDay", 16}};
    for (const auto& [button, plays] : periods) {
        click(button);
        EXPECT_EQ(face(button), rgb::LightYellow) << button;
        EXPECT_EQ(list->rows(), plays + 1) << button;
    }
}

TEST_F(AnalysisViewsTest, ThePeriodRunsFromTheEarliestToTheLatestDateAfterAClockChange)
{
    writeText(QStringLiteral("データ.TXT"), line("2024/03/01", "10:00:00", "合体", "1") +
                                                line("2024/05/01", "10:00:00", "合体", "1") +
                                                line("2024/04/15", "10:00:00", "合体", "1"));
    start();
    enter("cmdTaijyu");
    EXPECT_EQ(find<QComboBox>("cboEddate")->currentText(), QStringLiteral("2024/05/01"));
    click("cmdKikanF");
    EXPECT_EQ(grid("msgBunseki")->rows(), 4);
    click("cmdKikan1");
    click("cmdAllDay");
    EXPECT_EQ(find<QComboBox>("cboStdate")->currentText(), QStringLiteral("2024/03/01"));
    EXPECT_EQ(find<QComboBox>("cboEddate")->currentText(), QStringLiteral("2024/05/01"));
    EXPECT_EQ(grid("msgBunseki")->rows(), 4);
}

TEST_F(AnalysisViewsTest, TheItemBoxEmptiesWhenTheUserMovesIntoItAndListsOnEnter)
{
    start();
    enter("cmdTaijyu");
    auto* key = find<QLineEdit>("txtKey");
    key->setText(QStringLiteral("old"));
    // Focus moves, and its event is sent, only in the active window.
    key->window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(key->window()));
    key->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    EXPECT_TRUE(key->text().isEmpty());
    key->insert(QStringLiteral("体"));  // as an input method commits it
    // The window becoming active again gives the box the focus back: its
    // word stays.
    QFocusEvent back(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(key, &back);
    EXPECT_EQ(key->text(), QStringLiteral("体"));
    QTest::keyClick(key, Qt::Key_Return);
    EXPECT_EQ(grid("msgBunseki")->rows(), 5);  // 合体, 熟語合体, 解体, 合体
}

TEST_F(AnalysisViewsTest, RangeChartsFollowTheListing)
{
    start();
    enter("cmdTaijyu");
    auto* series = find<Chart>("mcrBunseki");
    auto* other = find<Chart>("mcrBunseki2");
    EXPECT_EQ(face("cmdDay3"), rgb::LightCyan);
    EXPECT_TRUE(series->isVisible());
    EXPECT_EQ(series->pointCount(), 5);
    EXPECT_DOUBLE_EQ(series->value(2), 45.5);

    click("cmdTotal3");
    EXPECT_TRUE(other->isVisible());
    EXPECT_FALSE(series->isVisible());
    ASSERT_EQ(other->pointCount(), 7);
    EXPECT_EQ(other->pointLabel(3), QStringLiteral("熟語"));

    click("cmdJikan3");
    ASSERT_EQ(other->pointCount(), 24);
    EXPECT_EQ(other->pointLabel(24), QStringLiteral(" 23"));
    EXPECT_DOUBLE_EQ(other->value(24), 60);
    EXPECT_DOUBLE_EQ(other->value(1), 46);  // 00:00:01, 45.5 to even
    EXPECT_DOUBLE_EQ(other->value(9), 20);  // 08:15:30

    click("cmdWeek_0");  // the chart on show is drawn again from the new list
    EXPECT_DOUBLE_EQ(other->value(9), 0);
    EXPECT_EQ(face("cmdJikan3"), rgb::LightCyan);
}

TEST_F(AnalysisViewsTest, WholeHistoryListsEveryPlayItemAndDay)
{
    start();
    enter("cmdRentai");
    EXPECT_TRUE(find("fraRenTai")->isVisible());
    ASSERT_EQ(grid("msgDayList2")->rows(), 6);
    Grid* items = grid("msgDayTotal2");
    ASSERT_EQ(items->rows(), 5);  // the four items played
    EXPECT_EQ(items->text(1, 1), QStringLiteral("合体"));
    EXPECT_EQ(items->text(1, 4), QStringLiteral("25:02:01"));
    EXPECT_EQ(items->text(1, 5), QStringLiteral("90061"));
    EXPECT_EQ(items->text(1, 6), QStringLiteral("45060.5"));
    Grid* days = grid("msgDayList3");
    ASSERT_EQ(days->rows(), 5);
    EXPECT_EQ(days->text(1, 1), QStringLiteral("2024/04/28"));
    EXPECT_EQ(days->text(1, 2), QStringLiteral("2"));
    EXPECT_EQ(days->text(1, 5), QStringLiteral("52.8"));  // 105.5 over two plays
    EXPECT_EQ(face("cmdDay2"), rgb::LightOrange);
    EXPECT_EQ(find<Chart>("mcrMain3")->pointCount(), 5);
}

TEST_F(AnalysisViewsTest, SixChartButtonsSwitchChartsAndLists)
{
    start();
    enter("cmdRentai");
    auto* series = find<Chart>("mcrMain3");
    auto* totals = find<Chart>("mcrMain2");

    click("cmdTotal2");
    EXPECT_TRUE(totals->isVisible());
    EXPECT_FALSE(series->isVisible());
    EXPECT_EQ(totals->pointCount(), 4);
    EXPECT_EQ(face("cmdDay2"), buttonface::systemFace());

    click("cmdJikan2");
    EXPECT_EQ(totals->pointCount(), 24);

    click("cmdHigoto");
    EXPECT_TRUE(series->isVisible());
    EXPECT_TRUE(grid("msgDayList3")->isVisible());
    EXPECT_FALSE(grid("msgDayList2")->isVisible());
    ASSERT_EQ(series->pointCount(), 4);
    EXPECT_DOUBLE_EQ(series->value(1), 2);
    EXPECT_EQ(face("cmdHigoto"), rgb::LightYellow);
    EXPECT_EQ(face("cmdJikan2"), buttonface::systemFace());

    click("cmdHigoto3");
    EXPECT_DOUBLE_EQ(series->value(1), 52.8);

    click("cmdHigoto2");
    EXPECT_DOUBLE_EQ(series->value(3), 90061);

    // Entering again draws the chosen trend from the rebuilt table.
    writeText(QStringLiteral("データ.TXT"), line("2024/04/28", "10:00:00", "合体", "7"));
    enter("cmdRentai");
    EXPECT_EQ(face("cmdHigoto2"), rgb::LightYellow);
    ASSERT_EQ(series->pointCount(), 1);
    EXPECT_DOUBLE_EQ(series->value(1), 7);

    click("cmdDay2");
    EXPECT_TRUE(grid("msgDayList2")->isVisible());
    EXPECT_FALSE(grid("msgDayList3")->isVisible());

    // One day's trend: its date under its point, which stands as a bar.
    click("cmdHigoto");
    EXPECT_EQ(series->shownLabels(), QStringList{QStringLiteral("2024/04/28")});
    ASSERT_EQ(series->chart()->series().size(), 1);
    EXPECT_EQ(series->chart()->series()[0]->type(), QAbstractSeries::SeriesTypeBar);
}

TEST_F(AnalysisViewsTest, TimeSeriesLabelsShortenFromSeventeenPlays)
{
    QString text;
    for (int i = 0; i < 16; ++i)
        text += line(QStringLiteral("2024/04/28"), "10:00:00", "熟語合体", "10");
    writeText(QStringLiteral("データ.TXT"), text);
    start();
    enter("cmdRentai");
    auto* series = find<Chart>("mcrMain3");
    EXPECT_EQ(series->pointLabel(16), QStringLiteral("熟語"));
    writeText(QStringLiteral("データ.TXT"), text + line(QStringLiteral("2024/04/28"), "10:00:00", "熟語合体", "10"));
    enter("cmdRentai");
    EXPECT_EQ(series->pointLabel(17), QStringLiteral("熟"));
}

TEST_F(AnalysisViewsTest, AMissingLogListsEmptyViewsAndEmptyCharts)
{
    QFile::remove(path(QStringLiteral("データ.TXT")));
    start();
    enter("cmdTaijyu");
    EXPECT_EQ(grid("msgBunseki")->rows(), 1);
    EXPECT_EQ(grid("msgBunseki2")->rows(), 8);
    EXPECT_TRUE(find<QComboBox>("cboStdate")->currentText().isEmpty());
    EXPECT_EQ(find<QComboBox>("cboStdate")->count(), 0);
    enter("cmdRentai");
    EXPECT_EQ(grid("msgDayList2")->rows(), 1);
    EXPECT_EQ(grid("msgDayList3")->rows(), 1);
    EXPECT_EQ(find<Chart>("mcrMain3")->pointCount(), 0);
}
