#pragma once
// The day view fraMain: the plays of the day chosen in the calendar, the
// per-game totals, the total time, the face, the lamps and the day's chart.
#include "analysis/DayTally.h"
#include "records/RecordFile.h"
#include "review/MainState.h"

#include <QDate>

#include <array>

class Chart;
class FacePicture;
class Grid;
class Lamp;
class MonthCalendar;
class QLabel;
class QPushButton;

class DayView : public Screen {
    Q_OBJECT
public:
    DayView(MainState& state, QWidget* parent = nullptr);

    void initMainScreenGrids();
    void rebuildMainScreen();
    // Rebuilds for the calendar's day unless that day is already shown.
    void showChosenDay();
    MonthCalendar& calendar() { return *mtvmain; }

    // The day-view chart kinds.
    void cmdDay_Click();
    void cmdTotal_Click();
    void cmdJikan_Click();
    static QColor highlight();

signals:
    void dayClicked();

private:
    void highlightOnly(QPushButton* pressed);
    // lblNigate: today's most missed kanji, hidden when none was missed.
    void showTodaysMisses();
    void showKinds(int kinds);

    MainState& state_;
    MonthCalendar* mtvmain;
    Grid* msgDayList;
    Grid* msgDayTotal;
    QLabel* lblDayTotal;
    QLabel* lblMHyouka;
    QLabel* lblNigate;
    FacePicture* imgNashi;
    FacePicture* imgkana;
    FacePicture* imgniko;
    FacePicture* imgwara;
    std::array<Lamp*, 7> shpLed{};
    Chart* mcrMain;
    QPushButton* cmdDay;
    QPushButton* cmdTotal;
    QPushButton* cmdJikan;
    recordfile::DayRecords records_;  // the day shown, which tally_ points into
    DayTally tally_;
    std::int64_t dayTotalSeconds_ = 0;
    QDate shownDay_;
};
