#pragma once
// The whole-history view fraRenTai ("全グラフ"): every play since the first
// one, the per-item table, the daily table, and six charts over them.
#include "analysis/WholeHistory.h"
#include "platform/Chart.h"
#include "review/MainState.h"
#include "review/PeriodRows.h"

#include <QColor>

#include <array>

class Grid;
class QListWidget;
class QPushButton;

class WholeHistoryView : public Screen {
    Q_OBJECT
public:
    static inline const QColor SeriesHighlight = QColor(255, 224, 192);  // &HC0E0FF
    static inline const QColor TrendHighlight = QColor(255, 255, 192);   // &HC0FFFF

    // Item names come from the item list, read at every load.
    WholeHistoryView(const QListWidget& itemList, QWidget* parent = nullptr);

    void prepare() override { loadWholeHistory(); }
    QString helpTourText() const override;

    void initHistoryGrids();
    void loadWholeHistory();

    void cmdDay2_Click();
    void cmdTotal2_Click();
    void cmdJikan2_Click();
    void cmdHigoto_Click();
    void cmdHigoto2_Click();
    void cmdHigoto3_Click();

protected:
    // Leaving the screen gives back its tables' rows: they are built again
    // on entry, and a period of millions of days would hold their room.
    void hideEvent(QHideEvent* event) override;

private:
    void highlight(QPushButton* pressed);
    void showKind(Chart* chart, Grid* list);
    void dailyTrend(QPushButton* pressed, DayTrendPoints::Trend trend, Chart::Scale scale);

    const QListWidget& itemList_;
    // What the tables show, and the charts are drawn from.
    QStringList names_;
    std::shared_ptr<const RecordTable> table_;
    std::vector<const RecordView*> plays_;
    WholeHistory history_;
    Grid* msgDayList2;
    Grid* msgDayList3;
    Grid* msgDayTotal2;
    Chart* mcrMain2;
    Chart* mcrMain3;
    QPushButton* cmdDay2;
    QPushButton* cmdTotal2;
    QPushButton* cmdJikan2;
    QPushButton* cmdHigoto;
    QPushButton* cmdHigoto2;
    QPushButton* cmdHigoto3;
};
