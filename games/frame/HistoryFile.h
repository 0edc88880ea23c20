#pragma once
// A game's own history file ("合体履歴.txt"): one row per stored play, in the
// order the plays were stored, no header.
#include "platform/GridModel.h"
#include "platform/TextFile.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <memory>
#include <vector>

struct HistoryRow {
    QString date;     // "yyyy/mm/dd"
    QString time;     // "hh:mm:ss"
    QString answers;  // correct + wrong, kept as it stands in the file
    // Wide, and range-checked when read, so that a hand-made row cannot
    // overflow a sum.
    long long ok = 0;
    long long ng = 0;
    QString sixth;     // the game's own figure (文字数, 漢字数, ...)
    QString accuracy;  // "80.0%"
    QString rate;      // "0.42/秒"
    QString seconds;   // "60秒", "35.2秒"

    // Quoted date and time, bare numbers, quoted figures; ends in CR LF.
    QString line() const;
    static HistoryRow parse(QStringView line);
    // Counts beyond this read as 0, like any other unreadable count.
    static constexpr long long MaxCount = 1LL << 53;
    // The grid row: running number, then the nine items.
    std::vector<QString> cells(int number) const;
};

namespace history {

// Which rows a listing keeps.
struct Filter {
    enum class Kind { All, TimeLimit, AnswerCount };
    Kind kind = Kind::All;
    QString limitText;   // TimeLimit: the rows of exactly this limit ("60")
    long long count = 0;  // AnswerCount: the rows with this many answers
};

// The rows of a history that the grid lists, read for them alone: the file
// is read in pieces, never whole, and only the listed rows' lines are kept,
// their cells worked out when the grid shows them. A listing holds at most
// MaxListed rows (the grid's rows are 16-bit in the files' world): the first
// ones of the file, so a longer history reads no further.
class Listing : public GridSource {
public:
    static constexpr int MaxListed = 32766;
    // Grid columns: the running number, then the nine items.
    enum Column { Number, Date, Time, Answers, Ok, Ng, Sixth, Accuracy, Rate, Seconds, Columns };

    // A missing or unreadable file lists nothing.
    static std::shared_ptr<Listing> read(const QString& path, const Filter& filter = {});

    int rows() const override { return int(lines_.size()); }
    QString cell(int row, int col) const override;

    HistoryRow row(int i) const;  // 0-based
    QByteArrayView lineBytes(int i) const;
    // A row cut short (fewer than nine items, or the last one not closed by
    // its quote): an interrupted write. Listed as written, matched by no
    // filter.
    bool damaged(int i) const { return lines_[size_t(i)].damaged; }
    // The number a chart takes from a column: the number its text starts
    // with ("0.42/秒" → 0.42, "80.0%" → 80).
    double value(int i, Column col) const;

    // A play just stored: a row at the end, whatever the filter.
    void add(const HistoryRow& row);

private:
    struct Line {
        qsizetype start;
        qsizetype length;
        bool damaged;
    };
    void keep(QByteArrayView line, bool damaged);
    QByteArray bytes_;
    std::vector<Line> lines_;
    // The last row the grid asked for, parsed: a row's cells are asked for
    // one after another.
    mutable int cachedRow_ = -1;
    mutable std::vector<QString> cachedCells_;
};

// Whether a history line (its bytes, without the line end) was cut short by
// an interrupted write.
bool isCut(QByteArrayView line);

// The rows of the file as a listing of all rows holds them.
std::vector<HistoryRow> read(const QString& path);

textfile::WriteResult append(const QString& path, const HistoryRow& row, qint64* oldSize = nullptr);
// Empties the file but keeps it.
textfile::WriteResult clear(const QString& path);

// The number a cell's text starts with ("0.42/秒" → 0.42, "60秒" → 60); 0
// when it starts with none.
double leadingNumber(QStringView text);

}  // namespace history
