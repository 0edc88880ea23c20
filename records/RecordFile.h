#pragma once
// データ.TXT, the log of finished plays: one record a line, in the order the
// plays were saved.
#include "platform/TextFile.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <memory>
#include <vector>

// One play record as parsed, in 24 bytes: where its line lies in the
// table's bytes, and the numbers every tally reads. Its texts stay bytes
// until they are shown (RecordTable::text, RecordTable::view).
struct RecordView {
    qint64 start = 0;    // the line's first byte in the table's bytes
    quint32 length = 0;  // the line's bytes, without its line end
    // yyyymmdd when the date item is written "yyyy/mm/dd" in ASCII digits
    // (the text is these digits again); 0 for any other text.
    quint32 date = 0;
    float seconds = 0;
    qint8 hour = -1;  // the number the time item starts with, -1 for none
    quint8 item = 0;  // 1-based game of items::names() when the item is one exactly, else 0
    // False when the seconds are no number a play can take (negative, above
    // ten million, not finite): such a record is damaged, listed as written
    // and counted in no total; `seconds` is 0.
    bool counted : 1 = true;
    // The line ends before its sixth item, as every write of the program
    // gives it: a write cut short (a kill, a crash). Listed as written,
    // counted in no total.
    bool cut : 1 = false;
    // The line holds bytes that are not code page 932, or seconds no play
    // can take: a rewrite keeps it as read.
    bool damaged : 1 = false;
    bool crlf : 1 = false;  // the line ends in CR LF in the file
};

// Whether a record counts in the totals of the review screens.
inline bool countsInTotals(const RecordView& r) { return r.counted && !r.cut; }

// The whole file, kept as its bytes with a compact record for each line.
class RecordTable {
public:
    enum class Field { Date, Time, Item, Seconds, Note, Spare };

    // A table of `text`, as the file holding it in code page 932 would give
    // (a character the code page lacks reads as a damaged byte).
    static std::shared_ptr<const RecordTable> parse(QStringView text);
    // Parses the file's bytes and keeps them, so that a rewrite can take each
    // line as it stands. A leading UTF-8 byte order mark is not part of the
    // first record.
    static std::shared_ptr<RecordTable> parseBytes(QByteArray bytes);
    // The same for lines taken out of a file: bytes that look like a byte
    // order mark at their start are part of the first line.
    static std::shared_ptr<RecordTable> parseLines(QByteArray bytes);

    // Adds the records of `tail`, bytes appended to the file after those
    // parsed, as a parse of the whole file would give them. Only a table
    // whose bytes end in LF grows so; for any other this returns false and
    // the whole file must be parsed again. Changes the table: only its sole
    // owner may call it.
    bool appendLines(QByteArrayView tail);

    const std::vector<RecordView>& records() const { return records_; }
    int size() const { return int(records_.size()); }
    bool empty() const { return records_.empty(); }

    // An item of a record as the file holds it, decoded.
    QString text(const RecordView& r, Field f) const;
    QString date(const RecordView& r) const { return text(r, Field::Date); }
    QString time(const RecordView& r) const { return text(r, Field::Time); }
    QString item(const RecordView& r) const { return text(r, Field::Item); }
    QString note(const RecordView& r) const { return text(r, Field::Note); }
    // The same as a view, for comparing without a copy: into `scratch`, or
    // into the item names; valid until `scratch` changes.
    QStringView view(const RecordView& r, Field f, QString& scratch) const;
    // Whether two records of this table carry the same date text.
    bool sameDate(const RecordView& a, const RecordView& b) const;

    qsizetype byteSize() const { return bytes_.size(); }
    // The file's bytes as parsed.
    const QByteArray& bytes() const { return bytes_; }
    // The bytes before the first line: a byte order mark, or nothing.
    QByteArrayView prefix() const { return QByteArrayView(bytes_).first(prefix_); }
    // Record i's line as the file holds it, without its line end.
    QByteArrayView lineBytes(int i) const;
    QByteArrayView lineBytes(const RecordView& r) const { return QByteArrayView(bytes_).sliced(r.start, r.length); }
    bool damaged(int i) const { return records_[size_t(i)].damaged; }
    bool endsInCrLf(int i) const { return records_[size_t(i)].crlf; }

private:
    static std::shared_ptr<RecordTable> parse(QByteArray bytes, qsizetype prefix);
    // Parses the lines of bytes_ from `from` on.
    void addLines(qsizetype from);

    QByteArray bytes_;
    qsizetype prefix_ = 0;
    std::vector<RecordView> records_;
};

namespace recordfile {

inline const QString FileName = QStringLiteral("データ.TXT");

// The records of the file as it is now, parsed anew; a missing file is
// empty. Screens take the shared copy instead (recordlog::current).
std::shared_ptr<const RecordTable> read(const QString& path = FileName);

// The records of one day, and the date of the file's first record (empty
// when the file holds none). Only the lines of that day are parsed, so the
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
// The seconds as a record of `table` lists them: their shortest text, or as
// written when no play can take them.
QString shownSeconds(const RecordTable& table, const RecordView& r);

}  // namespace recordfile
