#include "review/DayView.h"

#include "analysis/DayTally.h"
#include "analysis/NigateTally.h"
#include "platform/ButtonFace.h"
#include "platform/Chart.h"
#include "platform/Clock.h"
#include "platform/Colors.h"
#include "platform/Duration.h"
#include "platform/Grid.h"
#include "platform/MonthCalendar.h"
#include "records/AnswerLog.h"
#include "records/GameItems.h"
#include "records/RecordLog.h"
#include "review/ChartDrawing.h"
#include "review/DayPictures.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QColor DayView::highlight() { return colors::fromBgr(0xC0C0FF); }

DayView::DayView(MainState& state, QWidget* parent) : Screen(parent), state_(state)
{
    setObjectName(QStringLiteral("fraMain"));
    mtvmain = new MonthCalendar(QStringLiteral("mtvmain"), this);
    msgDayList = new Grid(QStringLiteral("msgDayList"), this);
    msgDayTotal = new Grid(QStringLiteral("msgDayTotal"), this);
    lblDayTotal = new QLabel(this);
    lblDayTotal->setObjectName(QStringLiteral("lblDayTotal"));
    lblDayTotal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont big = lblDayTotal->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    lblDayTotal->setFont(big);
    lblMHyouka = new QLabel(this);
    lblMHyouka->setObjectName(QStringLiteral("lblMHyouka"));
    lblMHyouka->setAlignment(Qt::AlignCenter);
    lblMHyouka->setAutoFillBackground(true);
    lblMHyouka->setFrameShape(QFrame::Panel);
    lblMHyouka->setFrameShadow(QFrame::Sunken);
    lblMHyouka->setMinimumHeight(30);
    lblNigate = new QLabel(this);
    lblNigate->setObjectName(QStringLiteral("lblNigate"));
    lblNigate->hide();
    imgNashi = new FacePicture(QStringLiteral("imgNashi"), dayface::Face::None, this);
    imgkana = new FacePicture(QStringLiteral("imgkana"), dayface::Face::Sulky, this);
    imgniko = new FacePicture(QStringLiteral("imgniko"), dayface::Face::Smile, this);
    imgwara = new FacePicture(QStringLiteral("imgwara"), dayface::Face::Laugh, this);
    for (int i = 0; i < 7; ++i)
        shpLed[size_t(i)] = new Lamp(QStringLiteral("shpLed_%1").arg(i + 1), this);
    mcrMain = new Chart(QStringLiteral("mcrMain"), this);
    mcrMain->setMinimumHeight(200);
    auto makeButton = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    cmdDay = makeButton("cmdDay", QStringLiteral("時系列"));
    cmdTotal = makeButton("cmdTotal", QStringLiteral("項目別"));
    cmdJikan = makeButton("cmdJikan", QStringLiteral("時間別"));
    highlightOnly(cmdDay);

    // Left: calendar, face and lamps. Right: the day's lists and chart.
    auto* faces = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(imgNashi), static_cast<QWidget*>(imgkana), static_cast<QWidget*>(imgniko),
                       static_cast<QWidget*>(imgwara)})
        faces->addWidget(w);
    faces->addWidget(lblMHyouka, 1);
    auto* lamps = new QHBoxLayout;
    lamps->addStretch(1);
    for (Lamp* l : shpLed)
        lamps->addWidget(l);
    lamps->addStretch(1);
    auto* left = new QVBoxLayout;
    left->addLayout(faces);
    left->addLayout(lamps);
    left->addWidget(mtvmain);
    auto* totalRow = new QHBoxLayout;
    auto* totalCaption = new QLabel(QStringLiteral("合計時間"), this);
    totalRow->addWidget(totalCaption);
    totalRow->addWidget(lblDayTotal, 1);
    left->addWidget(msgDayTotal);
    left->addLayout(totalRow);
    left->addWidget(lblNigate);

    auto* chartButtons = new QHBoxLayout;
    chartButtons->addWidget(cmdDay);
    chartButtons->addWidget(cmdTotal);
    chartButtons->addWidget(cmdJikan);
    chartButtons->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(msgDayList);
    right->addLayout(chartButtons);
    right->addWidget(mcrMain, 4);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 0);
    layout->addLayout(right, 1);
    msgDayTotal->setMinimumHeight(150);
    initMainScreenGrids();  // the header's height is known once it has its columns
    // Nine plays fit; from the tenth on the list scrolls to the newest.
    msgDayList->setFixedHeight(msgDayList->horizontalHeader()->sizeHint().height() +
                               msgDayList->verticalHeader()->defaultSectionSize() * 9 + 2 * msgDayList->frameWidth() +
                               2);
    msgDayList->setMinimumWidth(colors::twipsToPixels(500 + 1040 + 2400 + 810) + 24);

    connect(cmdDay, &QPushButton::clicked, this, &DayView::cmdDay_Click);
    connect(cmdTotal, &QPushButton::clicked, this, &DayView::cmdTotal_Click);
    connect(cmdJikan, &QPushButton::clicked, this, &DayView::cmdJikan_Click);
    connect(mtvmain, &QCalendarWidget::clicked, this, [this] { emit dayClicked(); });
    // The arrow and page keys move the chosen day as a click does.
    connect(mtvmain, &QCalendarWidget::selectionChanged, this, &DayView::showChosenDay);
}

void DayView::showChosenDay()
{
    if (mtvmain->value() != shownDay_)
        rebuildMainScreen();
}

void DayView::initMainScreenGrids()
{
    msgDayList->setColumns({{QString(), 500, Qt::AlignRight},
                            {QStringLiteral("時間"), 1040, Qt::AlignHCenter},
                            {QStringLiteral("項目"), 2400, Qt::AlignLeft},
                            {QStringLiteral("秒"), 810, Qt::AlignRight}});
    msgDayTotal->setColumns({{QString(), 350, Qt::AlignRight},
                             {QStringLiteral("項目"), 1840, Qt::AlignLeft},
                             {QStringLiteral("回"), 500, Qt::AlignRight},
                             {QStringLiteral("秒合計"), 750, Qt::AlignRight}});
}

void DayView::showKinds(int kinds)
{
    using dayface::Face;
    const Face face = dayface::face(kinds);
    imgNashi->setVisible(face == Face::None);
    imgkana->setVisible(face == Face::Sulky);
    imgniko->setVisible(face == Face::Smile);
    imgwara->setVisible(face == Face::Laugh);
    for (int i = 1; i <= 7; ++i)
        shpLed[size_t(i - 1)]->setColor(dayface::lampColor(i, kinds));
    QPalette pal = lblMHyouka->palette();
    pal.setColor(QPalette::Window, dayface::labelColor(kinds));
    lblMHyouka->setPalette(pal);
    lblMHyouka->setText(dayface::caption(kinds));
}

void DayView::showTodaysMisses()
{
    const int today = answerfile::dayNumber(dateText(Clock::instance().now().date()));
    const QStringList missed = mostMissedKanji(*answerlog::since(today), today, 3);
    lblNigate->setText(QStringLiteral("苦手：") + missed.join(u' '));
    lblNigate->setVisible(!missed.isEmpty());
}

void DayView::rebuildMainScreen()
{
    showTodaysMisses();
    initMainScreenGrids();
    mcrMain->setPointCount(1);
    mcrMain->setPointLabel(1, QString());
    mcrMain->setPointValue(1, 0.0);
    mcrMain->setValueMax(0);

    const QStringList& names = items::names();
    shownDay_ = mtvmain->value();
    const QString day = dateText(shownDay_);
    // The bytes start-up reads here are those the log's parse takes over.
    records_ = recordfile::dayRecords(recordlog::bytes(), day);
    const recordfile::DayRecords& records = records_;
    tally_ = {};
    if (records.firstDate.isEmpty() && records.table->empty()) {
        state_.noData = true;
        showKinds(0);
        dayTotalSeconds_ = 0;
        lblDayTotal->setText(duration::hms(0));
        mcrMain->redraw();
        return;
    }
    state_.noData = false;
    state_.firstRecordDate = records.firstDate;

    tally_ = DayTally::compute(*records.table, day, names);
    const DayTally& tally = tally_;
    std::vector<QString> cells;
    cells.reserve(tally.plays.size() * 4);
    int counter = 1;
    for (const RecordView* r : tally.plays) {
        cells.push_back(QString::number(counter++));
        cells.push_back(records.table->time(*r));
        cells.push_back(records.table->item(*r));
        cells.push_back(recordfile::shownSeconds(*records.table, *r));
    }
    msgDayList->model().setCells(std::move(cells));
    if (msgDayList->rows() > 10)
        msgDayList->setTopRow(msgDayList->rows() - 1);
    mcrMain->setValueMax(tally.longest);

    dayTotalSeconds_ = 0;
    std::vector<QString> totals;
    int row = 1;
    for (size_t i = 0; i < tally.counts.size(); ++i) {
        if (tally.counts[i] <= 0)
            continue;
        totals.push_back(QString::number(row++));
        totals.push_back(names[qsizetype(i)]);
        totals.push_back(QString::number(tally.counts[i]));
        totals.push_back(QString::number(tally.seconds(i)));
    }
    msgDayTotal->model().setCells(std::move(totals));
    dayTotalSeconds_ = tally.totalSeconds();
    lblDayTotal->setText(duration::hms(dayTotalSeconds_));

    for (QPushButton* b : {cmdDay, cmdTotal, cmdJikan}) {
        if (!buttonface::is(b, highlight()))
            continue;
        if (b == cmdDay)
            cmdDay_Click();
        else if (b == cmdTotal)
            cmdTotal_Click();
        else
            cmdJikan_Click();
    }
    showKinds(msgDayTotal->rows() - 1);
}

void DayView::highlightOnly(QPushButton* pressed)
{
    for (QPushButton* b : {cmdDay, cmdTotal, cmdJikan})
        buttonface::set(b, b == pressed ? highlight() : buttonface::systemFace());
}

void DayView::cmdDay_Click()
{
    highlightOnly(cmdDay);
    chartdraw::plays(*mcrMain, records_.table, tally_.plays, true);
}

void DayView::cmdTotal_Click()
{
    highlightOnly(cmdTotal);
    std::vector<QString> labels;
    std::vector<double> values;
    for (size_t i = 0; i < tally_.counts.size(); ++i)
        if (tally_.counts[i] > 0)
            labels.push_back(items::names()[qsizetype(i)]), values.push_back(double(tally_.seconds(i)));
    chartdraw::points(*mcrMain, labels, values);
}

void DayView::cmdJikan_Click()
{
    highlightOnly(cmdJikan);
    chartdraw::hours(*mcrMain, tally_.plays);
}
