#pragma once
// A game's own history file ("合体履歴.txt"): one row per stored play, in the
// order the plays were stored, no header.
#include "platform/TextFile.h"

#include <QString>
#include <QStringView>

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

// A missing file reads as empty.
std::vector<HistoryRow> read(const QString& path);
textfile::WriteResult append(const QString& path, const HistoryRow& row, qint64* oldSize = nullptr);
// Empties the file but keeps it.
textfile::WriteResult clear(const QString& path);

// The time-limit filter: rows of exactly that limit. Count-mode rows carry
// a decimal (35.0秒) and never match.
bool matchesTimeLimit(const HistoryRow& row, const QString& limitText);
// The answer-count filter: rows with that many answers, in either mode.
bool matchesAnswerCount(const HistoryRow& row, long long count);

// The number a cell's text starts with ("0.42/秒" → 0.42, "60秒" → 60); 0
// when it starts with none.
double leadingNumber(QStringView text);

}  // namespace history
