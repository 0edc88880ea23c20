#include "review/RangeView.h"

#include "analysis/LogTallies.h"
#include "analysis/RecordDates.h"
#include "platform/ButtonFace.h"
#include "platform/Chart.h"
#include "platform/Clock.h"
#include "platform/Duration.h"
#include "platform/Grid.h"
#include "records/RecordLog.h"
#include "review/ChartDrawing.h"
#include "review/ColumnFit.h"
#include "review/ExportPlays.h"
#include "review/ItemList.h"
#include "review/PlayRows.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStringListModel>
#include <QVBoxLayout>

namespace {
// Period buttons: name, caption, days back from today (-1: "全部", -2: "任意").
struct PeriodButton {
    const char* name;
    const char* caption;
    int days;
};
constexpr int FromFirstRecord = -1;
constexpr int AsTyped = -2;
const PeriodButton PeriodButtons[] = {{"cmdAllDay", "全部", FromFirstRecord},
                                      {"cmdKikan1", "前日", 1},
                                      {"cmdKikan8", "３日", 2},
                                      {"cmdKikan2", "１週間", 7},
                                      {"cmdKikan3", "２週間", 14},
                                      {"cmdKikan4", "１ヶ月", 30},
                                      {"cmdKikan5", "３ヶ月", 90},
                                      {"cmdKikan6", "半年", 180},
                                      {"cmdKikan7", "１年", 365},
                                      {"cmdKikanF", "任意", AsTyped}};

const char* const PeriodDays = "periodDays";
}  // namespace

QPushButton* RangeView::button(const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoFillBackground(true);
    return b;
}

RangeView::RangeView(QWidget* parent) : Screen(parent)
{
    setObjectName(QStringLiteral("fraTaijyu"));

    // Item filter.
    txtKey = new QLineEdit(this);
    txtKey->setObjectName(QStringLiteral("txtKey"));
    txtKey->installEventFilter(this);
    lstAct2 = new QListWidget(this);
    lstAct2->setObjectName(QStringLiteral("lstAct2"));
    cmdAllact = button("cmdAllact", QStringLiteral("全部"));
    cmdKensaku = button("cmdKensaku", QStringLiteral("検索"));
    auto* itemBox = new QGroupBox(QStringLiteral("項目"), this);
    auto* itemLayout = new QGridLayout(itemBox);
    itemLayout->addWidget(txtKey, 0, 0);
    itemLayout->addWidget(cmdKensaku, 0, 1);
    itemLayout->addWidget(lstAct2, 1, 0, 2, 1);
    itemLayout->addWidget(cmdAllact, 1, 1);
    itemLayout->setRowStretch(2, 1);
    lstAct2->setFixedHeight(lstAct2->fontMetrics().height() * 4 + 8);

    // Weekday filter.
    auto* weekBox = new QGroupBox(QStringLiteral("曜日"), this);
    auto* weekLayout = new QHBoxLayout(weekBox);
    weekLayout->setSpacing(2);
    for (int i = 0; i < 7; ++i) {
        cmdWeek[size_t(i)] =
            button(QStringLiteral("cmdWeek_%1").arg(i).toLatin1().constData(), recorddate::weekdayName(i));
        cmdWeek[size_t(i)]->setMinimumWidth(30);
        weekLayout->addWidget(cmdWeek[size_t(i)]);
        connect(cmdWeek[size_t(i)], &QPushButton::clicked, this, [this, i] { cmdWeek_Click(i); });
    }
    cmdAllWeek = button("cmdAllWeek", QStringLiteral("全部"));
    weekLayout->addWidget(cmdAllWeek);

    // Period filter.
    cboStdate = new QComboBox(this);
    cboStdate->setObjectName(QStringLiteral("cboStdate"));
    cboEddate = new QComboBox(this);
    cboEddate->setObjectName(QStringLiteral("cboEddate"));
    // Both lists show the play dates of one model, set in one go; their
    // width is that of a date, not measured over thousands of them.
    playDates_ = new QStringListModel(this);
    for (QComboBox* c : {cboStdate, cboEddate}) {
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        c->setMinimumContentsLength(10);
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        c->setModel(playDates_);
    }
    auto* periodBox = new QGroupBox(QStringLiteral("期間"), this);
    auto* periodLayout = new QGridLayout(periodBox);
    periodLayout->setSpacing(2);
    auto* dates = new QHBoxLayout;
    dates->addWidget(cboStdate);
    dates->addWidget(new QLabel(QStringLiteral("～"), periodBox));
    dates->addWidget(cboEddate);
    dates->addStretch(1);
    periodLayout->addLayout(dates, 0, 0, 1, 5);
    int k = 0;
    for (const PeriodButton& p : PeriodButtons) {
        QPushButton* b = button(p.name, QString::fromUtf8(p.caption));
        b->setProperty(PeriodDays, p.days);
        periodLayout->addWidget(b, 1 + k / 5, k % 5);
        ++k;
        connect(b, &QPushButton::clicked, this, [this, b] { cmdKikan_Click(b); });
        if (p.days == FromFirstRecord)
            cmdAllDay = b;
        else if (p.days == AsTyped)
            cmdKikanF = b;
        else
            cmdKikan[size_t(QByteArray(p.name).back() - '1')] = b;
    }

    // Lists and charts.
    msgBunseki = new Grid(QStringLiteral("msgBunseki"), this);
    msgBunseki2 = new Grid(QStringLiteral("msgBunseki2"), this);
    for (Grid* g : {msgBunseki, msgBunseki2}) {
        QFont f = g->font();
        f.setPointSize(10);
        g->setFont(f);
        g->setFontPointSize(10);
    }
    mcrBunseki = new Chart(QStringLiteral("mcrBunseki"), this);
    mcrBunseki2 = new Chart(QStringLiteral("mcrBunseki2"), this);
    mcrBunseki2->hide();
    cmdDay3 = button("cmdDay3", QStringLiteral("時系列"));
    cmdTotal3 = button("cmdTotal3", QStringLiteral("項目別"));
    cmdJikan3 = button("cmdJikan3", QStringLiteral("時間別"));
    cmdExport = exportplays::makeButton(this);
    initRangeGrids();

    auto* filters = new QHBoxLayout;
    filters->addWidget(itemBox, 0);
    auto* middle = new QVBoxLayout;
    middle->addWidget(weekBox);
    middle->addStretch(1);
    filters->addLayout(middle, 0);
    filters->addWidget(periodBox, 1);

    auto* chartButtons = new QHBoxLayout;
    for (QPushButton* b : {cmdDay3, cmdTotal3, cmdJikan3})
        chartButtons->addWidget(b);
    chartButtons->addStretch(1);
    chartButtons->addWidget(cmdExport);
    auto* right = new QVBoxLayout;
    right->addWidget(msgBunseki2, 0);
    right->addLayout(chartButtons);
    right->addWidget(mcrBunseki, 1);
    right->addWidget(mcrBunseki2, 1);
    msgBunseki2->setFixedHeight(msgBunseki2->horizontalHeader()->sizeHint().height() +
                                msgBunseki2->verticalHeader()->defaultSectionSize() * 7 +
                                2 * msgBunseki2->frameWidth());
    auto* lists = new QHBoxLayout;
    lists->addWidget(msgBunseki, 0);
    lists->addLayout(right, 1);
    msgBunseki->setMinimumWidth(msgBunseki->horizontalHeader()->length() +
                                msgBunseki->verticalScrollBar()->sizeHint().width() + 2 * msgBunseki->frameWidth());

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters, 0);
    layout->addLayout(lists, 1);

    connect(lstAct2, &QListWidget::itemClicked, this, &RangeView::lstAct2_Click);
    connect(cmdAllact, &QPushButton::clicked, this, &RangeView::cmdAllact_Click);
    connect(txtKey, &QLineEdit::returnPressed, this, &RangeView::txtKey_KeyPress);
    connect(cmdKensaku, &QPushButton::clicked, this, &RangeView::cmdKensaku_Click);
    connect(cmdAllWeek, &QPushButton::clicked, this, &RangeView::cmdAllWeek_Click);
    connect(cmdDay3, &QPushButton::clicked, this, &RangeView::cmdDay3_Click);
    connect(cmdTotal3, &QPushButton::clicked, this, &RangeView::cmdTotal3_Click);
    connect(cmdJikan3, &QPushButton::clicked, this, &RangeView::cmdJikan3_Click);
    connect(cmdExport, &QPushButton::clicked, this, &RangeView::cmdExport_Click);
    highlightChart(cmdDay3);
}

void RangeView::fillItemList() { itemlist::fillItemList(*lstAct2); }

QString RangeView::helpTourText() const
{
    return QStringLiteral("これまでプレイしてきたデータを「項目」「曜日」「期間」指定で表示できます。\r\n\r\n"
                          "「項目」をリストから選択すると、その「項目」のみのデータになります。\r\n"
                          "　※状況欄に直接任意の語句を入力することができます。（入力後Enter）\r\n\r\n"
                          "各種曜日ボタンで選択すると指定した曜日でのデータになります。\r\n\r\n"
                          "「期間」をボタンで選択すると指定した期間でのデータになります。\r\n"
                          "　※期間のコンボリストで任意に指定することも可能です。\r\n\r\n"
                          "時系列、項目別、時間別でグラフ表示することもできます。\r\n");
}

void RangeView::initRangeGrids()
{
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    const auto centre = Qt::AlignCenter;
    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    msgBunseki->setColumns({{QString(), 600, right},
                            {QStringLiteral("日付"), 1240, centre},
                            {QStringLiteral("時間"), 940, centre},
                            {QStringLiteral("曜"), 365, centre},
                            {QStringLiteral("項目"), 1210, left},
                            {QStringLiteral("秒"), 740, right}});
    msgBunseki2->setColumns({{QStringLiteral("項目"), 1390, left},
                             {QStringLiteral("秒"), 600, right},
                             {QStringLiteral("時間"), 910, right}});
    columnfit::growToSamples(*msgBunseki, {{0, "000000"}, {1, "0000/00/00"}, {2, "00:00:00"}, {5, "000.00"}});
    columnfit::growToSamples(*msgBunseki2, {{1, "0000000"}, {2, "0000:00:00"}});
}

void RangeView::clearPeriodButtons()
{
    for (QPushButton* b : findChildren<QPushButton*>())
        if (b->property(PeriodDays).isValid())
            buttonface::set(b, buttonface::systemFace());
}

template <typename F> void RangeView::relist(F&& listing)
{
    setUpdatesEnabled(false);
    listing();
    setUpdatesEnabled(true);
}

void RangeView::listRecords(range::Filters filters, bool collectDates)
{
    names_ = itemlist::loadItemNames(*lstAct2);
    const QStringList& names = names_;
    initRangeGrids();

    table_ = recordlog::current();
    const std::shared_ptr<const RecordTable>& table = table_;
    const range::Query query{txtKey->text(), weekdayFilter_, cboStdate->currentText(), cboEddate->currentText()};
    const bool everything = !filters.period && !filters.item && !filters.weekday;
    listing_ = everything && collectDates ? *logtallies::fullListing(table, names)
                                          : range::list(*table, names, query, filters, collectDates);
    const range::Listing& listing = listing_;
    using C = PlayRows::Column;
    msgBunseki->model().setSource(std::make_shared<PlayRows>(
        table, listing.rows, std::vector<C>{C::Position, C::Date, C::Time, C::Weekday, C::Item, C::Seconds}));
    if (msgBunseki->rows() > 11)
        msgBunseki->setTopRow(msgBunseki->rows() - 1);

    std::vector<QString> totals;
    for (qsizetype j = 0; j < names.size(); ++j) {
        totals.push_back(names[j]);
        totals.push_back(QString::number(listing.itemSeconds(size_t(j))));
        totals.push_back(duration::hms(listing.itemSeconds(size_t(j))));
    }
    msgBunseki2->model().setCells(std::move(totals));

    if (collectDates) {
        // Both lists hold every play date; they are filled again only when
        // the dates changed.
        if (listing.dates != playDates_->stringList())
            playDates_->setStringList(listing.dates);
        period_ = {listing.earliest, listing.latest};
        cboStdate->setEditText(period_.start);
        cboEddate->setEditText(period_.end);
    }

    if (buttonface::is(cmdDay3, ChartHighlight))
        cmdDay3_Click();
    if (buttonface::is(cmdTotal3, ChartHighlight))
        cmdTotal3_Click();
    if (buttonface::is(cmdJikan3, ChartHighlight))
        cmdJikan3_Click();
}

void RangeView::listAllRangeRecords() { listRecords({}, true); }
void RangeView::listRecordsInPeriod() { listRecords({true, false, false}, false); }
void RangeView::listRecordsInPeriodByItem() { listRecords({true, true, false}, false); }
void RangeView::listRecordsInPeriodByWeekday() { listRecords({true, false, true}, false); }
void RangeView::listRecordsInPeriodByItemAndWeekday() { listRecords({true, true, true}, false); }

void RangeView::applyRangeFilter()
{
    const range::Filters f = range::chosen({txtKey->text(), weekdayFilter_, {}, {}});
    if (f.item && f.weekday)
        listRecordsInPeriodByItemAndWeekday();
    else if (f.item)
        listRecordsInPeriodByItem();
    else if (f.weekday)
        listRecordsInPeriodByWeekday();
    else
        listRecordsInPeriod();
}

void RangeView::prepare()
{
    relist([this] {
        listAllRangeRecords();
        weekdayFilter_ = range::AllWeekdays;
        clearPeriodButtons();
        for (QPushButton* b : cmdWeek)
            buttonface::set(b, buttonface::systemFace());
        for (QPushButton* b : {cmdAllDay, cmdAllact, cmdAllWeek})
            buttonface::set(b, FilterHighlight);
    });
}

void RangeView::lstAct2_Click()
{
    if (QListWidgetItem* item = lstAct2->currentItem())
        txtKey->setText(item->text());
    txtKey_KeyPress();
}

void RangeView::txtKey_KeyPress()
{
    relist([this] {
        buttonface::set(cmdAllact, buttonface::systemFace());
        applyRangeFilter();
    });
}

void RangeView::cmdAllact_Click()
{
    relist([this] {
        txtKey->clear();
        applyRangeFilter();
        buttonface::set(cmdAllact, FilterHighlight);
    });
}

void RangeView::cmdKensaku_Click()
{
    relist([this] { listRecordsInPeriodByItem(); });
}

void RangeView::cmdWeek_Click(int weekday)
{
    relist([this, weekday] {
        buttonface::set(cmdAllWeek, buttonface::systemFace());
        for (QPushButton* b : cmdWeek)
            buttonface::set(b, buttonface::systemFace());
        weekdayFilter_ = weekday;
        applyRangeFilter();
        buttonface::set(cmdWeek[size_t(weekday)], FilterHighlight);
    });
}

void RangeView::cmdAllWeek_Click()
{
    relist([this] {
        for (QPushButton* b : cmdWeek)
            buttonface::set(b, buttonface::systemFace());
        weekdayFilter_ = range::AllWeekdays;
        applyRangeFilter();
        buttonface::set(cmdAllWeek, FilterHighlight);
    });
}

void RangeView::cmdKikan_Click(QPushButton* pressed)
{
    relist([this, pressed] {
        clearPeriodButtons();
        const int days = pressed->property(PeriodDays).toInt();
        const QDate today = Clock::instance().now().date();
        if (days == FromFirstRecord) {
            cboStdate->setEditText(period_.start);
            cboEddate->setEditText(period_.end);
        } else if (days != AsTyped) {
            const range::Period p = range::daysBack(today, days);
            cboStdate->setEditText(p.start);
            cboEddate->setEditText(p.end);
        }
        applyRangeFilter();
        buttonface::set(pressed, FilterHighlight);
    });
}

bool RangeView::eventFilter(QObject* watched, QEvent* event)
{
    // The item box empties when the user moves into it, ready for a new word;
    // not when its window becomes active again.
    if (watched == txtKey && event->type() == QEvent::FocusIn) {
        const Qt::FocusReason why = static_cast<QFocusEvent*>(event)->reason();
        if (why == Qt::MouseFocusReason || why == Qt::TabFocusReason || why == Qt::BacktabFocusReason ||
            why == Qt::ShortcutFocusReason)
            txtKey->clear();
    }
    return Screen::eventFilter(watched, event);
}

void RangeView::highlightChart(QPushButton* pressed)
{
    for (QPushButton* b : {cmdDay3, cmdTotal3, cmdJikan3})
        buttonface::set(b, b == pressed ? ChartHighlight : buttonface::systemFace());
}

void RangeView::cmdDay3_Click()
{
    mcrBunseki2->hide();
    mcrBunseki->show();
    highlightChart(cmdDay3);
    chartdraw::plays(*mcrBunseki, table_, listing_.rows, false);
}

void RangeView::cmdTotal3_Click()
{
    mcrBunseki->hide();
    mcrBunseki2->show();
    highlightChart(cmdTotal3);
    std::vector<double> seconds;
    for (size_t j = 0; j < listing_.itemTenths.size(); ++j)
        seconds.push_back(double(listing_.itemSeconds(j)));
    chartdraw::points(*mcrBunseki2, {names_.begin(), names_.end()}, seconds);
}

void RangeView::cmdJikan3_Click()
{
    mcrBunseki->hide();
    mcrBunseki2->show();
    highlightChart(cmdJikan3);
    chartdraw::hours(*mcrBunseki2, listing_.rows);
}

void RangeView::cmdExport_Click()
{
    if (!table_)
        return;
    std::vector<int> positions;
    positions.reserve(listing_.rows.size());
    for (const RecordView* r : listing_.rows)
        positions.push_back(int(r - table_->records().data()));
    exportplays::run(this, *table_, positions, QStringLiteral("記録_範囲"));
}
