// The range filters and the whole-history sums, without a window.
#include "analysis/RangeListing.h"
#include "analysis/RecordDates.h"
#include "analysis/WholeHistory.h"
#include "records/GameItems.h"

#include <gtest/gtest.h>

namespace {
QString line(const char* date, const char* time, const char* item, const char* seconds)
{
    return QStringLiteral("\"%1\",\"%2\",\"%3\",%4,\"\",\r\n")
        .arg(QString::fromUtf8(date), QString::fromUtf8(time), QString::fromUtf8(item), QString::fromUtf8(seconds));
}

std::shared_ptr<const RecordTable> table(const QString& text) { return RecordTable::parse(text); }

std::vector<QString> dates(const RecordTable& t, const range::Listing& l)
{
    std::vector<QString> out;
    for (const RecordView* r : l.rows)
        out.push_back(t.date(*r));
    return out;
}
}  // namespace

TEST(RecordDates, ReadOnlyWholeDatesAndNameTheirWeekday)
{
    EXPECT_EQ(recorddate::parse(u"2024/02/29"), QDate(2024, 2, 29));
    for (const char16_t* bad : {u"2023/02/29", u"2024/2/29", u"2024-02-29", u"", u"abcd/ef/gh"})
        EXPECT_FALSE(recorddate::parse(bad).isValid());
    EXPECT_EQ(recorddate::weekday(u"2024/03/03"), 0);  // a Sunday
    EXPECT_EQ(recorddate::weekday(u"2024/03/09"), 6);
    EXPECT_EQ(recorddate::weekday(u"damaged"), -1);
    EXPECT_EQ(recorddate::weekdayName(3), QStringLiteral("水"));
    EXPECT_TRUE(recorddate::weekdayName(-1).isEmpty());
}

TEST(RangeListing, PeriodButtonsCountBackWholeDaysAndIncludeBothEnds)
{
    const auto t = table(line("2024/02/28", "10:00:00", "合体", "60") + line("2024/02/29", "10:00:00", "合体", "60") +
                         line("2024/03/01", "10:00:00", "合体", "60") + line("2024/03/08", "10:00:00", "合体", "60"));
    const range::Period yesterday = range::daysBack(QDate(2024, 3, 1), 1);  // "前日"
    EXPECT_EQ(yesterday.start, QStringLiteral("2024/02/29"));
    range::Query q{{}, range::AllWeekdays, yesterday.start, yesterday.end};
    EXPECT_EQ(dates(*t, range::list(*t, items::names(), q, range::chosen(q))),
              (std::vector<QString>{"2024/02/29", "2024/03/01"}));

    const range::Period week = range::daysBack(QDate(2024, 3, 8), 7);  // "１週間": eight days
    EXPECT_EQ(week.start, QStringLiteral("2024/03/01"));
    q.start = week.start;
    q.end = week.end;
    EXPECT_EQ(range::list(*t, items::names(), q, range::chosen(q)).rows.size(), 2u);
}

TEST(RangeListing, TypedDatesCompareAsTextAndNonDatesListNothing)
{
    const auto t = table(line("2008/01/05", "10:00:00", "合体", "1") + line("2008/10/01", "10:00:00", "合体", "1"));
    range::Query q{{}, range::AllWeekdays, QStringLiteral("2008/1/5"), QStringLiteral("2008/12/31")};
    EXPECT_EQ(dates(*t, range::list(*t, items::names(), q, range::chosen(q))), (std::vector<QString>{"2008/10/01"}));
    q.start = QStringLiteral("昨日");
    q.end = QStringLiteral("今日");
    EXPECT_TRUE(range::list(*t, items::names(), q, range::chosen(q)).rows.empty());
    q.start = QStringLiteral("2008/01/01");  // an end that is no date lists nothing either
    EXPECT_TRUE(range::list(*t, items::names(), q, range::chosen(q)).rows.empty());
}

TEST(RangeListing, ItemTextIsASubstringWhileTotalsMatchNamesExactly)
{
    const auto t =
        table(line("2024/03/01", "10:00:00", "合体", "0.5") + line("2024/03/01", "11:00:00", "合体", "0.5") +
              line("2024/03/02", "10:00:00", "熟語合体", "180.28") +
              line("2024/03/02", "11:00:00", "熟語合体", "59.6") + line("2024/03/03", "10:00:00", "解体", "30"));
    range::Query q{QStringLiteral("合体"), range::AllWeekdays, QStringLiteral("2024/01/01"),
                   QStringLiteral("2024/12/31")};
    const range::Listing l = range::list(*t, items::names(), q, range::chosen(q));
    EXPECT_EQ(l.rows.size(), 4u);
    EXPECT_EQ(l.itemSeconds(0), 1);    // 0.5 + 0.5 in tenths, rounded once
    EXPECT_EQ(l.itemSeconds(2), 240);  // 180.3 + 59.6
    EXPECT_EQ(l.itemSeconds(1), 0);    // 解体 not listed

    q.item = QStringLiteral("体");
    q.weekday = 0;  // 2024/03/03 is a Sunday
    const range::Listing sunday = range::list(*t, items::names(), q, range::chosen(q));
    ASSERT_EQ(sunday.rows.size(), 1u);
    EXPECT_EQ(t->item(*sunday.rows[0]), u"解体");
}

TEST(RangeListing, TheFullListingCollectsEachRunOfDatesOnce)
{
    const auto t = table(line("2024/03/01", "10:00:00", "合体", "1") + line("2024/03/01", "11:00:00", "合体", "1") +
                         line("2024/03/02", "10:00:00", "合体", "1"));
    const range::Listing l = range::list(*t, items::names(), {}, {}, true);
    EXPECT_EQ(l.rows.size(), 3u);
    EXPECT_EQ(l.dates, (QStringList{"2024/03/01", "2024/03/02"}));
    // After a clock change the period still runs from the earliest to the
    // latest date, whatever the file order.
    const auto moved = table(line("2024/03/01", "10:00:00", "合体", "1") + line("2024/05/01", "10:00:00", "合体", "1") +
                             line("2024/04/15", "10:00:00", "合体", "1") + line("damaged", "10:00:00", "合体", "1"));
    const range::Listing m = range::list(*moved, items::names(), {}, {}, true);
    EXPECT_EQ(m.earliest, QStringLiteral("2024/03/01"));
    EXPECT_EQ(m.latest, QStringLiteral("2024/05/01"));
}

TEST(WholeHistory, SecondsNoPlayCanTakeAreListedButCountedInNoTotal)
{
    const auto t =
        table(line("2024/03/01", "10:00:00", "合体", "10") + line("2024/03/01", "11:00:00", "合体", "1e30") +
              line("2024/03/01", "12:00:00", "合体", "-5") + line("2024/03/01", "13:00:00", "合体", "nan") +
              line("2024/03/01", "14:00:00", "合体", "inf") + line("2024/03/01", "15:00:00", "合体", "9e18"));
    ASSERT_EQ(t->size(), 6);
    EXPECT_EQ(recordfile::shownSeconds(*t, t->records()[1]), QStringLiteral("1e30"));  // as written
    const WholeHistory h = WholeHistory::compute(*t, items::names());
    EXPECT_EQ(h.items[0].count, 1);
    EXPECT_EQ(h.items[0].seconds(), 10);
    EXPECT_EQ(h.day(0).maxSeconds(), 10);
    range::Query q{{}, range::AllWeekdays, QStringLiteral("2024/01/01"), QStringLiteral("2024/12/31")};
    const range::Listing l = range::list(*t, items::names(), q, range::chosen(q));
    EXPECT_EQ(l.rows.size(), 6u);
    EXPECT_EQ(l.itemSeconds(0), 10);
}

TEST(WholeHistory, ItemTotalsMaximaAndAverages)
{
    const auto t = table(line("2024/03/01", "10:00:00", "合体", "0.5") + line("2024/03/01", "11:00:00", "合体", "0.5") +
                         line("2024/03/01", "12:00:00", "解体", "59.6") + line("2024/03/01", "13:00:00", "連結", "30") +
                         line("2024/03/01", "14:00:00", "連結", "30") + line("2024/03/01", "15:00:00", "連結", "40") +
                         line("2024/03/01", "16:00:00", "不明", "99"));
    const WholeHistory h = WholeHistory::compute(*t, items::names());
    EXPECT_EQ(h.items[0].count, 2);
    EXPECT_EQ(h.items[0].seconds(), 1);     // 0.5 + 0.5 in tenths, rounded once
    EXPECT_EQ(h.items[0].maxSeconds(), 0);  // 0.5 rounds to 0
    EXPECT_EQ(h.items[1].maxSeconds(), 60);
    EXPECT_EQ(h.items[5].averageText(), QStringLiteral("33.3"));  // 100 / 3
    EXPECT_EQ(h.items[3].averageText(), QStringLiteral("0.0"));   // never played
    ASSERT_EQ(h.dayRows(), 1);
    EXPECT_EQ(h.day(0).count, 7);  // an unknown item still counts on its day
}

TEST(WholeHistory, OneRowPerCalendarDayAcrossFebruary29)
{
    const auto t = table(line("2024/02/27", "10:00:00", "合体", "10") + line("2024/03/01", "10:00:00", "合体", "20") +
                         line("2024/03/01", "11:00:00", "合体", "25"));
    const WholeHistory h = WholeHistory::compute(*t, items::names());
    EXPECT_EQ(h.firstDay(), QDate(2024, 2, 27));
    ASSERT_EQ(h.dayRows(), 4);
    EXPECT_EQ(h.day(2).count, 0);  // 2024/02/29
    EXPECT_EQ(h.day(2).averageText(), QStringLiteral("0.0"));
    EXPECT_EQ(h.day(3).seconds(), 45);
    EXPECT_EQ(h.day(3).maxSeconds(), 25);
    EXPECT_EQ(h.day(3).averageText(), QStringLiteral("22.5"));
}

TEST(WholeHistory, ARecordOutOfOrderCountsOnItsOwnDayAndLosesNothing)
{
    // A clock set back once: the fourth record is dated before the third.
    const auto t = table(line("2024/03/01", "10:00:00", "合体", "10") + line("2024/03/02", "10:00:00", "合体", "10") +
                         line("2024/03/05", "10:00:00", "合体", "10") + line("2024/02/28", "10:00:00", "合体", "10") +
                         line("2024/03/05", "11:00:00", "合体", "10") + line("damaged", "11:00:00", "合体", "10"));
    const WholeHistory h = WholeHistory::compute(*t, items::names());
    EXPECT_EQ(h.firstDay(), QDate(2024, 2, 28));
    ASSERT_EQ(h.dayRows(), 7);
    EXPECT_EQ(h.day(0).count, 1);
    EXPECT_EQ(h.day(6).count, 2);  // 03/05 keeps its record after the out-of-order one
    std::int64_t placed = 0;
    for (std::int64_t k = 0; k < h.dayRows(); ++k)
        placed += h.day(k).count;
    EXPECT_EQ(placed, 5);            // the damaged date is on no day ...
    EXPECT_EQ(h.items[0].count, 6);  // ... but in the item totals
    EXPECT_EQ(h.items[0].seconds(), 60);
}

TEST(WholeHistory, TotalsAreWideAndAnEmptyLogHasNoDays)
{
    QString text;
    for (int i = 0; i < 40; ++i)
        text += line("2024/03/01", "10:00:00", "合体", "1000");
    const WholeHistory h = WholeHistory::compute(*table(text), items::names());
    EXPECT_EQ(h.day(0).seconds(), 40000);  // beyond 16 bits
    EXPECT_EQ(WholeHistory::compute(*table(QString()), items::names()).dayRows(), 0);
}
