#include "analysis/NigateTally.h"

#include "records/AnswerLog.h"

#include <QHash>

#include <algorithm>

namespace {

constexpr int Dismantle = 2;
constexpr int Compound = 3;
constexpr int Games = 7;

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

void add(Count& c, const AnswerLog::Totals& t)
{
    c.tries += t.tries;
    c.misses += t.misses;
    c.lastDay = std::max(c.lastDay, t.lastDay);
}

// The components of a 解体 answer's text, one a character.
QStringList partsOf(const QString& t)
{
    QStringList parts;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const qsizetype n = t[i].isHighSurrogate() && i + 1 < t.size() ? 2 : 1;
        parts.append(t.mid(i, n));
        i += n - 1;
    }
    return parts;
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
    std::vector<QStringList> parted(texts);
    QHash<QString, Count> components;
    std::vector<WeekRate> weeks;

    const auto kanjiText = [&](size_t id) {
        TextKind& kind = kinds[id];
        if (kind == TextKind::Unknown)
            kind = isKanji(log.text(quint32(id))) ? TextKind::Kanji : TextKind::Other;
        return kind == TextKind::Kanji;
    };
    auto first = log.entries().begin();
    const auto end = log.entries().end();
    if (filter.days <= 0) {
        // The whole log from the totals it keeps: a step a text, not one an answer.
        first = end;
        const auto wanted = [&](int game) { return filter.game == 0 || filter.game == game; };
        for (size_t id = 1; id < texts; ++id) {
            for (int game = 1; game <= Games; ++game) {
                const AnswerLog::Totals& t = log.totals(quint32(id), game);
                if (t.lastDay < 0 || !wanted(game))
                    continue;
                if (game == Compound)
                    add(words[id], t);
                else if (kanjiText(id))
                    add(kanji[id], t);
            }
            const AnswerLog::Totals& c = log.componentTotals(quint32(id));
            if (c.tries > 0 && wanted(Dismantle))
                for (const QString& p : partsOf(log.text(quint32(id))))
                    add(components[p], c);
        }
        for (const AnswerLog::WeekTotals& w : log.weeks()) {
            WeekRate r{w.monday, 0, 0};
            for (int game = 1; game <= Games; ++game) {
                if (wanted(game)) {
                    r.tries += w.tries[size_t(game)];
                    r.misses += w.misses[size_t(game)];
                }
            }
            if (r.tries > 0)
                weeks.push_back(r);
        }
    } else if (log.inDayOrder()) {
        // A period of a log in day order is its end: found, not walked to.
        first = std::lower_bound(first, end, from, [](const AnswerLog::Entry& e, int day) { return e.day < day; });
    }
    for (auto at = first; at != end; ++at) {
        const AnswerLog::Entry& e = *at;
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
            if (kanjiText(e.question)) {
                Count& c = kanji[e.question];
                if (counted)
                    add(c, miss, e.day);
                else
                    c.lastDay = std::max(c.lastDay, int(e.day));
            }
        }
        if (e.game == Dismantle && e.components != 0) {
            QStringList& parts = parted[e.components];
            if (parts.isEmpty())
                parts = partsOf(log.text(e.components));
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
