#include "support/RecordGenerator.h"

#include "platform/Clock.h"
#include "records/GameItems.h"
#include "records/RecordFile.h"

#include <algorithm>
#include <random>
#include <vector>

namespace recordgen {

QString text(int count, int playsPerDay)
{
    std::mt19937 rng(12345);
    QString out;
    out.reserve(count * 70);
    QDate day(2006, 1, 1);
    for (int i = 0; i < count; ++i) {
        if (i > 0 && i % playsPerDay == 0)
            day = day.addDays(1);
        const QTime time(8 + (i % playsPerDay) * 3, int(rng() % 60), int(rng() % 60));
        const QString item = items::names()[int(rng() % 7)];
        const bool timeMode = rng() % 2 == 0;
        const double seconds = timeMode ? double(10 * (1 + rng() % 18)) : (rng() % 18000) / 100.0;
        const QString secondsText = recordfile::secondsText(float(seconds));
        const QString note = recordfile::playNote(secondsText, int(rng() % 40), QString());
        out += recordfile::appendedLine(dateText(day), timeText(time), item, seconds, note);
    }
    return out;
}

QString spread(int count, int days)
{
    std::mt19937 rng(54321);
    // A weight a day: about one day in four without play, the rest from one
    // to twenty shares, so that the day counts vary widely.
    std::vector<double> until(size_t(std::max(1, days)));
    double total = 0;
    for (double& u : until) {
        total += rng() % 4 == 0 ? 0.0 : double(1 + rng() % 20);
        u = total;
    }
    QString out;
    out.reserve(count * 70);
    const QDate start(2006, 1, 1);
    size_t day = 0;
    int ofDay = 0;
    for (int i = 0; i < count; ++i) {
        const double at = (i + 0.5) * total / count;
        const size_t before = day;
        while (day + 1 < until.size() && until[day] <= at)
            ++day;
        ofDay = day == before && i > 0 ? ofDay + 1 : 0;
        const int minute = std::min(16 * 60 - 1, ofDay * 7);
        const QTime time(8 + minute / 60, minute % 60, int(rng() % 60));
        const QString item = items::names()[int(rng() % 7)];
        const double seconds = rng() % 2 == 0 ? double(10 * (1 + rng() % 18)) : (rng() % 18000) / 100.0;
        const QString secondsText = recordfile::secondsText(float(seconds));
        const QString note = recordfile::playNote(secondsText, int(rng() % 40), QString());
        out += recordfile::appendedLine(dateText(start.addDays(qint64(day))), timeText(time), item, seconds, note);
    }
    return out;
}

QString itemsOf(const RecordTable& t, const RecordView& r)
{
    using F = RecordTable::Field;
    QStringList out;
    for (F f : {F::Date, F::Time, F::Item, F::Seconds, F::Note, F::Spare})
        out << t.text(r, f);
    return out.join(u'\x1F');
}

}  // namespace recordgen
