#include "support/RecordGenerator.h"

#include "platform/Clock.h"
#include "records/GameItems.h"
#include "records/RecordFile.h"

#include <random>

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

}  // namespace recordgen
