#pragma once
// The aggregate tables: plays summed per calendar day or per calendar month
// of the period, in total and per game, and the cell texts of each kind of
// table (time, play counts, or both).
#include "analysis/DatedPlays.h"

#include <QDate>
#include <QString>

#include <cstdint>
#include <vector>

namespace aggregate {

enum class Kind { Time, Counts, TimeAndCounts };
enum class Unit { Day, Month };

struct Tally {
    Unit unit = Unit::Day;
    QDate first;  // the first day, or day 1 of the first month
    int rows = 0;
    int items = 0;
    // Per row, seconds in exact tenths; rounded once where shown.
    std::vector<std::int64_t> tenths, counts;
    // Per row and game, row-major.
    std::vector<std::int64_t> itemTenths, itemCounts;
};
// One row per day (or month) from the first play to the last, days without
// a play included. Plays of no listed game count in the row totals only.
Tally tally(const DatedPlays& plays, Unit unit, int itemCount);

// The date of row r (1-based) as the table shows it: "yy/mm/dd" or "YY/MM".
QString rowLabel(const Tally& tally, int row);

// The data rows of the table, row-major in itemCount + 3 columns (row
// number, day or month, 小計, one column a game); a monthly table ends with
// the total row "合計".
std::vector<QString> cells(const Tally& tally, Kind kind);

}  // namespace aggregate
