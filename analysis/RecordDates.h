#pragma once
// Record dates as the log holds them, "yyyy/mm/dd", read without the cost of
// a general date parser: views over tens of thousands of records read one
// date a record.
#include <QDate>
#include <QString>
#include <QStringView>

namespace recorddate {

// The date of a "yyyy/mm/dd" text; invalid for any other text.
QDate parse(QStringView text);
QString text(const QDate& date);  // "yyyy/mm/dd"

// 0 Sunday .. 6 Saturday; -1 when the text is no date.
int weekday(QStringView text);
// "日" .. "土"; empty for anything but 0..6.
const QString& weekdayName(int weekday);

}  // namespace recorddate
