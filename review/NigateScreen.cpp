#include "review/NigateScreen.h"

#include "platform/Chart.h"
#include "platform/Clock.h"
#include "platform/Grid.h"
#include "records/AnswerLog.h"
#include "records/GameItems.h"
#include "review/ColumnFit.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QLabel>
#include <QLocale>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

const char16_t* const PeriodCaptions[3] = {u"30日", u"90日", u"全部"};
constexpr int PeriodDays[3] = {30, 90, 0};

enum Column { Kind, Text, Misses, Tries, Rate, LastDay };

QString percent(double rate) { return QString::number(rate * 100, 'f', 1) + u'%'; }

// The tally's rows as the grid shows them, each cell worked out when shown.
class NigateRows : public GridSource {
public:
    explicit NigateRows(std::shared_ptr<const NigateTally> tally) : tally_(std::move(tally)) {}
    int rows() const override { return int(tally_->rows.size()); }
    QString cell(int row, int col) const override
    {
        const NigateRow& r = tally_->rows[size_t(row)];
        switch (col) {
        case Kind:
            return r.kind == NigateRow::Kind::Kanji      ? QStringLiteral("漢字")
                   : r.kind == NigateRow::Kind::Compound ? QStringLiteral("熟語")
                                                         : QStringLiteral("部品");
        case Text:
            return r.text;
        case Misses:
            return QString::number(r.misses);
        case Tries:
            return QString::number(r.tries);
        case Rate:
            return percent(r.missRate());
        default:
            return answerfile::dateOfDay(r.lastDay);
        }
    }
    std::optional<double> number(int row, int col) const override
    {
        const NigateRow& r = tally_->rows[size_t(row)];
        switch (col) {
        case Misses:
            return r.misses;
        case Tries:
            return r.tries;
        case Rate:
            return r.missRate();
        case LastDay:
            return r.lastDay;
        default:
            return std::nullopt;
        }
    }

private:
    std::shared_ptr<const NigateTally> tally_;
};

// The weeks' miss rates in percent, labelled by their Monday when drawn.
class WeekPoints : public ChartPoints {
public:
    explicit WeekPoints(std::shared_ptr<const NigateTally> tally) : tally_(std::move(tally)) {}
    std::int64_t count() const override { return std::int64_t(tally_->weeks.size()); }
    double value(std::int64_t point) const override { return tally_->weeks[size_t(point)].missRate() * 100; }
    QString label(std::int64_t point) const override
    {
        return answerfile::dateOfDay(tally_->weeks[size_t(point)].monday).mid(5);
    }
    double largest() const override { return 100; }
    Run run(std::int64_t first, std::int64_t end) const override
    {
        Run r{value(first), value(first), 0};
        for (std::int64_t i = first; i < end; ++i) {
            const double v = value(i);
            r.peak = std::max(r.peak, v);
            r.low = std::min(r.low, v);
            r.sum += v;
        }
        return r;
    }

private:
    std::shared_ptr<const NigateTally> tally_;
};

int today() { return answerfile::dayNumber(dateText(Clock::instance().now().date())); }

}  // namespace

NigateScreen::NigateScreen(QWidget* parent) : Screen(parent)
{
    setObjectName(QStringLiteral("fraNigate"));
    auto* filters = new QHBoxLayout;
    filters->addWidget(new QLabel(QStringLiteral("期間："), this));
    for (int i = 0; i < 3; ++i) {
        auto* option = new QRadioButton(QString::fromUtf16(PeriodCaptions[i]), this);
        option->setObjectName(QStringLiteral("optKikan_%1").arg(i));
        connect(option, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optKikan_Click(i);
        });
        filters->addWidget(option);
        optKikan[size_t(i)] = option;
    }
    filters->addSpacing(24);
    filters->addWidget(new QLabel(QStringLiteral("ゲーム："), this));
    cboGame = new QComboBox(this);
    cboGame->setObjectName(QStringLiteral("cboGame"));
    cboGame->addItem(QStringLiteral("すべて"));
    cboGame->addItems(items::names());
    connect(cboGame, &QComboBox::activated, this, &NigateScreen::cboGame_Click);
    filters->addWidget(cboGame);
    filters->addSpacing(24);
    lblNigateKei = new QLabel(this);
    lblNigateKei->setObjectName(QStringLiteral("lblNigateKei"));
    filters->addWidget(lblNigateKei);
    filters->addStretch(1);

    msgNigate = new Grid(QStringLiteral("msgNigate"), this);
    msgNigate->setColumns({{QStringLiteral("種類"), 600, Qt::AlignHCenter},
                           {QStringLiteral("文字"), 900, Qt::AlignHCenter},
                           {QStringLiteral("ミス"), 700, Qt::AlignRight},
                           {QStringLiteral("回数"), 700, Qt::AlignRight},
                           {QStringLiteral("ミス率"), 900, Qt::AlignRight},
                           {QStringLiteral("最終日"), 1300, Qt::AlignHCenter}});
    columnfit::growToSamples(
        *msgNigate,
        {{Text, "熟語熟語"}, {Misses, "99999"}, {Tries, "99999"}, {Rate, "100.0%"}, {LastDay, "2024/12/31"}});
    msgNigate->setMinimumWidth(columnfit::fullWidth(*msgNigate));
    msgNigate->setMaximumWidth(columnfit::fullWidth(*msgNigate));
    connect(msgNigate->horizontalHeader(), &QHeaderView::sectionClicked, this, &NigateScreen::msgNigate_HeaderClick);
    connect(msgNigate, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { msgNigate_DblClick(index.row() + 1); });

    mcrNigate = new Chart(QStringLiteral("mcrNigate"), this);
    mcrNigate->setForm(Chart::Form::Line);
    mcrNigate->setScale(Chart::Scale::Percent);
    mcrNigate->setSeriesName(1, QStringLiteral("週ごとのミス率"));

    auto* body = new QHBoxLayout;
    body->addWidget(msgNigate);
    body->addWidget(mcrNigate, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addLayout(body, 1);
    {
        const QSignalBlocker quiet(optKikan[0]);
        optKikan[0]->setChecked(true);
    }
}

QString NigateScreen::helpTourText() const
{
    return QStringLiteral("よく間違える漢字・熟語・部品を、間違えた回数の多い順に表示します。\r\n\r\n"
                          "見出しをクリックすると並び替え、行をダブルクリックすると辞書で調べられます。\r\n\r\n");
}

void NigateScreen::prepare()
{
    log_ = answerlog::current();
    rebuild();
}

void NigateScreen::hideEvent(QHideEvent* event)
{
    Screen::hideEvent(event);
    // Not when the whole window is minimised: the screen is still the one on show.
    if (!event->spontaneous())
        log_.reset();
}

void NigateScreen::optKikan_Click(int index)
{
    period_ = std::clamp(index, 0, 2);
    rebuild();
}

void NigateScreen::cboGame_Click(int index)
{
    game_ = std::clamp(index, 0, items::Count);
    rebuild();
}

void NigateScreen::rebuild()
{
    if (!log_)
        return;
    tally_ = std::make_shared<NigateTally>(tallyNigate(*log_, today(), NigateFilter{PeriodDays[period_], game_}));
    msgNigate->model().setSource(std::make_shared<NigateRows>(tally_));
    sortedBy_ = -1;
    msgNigate->setTopRow(1);

    int tries = 0, misses = 0;
    for (const WeekRate& w : tally_->weeks) {
        tries += w.tries;
        misses += w.misses;
    }
    const QLocale c = QLocale::c();
    lblNigateKei->setText(tries == 0
                              ? QStringLiteral("この期間の解答はありません")
                              : QStringLiteral("解答 %1 回　ミス %2 回（%3）")
                                    .arg(c.toString(tries), c.toString(misses), percent(double(misses) / tries)));

    mcrNigate->setPoints(std::make_shared<WeekPoints>(tally_));
    mcrNigate->redraw();
}

void NigateScreen::msgNigate_HeaderClick(int col)
{
    const bool text = col == Kind || col == Text;
    ascending_ = col == sortedBy_ ? !ascending_ : text;
    sortedBy_ = col;
    msgNigate->model().sortRows(col, text ? GridModel::SortKind::Text : GridModel::SortKind::Numeric, ascending_);
    msgNigate->setTopRow(1);
}

void NigateScreen::msgNigate_DblClick(int row)
{
    if (row >= 1 && row < msgNigate->rows())
        emit dictionaryRequested(msgNigate->text(row, Text));
}
