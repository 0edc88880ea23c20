#pragma once
// The aggregate view fraSyuukei: the plays summed per day (msgKakei2) and
// per month with a total row (msgKakei1), per game, as time, play counts or
// both, chosen by three option buttons.
#include "analysis/AggregateTally.h"
#include "review/Screen.h"

#include <QStringList>

#include <array>

class Grid;
class QListWidget;
class QRadioButton;

class AggregateScreen : public Screen {
    Q_OBJECT
public:
    // Item names come from the item list, read at every table build.
    explicit AggregateScreen(const QListWidget& itemList, QWidget* parent = nullptr);

    void prepare() override;  // the time tables
    QString helpTourText() const override;

    // 0 time, 1 counts, 2 time and counts: rebuilds both tables.
    void optList2_Click(int index);

    void buildDailyCountTable();
    void buildMonthlyCountTable();
    void buildDailyTimeTable();
    void buildMonthlyTimeTable();
    void buildDailyTimeCountTable();
    void buildMonthlyTimeCountTable();

    Grid& dailyGrid() { return *msgKakei2; }
    Grid& monthlyGrid() { return *msgKakei1; }

protected:
    // Leaving the screen gives back its tables' rows: they are built again
    // on entry, and a period of millions of days would hold their room.
    void hideEvent(QHideEvent* event) override;

private:
    void loadItemNames();
    void buildTable(Grid& grid, aggregate::Unit unit, aggregate::Kind kind);

    const QListWidget& itemList_;
    QStringList ItemNames;
    // The days played, shared by both tables while a handler builds them.
    std::shared_ptr<const PlayedDays> played_;
    std::array<QRadioButton*, 3> optList2{};
    Grid* msgKakei2;
    Grid* msgKakei1;
};
