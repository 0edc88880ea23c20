#include "games/frame/HistoryArea.h"

#include "platform/ButtonFace.h"
#include "platform/Colors.h"
#include "platform/Grid.h"
#include "platform/MessageBox.h"
#include "platform/RecordLine.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace {
// Layouts in twips: fraRireki top and height, grid height, and the row count
// above which the grid scrolls to its end.
struct HistoryLayout {
    int top, height, gridHeight, scrollAbove;
};
// The compact frame leaves room above it for the reading line under the
// answer box; both reach down to the window's foot.
constexpr HistoryLayout Compact{6015, 3315, 2955, 10};
constexpr HistoryLayout WithChart{1350, 7745, 3590, 13};
constexpr int FrameMarginTwips = 60;

QPushButton* chartButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoFillBackground(true);
    return b;
}
}  // namespace

HistoryArea::HistoryArea(QWidget* window, QString historyFile, const QString& sixthHeading,
                         const QStringList& countChoices, const QStringList& timeChoices)
    : QObject(window), window_(window), historyFile_(std::move(historyFile)), sixthHeading_(sixthHeading)
{
    fraRireki = new QFrame(window);
    fraRireki->setObjectName(QStringLiteral("fraRireki"));
    fraRireki->setFrameShape(QFrame::Box);
    fraRireki->setAutoFillBackground(true);
    msgRireki = new Grid(QStringLiteral("msgRireki"), fraRireki);
    QFont gridFont = msgRireki->font();
    gridFont.setPointSize(11);
    msgRireki->setFont(gridFont);
    msgRireki->setFontPointSize(11);
    msgRireki->verticalHeader()->setDefaultSectionSize(QFontMetrics(gridFont).height() + 6);
    mcrRireki = new Chart(QStringLiteral("mcrRireki"), fraRireki);
    mcrRireki2 = new Chart(QStringLiteral("mcrRireki2"), fraRireki, 2);
    mcrRireki2->setScale(Chart::Scale::Counts);
    mcrRireki2->setSeriesName(1, QStringLiteral("ＯＫ"));
    mcrRireki2->setSeriesName(2, QStringLiteral("ＮＧ"));
    mcrRireki->hide();
    mcrRireki2->hide();
    initHistoryGrid();

    filters = new QGroupBox(QStringLiteral("履歴指定"), window);
    filters->setObjectName(QStringLiteral("fraRirekiSitei"));
    auto* fl = new QGridLayout(filters);
    auto* lblKaisu2 = new QLabel(QStringLiteral("答数"), filters);
    lblKaisu2->setObjectName(QStringLiteral("lblKaisu2"));
    auto* lblJikan2 = new QLabel(QStringLiteral("秒数"), filters);
    lblJikan2->setObjectName(QStringLiteral("lblJikan2"));
    cboKaisu2 = new QComboBox(filters);
    cboKaisu2->setObjectName(QStringLiteral("cboKaisu2"));
    cboKaisu2->addItems(countChoices);
    cboJikan2 = new QComboBox(filters);
    cboJikan2->setObjectName(QStringLiteral("cboJikan2"));
    cboJikan2->addItems(timeChoices);
    cmdAllDsp = new QPushButton(QStringLiteral("全部表示"), filters);
    cmdAllDsp->setObjectName(QStringLiteral("cmdAllDsp"));
    cmdAllDsp->setAutoFillBackground(true);
    fl->addWidget(lblKaisu2, 0, 0);
    fl->addWidget(cboKaisu2, 0, 1);
    fl->addWidget(lblJikan2, 1, 0);
    fl->addWidget(cboJikan2, 1, 1);
    fl->addWidget(cmdAllDsp, 2, 0, 1, 2);

    chartButtons = new QGroupBox(QStringLiteral("グラフ指定"), window);
    chartButtons->setObjectName(QStringLiteral("fraGraph"));
    auto* cl = new QGridLayout(chartButtons);
    cmdKaitou = chartButton(chartButtons, "cmdKaitou", QStringLiteral("答数"));
    cmdPByou = chartButton(chartButtons, "cmdPByou", QStringLiteral("秒数"));
    cmdByou = chartButton(chartButtons, "cmdByou", QStringLiteral("秒当たり"));
    cmdRitu = chartButton(chartButtons, "cmdRitu", QStringLiteral("正解率"));
    cmdMoji = chartButton(chartButtons, "cmdMoji", sixthHeading);
    cmdJisyo = chartButton(chartButtons, "cmdJisyo", QStringLiteral("予備"));
    const QPushButton* order[] = {cmdKaitou, cmdPByou, cmdByou, cmdRitu, cmdMoji, cmdJisyo};
    for (int i = 0; i < 6; ++i)
        cl->addWidget(const_cast<QPushButton*>(order[i]), i / 2, i % 2);

    connect(cmdAllDsp, &QPushButton::clicked, this, &HistoryArea::cmdAllDsp_Click);
    connect(cboJikan2, &QComboBox::activated, this, &HistoryArea::cboJikan2_Click);
    connect(cboKaisu2, &QComboBox::activated, this, &HistoryArea::cboKaisu2_Click);
    connect(cmdKaitou, &QPushButton::clicked, this, &HistoryArea::cmdKaitou_Click);
    connect(cmdPByou, &QPushButton::clicked, this, &HistoryArea::cmdPByou_Click);
    connect(cmdByou, &QPushButton::clicked, this, &HistoryArea::cmdByou_Click);
    connect(cmdRitu, &QPushButton::clicked, this, &HistoryArea::cmdRitu_Click);
    connect(cmdMoji, &QPushButton::clicked, this, &HistoryArea::cmdMoji_Click);
    // "予備" is a spare button: it does nothing.
}

void HistoryArea::setColumn(int leftTwips, int widthTwips)
{
    leftTwips_ = leftTwips;
    widthTwips_ = widthTwips;
}

void HistoryArea::initHistoryGrid()
{
    listing_ = std::make_shared<history::Listing>();
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    const auto centre = Qt::AlignCenter;
    msgRireki->setColumns({{QStringLiteral("回"), 600, right},
                           {QStringLiteral("日付"), 1400, centre},
                           {QStringLiteral("時間"), 1000, centre},
                           {QStringLiteral("答数"), 600, right},
                           {QStringLiteral("ＯＫ"), 600, right},
                           {QStringLiteral("ＮＧ"), 600, right},
                           {sixthHeading_, 755, right},
                           {QStringLiteral("正解率"), 880, right},
                           {QStringLiteral("秒当たり"), 980, right},
                           {QStringLiteral("表示秒数"), 1025, right}});
    // Dates, times and a full score must be readable whole whatever the font measures.
    msgRireki->growColumnTo(1, QStringLiteral("0000/00/00"));
    msgRireki->growColumnTo(2, QStringLiteral("00:00:00"));
    msgRireki->growColumnTo(7, QStringLiteral("100.0%"));
}

bool HistoryArea::needsHorizontalBar(int gridHeight) const
{
    const int bar = msgRireki->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, msgRireki);
    const int width = msgRireki->width() - 2 * msgRireki->frameWidth();
    const int height = gridHeight - 2 * msgRireki->frameWidth() - msgRireki->horizontalHeader()->sizeHint().height();
    const int columns = msgRireki->horizontalHeader()->length();
    const int rows = msgRireki->verticalHeader()->length();
    // Each bar takes room from the other direction.
    const bool vertical = rows > height || (columns > width && rows > height - bar);
    return columns > width - (vertical ? bar : 0);
}

void HistoryArea::fitGridHeight()
{
    // With today's larger fonts the columns, their dates and times grown to
    // show whole, can be wider than the grid. The horizontal scroll bar that
    // brings then gets room of its own below the rows, in the frame's margin,
    // instead of covering the newest row.
    if (gridRowsHeight_ <= 0)
        return;
    const int bar = msgRireki->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, msgRireki);
    msgRireki->resize(msgRireki->width(), gridRowsHeight_ + (needsHorizontalBar(gridRowsHeight_) ? bar : 0));
}

void HistoryArea::listRows(const history::Filter& filter)
{
    msgRireki->hide();
    initHistoryGrid();
    // The grid asks the listing for the cells it shows; the grid's rows are
    // 16-bit in the files' world, so a longer history lists its first
    // 32,766 rows rather than wrapping its numbers.
    listing_ = history::Listing::read(historyFile_, filter);
    msgRireki->model().setSource(listing_);
    fitGridHeight();
    msgRireki->show();
}

void HistoryArea::cmdAllDsp_Click()
{
    cboKaisu2->setCurrentIndex(-1);
    cboJikan2->setCurrentIndex(-1);
    listRows({});
    buttonface::set(cmdAllDsp, AllRowsListed);
    redrawSelectedChart();
}

void HistoryArea::cboJikan2_Click()
{
    cboKaisu2->setCurrentIndex(-1);
    listRows({history::Filter::Kind::TimeLimit, cboJikan2->currentText(), 0});
    buttonface::set(cmdAllDsp, buttonface::systemFace());
    redrawSelectedChart();
}

void HistoryArea::cboKaisu2_Click()
{
    cboJikan2->setCurrentIndex(-1);
    const int count = int(recordline::toInteger(cboKaisu2->currentText()));
    listRows({history::Filter::Kind::AnswerCount, {}, count});
    buttonface::set(cmdAllDsp, buttonface::systemFace());
    redrawSelectedChart();
}

void HistoryArea::resetChartButtons()
{
    for (QPushButton* b : {cmdKaitou, cmdPByou, cmdByou, cmdRitu, cmdMoji, cmdJisyo})
        buttonface::set(b, buttonface::systemFace());
}

void HistoryArea::showChart(Chart* shown)
{
    resetChartButtons();
    Chart* hidden = shown == mcrRireki ? mcrRireki2 : mcrRireki;
    hidden->hide();
    shown->show();
    // The chart takes its size before it is drawn, so that it draws once for
    // the room it has.
    layoutHistoryWithChart();
}

void HistoryArea::showOneSeries(QPushButton* button, history::Listing::Column col, Chart::Scale scale)
{
    showChart(mcrRireki);
    mcrRireki->setScale(scale);
    const int points = msgRireki->rows() - 1;
    mcrRireki->setPointCount(points);
    for (int i = 1; i <= points; ++i)
        mcrRireki->setPointValue(1, i, cellValue(i, col));
    mcrRireki->redraw();
    buttonface::set(button, ChosenChart);
}

void HistoryArea::cmdKaitou_Click()
{
    showChart(mcrRireki2);
    const int points = msgRireki->rows() - 1;
    mcrRireki2->setPointCount(points);
    for (int i = 1; i <= points; ++i) {
        mcrRireki2->setPointValue(1, i, cellValue(i, history::Listing::Ok));
        mcrRireki2->setPointValue(2, i, cellValue(i, history::Listing::Ng));
    }
    mcrRireki2->redraw();
    buttonface::set(cmdKaitou, ChosenChart);
}

void HistoryArea::cmdPByou_Click() { showOneSeries(cmdPByou, history::Listing::Seconds, Chart::Scale::Values); }
void HistoryArea::cmdByou_Click() { showOneSeries(cmdByou, history::Listing::Rate, Chart::Scale::Values); }
void HistoryArea::cmdRitu_Click() { showOneSeries(cmdRitu, history::Listing::Accuracy, Chart::Scale::Percent); }
void HistoryArea::cmdMoji_Click() { showOneSeries(cmdMoji, history::Listing::Sixth, Chart::Scale::Counts); }

void HistoryArea::redrawSelectedChart()
{
    // cmdMoji is not among them: its chart stays as drawn until pressed again.
    const QColor face = buttonface::systemFace();
    if (buttonface::get(cmdByou) != face)
        cmdByou_Click();
    if (buttonface::get(cmdRitu) != face)
        cmdRitu_Click();
    if (buttonface::get(cmdKaitou) != face)
        cmdKaitou_Click();
    if (buttonface::get(cmdPByou) != face)
        cmdPByou_Click();
}

void HistoryArea::applyLayout(int topTwips, int heightTwips, int gridHeightTwips, int scrollAbove)
{
    using colors::twipsToPixels;
    const int width = twipsToPixels(widthTwips_);
    const int margin = twipsToPixels(FrameMarginTwips);
    fraRireki->setGeometry(twipsToPixels(leftTwips_), twipsToPixels(topTwips), width, twipsToPixels(heightTwips));
    gridRowsHeight_ = twipsToPixels(gridHeightTwips);
    msgRireki->setGeometry(margin, margin, width - 2 * margin, gridRowsHeight_);
    fitGridHeight();
    const int gridHeight = msgRireki->height();
    // The charts sit under the grid; the compact frame is too short to show them.
    const int chartTop = margin + gridHeight + margin;
    const int chartHeight = twipsToPixels(WithChart.height) - chartTop - margin;
    mcrRireki->setGeometry(margin, chartTop, width - 2 * margin, chartHeight);
    mcrRireki2->setGeometry(margin, chartTop, width - 2 * margin, chartHeight);
    fraRireki->raise();
    if (msgRireki->rows() > scrollAbove)
        scrollToEnd();
}

void HistoryArea::layoutHistoryCompact()
{
    applyLayout(Compact.top, Compact.height, Compact.gridHeight, Compact.scrollAbove);
}

void HistoryArea::layoutHistoryWithChart()
{
    applyLayout(WithChart.top, WithChart.height, WithChart.gridHeight, WithChart.scrollAbove);
}

void HistoryArea::scrollToEnd() { msgRireki->setTopRow(msgRireki->rows() - 1); }

void HistoryArea::cmdClear_Click()
{
    if (!msgbox::confirm(window_, QStringLiteral("クリア確認"),
                         QStringLiteral("履歴データをクリアします。よろしいですか？")))
        return;
    const textfile::WriteResult r = history::clear(historyFile_);
    if (!r.ok) {
        msgbox::warning(window_, QStringLiteral("クリア"), r.message(historyFile_));
        return;
    }
    mcrRireki->setPointCount(0);
    mcrRireki->redraw();
    mcrRireki2->setPointCount(0);
    mcrRireki2->redraw();
    initHistoryGrid();
    listing_ = std::make_shared<history::Listing>();
    msgRireki->model().setSource(listing_);
    msgbox::information(window_, QStringLiteral("クリア終了"), QStringLiteral("履歴データをクリアしました"));
}

void HistoryArea::addStoredRow(const HistoryRow& row)
{
    listing_->add(row);
    msgRireki->model().setSource(listing_);
    if (msgRireki->rows() > Compact.scrollAbove)
        scrollToEnd();
}

double HistoryArea::cellValue(int row, history::Listing::Column col) const
{
    // The listing reads its own numbers without building a row's cells.
    return listing_->value(row - 1, col);
}
