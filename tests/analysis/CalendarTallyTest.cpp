#include "analysis/CalendarTally.h"

#include "analysis/AnalysisTestSupport.h"
#include "analysis/LogTallies.h"
#include "records/RecordLog.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using calendar::bucket;
using calendar::countColor;

TEST(DatedPlaysTest, DamagedDatesAreLeftOutAndAnEarlierPlayExtendsThePeriodBack)
{
    const DatedPlays p =
        datedPlays(playLine("2024/03/05") + playLine("2024/02/30") + playLine("2024-03-06") + playLine("24/03/06") +
                   playLine("2024/3/6") + playLine("") + playLine("2024/03/01", "しりとり") +
                   playLine("2024/02/29", "合体 ") + playLine("2024/03/07"));
    ASSERT_EQ(p.plays().size(), 4u);
    EXPECT_EQ(p.first(), QDate(2024, 2, 29));  // written after the clock was set back
    EXPECT_EQ(p.last(), QDate(2024, 3, 7));
    EXPECT_EQ(p.plays()[1].item, 7);
    EXPECT_EQ(p.plays()[2].item, 0);  // names match exactly
    EXPECT_TRUE(datedPlays(playLine("2024/13/01")).empty());
}

TEST(CalendarTallyTest, CountColoursAndBucketsStepAtTwoFourSixEightAndTen)
{
    EXPECT_EQ(bucket(0), 0);
    EXPECT_FALSE(countColor(0).isValid());
    EXPECT_EQ(bucket(2), 1);
    EXPECT_EQ(countColor(2), QColor(255, 192, 192));
    EXPECT_EQ(bucket(3), 2);
    EXPECT_EQ(countColor(3), QColor(255, 224, 192));
    EXPECT_EQ(countColor(6), QColor(255, 255, 192));
    EXPECT_EQ(countColor(7), QColor(192, 255, 192));
    EXPECT_EQ(bucket(10), 5);
    EXPECT_EQ(countColor(10), QColor(192, 255, 255));
    EXPECT_EQ(bucket(11), 6);
    EXPECT_EQ(countColor(11), QColor(192, 192, 255));
    EXPECT_EQ(bucket(40000), 6);
}

TEST(CalendarTallyTest, MonthRowsCountMonthBoundariesAndTheHistogramCountsDaysWithoutPlay)
{
    // Leap year: 2024/01/31 to 2024/03/01 is 31 days over three months.
    calendar::MonthTable t = calendar::monthTable(playedDays(playLine("2024/01/31") + playLine("2024/03/01")));
    EXPECT_EQ(t.firstMonth, QDate(2024, 1, 1));
    EXPECT_EQ(t.months, 3);
    EXPECT_EQ(t.periodDays, 31);
    EXPECT_EQ(t.at(0, 31), 1);
    EXPECT_EQ(t.at(2, 1), 1);

    t = calendar::monthTable(playedDays(playLine("2024/02/28") + playLines(12, "2024/03/01")));
    EXPECT_EQ(t.at(0, 28), 1);
    EXPECT_EQ(t.at(0, 29), 0);
    EXPECT_EQ(t.at(1, 1), 12);
    EXPECT_EQ(t.days, (std::array<std::int64_t, 7>{1, 1, 0, 0, 0, 0, 1}));  // 02/29 unplayed

    t = calendar::monthTable(playedDays(playLine("2023/12/31") + playLine("2024/01/01")));
    EXPECT_EQ(t.months, 2);
    EXPECT_EQ(t.at(1, 1), 1);
    EXPECT_EQ(t.days[0], 0);
}

TEST(CalendarTallyTest, WeeksStartOnTheSundayAtOrBeforeTheFirstPlay)
{
    EXPECT_EQ(calendar::weekStart(QDate(2024, 3, 6)), QDate(2024, 3, 3));  // Wednesday
    EXPECT_EQ(calendar::weekStart(QDate(2024, 3, 3)), QDate(2024, 3, 3));  // Sunday: no empty first week
    EXPECT_EQ(calendar::weekStart(QDate(2024, 3, 9)), QDate(2024, 3, 3));  // Saturday

    // A week row crossing from March into April: Sunday 03/31 to Saturday 04/06.
    const calendar::WeekTable t = calendar::weekTable(
        playedDays(playLine("2024/03/06") + playLine("2024/03/31") + playLines(2, "2024/04/06", "解体", "0.5")));
    EXPECT_EQ(t.firstSunday, QDate(2024, 3, 3));
    EXPECT_EQ(t.weeks, 5);
    EXPECT_EQ(t.at(0, 4), 1);  // 水
    EXPECT_EQ(t.at(4, 1), 1);
    EXPECT_EQ(t.at(4, 7), 2);
    EXPECT_EQ(t.plays, (std::array<std::int64_t, 7>{1, 0, 0, 1, 0, 0, 2}));
    EXPECT_EQ(t.tenths, (std::array<std::int64_t, 7>{600, 0, 0, 600, 0, 0, 10}));  // 0.5 + 0.5 exactly
}

TEST(CalendarTallyTest, NoPlayGivesEmptyTables)
{
    const auto none = playedDays(playLine("damaged"));
    EXPECT_EQ(calendar::monthTable(none).months, 0);
    EXPECT_EQ(calendar::monthTable(none).days[0], 0);
    EXPECT_EQ(calendar::weekTable(none).weeks, 0);
}

TEST(CalendarTallyTest, APeriodFromYear1To9999AnswersItsDaysFromThePlays)
{
    // Monday 0001/01/01 and Friday 9999/12/31.
    const auto played = playedDays(playLine("0001/01/01") + playLines(3, "2024/02/29") + playLine("9999/12/31"));
    const calendar::MonthTable m = calendar::monthTable(played);
    ASSERT_EQ(m.months, 119988);
    EXPECT_EQ(m.at(0, 1), 1);
    EXPECT_EQ(m.at(0, 2), 0);
    const int february = (2024 - 1) * 12 + 1;
    EXPECT_EQ(m.month(february), QDate(2024, 2, 1));
    EXPECT_EQ(m.at(february, 29), 3);
    EXPECT_EQ(m.at(february, 30), 0);  // no such day
    EXPECT_EQ(m.at(119987, 31), 1);
    EXPECT_EQ(m.periodDays, 3652059);
    EXPECT_EQ(m.days, (std::array<std::int64_t, 7>{3652056, 2, 1, 0, 0, 0, 0}));

    const calendar::WeekTable w = calendar::weekTable(played);
    EXPECT_EQ(w.firstSunday.daysTo(QDate(1, 1, 1)), 1);
    ASSERT_EQ(w.weeks, int((3652059 + 1 + 6) / 7));
    EXPECT_EQ(w.at(0, 2), 1);
    EXPECT_EQ(w.at(w.weeks - 1, 6), 1);
    EXPECT_EQ(w.at(w.weeks - 1, 7), 0);  // 10000/01/01 is past the period
    EXPECT_EQ(w.plays, (std::array<std::int64_t, 7>{0, 1, 0, 0, 3, 1, 0}));
}

// The calendar and the aggregate tables share the days played, worked out
// on the log's worker after its parse: they follow every play the program
// appends, also when the worker grows the parsed log in place.
using SharedPlayedDays = DataDirTest;
TEST_F(SharedPlayedDays, FollowEveryAppendAndWaitForTheWorkersWork)
{
    writeText(recordfile::FileName, playLines(3, QStringLiteral("2024/05/01")));
    recordlog::parseInBackground();
    logtallies::prepareInBackground(items::names());
    const std::shared_ptr<const PlayedDays> ready = logtallies::playedDays(items::names());
    EXPECT_EQ(ready->totals(0).count, 3);
    EXPECT_EQ(logtallies::playedDays(items::names()), ready);

    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(recordfile::append(playLine(QStringLiteral("2024/05/02"), QStringLiteral("解体"))).ok);
        const auto now = logtallies::playedDays(items::names());
        ASSERT_EQ(now->size(), 2u);
        EXPECT_EQ(now->totals(1).count, i + 1);
        EXPECT_EQ(now->item(1, 2).count, i + 1);
    }
    // Other names are other columns.
    EXPECT_EQ(logtallies::playedDays({QStringLiteral("解体")})->item(1, 1).count, 2);
}
