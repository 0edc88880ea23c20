#pragma once
// データ.TXT, the log of finished plays: one record a line, in the order the
// plays were saved.
#include "platform/TextFile.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <memory>
#include <vector>

// One play record as read: the text items are views into the table's buffer.
struct RecordView {
    QStringView date;  // "yyyy/mm/dd"
    QStringView time;  // "hh:mm:ss"
    QStringView item;  // one of the seven item names
    float seconds = 0;
    QStringView secondsText;  // item 4 as it stands in the file
    QStringView note;
    QStringView spare;
    // False when the seconds are no number a play can take (negative, above
    // ten million, not finite): such a record is damaged, listed as written
    // and counted in no total; `seconds` is 0.
    bool counted = true;
    // The line ends before its sixth item, as every write of the program
    // gives it: a write cut short (a kill, a crash). Listed as written,
    // counted in no total.
    bool cut = false;
};

// Whether a record counts in the totals of the review screens.
inline bool countsInTotals(const RecordView& r) { return r.counted && !r.cut; }

// The whole file, decoded once and parsed without copying items.
class RecordTable {
public:
    static std::shared_ptr<const RecordTable> parse(QString text);
    // Parses the file's bytes and keeps them, so that a rewrite can take each
    // line as it stands. A leading UTF-8 byte order mark is not part of the
    // first record.
    static std::shared_ptr<RecordTable> parseBytes(QByteArray bytes);

    // Adds the records of `tail`, bytes appended to the file after those
    // parsed, as a parse of the whole file would give them. Only a table
    // parsed from bytes that end in LF grows so; for any other this returns
    // false and the whole file must be parsed again. Changes the table: only
    // its sole owner may call it.
    bool appendLines(QByteArrayView tail);

    const std::vector<RecordView>& records() const { return records_; }
    int size() const { return int(records_.size()); }
    bool empty() const { return records_.empty(); }
    // A QString over an item of this table; valid while the table lives.
    static QString raw(QStringView item) { return QString::fromRawData(item.data(), item.size()); }

    // Whether the table was parsed from bytes (parseBytes).
    bool hasBytes() const { return fromBytes_; }
    qsizetype byteSize() const { return bytes_.size(); }
    // The file's bytes as parsed (for a table parsed from bytes).
    const QByteArray& bytes() const { return bytes_; }
    // The bytes before the first line: a byte order mark, or nothing.
    QByteArrayView prefix() const { return QByteArrayView(bytes_).first(prefix_); }
    // Record i's line as the file holds it, without its line end.
    QByteArrayView lineBytes(int i) const;
    // Whether record i's line holds bytes that are not code page 932 (they
    // read as U+FFFD) or seconds no play can take; a rewrite keeps it as read.
    bool damaged(int i) const { return fromBytes_ && lines_[size_t(i)].damaged; }
    // Whether record i's line ends in CR LF in the file (not LF, CR or the
    // end of the file).
    bool endsInCrLf(int i) const { return fromBytes_ && lines_[size_t(i)].crlf; }

private:
    struct Line {
        qsizetype start;
        qsizetype length;
        bool damaged;
        bool crlf;
    };
    // Parses the lines of bytes_ from `from` on, which decode to `text`.
    void addLines(qsizetype from, const QString& text, bool clean);

    QByteArray bytes_;
    qsizetype prefix_ = 0;
    QString buffer_;
    // The text of lines appended after the parse: each append's own buffer,
    // so that the records before keep pointing into theirs.
    std::vector<QString> appended_;
    std::vector<RecordView> records_;
    std::vector<Line> lines_;
    bool fromBytes_ = false;
};

namespace recordfile {

inline const QString FileName = QStringLiteral("データ.TXT");

// The records of the file as it is now, parsed anew; a missing file is
// empty. Screens take the shared copy instead (recordlog::current).
std::shared_ptr<const RecordTable> read(const QString& path = FileName);

// The records of one day, and the date of the file's first record (empty
// when the file holds none). Only the lines of that day are decoded, so the
// day view costs little however long the log grows; the records are exactly
// those the full reader gives for that day.
struct DayRecords {
    std::shared_ptr<const RecordTable> table;
    QString firstDate;
};
DayRecords readDay(const QString& date, const QString& path = FileName);
// The same from the file's bytes, read before (recordlog::bytes).
DayRecords dayRecords(QByteArrayView file, const QString& date);

// The line a game appends: quoted date, time and item, bare seconds, quoted
// note, and a final bare comma.
QString appendedLine(const QString& date, const QString& time, const QString& item, double seconds,
                     const QString& note);

// The note a game writes: "秒数 : S   答数 : A" and the game's suffix.
QString playNote(const QString& secondsText, long long answers, const QString& suffix);

// `oldSize`, when given, receives the file's length before the append, to
// take it back (textfile::undoAppend, then recordlog::forget()).
textfile::WriteResult append(const QString& line, const QString& path = FileName, qint64* oldSize = nullptr);

textfile::WriteResult truncate(const QString& path = FileName);

// Shortest text of the single-precision seconds (180.28, 60).
QString secondsText(float seconds);
// The seconds as a record lists them: their shortest text, or as written
// when no play can take them.
QString shownSeconds(const RecordView& r);

}  // namespace recordfile
