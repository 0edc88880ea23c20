#include "review/WholeHistoryView.h"

#include "analysis/LogTallies.h"
#include "analysis/RecordDates.h"
#include "analysis/WholeHistory.h"
#include "platform/ButtonFace.h"
#include "platform/Chart.h"
#include "platform/Duration.h"
#include "platform/Grid.h"
#include "records/RecordLog.h"
#include "review/ChartDrawing.h"
#include "review/ColumnFit.h"
#include "review/ItemList.h"
#include "review/PeriodRows.h"
#include "review/PlayRows.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QPushButton* chartButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoFillBackground(true);
    return b;
}

void setFontSize(Grid* g, int size)
{
    QFont f = g->font();
    f.setPointSize(size);
    g->setFont(f);
    g->setFontPointSize(size);
}
}  // namespace

WholeHistoryView::WholeHistoryView(const QListWidget& itemList, QWidget* parent) : Screen(parent), itemList_(itemList)
{
    setObjectName(QStringLiteral("fraRenTai"));
    msgDayList2 = new Grid(QStringLiteral("msgDayList2"), this);
    msgDayList3 = new Grid(QStringLiteral("msgDayList3"), this);
    msgDayTotal2 = new Grid(QStringLiteral("msgDayTotal2"), this);
    setFontSize(msgDayList2, 10);
    setFontSize(msgDayList3, 11);
    setFontSize(msgDayTotal2, 10);
    msgDayList3->hide();
    mcrMain2 = new Chart(QStringLiteral("mcrMain2"), this);
    mcrMain3 = new Chart(QStringLiteral("mcrMain3"), this);
    mcrMain2->hide();
    cmdDay2 = chartButton(this, "cmdDay2", QStringLiteral("時系列データ"));
    cmdTotal2 = chartButton(this, "cmdTotal2", QStringLiteral("項目別トータル時間"));
    cmdJikan2 = chartButton(this, "cmdJikan2", QStringLiteral("時間別トータル時間"));
    cmdHigoto = chartButton(this, "cmdHigoto", QStringLiteral("日別推移 （回数）"));
    cmdHigoto2 = chartButton(this, "cmdHigoto2", QStringLiteral("日別推移 （秒数）"));
    cmdHigoto3 = chartButton(this, "cmdHigoto3", QStringLiteral("日別推移 （平均秒数）"));
    initHistoryGrids();

    auto* buttons = new QGridLayout;
    const QPushButton* order[] = {cmdDay2, cmdTotal2, cmdJikan2, cmdHigoto, cmdHigoto2, cmdHigoto3};
    for (int i = 0; i < 6; ++i)
        buttons->addWidget(const_cast<QPushButton*>(order[i]), i / 3, i % 3);
    auto* left = new QVBoxLayout;
    left->addWidget(msgDayList2, 3);
    left->addWidget(msgDayList3, 3);
    left->addWidget(msgDayTotal2, 2);
    auto* right = new QVBoxLayout;
    right->addLayout(buttons);
    right->addWidget(mcrMain3, 1);
    right->addWidget(mcrMain2, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 0);
    layout->addLayout(right, 1);
    for (Grid* g : {msgDayList2, msgDayList3, msgDayTotal2})
        g->setMinimumWidth(g->horizontalHeader()->length() + 24);
    msgDayTotal2->setMinimumHeight(msgDayTotal2->horizontalHeader()->sizeHint().height() +
                                   msgDayTotal2->verticalHeader()->defaultSectionSize() * 7 +
                                   2 * msgDayTotal2->frameWidth());

    connect(cmdDay2, &QPushButton::clicked, this, &WholeHistoryView::cmdDay2_Click);
    connect(cmdTotal2, &QPushButton::clicked, this, &WholeHistoryView::cmdTotal2_Click);
    connect(cmdJikan2, &QPushButton::clicked, this, &WholeHistoryView::cmdJikan2_Click);
    connect(cmdHigoto, &QPushButton::clicked, this, &WholeHistoryView::cmdHigoto_Click);
    connect(cmdHigoto2, &QPushButton::clicked, this, &WholeHistoryView::cmdHigoto2_Click);
    connect(cmdHigoto3, &QPushButton::clicked, this, &WholeHistoryView::cmdHigoto3_Click);
    highlight(cmdDay2);
}

QString WholeHistoryView::helpTourText() const
{
    return QStringLiteral("フェルノアを開始した日から現在までの実施推移を表示します。\r\n\r\n"
                          "実施の全データと各項目のトータル回数、時間、最大秒数、平均秒数をリスト表示します。\r\n\r\n"
                          "ボタンを押して６種類のグラフに表示切替できます。\r\n\r\n");
}

void WholeHistoryView::initHistoryGrids()
{
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    const auto centre = Qt::AlignCenter;
    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    msgDayList2->setColumns({{QString(), 600, right},
                             {QStringLiteral("日付"), 1260, centre},
                             {QStringLiteral("時間"), 960, centre},
                             {QStringLiteral("項目"), 1860, left},
                             {QStringLiteral("秒"), 800, right}});
    msgDayList3->setColumns({{QString(), 700, right},
                             {QStringLiteral("日付"), 1400, centre},
                             {QStringLiteral("回数"), 810, right},
                             {QStringLiteral("秒"), 860, right},
                             {QStringLiteral("最大"), 860, right},
                             {QStringLiteral("平均"), 860, right}});
    msgDayTotal2->setColumns({{QString(), 400, right},
                              {QStringLiteral("項目"), 1320, left},
                              {QStringLiteral("回数"), 600, right},
                              {QStringLiteral("秒"), 650, right},
                              {QStringLiteral("時間"), 910, right},
                              {QStringLiteral("最大"), 600, right},
                              {QStringLiteral("平均"), 670, right}});
    columnfit::growToSamples(*msgDayList2, {{0, "000000"}, {1, "0000/00/00"}, {2, "00:00:00"}, {4, "000.00"}});
    columnfit::growToSamples(
        *msgDayList3, {{0, "00000"}, {1, "0000/00/00"}, {2, "0000"}, {3, "000000"}, {4, "000.00"}, {5, "000.0"}});
    columnfit::growToSamples(*msgDayTotal2,
                             {{2, "000000"}, {3, "0000000"}, {4, "0000:00:00"}, {5, "000.00"}, {6, "000.0"}});
}

void WholeHistoryView::loadWholeHistory()
{
    setUpdatesEnabled(false);
    initHistoryGrids();
    names_ = itemlist::loadItemNames(itemList_);
    const QStringList& names = names_;
    table_ = recordlog::current();
    const std::shared_ptr<const RecordTable>& table = table_;
    history_ = *logtallies::wholeHistory(table, names);
    const WholeHistory& history = history_;

    // Every play.
    plays_.clear();
    plays_.reserve(size_t(table->size()));
    for (const RecordView& r : table->records())
        plays_.push_back(&r);
    using C = PlayRows::Column;
    msgDayList2->model().setSource(
        std::make_shared<PlayRows>(table, plays_, std::vector<C>{C::Position, C::Date, C::Time, C::Item, C::Seconds}));
    if (msgDayList2->rows() > 9)
        msgDayList2->setTopRow(msgDayList2->rows() - 1);

    // Every item played.
    std::vector<QString> totals;
    int row = 0;
    for (size_t j = 0; j < history.items.size(); ++j) {
        const PlayTotals& t = history.items[j];
        if (t.count <= 0)
            continue;
        totals.insert(totals.end(), {QString::number(++row), names[qsizetype(j)], QString::number(t.count),
                                     QString::number(t.seconds()), duration::hms(t.seconds()),
                                     QString::number(t.maxSeconds()), t.averageText()});
    }
    msgDayTotal2->model().setCells(std::move(totals));

    // Every day from the first to the last.
    msgDayList3->model().setSource(std::make_shared<HistoryDayRows>(history.played()));
    if (msgDayList3->rows() > 1)
        msgDayList3->growColumnTo(0, QString::number(msgDayList3->rows() - 1));
    if (msgDayList3->rows() > 8)
        msgDayList3->setTopRow(msgDayList3->rows() - 1);

    // The chart on show, drawn again from the new tables.
    if (buttonface::is(cmdDay2, SeriesHighlight))
        cmdDay2_Click();
    else if (buttonface::is(cmdTotal2, SeriesHighlight))
        cmdTotal2_Click();
    else if (buttonface::is(cmdJikan2, SeriesHighlight))
        cmdJikan2_Click();
    else if (buttonface::is(cmdHigoto, TrendHighlight))
        cmdHigoto_Click();
    else if (buttonface::is(cmdHigoto2, TrendHighlight))
        cmdHigoto2_Click();
    else if (buttonface::is(cmdHigoto3, TrendHighlight))
        cmdHigoto3_Click();
    setUpdatesEnabled(true);
}

void WholeHistoryView::highlight(QPushButton* pressed)
{
    for (QPushButton* b : {cmdDay2, cmdTotal2, cmdJikan2})
        buttonface::set(b, b == pressed ? SeriesHighlight : buttonface::systemFace());
    for (QPushButton* b : {cmdHigoto, cmdHigoto2, cmdHigoto3})
        buttonface::set(b, b == pressed ? TrendHighlight : buttonface::systemFace());
}

void WholeHistoryView::showKind(Chart* chart, Grid* list)
{
    (chart == mcrMain2 ? mcrMain3 : mcrMain2)->hide();
    chart->show();
    if (list) {
        (list == msgDayList2 ? msgDayList3 : msgDayList2)->hide();
        list->show();
    }
}

void WholeHistoryView::cmdDay2_Click()
{
    showKind(mcrMain3, msgDayList2);
    highlight(cmdDay2);
    mcrMain3->setForm(Chart::Form::Bars);
    mcrMain3->setScale(Chart::Scale::Values);
    chartdraw::plays(*mcrMain3, table_, plays_, true);
}

void WholeHistoryView::cmdTotal2_Click()
{
    showKind(mcrMain2, nullptr);
    highlight(cmdTotal2);
    std::vector<QString> labels;
    std::vector<double> values;
    for (size_t j = 0; j < history_.items.size(); ++j)
        if (history_.items[j].count > 0)
            labels.push_back(names_[qsizetype(j)]), values.push_back(double(history_.items[j].seconds()));
    chartdraw::points(*mcrMain2, labels, values);
}

void WholeHistoryView::cmdJikan2_Click()
{
    showKind(mcrMain2, nullptr);
    highlight(cmdJikan2);
    chartdraw::hours(*mcrMain2, plays_);
}

void WholeHistoryView::dailyTrend(QPushButton* pressed, DayTrendPoints::Trend trend, Chart::Scale scale)
{
    showKind(mcrMain3, msgDayList3);
    highlight(pressed);
    mcrMain3->setForm(Chart::Form::Line);
    mcrMain3->setScale(scale);
    mcrMain3->setPoints(std::make_shared<DayTrendPoints>(history_.played(), trend));
    mcrMain3->redraw();
}

void WholeHistoryView::cmdHigoto_Click() { dailyTrend(cmdHigoto, DayTrendPoints::Trend::Plays, Chart::Scale::Counts); }
void WholeHistoryView::cmdHigoto2_Click()
{
    dailyTrend(cmdHigoto2, DayTrendPoints::Trend::Seconds, Chart::Scale::Values);
}
void WholeHistoryView::cmdHigoto3_Click()
{
    dailyTrend(cmdHigoto3, DayTrendPoints::Trend::Average, Chart::Scale::Values);
}

void WholeHistoryView::hideEvent(QHideEvent* event)
{
    Screen::hideEvent(event);
    // Not when the whole window is minimised: the screen is still the one on show.
    if (!event->spontaneous()) {
        msgDayList3->releaseRows();
    }
}
