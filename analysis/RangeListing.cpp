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

Listing list(const RecordTable& table, const QStringList& itemNames, const Query& q, Filters f, bool collectDates)
{
    Listing out;
    out.itemSeconds.assign(size_t(itemNames.size()), 0);
    out.rows.reserve(size_t(table.size()));
    QStringView previousDate;
    bool first = true;
    for (const RecordView& r : table.records()) {
        if (collectDates && (first || r.date != previousDate))
            out.dates << r.date.toString();
        previousDate = r.date;
        first = false;
        if (!passes(r, q, f))
            continue;
        out.rows.push_back(&r);
        for (qsizetype j = 0; j < itemNames.size(); ++j)
            if (r.item == itemNames[j])
                out.itemSeconds[size_t(j)] = duration::addRounded(out.itemSeconds[size_t(j)], r.seconds);
    }
    return out;
}

Period daysBack(const QDate& today, int days)
{
    return {recorddate::text(today.addDays(-days)), recorddate::text(today)};
}

}  // namespace range
