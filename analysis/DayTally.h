#pragma once
// What the day view shows for one day: its plays in file order, the plays
// and seconds per game, and the colours and face for the number of kinds
// played.
#include "records/RecordFile.h"

#include <QColor>
#include <QStringList>

#include <cstdint>
#include <vector>

class DayTally {
public:
    static DayTally compute(const RecordTable& table, QStringView day, const QStringList& itemNames);

    std::vector<const RecordView*> plays;  // in file order
    float longest = 0;
    std::vector<std::int64_t> counts;  // per item, list order
    std::vector<std::int64_t> tenths;  // per item, exact

    // Kinds of game played: items with at least one play.
    int kinds() const;
    // Whole seconds of one item and of the day, each rounded once.
    std::int64_t seconds(size_t item) const;
    std::int64_t totalSeconds() const;
};

namespace dayface {

enum class Face { None, Sulky, Smile, Laugh };
Face face(int kinds);
// Lamp 1..7: coloured when lamp <= kinds, white otherwise.
QColor lampColor(int lamp, int kinds);
QColor labelColor(int kinds);
QString caption(int kinds);

}  // namespace dayface
