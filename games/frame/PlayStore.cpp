#include "games/frame/PlayStore.h"

#include "platform/Clock.h"
#include "records/RecordFile.h"

namespace playstore {

HistoryRow historyRow(const PlayResult& play, const QDateTime& at)
{
    HistoryRow r;
    r.date = dateText(at.date());
    r.time = timeText(at.time());
    r.answers = QString::number(play.answers());
    r.ok = play.okCount;
    r.ng = play.ngCount;
    r.sixth = play.sixthValue;
    r.accuracy = play.accuracyText;
    r.rate = play.rateText;
    r.seconds = play.secondsText + QStringLiteral("秒");
    return r;
}

QString recordLine(const PlayResult& play, const QDateTime& at, const QString& itemName)
{
    return recordfile::appendedLine(dateText(at.date()), timeText(at.time()), itemName, play.seconds,
                                    recordfile::playNote(play.secondsText, play.answers(), play.noteSuffix));
}

Outcome store(const PlayResult& play, const QDateTime& at, const QString& itemName, const QString& historyPath,
              const QString& recordPath)
{
    Outcome o;
    o.history = history::append(historyPath, historyRow(play, at));
    o.record = recordfile::append(recordLine(play, at, itemName), recordPath);
    return o;
}

}  // namespace playstore
