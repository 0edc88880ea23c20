#include "analysis/RecordDates.h"

#include <array>

namespace recorddate {

namespace {
int digits(QStringView s, qsizetype from, qsizetype count)
{
    int v = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const char16_t c = s[i].unicode();
        if (c < u'0' || c > u'9')
            return -1;
        v = v * 10 + (c - u'0');
    }
    return v;
}
}  // namespace

QDate parse(QStringView text)
{
    if (text.size() != 10 || text[4] != u'/' || text[7] != u'/')
        return {};
    const int y = digits(text, 0, 4);
    const int m = digits(text, 5, 2);
    const int d = digits(text, 8, 2);
    if (y < 0 || m < 0 || d < 0)
        return {};
    return QDate(y, m, d);  // invalid when the day does not exist
}

QString text(const QDate& date) { return date.toString(QStringLiteral("yyyy/MM/dd")); }

int weekday(QStringView text)
{
    const QDate d = parse(text);
    return d.isValid() ? d.dayOfWeek() % 7 : -1;
}

const QString& weekdayName(int weekday)
{
    static const std::array<QString, 8> names = {
        QStringLiteral("日"), QStringLiteral("月"), QStringLiteral("火"), QStringLiteral("水"),
        QStringLiteral("木"), QStringLiteral("金"), QStringLiteral("土"), QString()};
    return names[weekday >= 0 && weekday < 7 ? size_t(weekday) : 7];
}

}  // namespace recorddate
