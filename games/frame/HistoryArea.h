#pragma once
// The history area of a game window: the grid msgRireki in fraRireki with
// the two charts under it, the filters of "履歴指定", the chart buttons of
// "グラフ指定", and clearing. The chosen chart is recorded only by the
// colour of its button.
#include "games/frame/HistoryFile.h"
#include "platform/Chart.h"

#include <QColor>
#include <QObject>
#include <QString>
#include <QStringList>

class Grid;
class QComboBox;
class QFrame;
class QGroupBox;
class QPushButton;

class HistoryArea : public QObject {
    Q_OBJECT
public:
    static inline const QColor ChosenChart = QColor(192, 255, 255);    // &HFFFFC0
    static inline const QColor AllRowsListed = QColor(255, 255, 192);  // &HC0FFFF

    // The widgets are children of `window`; the window places them.
    HistoryArea(QWidget* window, QString historyFile, const QString& sixthHeading, const QStringList& countChoices,
                const QStringList& timeChoices);

    QFrame* fraRireki;
    Grid* msgRireki;
    Chart* mcrRireki;
    Chart* mcrRireki2;   // correct and wrong answers side by side
    QGroupBox* filters;  // "履歴指定"
    QComboBox* cboKaisu2;
    QComboBox* cboJikan2;
    QPushButton* cmdAllDsp;
    QGroupBox* chartButtons;  // "グラフ指定"
    QPushButton* cmdKaitou;
    QPushButton* cmdPByou;
    QPushButton* cmdByou;
    QPushButton* cmdRitu;
    QPushButton* cmdMoji;
    QPushButton* cmdJisyo;

    // Left edge and width of fraRireki, in twips; the layouts set the rest.
    void setColumn(int leftTwips, int widthTwips);

    void initHistoryGrid();
    void cmdAllDsp_Click();
    void cboJikan2_Click();
    void cboKaisu2_Click();
    void cmdKaitou_Click();
    void cmdPByou_Click();
    void cmdByou_Click();
    void cmdRitu_Click();
    void cmdMoji_Click();
    void resetChartButtons();
    void redrawSelectedChart();
    void layoutHistoryCompact();
    void layoutHistoryWithChart();
    // Asks, then empties the file, the grid and both charts.
    void cmdClear_Click();
    // A play just stored: a new last row, numbered after the rows listed.
    void addStoredRow(const HistoryRow& row);

private:
    void listRows(const history::Filter& filter);
    // A grid cell's number for a chart; row is the grid's (1-based).
    double cellValue(int row, history::Listing::Column col) const;
    // One-series chart from a column; `dropLast` takes the "%" off.
    void showOneSeries(QPushButton* button, history::Listing::Column col, Chart::Scale scale);
    void showChart(Chart* shown);
    void applyLayout(int topTwips, int heightTwips, int gridHeightTwips, int scrollAbove);
    // Whether the columns, at this grid height, bring a horizontal scroll bar.
    bool needsHorizontalBar(int gridHeight) const;
    void fitGridHeight();
    void scrollToEnd();

    QWidget* window_;
    QString historyFile_;
    std::shared_ptr<history::Listing> listing_ = std::make_shared<history::Listing>();
    QString sixthHeading_;
    int leftTwips_ = 120;
    int widthTwips_ = 8880;
    int gridRowsHeight_ = 0;  // of the layout in force, for the rows alone
};
