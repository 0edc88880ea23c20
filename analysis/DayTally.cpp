#include "analysis/DayTally.h"

#include "platform/Colors.h"
#include "platform/Duration.h"

DayTally DayTally::compute(const RecordTable& table, QStringView day, const QStringList& itemNames)
{
    DayTally t;
    t.counts.assign(size_t(itemNames.size()), 0);
    t.tenths.assign(size_t(itemNames.size()), 0);
    QString scratch;
    for (const RecordView& r : table.records()) {
        if (table.view(r, RecordTable::Field::Date, scratch) != day)
            continue;
        t.plays.push_back(&r);
        if (!countsInTotals(r))
            continue;
        if (r.seconds > t.longest)
            t.longest = r.seconds;
        const QStringView item = table.view(r, RecordTable::Field::Item, scratch);
        for (qsizetype i = 0; i < itemNames.size(); ++i) {
            if (itemNames[i] == item) {
                ++t.counts[size_t(i)];
                t.tenths[size_t(i)] += duration::tenths(r.seconds);
                break;
            }
        }
    }
    return t;
}

int DayTally::kinds() const
{
    int k = 0;
    for (std::int64_t c : counts)
        k += c > 0 ? 1 : 0;
    return k;
}

std::int64_t DayTally::seconds(size_t item) const { return duration::wholeSeconds(tenths[item]); }

std::int64_t DayTally::totalSeconds() const
{
    std::int64_t total = 0;
    for (std::int64_t t : tenths)
        total += t;
    return duration::wholeSeconds(total);
}

namespace dayface {

Face face(int kinds)
{
    if (kinds <= 0)
        return Face::None;
    if (kinds == 1)
        return Face::Sulky;
    if (kinds == 2)
        return Face::Smile;
    return Face::Laugh;
}

QColor lampColor(int lamp, int kinds)
{
    return lamp <= kinds && lamp >= 1 && lamp <= 7 ? colors::pastel(lamp) : colors::white;
}

QColor labelColor(int kinds) { return kinds >= 1 && kinds <= 7 ? colors::pastel(kinds) : colors::white; }

QString caption(int kinds)
{
    if (kinds <= 0)
        return QStringLiteral("今日の脳も健康元気");
    return QString::number(kinds) + QStringLiteral(" 種類の脳刺激");
}

}  // namespace dayface
