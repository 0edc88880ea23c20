#pragma once
#include <QCalendarWidget>

// The month calendar: a date value and a day-click signal (clicked(QDate)).
class MonthCalendar : public QCalendarWidget {
    Q_OBJECT
public:
    explicit MonthCalendar(const QString& objectName, QWidget* parent = nullptr);
    QDate value() const { return selectedDate(); }
    void setValue(const QDate& date);
};
