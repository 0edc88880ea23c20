// The review tallies on any log: a play on any date from year 1 to 9999
// (or none), any game, any seconds, beside damaged lines. Every table over a
// period answers its rows from the days played; each is checked against a
// plain count of the records, day by day, and nothing may overflow or take
// more than the plays cost.
#include "analysis/AggregateTally.h"
#include "analysis/CalendarTally.h"
#include "analysis/DatedPlays.h"
#include "analysis/DayTally.h"
#include "analysis/RangeListing.h"
#include "analysis/RecordDates.h"
#include "analysis/WholeHistory.h"
#include "platform/Duration.h"
#include "records/GameItems.h"
#include "review/PeriodRows.h"

#include <QCoreApplication>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

// Seconds as a record may hold them, the odd ones included.
QString secondsText(std::uint8_t kind, std::uint16_t value)
{
    switch (kind % 12) {
    case 0:
        return QStringLiteral("1e30");
    case 1:
        return QStringLiteral("-%1").arg(value);
    case 2:
        return QStringLiteral("nan");
    case 3:
        return QStringLiteral("inf");
    case 4:
        return QStringLiteral("9e18");
    case 5:
        return QStringLiteral("%1.%2").arg(value / 10).arg(value % 10);
    case 6:
        return QStringLiteral("%1.05").arg(value % 100);
    case 7:
        return QStringLiteral("99999%1").arg(value % 100);  // at and beyond ten million
    default:
        return QString::number(value);
    }
}

// A play a 7-byte chunk: a date near the others or anywhere in 1..9999 (or
// no date at all), a game, seconds.
QString line(const std::uint8_t* c, const QStringList& names)
{
    const int year = c[0] & 0x80 ? 1 + (((c[0] & 0x7F) << 8) | c[1]) % 9999 : 2020 + c[1] % 4;
    const int month = c[2] % 14;  // 0 and 13 are no month
    const int day = c[3] % 33;
    QString date = QStringLiteral("%1/%2/%3")
                       .arg(year, 4, 10, QLatin1Char('0'))
                       .arg(month, 2, 10, QLatin1Char('0'))
                       .arg(day, 2, 10, QLatin1Char('0'));
    if (c[2] == 0xFF)
        date = QStringLiteral("damaged");
    const int item = c[4] % 9;
    const QString name = item < names.size() ? names[item] : item == 7 ? QStringLiteral("他") : QString();
    return QStringLiteral("\"%1\",\"10:00:00\",\"%2\",%3,\"\",\r\n")
        .arg(date, name, secondsText(c[5], std::uint16_t(c[6] * 131 + c[5])));
}

struct Naive {
    std::int64_t count = 0, tenths = 0, maxTenths = 0;
    std::int64_t itemCount[7] = {}, itemTenths[7] = {};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "tally_fuzzer";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    const QStringList names = items::names();

    // Chunks of plays, then the rest as a line of its own, as written.
    QString text;
    size_t at = 0;
    for (; at + 7 <= size && at < 7 * 64; at += 7)
        text += line(data + at, names);
    text += QString::fromLatin1(reinterpret_cast<const char*>(data + at), qsizetype(size - at));
    const std::shared_ptr<const RecordTable> table = RecordTable::parse(text);

    // The plain count: every record that counts, on its date.
    std::map<std::int64_t, Naive> byDay;
    std::int64_t counted = 0, itemPlays[7] = {}, itemTenths[7] = {};
    for (const RecordView& r : table->records()) {
        if (!countsInTotals(r))
            continue;
        ++counted;
        const std::int64_t t = duration::tenths(r.seconds);
        check(t >= 0 && t <= 100000000);  // a record beyond ten million seconds is damaged
        const int item = int(names.indexOf(table->item(r)));
        if (item >= 0) {
            ++itemPlays[item];
            itemTenths[item] += t;
        }
        const QDate d = recorddate::parse(table->date(r));
        if (!d.isValid())
            continue;
        Naive& n = byDay[d.toJulianDay()];
        ++n.count;
        n.tenths += t;
        n.maxTenths = std::max(n.maxTenths, t);
        if (item >= 0) {
            ++n.itemCount[item];
            n.itemTenths[item] += t;
        }
    }

    const DatedPlays dated = DatedPlays::from(*table, names);
    const auto played = std::make_shared<const PlayedDays>(PlayedDays::from(dated, int(names.size())));
    check(played->size() == byDay.size());
    size_t i = 0;
    for (const auto& [day, n] : byDay) {
        check(played->day(i) == day);
        check(played->totals(i).count == n.count && played->totals(i).tenths == n.tenths);
        for (int j = 0; j < 7; ++j)
            check(played->item(i, j + 1).count == n.itemCount[j] && played->item(i, j + 1).tenths == n.itemTenths[j]);
        ++i;
    }

    // The whole history: every item total, every day played and the day
    // after it (none, or the next one played).
    const WholeHistory h = WholeHistory::compute(*table, names);
    for (int j = 0; j < 7; ++j)
        check(h.items[size_t(j)].count == itemPlays[j] && h.items[size_t(j)].tenths == itemTenths[j]);
    check(h.dayRows() == (byDay.empty() ? 0 : byDay.rbegin()->first - byDay.begin()->first + 1));
    for (const auto& [day, n] : byDay) {
        const std::int64_t row = day - byDay.begin()->first;
        const PlayTotals d = h.day(row);
        check(d.count == n.count && d.tenths == n.tenths && d.maxTenths == n.maxTenths);
        (void)d.averageText();
        const auto next = byDay.find(day + 1);
        if (row + 1 < h.dayRows())
            check(h.day(row + 1).count == (next == byDay.end() ? 0 : next->second.count));
    }
    // The daily trend folded into columns: each run's peak, low and sum
    // against the days one by one.
    if (!byDay.empty()) {
        const DayTrendPoints trend(h.played(), DayTrendPoints::Trend::Seconds);
        const std::int64_t n = trend.count();
        const std::int64_t groups = std::min<std::int64_t>(n, 1 + data[0] % 300);
        for (std::int64_t g = 0; g < groups; ++g) {
            const std::int64_t first = g * n / groups, end = (g + 1) * n / groups;
            const ChartPoints::Run r = trend.run(first, end);
            if (end - first <= 4000) {
                double peak = trend.value(first), low = peak, sum = 0;
                for (std::int64_t p = first; p < end; ++p) {
                    peak = std::max(peak, trend.value(p));
                    low = std::min(low, trend.value(p));
                    sum += trend.value(p);
                }
                check(r.peak == peak && r.low == low && r.sum == sum);
            }
            check(r.peak <= trend.largest());
        }
    }

    // The aggregate tables: the rows of the days and months played against
    // the plain count, the rows between them empty, the total row the sum.
    for (const aggregate::Kind kind :
         {aggregate::Kind::Counts, aggregate::Kind::Time, aggregate::Kind::TimeAndCounts}) {
        const aggregate::Table daily(played, aggregate::Unit::Day, kind);
        const aggregate::Table monthly(played, aggregate::Unit::Month, kind);
        check(daily.rows() == h.dayRows());
        const auto longest = daily.longestTexts();
        for (const auto& [day, n] : byDay) {
            const int row = int(day - byDay.begin()->first);
            const QString subtotal = daily.cell(row, 2);
            if (kind == aggregate::Kind::Counts)
                check(subtotal == QString::number(n.count));
            else
                check(subtotal.startsWith(duration::hms(duration::wholeSeconds(n.tenths))));
            for (int c = 0; c < daily.cols(); ++c)
                check(daily.cell(row, c).size() <= longest[size_t(c)].size());
            if (!byDay.count(day + 1) && row + 1 < daily.rows())
                check(
                    daily.cell(row + 1, 2)
                        .startsWith(kind == aggregate::Kind::Counts ? QStringLiteral("0") : QStringLiteral("0:00:00")));
        }
        if (monthly.rows() > 0) {
            const int total = monthly.rows() - 1;
            check(monthly.isTotalRow(total) && monthly.cell(total, 1) == QStringLiteral("合計"));
            if (kind == aggregate::Kind::Counts) {
                check(monthly.cell(total, 2) == QString::number(dated.plays().size()));
                for (const auto& [day, n] : byDay) {
                    const QDate d = QDate::fromJulianDay(day);
                    check(monthly.rowDate(dates::monthsBetween(played->first(), d)) == QDate(d.year(), d.month(), 1));
                }
                // Every month played sums to its days.
                std::map<int, std::int64_t> perMonth;
                for (const auto& [day, n] : byDay)
                    perMonth[dates::monthsBetween(played->first(), QDate::fromJulianDay(day))] += n.count;
                for (const auto& [row, count] : perMonth)
                    check(monthly.cell(row, 2) == QString::number(count));
            }
        }
        (void)daily.cell(-1, 0), (void)daily.cell(daily.rows(), 0), (void)daily.cell(0, daily.cols());
    }

    // The calendar: each day played in its month and week cell, the
    // histogram over every day of the period, the weekdays over every play.
    const calendar::MonthTable months = calendar::monthTable(played);
    const calendar::WeekTable weeks = calendar::weekTable(played);
    std::int64_t histogram = 0;
    for (std::int64_t d : months.days)
        histogram += d;
    check(histogram == played->periodDays());
    std::int64_t weekdayPlays = 0, weekdayTenths = 0, tenths = 0;
    for (int k = 0; k < 7; ++k)
        weekdayPlays += weeks.plays[size_t(k)], weekdayTenths += weeks.tenths[size_t(k)];
    for (const auto& [day, n] : byDay) {
        const QDate d = QDate::fromJulianDay(day);
        check(months.at(dates::monthsBetween(months.firstMonth, d), d.day()) == n.count);
        const std::int64_t offset = day - weeks.firstSunday.toJulianDay();
        check(weeks.at(int(offset / 7), int(offset % 7) + 1) == n.count);
        tenths += n.tenths;
    }
    check(weekdayPlays == std::int64_t(dated.plays().size()) && weekdayTenths == tenths);

    // The day view and the range view on the first date there is.
    if (!byDay.empty()) {
        const QString first = recorddate::text(played->first());
        const DayTally day = DayTally::compute(*table, first, names);
        std::int64_t dayPlays = 0;
        for (std::int64_t c : day.counts)
            dayPlays += c;
        std::int64_t named = 0;
        for (int j = 0; j < 7; ++j)
            named += byDay.begin()->second.itemCount[j];
        check(dayPlays == named);
        (void)day.totalSeconds();
        const range::Query q{{}, range::AllWeekdays, first, recorddate::text(played->last())};
        const range::Listing l = range::list(*table, names, q, range::chosen(q));
        std::int64_t listed[7] = {};
        for (const RecordView* r : l.rows) {
            const int j = int(names.indexOf(table->item(*r)));
            if (j >= 0 && countsInTotals(*r))
                listed[j] += duration::tenths(r->seconds);
        }
        for (int j = 0; j < 7; ++j)
            check(l.itemTenths[size_t(j)] == listed[j] && listed[j] <= itemTenths[j]);
    }

    // Durations of any seconds: rounding halves to even, nothing overflows.
    if (size >= 8) {
        double s;
        std::memcpy(&s, data + size - 8, 8);
        const std::int64_t t = duration::tenths(s);
        if (std::isfinite(s) && std::fabs(s) < 1e12)
            check(std::llabs(t - std::llround(s * 10)) <= 1);
        if (std::llabs(t) < (std::int64_t(1) << 60)) {
            (void)duration::hms(duration::wholeSeconds(t));
            check(std::llabs(duration::wholeSeconds(t) * 10 - t) <= 5);
        }
    }
    return 0;
}
