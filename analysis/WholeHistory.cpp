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
    QStringView previousText;
    QDate previous;
    bool first = true;
    for (const RecordView& r : table.records()) {
        if (first || r.date != previousText) {
            previousText = r.date;
            previous = recorddate::parse(r.date);
            first = false;
        }
        if (!countsInTotals(r))
            continue;
        const std::int64_t tenths = duration::tenths(r.seconds);
        for (qsizetype j = 0; j < itemNames.size(); ++j)
            if (r.item == itemNames[j])
                h.items[size_t(j)].addTenths(tenths);
        if (previous.isValid())
            dated.push_back({previous.toJulianDay(), 0, tenths});
    }
    h.played_ = std::make_shared<PlayedDays>(PlayedDays::from(std::move(dated), 0));
    return h;
}
