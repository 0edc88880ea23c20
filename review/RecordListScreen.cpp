#include "review/RecordListScreen.h"

#include "platform/Grid.h"
#include "review/ExportPlays.h"
#include "review/RecordGrid.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct SortButton {
    const char* name;
    const char16_t* caption;
    int column;
    GridModel::SortKind kind;
};

// Position, game, seconds and note. Records are appended in time order, so
// sorting by position is sorting by date and time.
constexpr SortButton SortButtons[4] = {
    {"cmdSort1", u"回 （日付）", RecordGridSource::Position, GridModel::SortKind::Numeric},
    {"cmdSort2", u"項目", RecordGridSource::Item, GridModel::SortKind::Text},
    {"cmdSort3", u"秒数", RecordGridSource::Seconds, GridModel::SortKind::Numeric},
    {"cmdSort4", u"一言日記", RecordGridSource::Note, GridModel::SortKind::Text},
};

}  // namespace

RecordListScreen::RecordListScreen(QWidget* parent) : Screen(parent)
{
    setObjectName(QStringLiteral("fraBunseki"));
    msgIchiran = new Grid(QStringLiteral("msgIchiran"), this);

    auto* buttons = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        const SortButton& b = SortButtons[i];
        auto* button = new QPushButton(QString::fromUtf16(b.caption), this);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setMinimumWidth(110);
        connect(button, &QPushButton::clicked, this, [this, i] { sortRecordList(i + 1); });
        buttons->addWidget(button);
        cmdSort[size_t(i)] = button;
    }
    buttons->addStretch(1);
    cmdExport = exportplays::makeButton(this);
    connect(cmdExport, &QPushButton::clicked, this, &RecordListScreen::cmdExport_Click);
    buttons->addWidget(cmdExport);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(msgIchiran, 1);
    initRecordListGrid();
}

QString RecordListScreen::helpTourText() const
{
    return QStringLiteral("プレイしたデータを一覧表示しています。\r\n\r\n"
                          "各種データ毎、ボタンを押すたびに「昇順」「降順」で並び替えができます。\r\n"
                          "項目毎に並び替えたり、秒数が長い順に並び替えたり…など表示をかえることができます。\r\n\r\n");
}

void RecordListScreen::prepare()
{
    initRecordListGrid();
    loadRecordList();
}

void RecordListScreen::initRecordListGrid()
{
    recordgrid::setColumns(*msgIchiran, QStringLiteral("回"), {680, 1400, 1100, 2150, 850, 4880});
}

void RecordListScreen::loadRecordList() { edits_ = recordgrid::load(*msgIchiran); }

void RecordListScreen::cmdExport_Click()
{
    if (edits_)
        exportplays::run(this, edits_->table(), std::nullopt, QStringLiteral("記録"));
}

void RecordListScreen::sortRecordList(int button)
{
    if (button < 1 || button > 4)
        return;
    const SortButton& b = SortButtons[button - 1];
    bool& descending = SortDescendingNext[size_t(button - 1)];
    msgIchiran->model().sortRows(b.column, b.kind, !descending);
    descending = !descending;
    // The first row of the new order is what the user pressed for.
    msgIchiran->scrollToTop();
}
