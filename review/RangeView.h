#pragma once
// The range view fraTaijyu ("範囲指定"): the play records that pass an item
// filter, a weekday filter and a period filter, the whole seconds of every
// item over them, and the three range charts. Every press lists afresh from
// the record file.
#include "analysis/RangeListing.h"
#include "review/Screen.h"

#include <QColor>

#include <array>

class Chart;
class Grid;
class QComboBox;
class QStringListModel;
class QLineEdit;
class QListWidget;
class QPushButton;

class RangeView : public Screen {
    Q_OBJECT
public:
    static inline const QColor FilterHighlight = QColor(255, 255, 192);  // &HC0FFFF
    static inline const QColor ChartHighlight = QColor(192, 255, 255);   // &HFFFFC0

    explicit RangeView(QWidget* parent = nullptr);

    // The item list is filled once at start-up; other views copy its names.
    QListWidget& itemList() { return *lstAct2; }
    void fillItemList();

    // Entering the view: everything listed, every "全部" chosen.
    void prepare() override;
    QString helpTourText() const override;

    void initRangeGrids();
    void clearPeriodButtons();
    void listAllRangeRecords();
    void listRecordsInPeriod();
    void listRecordsInPeriodByItem();
    void listRecordsInPeriodByWeekday();
    void listRecordsInPeriodByItemAndWeekday();
    void applyRangeFilter();

    void lstAct2_Click();
    void cmdAllact_Click();
    void txtKey_KeyPress();  // Enter
    void cmdKensaku_Click();
    void cmdWeek_Click(int weekday);
    void cmdAllWeek_Click();
    // A period button: its two dates counted back from today ("任意" keeps
    // the combo texts, "全部" runs from the earliest to the latest date).
    void cmdKikan_Click(QPushButton* button);
    void cmdDay3_Click();
    void cmdTotal3_Click();
    void cmdJikan3_Click();
    // 書き出し…: the plays the list shows.
    void cmdExport_Click();

    int weekdayFilter() const { return weekdayFilter_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void listRecords(range::Filters filters, bool collectDates);
    // Lists without repainting in between, so the screen paints once.
    template <typename F> void relist(F&& listing);
    void highlightChart(QPushButton* pressed);
    QPushButton* button(const char* name, const QString& caption);

    int weekdayFilter_ = range::AllWeekdays;
    QStringListModel* playDates_;  // what the two date lists hold
    range::Period period_;         // the earliest and the latest date of the log
    // What the list shows: the records of the shared log that passed, and
    // the item names they were counted by; the charts are drawn from them.
    std::shared_ptr<const RecordTable> table_;
    range::Listing listing_;
    QStringList names_;

    QLineEdit* txtKey;
    QListWidget* lstAct2;
    QPushButton* cmdAllact;
    QPushButton* cmdKensaku;
    std::array<QPushButton*, 7> cmdWeek{};
    QPushButton* cmdAllWeek;
    QComboBox* cboStdate;
    QComboBox* cboEddate;
    QPushButton* cmdAllDay;
    std::array<QPushButton*, 8> cmdKikan{};  // cmdKikan1 .. cmdKikan8
    QPushButton* cmdKikanF;
    Grid* msgBunseki;
    Grid* msgBunseki2;
    Chart* mcrBunseki;
    Chart* mcrBunseki2;
    QPushButton* cmdDay3;
    QPushButton* cmdTotal3;
    QPushButton* cmdJikan3;
    QPushButton* cmdExport;
};
