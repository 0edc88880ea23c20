#pragma once
// Play logs written line by line for the analysis tests.
#include "analysis/DatedPlays.h"
#include "analysis/PlayedDays.h"
#include "records/GameItems.h"
#include "records/RecordFile.h"

#include <QString>

inline QString playLine(const QString& date, const QString& item = QStringLiteral("合体"),
                        const QString& seconds = QStringLiteral("60"))
{
    return QStringLiteral("\"%1\",\"09:00:00\",\"%2\",%3,\"秒数 : %3   答数 : 3\",\r\n").arg(date, item, seconds);
}

// n plays of one game on one day.
inline QString playLines(int n, const QString& date, const QString& item = QStringLiteral("合体"),
                         const QString& seconds = QStringLiteral("60"))
{
    QString out;
    for (int i = 0; i < n; ++i)
        out += playLine(date, item, seconds);
    return out;
}

inline DatedPlays datedPlays(const QString& log) { return DatedPlays::from(*RecordTable::parse(log), items::names()); }

// The days played of a log, per game of the seven.
inline std::shared_ptr<const PlayedDays> playedDays(const QString& log)
{
    return std::make_shared<const PlayedDays>(PlayedDays::from(datedPlays(log), int(items::names().size())));
}
