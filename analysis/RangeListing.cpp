#include "analysis/RangeListing.h"

#include "analysis/RecordDates.h"
#include "platform/Duration.h"

namespace range {

Filters chosen(const Query& q) { return {true, !q.item.isEmpty(), q.weekday != AllWeekdays}; }

bool passes(const RecordView& r, const Query& q, Filters f)
{
    // Dates compare as text, code unit by code unit: a typed "2008/1/5"
    // sorts after "2008/10/01", as the user typed it.
    if (f.period && (r.date.compare(QStringView(q.start)) < 0 || r.date.compare(QStringView(q.end)) > 0))
        return false;
    if (f.item && !r.item.contains(QStringView(q.item)))
        return false;
    if (f.weekday && recorddate::weekday(r.date) != q.weekday)
        return false;
    return true;
}

std::int64_t Listing::itemSeconds(size_t j) const { return duration::wholeSeconds(itemTenths[j]); }

namespace {
bool startsWithDigit(const QString& text) { return !text.isEmpty() && text[0] >= u'0' && text[0] <= u'9'; }
}  // namespace

Listing list(const RecordTable& table, const QStringList& itemNames, const Query& q, Filters f, bool collectDates)
{
    Listing out;
    out.itemTenths.assign(size_t(itemNames.size()), 0);
    const bool none = f.period && (!startsWithDigit(q.start) || !startsWithDigit(q.end));
    out.rows.reserve(none ? 0 : size_t(table.size()));
    QStringView previousDate;
    bool first = true;
    for (const RecordView& r : table.records()) {
        if (collectDates && (first || r.date != previousDate)) {
            out.dates << r.date.toString();
            if (recorddate::parse(r.date).isValid()) {
                if (out.earliest.isEmpty() || r.date < QStringView(out.earliest))
                    out.earliest = out.dates.back();
                if (out.latest.isEmpty() || r.date > QStringView(out.latest))
                    out.latest = out.dates.back();
            }
        }
        previousDate = r.date;
        first = false;
        if (none || !passes(r, q, f))
            continue;
        out.rows.push_back(&r);
        for (qsizetype j = 0; j < itemNames.size() && countsInTotals(r); ++j)
            if (r.item == itemNames[j])
                out.itemTenths[size_t(j)] += duration::tenths(r.seconds);
    }
    return out;
}

Period daysBack(const QDate& today, int days)
{
    return {recorddate::text(today.addDays(-days)), recorddate::text(today)};
}

}  // namespace range
