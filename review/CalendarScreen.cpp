#include "review/CalendarScreen.h"

#include "analysis/CalendarTally.h"
#include "analysis/LogTallies.h"
#include "platform/Chart.h"
#include "platform/Duration.h"
#include "platform/Grid.h"
#include "records/GameItems.h"
#include "review/ColumnFit.h"
#include "review/PeriodRows.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const QString WeekdayChars[7] = {QStringLiteral("日"), QStringLiteral("月"), QStringLiteral("火"), QStringLiteral("水"),
                                 QStringLiteral("木"), QStringLiteral("金"), QStringLiteral("土")};

// "0回：", "1-2回：" ... "10超：": what each histogram label counts.
QString histogramCaption(int index, std::int64_t days)
{
    QString head;
    if (index == 0)
        head = QStringLiteral("0回：");
    else if (index == 6)
        head = QStringLiteral("10超：");
    else
        head = QStringLiteral("%1-%2回：").arg(2 * index - 1).arg(2 * index);
    return head + QString::number(days) + QStringLiteral("日");
}

// A caption box in the upper right corner of a chart.
void addCornerCaption(Chart* chart, const QString& text, const char* name)
{
    auto* caption = new QLabel(text, chart);
    caption->setObjectName(QString::fromLatin1(name));
    caption->setTextFormat(Qt::PlainText);
    caption->setFrameShape(QFrame::Box);
    caption->setAutoFillBackground(true);
    caption->setMargin(2);
    auto* corner = new QGridLayout(chart);
    corner->setContentsMargins(6, 6, 6, 6);
    corner->addWidget(caption, 0, 0, Qt::AlignTop | Qt::AlignRight);
}

}  // namespace

CalendarScreen::CalendarScreen(QWidget* parent) : Screen(parent)
{
    setObjectName(QStringLiteral("fraCale"));
    msgCale = new Grid(QStringLiteral("msgCale"), this);
    msgCale_w = new Grid(QStringLiteral("msgCale_w"), this);
    for (Grid* g : {msgCale, msgCale_w}) {
        // Day cells are narrow: a smaller font keeps two digits and the
        // header's 31 inside them.
        QFont small = g->font();
        small.setPointSize(9);
        g->setFont(small);
        g->verticalHeader()->setDefaultSectionSize(QFontMetrics(small).height() + 6);
        g->horizontalHeader()->setMinimumSectionSize(8);
        g->setSelectionBehavior(QAbstractItemView::SelectItems);
        // A count never turns into "…": two digits fill the cell to its edges.
        g->setTextElideMode(Qt::ElideNone);
    }
    for (int i = 0; i < 7; ++i) {
        auto* label = new QLabel(histogramCaption(i, 0), this);
        label->setObjectName(QStringLiteral("lblHan_%1").arg(i));
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignCenter);
        label->setFrameShape(QFrame::StyledPanel);
        label->setMinimumWidth(88);
        label->setMinimumHeight(26);
        if (i > 0) {
            // The histogram's labels wear the colours of their cells.
            label->setAutoFillBackground(true);
            QPalette p = label->palette();
            p.setColor(QPalette::Window, calendar::countColor(2 * i - 1));
            p.setColor(QPalette::WindowText, Qt::black);
            label->setPalette(p);
        }
        lblHan[size_t(i)] = label;
    }
    mcrKensu = new Chart(QStringLiteral("mcrKensu"), this);
    mcrKingaku = new Chart(QStringLiteral("mcrKingaku"), this);
    mcrKensu->setScale(Chart::Scale::Counts);
    addCornerCaption(mcrKensu, QStringLiteral("週別セット数"), "lblKensu");
    addCornerCaption(mcrKingaku, QStringLiteral("週別時間"), "lblKingaku");
    for (Chart* c : {mcrKensu, mcrKingaku})
        c->setMinimumHeight(180);

    auto* histogram = new QHBoxLayout;
    for (QLabel* l : lblHan)
        histogram->addWidget(l);
    histogram->addStretch(1);
    auto* charts = new QHBoxLayout;
    charts->addWidget(mcrKensu, 1);
    charts->addWidget(mcrKingaku, 1);
    auto* left = new QVBoxLayout;
    left->addWidget(msgCale, 3);
    left->addLayout(histogram);
    left->addLayout(charts, 2);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(msgCale_w, 0);

    initMonthGrid();
    initWeekGrid();
    // The month grid takes the room there is and scrolls when its 31 days
    // need more: the window never grows past a small screen for it.
    msgCale->setMinimumWidth(0);
    msgCale_w->setFixedWidth(columnfit::fullWidth(*msgCale_w));

    connect(msgCale, &QAbstractItemView::activated, this,
            [this](const QModelIndex& i) { monthCellActivated(i.row() + 1, i.column()); });
    connect(msgCale_w, &QAbstractItemView::activated, this,
            [this](const QModelIndex& i) { weekCellActivated(i.row() + 1, i.column()); });
}

QString CalendarScreen::helpTourText() const
{
    return QStringLiteral("実施状況を色と数字で把握できるカレンダーです。\r\n\r\n"
                          "月毎のデータリストと週毎のデータリストを持ちます。\r\n\r\n"
                          "色が実施状況（セット数）、数字が合計回数を表します。\r\n\r\n"
                          "週毎で件数と台数をグラフ表示できます。\r\n\r\n");
}

void CalendarScreen::prepare()
{
    played_ = logtallies::playedDays(items::names());
    fillMonthCalendar();
    fillWeekCalendar();
}

void CalendarScreen::initMonthGrid()
{
    std::vector<GridColumn> columns{{QStringLiteral("年月"), 1290, Qt::AlignHCenter}};
    for (int d = 1; d <= 31; ++d)
        columns.push_back({QString::number(d), 310, Qt::AlignHCenter});
    msgCale->setColumns(std::move(columns));
    columnfit::growColumnToText(*msgCale, 0, QStringLiteral("0000年00月"));
}

void CalendarScreen::initWeekGrid()
{
    std::vector<GridColumn> columns{{QStringLiteral("年月日"), 1310, Qt::AlignHCenter}};
    for (const QString& c : WeekdayChars)
        columns.push_back({c, 320, Qt::AlignHCenter});
    msgCale_w->setColumns(std::move(columns));
    msgCale_w->setFontPointSize(9);
    columnfit::growColumnToText(*msgCale_w, 0, QStringLiteral("00年00月00日"));
}

void CalendarScreen::fillMonthCalendar()
{
    initMonthGrid();
    for (int i = 0; i < 7; ++i)
        lblHan[size_t(i)]->setText(histogramCaption(i, 0));
    if (played_->empty())
        return;
    const calendar::MonthTable t = calendar::monthTable(played_);
    msgCale->model().setSource(std::make_shared<MonthRows>(t, palette().color(QPalette::Window)));
    if (msgCale->rows() > 13)
        msgCale->setTopRow(msgCale->rows() - 1);
    for (int i = 0; i < 7; ++i)
        lblHan[size_t(i)]->setText(histogramCaption(i, t.days[size_t(i)]));
}

void CalendarScreen::fillWeekCalendar()
{
    initWeekGrid();
    for (Chart* c : {mcrKensu, mcrKingaku}) {
        c->setPointCount(7);
        for (int k = 1; k <= 7; ++k) {
            c->setPointLabel(k, WeekdayChars[k - 1]);
            c->setPointValue(k, 0.0);
        }
    }
    if (!played_->empty()) {
        const calendar::WeekTable t = calendar::weekTable(played_);
        msgCale_w->model().setSource(std::make_shared<WeekRows>(t));
        for (int k = 1; k <= 7; ++k) {
            mcrKensu->setPointValue(k, double(t.plays[size_t(k - 1)]));
            mcrKingaku->setPointValue(k, double(duration::wholeSeconds(t.tenths[size_t(k - 1)])));
        }
        if (msgCale_w->rows() > 16)
            msgCale_w->setTopRow(msgCale_w->rows() - 1);
    }
    mcrKensu->redraw();
    mcrKingaku->redraw();
}

void CalendarScreen::monthCellActivated(int row, int col)
{
    if (played_->empty() || row < 1 || col < 1)
        return;
    const QDate month = QDate(played_->first().year(), played_->first().month(), 1).addMonths(row - 1);
    const QDate day(month.year(), month.month(), col);
    if (day.isValid())
        emit dayChosen(day);
}

void CalendarScreen::weekCellActivated(int row, int col)
{
    if (played_->empty() || row < 1 || col < 1)
        return;
    emit dayChosen(calendar::weekStart(played_->first()).addDays(7 * (row - 1) + (col - 1)));
}

void CalendarScreen::hideEvent(QHideEvent* event)
{
    Screen::hideEvent(event);
    // Not when the whole window is minimised: the screen is still the one on show.
    if (!event->spontaneous()) {
        msgCale->releaseRows();
        msgCale_w->releaseRows();
    }
}
