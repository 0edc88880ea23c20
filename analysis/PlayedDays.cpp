#include "analysis/PlayedDays.h"

#include "analysis/DatedPlays.h"
#include "platform/Duration.h"
#include "records/RecordLog.h"

#include <algorithm>
#include <mutex>

PlayedDays PlayedDays::from(std::vector<Play> plays, int itemCount)
{
    PlayedDays out;
    out.items_ = std::max(0, itemCount);
    // The log is in date order but for a clock set back: a stable sort keeps
    // the plays of a day together whatever order they were written in.
    if (!std::is_sorted(plays.begin(), plays.end(), [](const Play& a, const Play& b) { return a.day < b.day; }))
        std::stable_sort(plays.begin(), plays.end(), [](const Play& a, const Play& b) { return a.day < b.day; });
    const size_t items = size_t(out.items_);
    size_t days = 0;
    for (size_t i = 0; i < plays.size(); ++i)
        days += i == 0 || plays[i].day != plays[i - 1].day;
    out.days_.reserve(days);
    out.totals_.reserve(days);
    out.itemSums_.reserve(days * items);
    for (const Play& p : plays) {
        if (out.days_.empty() || out.days_.back() != p.day) {
            out.days_.push_back(p.day);
            out.totals_.emplace_back();
            out.itemSums_.resize(out.itemSums_.size() + items);
        }
        out.totals_.back().addTenths(p.tenths);
        if (p.item >= 1 && p.item <= out.items_) {
            ItemSum& s = out.itemSums_[(out.days_.size() - 1) * items + size_t(p.item - 1)];
            ++s.count;
            s.tenths += p.tenths;
        }
    }
    return out;
}

PlayedDays PlayedDays::from(const DatedPlays& plays, int itemCount)
{
    std::vector<Play> reduced;
    reduced.reserve(plays.plays().size());
    for (const DatedPlay& p : plays.plays())
        reduced.push_back({p.day, p.item, duration::tenths(p.seconds)});
    return from(std::move(reduced), itemCount);
}

PlayedDays::Span PlayedDays::span(std::int64_t fromDay, std::int64_t toDay) const
{
    if (toDay <= fromDay)
        return {};
    const auto b = std::lower_bound(days_.begin(), days_.end(), fromDay);
    const auto e = std::lower_bound(b, days_.end(), toDay);
    return {size_t(b - days_.begin()), size_t(e - days_.begin())};
}

std::optional<size_t> PlayedDays::find(std::int64_t day) const
{
    const auto at = std::lower_bound(days_.begin(), days_.end(), day);
    if (at == days_.end() || *at != day)
        return std::nullopt;
    return size_t(at - days_.begin());
}

PlayTotals PlayedDays::on(std::int64_t day) const
{
    const std::optional<size_t> i = find(day);
    return i ? totals_[*i] : PlayTotals();
}

namespace playeddays {
namespace {

struct Kept {
    std::mutex mutex;
    // The table the days were worked out from, and its size then: the log's
    // worker grows a table no one else holds in place, so the same table
    // with more records is a newer log. Not kept alive for this.
    std::weak_ptr<const RecordTable> table;
    int records = 0;
    QStringList names;
    std::shared_ptr<const PlayedDays> days;
};

Kept& kept()
{
    static Kept k;
    return k;
}

std::shared_ptr<const PlayedDays> of(const std::shared_ptr<const RecordTable>& table, const QStringList& itemNames)
{
    Kept& k = kept();
    {
        const std::lock_guard lock(k.mutex);
        const bool sameTable = !k.table.expired() && !k.table.owner_before(table) && !table.owner_before(k.table);
        if (k.days && sameTable && k.records == table->size() && k.names == itemNames)
            return k.days;
    }
    auto days = std::make_shared<const PlayedDays>(
        PlayedDays::from(DatedPlays::from(*table, itemNames), int(itemNames.size())));
    const std::lock_guard lock(k.mutex);
    k.table = table;
    k.records = table->size();
    k.names = itemNames;
    k.days = days;
    return days;
}

}  // namespace

std::shared_ptr<const PlayedDays> current(const QStringList& itemNames)
{
    return of(recordlog::current(), itemNames);
}

void prepareInBackground(const QStringList& itemNames)
{
    recordlog::whenParsed(
        [itemNames](const std::shared_ptr<const RecordTable>& table) { of(table, itemNames); });
}

}  // namespace playeddays
