#include "analysis/AggregateTally.h"

#include "analysis/AnalysisTestSupport.h"
#include "support/CountedAllocations.h"

#include <QStringList>

#include <gtest/gtest.h>

using aggregate::Kind;
using aggregate::Unit;

namespace {

// The cell texts of a table as rows of ten columns (seven games).
std::vector<QStringList> table(const QString& log, Unit unit, Kind kind)
{
    const aggregate::Table t(playedDays(log), unit, kind);
    std::vector<QStringList> rows;
    for (int r = 0; r < t.rows(); ++r) {
        QStringList row;
        for (int c = 0; c < t.cols(); ++c)
            row << t.cell(r, c);
        rows.push_back(row);
    }
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

TEST(AggregateTallyTest, APeriodFromYear1To9999CostsItsPlaysAndAnswersBothEnds)
{
    const auto played = playedDays(playLine("0001/01/01", "解体", "12") + playLines(3, "2024/02/29") +
                                   playLine("9999/12/31", "しりとり", "3725"));
    const std::int64_t before = allocations::bytes();
    const aggregate::Table daily(played, Unit::Day, Kind::TimeAndCounts);
    const aggregate::Table monthly(played, Unit::Month, Kind::Counts);
    ASSERT_EQ(daily.rows(), 3652059);
    ASSERT_EQ(monthly.rows(), 119988 + 1);
    EXPECT_EQ(daily.cell(0, 1), "01/01/01");
    EXPECT_EQ(daily.cell(0, 4), "12 (1)");
    EXPECT_EQ(daily.cell(1, 2), "0:00:00 (0)");
    const int leapDay = int(QDate(2024, 2, 29).toJulianDay() - QDate(1, 1, 1).toJulianDay());
    EXPECT_EQ(daily.cell(leapDay, 0), QString::number(leapDay + 1));
    EXPECT_EQ(daily.cell(leapDay, 1), "24/02/29");
    EXPECT_EQ(daily.cell(leapDay, 3), "180 (3)");
    EXPECT_EQ(daily.cell(3652058, 0), "3652059");
    EXPECT_EQ(daily.cell(3652058, 2), "1:02:05 (1)");
    EXPECT_EQ(monthly.cell(119987, 1), "99/12");
    EXPECT_EQ(monthly.cell(119987, 9), "1");
    EXPECT_EQ(monthly.cell(119988, 2), "5");  // the total row
    EXPECT_EQ(monthly.cell(119988, 9), "1");
    EXPECT_EQ(daily.longestTexts()[0], "3652059");
    // Nothing a row: the tables hold the days played and their totals.
    EXPECT_LT(allocations::bytes() - before, 64 * 1024);
}
