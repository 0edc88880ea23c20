#include "games/frame/StoreRecovery.h"

#include "games/frame/HistoryFile.h"
#include "platform/RecordLine.h"
#include "platform/Sjis.h"
#include "platform/TextFile.h"
#include "records/GameItems.h"
#include "records/RecordFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>
#include <vector>

namespace storerecovery {

namespace {

// Calls f(line, start) for the non-blank lines of the file from the last to
// the first, reading it backwards in pieces; f returns false to stop.
template <typename F> void forEachLineBackwards(const QString& path, F&& f)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    constexpr qint64 Piece = 64 * 1024;
    qint64 bufferStart = file.size();
    QByteArray buffer;  // the file from bufferStart to the end of the last line not yet given
    for (;;) {
        const qint64 from = std::max<qint64>(0, bufferStart - Piece);
        if (from < bufferStart) {
            file.seek(from);
            buffer.prepend(file.read(bufferStart - from));
            bufferStart = from;
        }
        // Every line that begins after the buffer's first line end is whole.
        qsizetype end = buffer.size();
        for (;;) {
            qsizetype start = end;
            while (start > 0 && buffer[start - 1] != '\n' && buffer[start - 1] != '\r')
                --start;
            if (start == 0 && bufferStart > 0)
                break;  // the line may begin in the piece before
            const QByteArrayView line = QByteArrayView(buffer).sliced(start, end - start);
            if (!line.trimmed().isEmpty() && !f(line, bufferStart + start))
                return;
            if (start == 0)
                return;
            end = start - 1;
            if (end > 0 && buffer[end] == '\n' && buffer[end - 1] == '\r')
                --end;
        }
        buffer.truncate(end);
    }
}

// "yyyy/mm/dd" and "hh:mm:ss" as one text that sorts by time; nothing when
// either is not of that form.
std::optional<QByteArray> moment(QByteArrayView date, QByteArrayView time)
{
    auto digitsAt = [](QByteArrayView s, std::initializer_list<int> at) {
        for (const int i : at)
            if (s[i] < '0' || s[i] > '9')
                return false;
        return true;
    };
    if (date.size() != 10 || time.size() != 8 || date[4] != '/' || date[7] != '/' || time[2] != ':' ||
        time[5] != ':' || !digitsAt(date, {0, 1, 2, 3, 5, 6, 8, 9}) || !digitsAt(time, {0, 1, 3, 4, 6, 7}))
        return std::nullopt;
    return date.toByteArray() + ' ' + time.toByteArray();
}

// The moment of the log's last whole record of `item` (its code page 932
// bytes); nothing when the log has none.
std::optional<QByteArray> lastRecordOf(const QString& logPath, const QByteArray& item)
{
    std::optional<QByteArray> found;
    std::vector<QByteArrayView> items;
    forEachLineBackwards(logPath, [&](QByteArrayView line, qint64) {
        recordline::split(line, items);
        if (items.size() < 6 || items[2] != QByteArrayView(item))
            return true;
        found = moment(items[0], items[1]);
        return !found;
    });
    return found;
}

qint64 modified(const QString& path) { return QFileInfo(path).lastModified().toMSecsSinceEpoch(); }

// Gives the file's last line its line end when it has none.
bool finishLastLine(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0 || !file.seek(file.size() - 1))
        return false;
    char last = 0;
    if (!file.getChar(&last) || last == '\n')
        return false;
    file.close();
    // An append with nothing to add writes just the missing line end.
    return textfile::appendBytes(path, QByteArrayView()).ok;
}

}  // namespace

Result recover(const QString& folder)
{
    Result result;
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    const QString log = dir.filePath(recordfile::FileName);
    // Which file was written last is told by the times before this start
    // touches any of them.
    const qint64 logWritten = modified(log);
    if (finishLastLine(log))
        result.finishedFiles << recordfile::FileName;
    for (int i = 1; i <= items::Count; ++i) {
        const QString history = dir.filePath(items::historyFile(i));
        const qint64 historyWritten = modified(history);
        if (finishLastLine(history))
            result.finishedFiles << items::historyFile(i);
        if (!QFileInfo::exists(history) || !QFileInfo::exists(log) || historyWritten <= logWritten)
            continue;
        const std::optional<QByteArray> last = lastRecordOf(log, sjis::encode(items::names()[i - 1]).bytes);
        if (!last)
            continue;
        // Rows are appended in time order: the rows ahead of the log are the
        // last ones.
        qint64 cutAt = -1;
        std::vector<QByteArrayView> items;
        forEachLineBackwards(history, [&](QByteArrayView line, qint64 start) {
            recordline::split(line, items);
            const std::optional<QByteArray> row = moment(items[0], items.size() > 1 ? items[1] : QByteArrayView());
            if (!row || *row <= *last)
                return false;
            cutAt = start;
            ++result.droppedRows;
            return true;
        });
        if (cutAt >= 0)
            textfile::undoAppend(history, cutAt);
    }
    return result;
}

}  // namespace storerecovery
