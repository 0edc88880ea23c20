#include "analysis/WholeHistory.h"

#include "analysis/RecordDates.h"
#include "platform/Duration.h"

WholeHistory WholeHistory::compute(const RecordTable& table, const QStringList& itemNames)
{
    WholeHistory h;
    h.items.resize(size_t(itemNames.size()));
    std::vector<PlayedDays::Play> dated;
    dated.reserve(size_t(table.size()));
    // The log is in date order but for a rare clock change, so most records
    // repeat the date before them: that date is read once.
    const RecordView* previousRecord = nullptr;
    QDate previous;
    QString scratch, itemScratch;
    for (const RecordView& r : table.records()) {
        if (!previousRecord || !table.sameDate(r, *previousRecord)) {
            previousRecord = &r;
            previous = recorddate::parse(table.view(r, RecordTable::Field::Date, scratch));
        }
        if (!countsInTotals(r))
            continue;
        const std::int64_t tenths = duration::tenths(r.seconds);
        const QStringView item = table.view(r, RecordTable::Field::Item, itemScratch);
        for (qsizetype j = 0; j < itemNames.size(); ++j)
            if (item == itemNames[j])
                h.items[size_t(j)].addTenths(tenths);
        if (previous.isValid())
            dated.push_back({previous.toJulianDay(), 0, tenths});
    }
    h.played_ = std::make_shared<PlayedDays>(PlayedDays::from(std::move(dated), 0));
    return h;
}
