#pragma once
// The records that pass the range view's filters: an item text (a
// substring of the item name), one weekday, and a period between two date
// texts; with the seconds of every item over the records listed.
#include "records/RecordFile.h"

#include <QDate>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace range {

inline constexpr int AllWeekdays = 99;

struct Query {
    QString item;               // empty: every item
    int weekday = AllWeekdays;  // 0 Sunday .. 6 Saturday, or AllWeekdays
    QString start, end;         // the period, both ends included, compared as text
};

// Which filters a listing applies.
struct Filters {
    bool period = false;
    bool item = false;
    bool weekday = false;
};
// The period always, the item when its text is not empty, the weekday when
// one is chosen. A period end that is not a date (its text does not start
// with a digit) lists nothing; one typed otherwise compares as text.
Filters chosen(const Query& q);

bool passes(const RecordTable& table, const RecordView& r, const Query& q, Filters f);

struct Listing {
    std::vector<const RecordView*> rows;  // in file order
    // Per item of the list, by exact name: exact tenths of the plays counted.
    std::vector<std::int64_t> itemTenths;
    // With collectDates: every date that starts a run of equal dates in the
    // file, in file order, and the earliest and the latest date there is.
    QStringList dates;
    QString earliest, latest;

    // Whole seconds of item j, rounded once, halves to even.
    std::int64_t itemSeconds(size_t j) const;
};
Listing list(const RecordTable& table, const QStringList& itemNames, const Query& q, Filters f,
             bool collectDates = false);

// The two period dates of a period button, counted back from today.
struct Period {
    QString start, end;
};
Period daysBack(const QDate& today, int days);

}  // namespace range
