#include "analysis/NigateTally.h"

#include "records/AnswerLog.h"

#include <QHash>

#include <algorithm>
#include <ranges>

namespace {

constexpr int Dismantle = 2;
constexpr int Compound = 3;

struct Count {
    int misses = 0;
    int tries = 0;
    int lastDay = -1;
};

void add(Count& c, bool miss, int day)
{
    ++c.tries;
    c.misses += miss;
    c.lastDay = std::max(c.lastDay, day);
}

// Monday of the week of `day` (1970/01/01 was a Thursday).
int mondayOf(int day) { return day - (day + 3) % 7; }

enum class TextKind : signed char { Unknown, Kanji, Other };

}  // namespace

bool isKanji(QStringView text)
{
    if (text.isEmpty() || text.size() > 2)
        return false;
    const char32_t c = text.size() == 2 ? QChar::surrogateToUcs4(text[0], text[1]) : text[0].unicode();
    if (text.size() == 2 && !text[0].isHighSurrogate())
        return false;
    return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0x20000 && c <= 0x3FFFF);
}

NigateTally tallyNigate(const AnswerLog& log, int today, const NigateFilter& filter)
{
    const int from = filter.days > 0 ? today - filter.days + 1 : std::numeric_limits<int>::min();
    const size_t texts = size_t(log.textCount());
    std::vector<Count> kanji(texts), words(texts);
    std::vector<TextKind> kinds(texts, TextKind::Unknown);
    std::vector<QStringList> partsOf(texts);
    QHash<QString, Count> components;
    std::vector<WeekRate> weeks;

    auto first = log.entries().begin();
    const auto end = log.entries().end();
    // A period of a log in day order is its end: found, not walked to.
    if (filter.days > 0 && log.inDayOrder())
        first = std::lower_bound(first, end, from, [](const AnswerLog::Entry& e, int day) { return e.day < day; });
    for (const AnswerLog::Entry& e : std::ranges::subrange(first, end)) {
        if (e.day < from || (filter.game != 0 && e.game != filter.game))
            continue;
        const Verdict v = e.verdict();
        const bool counted = v != Verdict::TimedOut;
        const bool miss = v == Verdict::Wrong || v == Verdict::GivenUp;
        if (e.game == Compound) {
            Count& c = words[e.question];
            if (counted)
                add(c, miss, e.day);
            else
                c.lastDay = std::max(c.lastDay, int(e.day));
        } else {
            TextKind& kind = kinds[e.question];
            if (kind == TextKind::Unknown)
                kind = isKanji(log.text(e.question)) ? TextKind::Kanji : TextKind::Other;
            if (kind == TextKind::Kanji) {
                Count& c = kanji[e.question];
                if (counted)
                    add(c, miss, e.day);
                else
                    c.lastDay = std::max(c.lastDay, int(e.day));
            }
        }
        if (e.game == Dismantle && e.components != 0) {
            QStringList& parts = partsOf[e.components];
            if (parts.isEmpty()) {
                const QString& t = log.text(e.components);
                for (qsizetype i = 0; i < t.size(); ++i) {
                    const qsizetype n = t[i].isHighSurrogate() && i + 1 < t.size() ? 2 : 1;
                    parts.append(t.mid(i, n));
                    i += n - 1;
                }
            }
            for (const QString& p : parts)
                add(components[p], v == Verdict::GivenUp, e.day);
        }
        if (counted) {
            const int monday = mondayOf(e.day);
            auto w = std::lower_bound(weeks.begin(), weeks.end(), monday,
                                      [](const WeekRate& r, int m) { return r.monday < m; });
            if (w == weeks.end() || w->monday != monday)
                w = weeks.insert(w, WeekRate{monday, 0, 0});
            ++w->tries;
            w->misses += miss;
        }
    }

    NigateTally tally;
    tally.weeks = std::move(weeks);
    auto take = [&](NigateRow::Kind kind, const QString& text, const Count& c) {
        if (c.misses > 0)
            tally.rows.push_back(NigateRow{kind, text, c.misses, c.tries, c.lastDay});
    };
    for (size_t id = 1; id < texts; ++id) {
        take(NigateRow::Kind::Kanji, log.text(quint32(id)), kanji[id]);
        take(NigateRow::Kind::Compound, log.text(quint32(id)), words[id]);
    }
    for (auto it = components.cbegin(); it != components.cend(); ++it)
        take(NigateRow::Kind::Component, it.key(), it.value());
    std::sort(tally.rows.begin(), tally.rows.end(), [](const NigateRow& a, const NigateRow& b) {
        if (a.misses != b.misses)
            return a.misses > b.misses;
        // a / b against c / d without rounding
        const qint64 l = qint64(a.misses) * b.tries, r = qint64(b.misses) * a.tries;
        if (l != r)
            return l > r;
        if (a.lastDay != b.lastDay)
            return a.lastDay > b.lastDay;
        if (a.kind != b.kind)
            return a.kind < b.kind;
        return a.text < b.text;
    });
    return tally;
}

QStringList mostMissedKanji(const AnswerLog& log, int day, int count)
{
    struct Missed {
        quint32 id;
        int misses;
    };
    std::vector<Missed> missed;  // in the order first missed
    const auto& entries = log.entries();
    // The log is in time order: the day's answers are at its end.
    auto first = entries.end();
    while (first != entries.begin() && std::prev(first)->day >= day)
        --first;
    for (auto e = first; e != entries.end(); ++e) {
        if (e->day != day || e->game == Compound ||
            (e->verdict() != Verdict::Wrong && e->verdict() != Verdict::GivenUp))
            continue;
        if (!isKanji(log.text(e->question)))
            continue;
        auto m = std::find_if(missed.begin(), missed.end(), [&](const Missed& x) { return x.id == e->question; });
        if (m == missed.end())
            missed.push_back({e->question, 1});
        else
            ++m->misses;
    }
    std::stable_sort(missed.begin(), missed.end(),
                     [](const Missed& a, const Missed& b) { return a.misses > b.misses; });
    QStringList out;
    for (size_t i = 0; i < missed.size() && int(i) < count; ++i)
        out.append(log.text(missed[i].id));
    return out;
}
