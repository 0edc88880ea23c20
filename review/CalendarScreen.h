#pragma once
// The calendar view fraCale: plays per day in a month-by-day grid and a
// week-by-weekday grid, each cell coloured by its count, the days of the
// period by number of plays, and the plays and seconds of each weekday.
// Rebuilt from データ.TXT each time it is entered.
#include "analysis/PlayedDays.h"
#include "review/Screen.h"

#include <array>
#include <memory>

class Chart;
class Grid;
class QLabel;

class CalendarScreen : public Screen {
    Q_OBJECT
public:
    explicit CalendarScreen(QWidget* parent = nullptr);

    void prepare() override;  // reads the log, then both calendars
    QString helpTourText() const override;

    void fillMonthCalendar();
    void fillWeekCalendar();

    Grid& monthGrid() { return *msgCale; }
    Grid& weekGrid() { return *msgCale_w; }
    QLabel& histogramLabel(int index) { return *lblHan[size_t(index)]; }
    Chart& playsChart() { return *mcrKensu; }
    Chart& secondsChart() { return *mcrKingaku; }

signals:
    // A day cell of either calendar was double-clicked.
    void dayChosen(const QDate& day);

protected:
    // Leaving the screen gives back its tables' rows: they are built again
    // on entry, and a period of millions of days would hold their room.
    void hideEvent(QHideEvent* event) override;

private:
    void initMonthGrid();
    void initWeekGrid();
    void monthCellActivated(int row, int col);
    void weekCellActivated(int row, int col);

    std::shared_ptr<const PlayedDays> played_ = std::make_shared<PlayedDays>();
    Grid* msgCale;
    Grid* msgCale_w;
    std::array<QLabel*, 7> lblHan{};
    Chart* mcrKensu;
    Chart* mcrKingaku;
};
