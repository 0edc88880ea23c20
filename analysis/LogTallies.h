#pragma once
// Tallies over the whole play log that screens open with, worked out once a
// log and kept while the log and the item names stay as they are: on the
// log's worker right after its parse (prepareInBackground), so that the
// first visit to a screen finds its tallies ready, or else on the first ask.
#include "analysis/PlayedDays.h"
#include "analysis/RangeListing.h"
#include "analysis/WholeHistory.h"

#include <QStringList>

#include <functional>
#include <memory>
#include <mutex>

class RecordTable;

namespace logtallies {

// The days played, games matched against `itemNames` (the calendar and the
// aggregate tables).
std::shared_ptr<const PlayedDays> playedDays(const QStringList& itemNames);
// Every play summed per item and per day (the whole history), of `table`.
std::shared_ptr<const WholeHistory> wholeHistory(const std::shared_ptr<const RecordTable>& table,
                                                 const QStringList& itemNames);
// Every record of `table` listed, with every play date (the range view on
// entry: range::list without a filter).
std::shared_ptr<const range::Listing> fullListing(const std::shared_ptr<const RecordTable>& table,
                                                  const QStringList& itemNames);

void prepareInBackground(const QStringList& itemNames);

// One tally kept for the table and the names it was worked out from. The
// log's worker grows a table no one else holds in place, so the same table
// with more records is a newer log; the table is not kept alive for this.
template <typename T> class Kept {
public:
    using Make = std::function<T(const RecordTable&, const QStringList&)>;
    explicit Kept(Make make) : make_(std::move(make)) {}

    std::shared_ptr<const T> of(const std::shared_ptr<const RecordTable>& table, const QStringList& names)
    {
        {
            const std::lock_guard lock(mutex_);
            const bool sameTable = !table_.expired() && !table_.owner_before(table) && !table.owner_before(table_);
            if (value_ && sameTable && records_ == table->size() && names_ == names)
                return value_;
        }
        auto value = std::make_shared<const T>(make_(*table, names));
        const std::lock_guard lock(mutex_);
        table_ = table;
        records_ = table->size();
        names_ = names;
        value_ = value;
        return value;
    }

private:
    Make make_;
    std::mutex mutex_;
    std::weak_ptr<const RecordTable> table_;
    int records_ = 0;
    QStringList names_;
    std::shared_ptr<const T> value_;
};

}  // namespace logtallies
