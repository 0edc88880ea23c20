#include "analysis/RangeListing.h"

#include "analysis/RecordDates.h"
#include "platform/Duration.h"

namespace range {

Filters chosen(const Query& q) { return {true, !q.item.isEmpty(), q.weekday != AllWeekdays}; }

bool passes(const RecordTable& table, const RecordView& r, const Query& q, Filters f)
{
    thread_local QString scratch, itemScratch;  // their room is kept from record to record
    if (f.period || f.weekday) {
        const QStringView date = table.view(r, RecordTable::Field::Date, scratch);
        // Dates compare as text, code unit by code unit: a typed "2008/1/5"
        // sorts after "2008/10/01", as the user typed it.
        if (f.period && (date.compare(QStringView(q.start)) < 0 || date.compare(QStringView(q.end)) > 0))
            return false;
        if (f.weekday && recorddate::weekday(date) != q.weekday)
            return false;
    }
    if (f.item && !table.view(r, RecordTable::Field::Item, itemScratch).contains(QStringView(q.item)))
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
    const RecordView* previous = nullptr;
    QString scratch;
    for (const RecordView& r : table.records()) {
        if (collectDates && (!previous || !table.sameDate(r, *previous))) {
            const QString date = table.date(r);
            out.dates << date;
            if (recorddate::parse(date).isValid()) {
                if (out.earliest.isEmpty() || date < out.earliest)
                    out.earliest = date;
                if (out.latest.isEmpty() || date > out.latest)
                    out.latest = date;
            }
        }
        previous = &r;
        if (none || !passes(table, r, q, f))
            continue;
        out.rows.push_back(&r);
        if (!countsInTotals(r))
            continue;
        const QStringView item = table.view(r, RecordTable::Field::Item, scratch);
        for (qsizetype j = 0; j < itemNames.size(); ++j)
            if (item == itemNames[j])
                out.itemTenths[size_t(j)] += duration::tenths(r.seconds);
    }
    return out;
}

Period daysBack(const QDate& today, int days)
{
    return {recorddate::text(today.addDays(-days)), recorddate::text(today)};
}

}  // namespace range
