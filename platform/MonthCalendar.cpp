#include "platform/MonthCalendar.h"

MonthCalendar::MonthCalendar(const QString& objectName, QWidget* parent) : QCalendarWidget(parent)
{
    setObjectName(objectName);
    setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setGridVisible(true);
}

void MonthCalendar::setValue(const QDate& date)
{
    setSelectedDate(date);
    setCurrentPage(date.year(), date.month());
}
