#pragma once
// What the calendar view counts: plays per day laid out by month (one row a
// month, one column a day of the month) and by week (one row a Sunday-to-
// Saturday week), the days of the period by number of plays, and the plays
// and seconds of each weekday. The tables answer a day when it is shown,
// from the days played: a period from year 1 to 9999 costs its plays.
#include "analysis/PlayedDays.h"

#include <QColor>
#include <QDate>

#include <array>
#include <cstdint>
#include <memory>

namespace calendar {

// Histogram bucket of a day's play count: 0 for no play, 1 for 1-2, 2 for
// 3-4, 3 for 5-6, 4 for 7-8, 5 for 9-10 and 6 for 11 or more.
int bucket(std::int64_t plays);
// The back colour of a cell with that many plays; invalid (the grid's own
// colour) for none.
QColor countColor(std::int64_t plays);

struct MonthTable {
    std::shared_ptr<const PlayedDays> played;
    QDate firstMonth;  // day 1 of the first month
    int months = 0;
    std::int64_t periodDays = 0;  // first to last play, both included
    // Days per bucket (index as bucket()); index 0 is the days of the period
    // without a play.
    std::array<std::int64_t, 7> days{};

    QDate month(int month) const { return firstMonth.addMonths(month); }
    // Plays on that day of the month (0-based), 0 for a day it lacks.
    std::int64_t at(int month, int dayOfMonth) const;
};
MonthTable monthTable(std::shared_ptr<const PlayedDays> played);

// The Sunday the week calendar starts on: the first play's own day when that
// is a Sunday, else the Sunday before it.
QDate weekStart(const QDate& first);

struct WeekTable {
    std::shared_ptr<const PlayedDays> played;
    QDate firstSunday;
    int weeks = 0;
    // Per weekday, Sunday first; seconds in exact tenths.
    std::array<std::int64_t, 7> plays{};
    std::array<std::int64_t, 7> tenths{};

    // Plays on weekday 1 (Sunday) to 7 of week `week` (0-based).
    std::int64_t at(int week, int weekday) const;
};
WeekTable weekTable(std::shared_ptr<const PlayedDays> played);

}  // namespace calendar
