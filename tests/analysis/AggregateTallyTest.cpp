#include "analysis/AggregateTally.h"

#include "analysis/AnalysisTestSupport.h"

#include <QStringList>

#include <gtest/gtest.h>

using aggregate::Kind;
using aggregate::Unit;

namespace {

// The cell texts of a table as rows of ten columns (seven games).
std::vector<QStringList> table(const QString& log, Unit unit, Kind kind)
{
    const std::vector<QString> cells = aggregate::cells(aggregate::tally(datedPlays(log), unit, 7), kind);
    std::vector<QStringList> rows;
    for (size_t i = 0; i < cells.size(); i += 10)
        rows.push_back(QStringList(cells.begin() + qsizetype(i), cells.begin() + qsizetype(i + 10)));
    return rows;
}

}  // namespace

TEST(AggregateTallyTest, DailyRowsCoverEveryDayOfThePeriodInEachKind)
{
    const QString log = playLines(2, "2024/03/01", "解体", "30") + playLine("2024/03/03", "しりとり", "3725");
    auto rows = table(log, Unit::Day, Kind::Counts);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], QStringList({"1", "24/03/01", "2", "", "2", "", "", "", "", ""}));
    EXPECT_EQ(rows[1], QStringList({"2", "24/03/02", "0", "", "", "", "", "", "", ""}));
    EXPECT_EQ(rows[2][9], "1");

    rows = table(log, Unit::Day, Kind::Time);
    EXPECT_EQ(rows[0].mid(2, 2), QStringList({"0:01:00", ""}));
    EXPECT_EQ(rows[0][4], "60");
    EXPECT_EQ(rows[1][2], "0:00:00");
    EXPECT_EQ(rows[2][2], "1:02:05");

    rows = table(log, Unit::Day, Kind::TimeAndCounts);
    EXPECT_EQ(rows[0][2], "0:01:00 (2)");
    EXPECT_EQ(rows[0][4], "60 (2)");
    EXPECT_EQ(rows[1][2], "0:00:00 (0)");
    EXPECT_EQ(rows[1][4], "");
}

TEST(AggregateTallyTest, MonthsSpanningAYearEndCloseWithATotalRowWrittenEvenForZero)
{
    const QString log = playLine("2023/12/31", "合体", "90000") + playLine("2024/01/01", "発掘", "3600") +
                        playLine("2024/01/02", "他のゲーム", "10");
    auto rows = table(log, Unit::Month, Kind::TimeAndCounts);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].mid(0, 4), QStringList({"1", "23/12", "25:00:00 (1)", "90000 (1)"}));
    EXPECT_EQ(rows[1].mid(0, 3), QStringList({"2", "24/01", "1:00:10 (2)"}));  // the unknown game counts here only
    EXPECT_EQ(rows[2], QStringList({"", "合計", "26:00:10 (3)", "90000 (1)", "0 (0)", "0 (0)", "3600 (1)", "0 (0)",
                                    "0 (0)", "0 (0)"}));
    EXPECT_EQ(table(log, Unit::Month, Kind::Counts)[2].mid(1, 4), QStringList({"合計", "3", "1", "0"}));
    EXPECT_EQ(table(log, Unit::Month, Kind::Time)[2].mid(1, 4), QStringList({"合計", "26:00:10", "90000", "0"}));
    EXPECT_EQ(table(log, Unit::Day, Kind::Time).size(), 3u);  // daily tables have no total row
}

TEST(AggregateTallyTest, SecondsAreSummedInTenthsAndRoundedOnceWhereShown)
{
    auto rows = table(playLines(3, "2024/03/01", "合体", "60.4"), Unit::Day, Kind::Time);
    EXPECT_EQ(rows[0][2], "0:03:01");
    EXPECT_EQ(rows[0][3], "181");
    rows = table(playLine("2024/03/01", "合体", "180.28") + playLine("2024/03/01", "合体", "59.6") +
                     playLines(2, "2024/03/01", "解体", "0.5"),
                 Unit::Month, Kind::TimeAndCounts);
    EXPECT_EQ(rows[0][3], "240 (2)");
    EXPECT_EQ(rows[0][4], "1 (2)");
    EXPECT_EQ(rows[0][2], "0:04:01 (4)");
    // The total row sums the months' tenths, not their rounded cells: as
    // the range view and the whole history count the same two plays.
    rows = table(playLine("2024/01/10", "合体", "1") + playLine("2024/02/10", "合体", "0.5"), Unit::Month, Kind::Time);
    EXPECT_EQ(rows[1][3], "");  // 0.5 s shows as 0
    EXPECT_EQ(rows[2].mid(2, 2), QStringList({"0:00:02", "2"}));
}

TEST(AggregateTallyTest, TenYearsOfDailyPlayGiveOneRowADay)
{
    QString log;
    for (QDate d(2014, 1, 1); d <= QDate(2023, 12, 31); d = d.addDays(1))
        log += playLine(d.toString("yyyy/MM/dd"));
    const aggregate::Tally t = aggregate::tally(datedPlays(log), Unit::Day, 7);
    ASSERT_EQ(t.rows, 3652);
    EXPECT_EQ(aggregate::rowLabel(t, 3652), "23/12/31");
    EXPECT_EQ(aggregate::rowLabel(t, 790), "16/02/29");
    EXPECT_EQ(t.counts[3651], 1);
    EXPECT_EQ(aggregate::tally(datedPlays(log), Unit::Month, 7).rows, 120);
}
