#include "analysis/DatedPlays.h"

#include "analysis/RecordDates.h"
#include "records/RecordFile.h"

#include <algorithm>

namespace dates {

std::optional<QDate> parse(QStringView text)
{
    const QDate date = recorddate::parse(text);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

int monthsBetween(const QDate& a, const QDate& b) { return (b.year() - a.year()) * 12 + (b.month() - a.month()); }

int weekday(const QDate& date) { return date.dayOfWeek() % 7 + 1; }

}  // namespace dates

DatedPlays DatedPlays::from(const RecordTable& table, const QStringList& itemNames)
{
    DatedPlays out;
    out.plays_.reserve(size_t(table.size()));
    std::int64_t lo = 0, hi = 0;
    // The log holds a few days' plays in a row: the previous line's date
    // answers most lookups without parsing.
    const RecordView* last = nullptr;
    std::int64_t lastDay = 0;
    QString scratch;
    for (const RecordView& r : table.records()) {
        if (!countsInTotals(r))
            continue;
        std::int64_t day;
        if (last && table.sameDate(r, *last)) {
            day = lastDay;
        } else {
            const std::optional<QDate> date = dates::parse(table.view(r, RecordTable::Field::Date, scratch));
            if (!date)
                continue;
            day = date->toJulianDay();
            last = &r;
            lastDay = day;
        }
        int item = 0;
        const QStringView itemText = table.view(r, RecordTable::Field::Item, scratch);
        for (qsizetype i = 0; i < itemNames.size(); ++i) {
            if (itemNames[i] == itemText) {
                item = int(i) + 1;
                break;
            }
        }
        if (out.plays_.empty()) {
            lo = hi = day;
        } else {
            lo = std::min(lo, day);
            hi = std::max(hi, day);
        }
        out.plays_.push_back({day, item, double(r.seconds)});
    }
    if (!out.plays_.empty()) {
        out.first_ = QDate::fromJulianDay(lo);
        out.last_ = QDate::fromJulianDay(hi);
    }
    return out;
}
