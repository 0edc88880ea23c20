#pragma once
// データ.TXT, the log of finished plays: one record a line, in the order the
// plays were saved.
#include "platform/TextFile.h"

#include <QString>
#include <QStringView>

#include <memory>
#include <vector>

class Grid;

// One play record as read: the text items are views into the table's buffer.
struct RecordView {
    QStringView date;  // "yyyy/mm/dd"
    QStringView time;  // "hh:mm:ss"
    QStringView item;  // one of the seven item names
    float seconds = 0;
    QStringView secondsText;  // item 4 as it stands in the file
    QStringView note;
    QStringView spare;
};

// The whole file, decoded once and parsed without copying items.
class RecordTable {
public:
    static std::shared_ptr<const RecordTable> parse(QString text);
    const std::vector<RecordView>& records() const { return records_; }
    int size() const { return int(records_.size()); }
    bool empty() const { return records_.empty(); }
    // A QString over an item of this table; valid while the table lives.
    static QString raw(QStringView item) { return QString::fromRawData(item.data(), item.size()); }

private:
    QString buffer_;
    std::vector<RecordView> records_;
};

namespace recordfile {

inline const QString FileName = QStringLiteral("データ.TXT");

// The records of the file in the working directory; a missing file is empty.
std::shared_ptr<const RecordTable> read(const QString& path = FileName);

// The records of one day, and the date of the file's first record (empty
// when the file holds none). Only the lines of that day are decoded, so the
// day view costs little however long the log grows.
struct DayRecords {
    std::shared_ptr<const RecordTable> table;
    QString firstDate;
};
DayRecords readDay(const QString& date, const QString& path = FileName);

// The line a game appends: quoted date, time and item, bare seconds, quoted
// note, and a final bare comma.
QString appendedLine(const QString& date, const QString& time, const QString& item, double seconds,
                     const QString& note);

// The note a game writes: "秒数 : S   答数 : A" and the game's suffix.
QString playNote(const QString& secondsText, long long answers, const QString& suffix);

textfile::WriteResult append(const QString& line, const QString& path = FileName);
// Rewrites the file from a record grid's data rows (columns 1 to 5).
textfile::WriteResult rewriteFromGrid(const Grid& grid, const QString& path = FileName);
textfile::WriteResult truncate(const QString& path = FileName);

// Shortest text of the single-precision seconds (180.28, 60).
QString secondsText(float seconds);

}  // namespace recordfile
