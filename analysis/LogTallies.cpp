#include "analysis/LogTallies.h"

#include "analysis/DatedPlays.h"
#include "records/RecordLog.h"

namespace logtallies {
namespace {

// Never destroyed: the log's worker may still be working them out while the
// program exits.
Kept<PlayedDays>& days()
{
    static auto* k = new Kept<PlayedDays>([](const RecordTable& t, const QStringList& names) {
        return PlayedDays::from(DatedPlays::from(t, names), int(names.size()));
    });
    return *k;
}

Kept<WholeHistory>& history()
{
    static auto* k = new Kept<WholeHistory>(&WholeHistory::compute);
    return *k;
}

Kept<range::Listing>& listing()
{
    static auto* k = new Kept<range::Listing>([](const RecordTable& t, const QStringList& names) {
        return range::list(t, names, {}, {}, true);
    });
    return *k;
}

}  // namespace

std::shared_ptr<const PlayedDays> playedDays(const QStringList& itemNames)
{
    return days().of(recordlog::current(), itemNames);
}

std::shared_ptr<const WholeHistory> wholeHistory(const std::shared_ptr<const RecordTable>& table,
                                                 const QStringList& itemNames)
{
    return history().of(table, itemNames);
}

std::shared_ptr<const range::Listing> fullListing(const std::shared_ptr<const RecordTable>& table,
                                                  const QStringList& itemNames)
{
    return listing().of(table, itemNames);
}

void prepareInBackground(const QStringList& itemNames)
{
    recordlog::whenParsed([itemNames](const std::shared_ptr<const RecordTable>& table) {
        days().of(table, itemNames);
        history().of(table, itemNames);
        listing().of(table, itemNames);
    });
}

}  // namespace logtallies
