#include "analysis/PlayedDays.h"

#include "analysis/DatedPlays.h"
#include "platform/Duration.h"

#include <algorithm>

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
