#include "review/AggregateScreen.h"

#include "analysis/LogTallies.h"
#include "platform/Colors.h"
#include "platform/Grid.h"
#include "review/ColumnFit.h"
#include "review/ItemList.h"
#include "review/PeriodRows.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const char16_t* const OptionCaptions[3] = {u"時間集計　表示", u"回数集計　表示", u"時間 ＆ 回数　集計　表示"};

// Rows beyond which a table opens scrolled to its newest rows.
constexpr int DailyRowsInView = 19;
constexpr int MonthlyRowsInView = 7;

}  // namespace

AggregateScreen::AggregateScreen(const QListWidget& itemList, QWidget* parent) : Screen(parent), itemList_(itemList)
{
    setObjectName(QStringLiteral("fraSyuukei"));
    auto* options = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        auto* option = new QRadioButton(QString::fromUtf16(OptionCaptions[i]), this);
        option->setObjectName(QStringLiteral("optList2_%1").arg(i));
        connect(option, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optList2_Click(i);
        });
        options->addWidget(option);
        optList2[size_t(i)] = option;
    }
    options->addStretch(1);
    msgKakei2 = new Grid(QStringLiteral("msgKakei2"), this);
    msgKakei1 = new Grid(QStringLiteral("msgKakei1"), this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(options);
    auto* daily = new QLabel(QStringLiteral("日別"), this);
    auto* monthly = new QLabel(QStringLiteral("月別"), this);
    layout->addWidget(daily);
    layout->addWidget(msgKakei2, 3);
    layout->addWidget(monthly);
    layout->addWidget(msgKakei1, 1);

    loadItemNames();
    // The monthly table shows six months and its total row before it scrolls.
    msgKakei1->setMinimumHeight(msgKakei1->verticalHeader()->defaultSectionSize() * MonthlyRowsInView +
                                msgKakei1->horizontalHeader()->sizeHint().height() + 4);
    buildTable(*msgKakei2, aggregate::Unit::Day, aggregate::Kind::Time);
    buildTable(*msgKakei1, aggregate::Unit::Month, aggregate::Kind::Time);
    for (Grid* g : {msgKakei2, msgKakei1})
        g->setMaximumWidth(columnfit::fullWidth(*g));
}

QString AggregateScreen::helpTourText() const
{
    return QStringLiteral("プレイしたデータを月別、日別の集計結果で見ることができます。\r\n\r\n");
}

void AggregateScreen::prepare()
{
    // Entering always starts with the time tables.
    {
        const QSignalBlocker quiet(optList2[0]);
        optList2[0]->setChecked(true);
    }
    optList2_Click(0);
}

void AggregateScreen::loadItemNames() { ItemNames = itemlist::loadItemNames(itemList_); }

void AggregateScreen::optList2_Click(int index)
{
    // One read of the log serves both tables; Qt paints both once the
    // handler returns.
    loadItemNames();
    played_ = logtallies::playedDays(ItemNames);
    switch (index) {
    case 0:
        buildDailyTimeTable();
        buildMonthlyTimeTable();
        break;
    case 1:
        buildDailyCountTable();
        buildMonthlyCountTable();
        break;
    default:
        buildDailyTimeCountTable();
        buildMonthlyTimeCountTable();
        break;
    }
    played_.reset();
    // Both tables share their columns: the wider of the two widths, so that
    // a game's column lines up from one table to the other.
    for (int c = 0; c < msgKakei2->cols(); ++c) {
        const int width = std::max(msgKakei2->columnWidth(c), msgKakei1->columnWidth(c));
        msgKakei2->setColumnWidth(c, width);
        msgKakei1->setColumnWidth(c, width);
    }
    for (Grid* g : {msgKakei2, msgKakei1})
        g->setMaximumWidth(columnfit::fullWidth(*g));
}

void AggregateScreen::buildDailyCountTable() { buildTable(*msgKakei2, aggregate::Unit::Day, aggregate::Kind::Counts); }

void AggregateScreen::buildMonthlyCountTable()
{
    buildTable(*msgKakei1, aggregate::Unit::Month, aggregate::Kind::Counts);
}

void AggregateScreen::buildDailyTimeTable() { buildTable(*msgKakei2, aggregate::Unit::Day, aggregate::Kind::Time); }

void AggregateScreen::buildMonthlyTimeTable() { buildTable(*msgKakei1, aggregate::Unit::Month, aggregate::Kind::Time); }

void AggregateScreen::buildDailyTimeCountTable()
{
    buildTable(*msgKakei2, aggregate::Unit::Day, aggregate::Kind::TimeAndCounts);
}

void AggregateScreen::buildMonthlyTimeCountTable()
{
    buildTable(*msgKakei1, aggregate::Unit::Month, aggregate::Kind::TimeAndCounts);
}

void AggregateScreen::buildTable(Grid& grid, aggregate::Unit unit, aggregate::Kind kind)
{
    const bool daily = unit == aggregate::Unit::Day;
    std::vector<GridColumn> columns{
        {QStringLiteral("回"), 620, Qt::AlignRight},
        {daily ? QStringLiteral("年月日") : QStringLiteral("年月"), 950, Qt::AlignHCenter},
        {QStringLiteral("小計"), 1250, Qt::AlignRight},
    };
    for (const QString& name : ItemNames)
        columns.push_back({name.left(5), 1180, Qt::AlignRight});
    grid.setColumns(std::move(columns));
    if (!played_ || played_->empty()) {
        columnfit::growToText(grid);
        return;
    }

    aggregate::Table table(played_, unit, kind);
    const std::vector<QString> longest = table.longestTexts();
    const int rows = table.rows();
    grid.model().setSource(std::make_shared<AggregateRows>(std::move(table)));
    for (int c = 0; c < grid.cols(); ++c)
        grid.growColumnTo(c, longest[size_t(c)]);
    if (rows + 1 > (daily ? DailyRowsInView : MonthlyRowsInView))
        grid.setTopRow(rows);
}

void AggregateScreen::hideEvent(QHideEvent* event)
{
    Screen::hideEvent(event);
    // Not when the whole window is minimised: the screen is still the one on show.
    if (!event->spontaneous()) {
        msgKakei2->releaseRows();
        msgKakei1->releaseRows();
    }
}
