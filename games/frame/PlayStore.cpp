#include "games/frame/PlayStore.h"

#include "platform/Clock.h"
#include "records/RecordFile.h"
#include "records/RecordLog.h"

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

QString Outcome::message() const
{
    if (ok)
        return {};
    return failure.message(failedFile) + QStringLiteral("\r\n\r\nこのプレイは保存していません。");
}

Outcome store(const PlayResult& play, const QDateTime& at, const QString& itemName, const QString& historyPath,
              const QString& recordPath)
{
    Outcome o;
    qint64 recordSize = 0;
    o.failure = recordfile::append(recordLine(play, at, itemName), recordPath, &recordSize);
    if (!o.failure.ok) {
        o.failedFile = recordPath;
        return o;
    }
    o.failure = history::append(historyPath, historyRow(play, at));
    if (!o.failure.ok) {
        o.failedFile = historyPath;
        const textfile::WriteResult undo = textfile::undoAppend(recordPath, recordSize);
        recordlog::forget();
        if (!undo.ok)  // the two files now disagree: say so
            o.failure.error += QStringLiteral("\r\n%1 の取り消しにも失敗しました。%2").arg(recordPath, undo.error);
        return o;
    }
    o.ok = true;
    return o;
}

}  // namespace playstore
