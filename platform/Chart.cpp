#include "platform/Chart.h"

#include "platform/ChartScale.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QGraphicsItem>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QSet>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {
const QColor SeriesColors[] = {QColor(0x40, 0x80, 0xC0), QColor(0xD0, 0x50, 0x50), QColor(0x50, 0xA0, 0x50),
                               QColor(0xE0, 0xA0, 0x30)};

// A bar is at least this wide before points are folded into columns, and a
// folded column this wide.
constexpr int MinBarPx = 4;
constexpr int ColumnPx = 2;
// The value axis and the margins take this much of the view's width.
constexpr int AxisRoomPx = 70;
// A label needs its text's width, the text item's margins and the axis'
// padding on both sides, or the axis cuts it to "...".
constexpr int LabelGapPx = 18;

// The axis keeps one entry per label text: a label that repeats (合体,
// 合体, ...) gets the point's number written in zero-width characters.
QString invisibleSuffix(size_t n)
{
    static const char16_t digits[4] = {0x200B, 0x200C, 0x200D, 0x2060};
    QString s;
    do {
        s += QChar(digits[n % 4]);
        n /= 4;
    } while (n > 0);
    return s;
}

QString tickFormat(int decimals)
{
    return decimals == 0 ? QStringLiteral("%d") : QStringLiteral("%.") + QString::number(decimals) + QLatin1Char('f');
}

// The points folded as chartscale::fold folds a series it holds, each run
// asked for as a whole.
chartscale::Folded foldPoints(const ChartPoints& points, int columns)
{
    chartscale::Folded f;
    const std::int64_t n = points.count();
    const std::int64_t groups = std::clamp<std::int64_t>(columns, 1, std::max<std::int64_t>(n, 1));
    if (n == 0)
        return f;
    for (std::int64_t g = 0; g < groups; ++g) {
        const std::int64_t first = g * n / groups;
        const std::int64_t end = (g + 1) * n / groups;
        const ChartPoints::Run r = points.run(first, end);
        f.peaks.push_back(r.peak);
        f.lows.push_back(r.low);
        f.means.push_back(r.sum / double(end - first));
        f.firsts.push_back(first);
    }
    return f;
}

// 1, 2, 5, 10, 20, 50 ... at or above n.
int roundStep(int n)
{
    for (int power = 1;; power *= 10)
        for (int m : {1, 2, 5})
            if (m * power >= n)
                return m * power;
}

// The pale band of a folded series: one rectangle per column, from the
// smallest to the largest value of its points. A filled outline of
// thousands of steps costs the painter far more than the same area as
// rectangles.
class FoldedBand : public QGraphicsItem {
public:
    FoldedBand(QChart* chart, QAbstractSeries* mapping, chartscale::Folded folded, qint64 points, QColor color)
        : QGraphicsItem(chart), chart_(chart), mapping_(mapping), folded_(std::move(folded)), points_(points),
          color_(color)
    {
        setZValue(3.5);  // above the grid and the axes, below the series
    }
    enum { Type = UserType + 1 };
    int type() const override { return Type; }
    QRectF boundingRect() const override { return chart_->plotArea(); }
    void areaChanged() { prepareGeometryChange(); }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override
    {
        // Point and value axes are linear: two corners give every position.
        const QPointF origin = chart_->mapToPosition(QPointF(0.5, 0), mapping_);
        const QPointF far = chart_->mapToPosition(QPointF(double(points_) + 0.5, 1), mapping_);
        const double perPoint = (far.x() - origin.x()) / double(points_);
        const double perValue = far.y() - origin.y();
        // The columns are set as pixels of one picture of the plot area and
        // drawn in one go: a fill a column costs the paint engine a hand-off
        // to its threads each.
        const QRect area = chart_->plotArea().toAlignedRect();
        if (area.isEmpty())
            return;
        QImage band(area.size(), QImage::Format_ARGB32_Premultiplied);
        band.fill(Qt::transparent);
        const QRgb pixel = qPremultiply(color_.rgba());
        const size_t n = folded_.peaks.size();
        for (size_t g = 0; g < n; ++g) {
            const double from = origin.x() + perPoint * double(folded_.firsts[g]);
            const double to = origin.x() + perPoint * double(g + 1 < n ? folded_.firsts[g + 1] : points_);
            const double top = origin.y() + perValue * folded_.peaks[g];
            const double bottom = origin.y() + perValue * folded_.lows[g];
            const QRect r = QRectF(QPointF(from, top), QPointF(to, bottom)).normalized().toRect() & area;
            if (r.isEmpty())
                continue;
            for (int y = r.top(); y <= r.bottom(); ++y) {
                auto* line = reinterpret_cast<QRgb*>(band.scanLine(y - area.top()));
                std::fill(line + (r.left() - area.left()), line + (r.right() - area.left() + 1), pixel);
            }
        }
        painter->drawImage(area.topLeft(), band);
    }

private:
    QChart* chart_;
    QAbstractSeries* mapping_;
    chartscale::Folded folded_;
    qint64 points_;
    QColor color_;
};

}  // namespace

Chart::Chart(const QString& objectName, QWidget* parent, int seriesCount) : QChartView(parent)
{
    setObjectName(objectName);
    setRenderHint(QPainter::Antialiasing);
    QChart* c = chart();
    c->legend()->hide();
    c->legend()->setAlignment(Qt::AlignTop);
    c->setMargins(QMargins(2, 2, 2, 2));
    c->setBackgroundRoundness(0);
    valueAxis_ = new QValueAxis;
    // Labels stand under their points; each label's room reaches to the
    // next label, so that thinned labels are shown whole.
    categoryAxis_ = new QCategoryAxis;
    categoryAxis_->setGridLineVisible(false);
    categoryAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    numberAxis_ = new QValueAxis;
    numberAxis_->setGridLineVisible(false);
    numberAxis_->setTickType(QValueAxis::TicksDynamic);
    numberAxis_->setTickAnchor(0);
    numberAxis_->setLabelFormat(QStringLiteral("%d"));
    c->addAxis(valueAxis_, Qt::AlignLeft);
    c->addAxis(categoryAxis_, Qt::AlignBottom);
    c->addAxis(numberAxis_, Qt::AlignBottom);
    connect(c, &QChart::plotAreaChanged, this, [this] {
        for (QGraphicsItem* item : chart()->childItems())
            if (auto* band = qgraphicsitem_cast<FoldedBand*>(item))
                band->areaChanged();
    });
    setSeriesCount(seriesCount);
    redraw();
}

void Chart::setSeriesCount(int count)
{
    values_.resize(size_t(std::max(1, count)), std::vector<double>(labels_.size(), 0.0));
    names_.resize(values_.size());
}

void Chart::setSeriesName(int series, const QString& name)
{
    if (series >= 1 && series <= seriesCount())
        names_[size_t(series - 1)] = name;
}

void Chart::setPoints(std::shared_ptr<const ChartPoints> points)
{
    setSeriesCount(1);
    setPointCount(0);
    points_ = std::move(points);
}

void Chart::setPointCount(int count)
{
    points_.reset();
    const size_t n = size_t(std::max(0, count));
    labels_.resize(n);
    for (auto& v : values_)
        v.resize(n, 0.0);
}

void Chart::setPointLabel(int point, const QString& label)
{
    if (points_)
        return;  // the points answer their own labels
    if (point >= 1 && point <= pointCount())
        labels_[size_t(point - 1)] = label;
}

QString Chart::pointLabel(int point) const
{
    if (points_)
        return point >= 1 && point <= pointCount() ? points_->label(point - 1) : QString();
    return point >= 1 && point <= pointCount() ? labels_[size_t(point - 1)] : QString();
}

void Chart::setPointValue(int series, int point, double value)
{
    if (points_)
        return;
    if (series >= 1 && series <= seriesCount() && point >= 1 && point <= pointCount())
        values_[size_t(series - 1)][size_t(point - 1)] = std::isfinite(value) ? value : 0.0;
}

double Chart::value(int series, int point) const
{
    if (points_)
        return series == 1 && point >= 1 && point <= pointCount() ? points_->value(point - 1) : 0.0;
    if (series >= 1 && series <= seriesCount() && point >= 1 && point <= pointCount())
        return values_[size_t(series - 1)][size_t(point - 1)];
    return 0;
}

// The view's own width is known as soon as it is placed, even hidden.
int Chart::plotRoom() const { return std::max(300, width() - AxisRoomPx); }

QColor Chart::seriesColor(int series) const { return SeriesColors[size_t(series) % std::size(SeriesColors)]; }

void Chart::setValueScale()
{
    double largest = std::max(valueMax_, points_ ? points_->largest() : 0.0);
    for (const auto& series : values_)
        for (double v : series)
            largest = std::max(largest, v);
    chartscale::Axis a;
    switch (scale_) {
    case Scale::Percent:
        a = {100, 20, 5, 0};
        break;
    case Scale::Counts:
        a = chartscale::countAxis(largest);
        break;
    case Scale::Values:
        a = chartscale::valueAxis(largest);
        break;
    }
    axisTop_ = a.top;
    axisStep_ = a.step;
    valueAxis_->setRange(0, a.top);
    valueAxis_->setTickCount(a.ticks + 1);
    valueAxis_->setLabelFormat(scale_ == Scale::Percent ? QStringLiteral("%d%%") : tickFormat(a.decimals));
}

void Chart::addSeries(QAbstractSeries* series, QAbstractAxis* pointAxis)
{
    chart()->addSeries(series);
    series->attachAxis(pointAxis);
    series->attachAxis(valueAxis_);
}

void Chart::drawBars(int roomPx)
{
    const int n = pointCount();
    columns_ = n;
    // Labels every `step` points, so that none runs into the next. Points
    // without labels are numbered, in round steps.
    const QFontMetrics fm(chart()->font());
    const bool labelled = std::any_of(labels_.begin(), labels_.end(), [](const QString& l) { return !l.isEmpty(); });
    int widest = 0;
    if (labelled) {
        for (const QString& l : labels_)
            widest = std::max(widest, fm.horizontalAdvance(l));
    } else {
        widest = fm.horizontalAdvance(QString::number(n));
    }
    const double room = n > 0 ? double(roomPx) / n : roomPx;
    int step = chartscale::labelStep(room, widest + LabelGapPx);
    if (!labelled)
        step = roundStep(step);
    for (const QString& label : categoryAxis_->categoriesLabels())
        categoryAxis_->remove(label);
    categoryAxis_->setStartValue(-0.5);
    categoryAxis_->setRange(-0.5, std::max(1, n) - 0.5);
    shownLabels_.clear();
    shownLabels_.reserve(n);
    QSet<QString> entries;
    for (int i = 0; i < n; ++i) {
        QString shown;
        if (labelled ? i % step == 0 : (i + 1) % step == 0)
            shown = labelled ? labels_[size_t(i)].toHtmlEscaped() : QString::number(i + 1);
        shownLabels_ << shown;
        if (!shown.isEmpty()) {
            const QString entry = entries.contains(shown) ? shown + invisibleSuffix(size_t(i)) : shown;
            entries.insert(entry);
            categoryAxis_->append(entry, i);
        }
    }
    numberAxis_->hide();
    categoryAxis_->show();

    // A line of one point would be a dot: it stands as a bar.
    if (form_ == Form::Bars || n == 1) {
        auto* bars = new QBarSeries;
        for (int s = 0; s < seriesCount(); ++s) {
            auto* set = new QBarSet(names_[size_t(s)]);
            set->setColor(seriesColor(s));
            set->setBorderColor(seriesColor(s));
            QList<qreal> v(values_[size_t(s)].begin(), values_[size_t(s)].end());
            set->append(v);
            bars->append(set);
        }
        bars->setBarWidth(seriesCount() > 1 ? 0.8 : 0.7);
        addSeries(bars, categoryAxis_);
        return;
    }
    for (int s = 0; s < seriesCount(); ++s) {
        auto* line = new QLineSeries;
        line->setName(names_[size_t(s)]);
        line->setColor(seriesColor(s));
        line->setPointsVisible(n <= 60);
        QList<QPointF> pts;
        pts.reserve(n);
        for (int i = 0; i < n; ++i)
            pts << QPointF(i, values_[size_t(s)][size_t(i)]);
        line->replace(pts);
        addSeries(line, categoryAxis_);
    }
}

void Chart::drawFolded(int roomPx)
{
    const int n = pointCount();
    // The interval first: a range set under the old, smaller interval lays
    // out a label for every old step across the new range.
    numberAxis_->setTickInterval(chartscale::countAxis(n, std::max(2, roomPx / 90)).step);
    numberAxis_->setRange(0.5, n + 0.5);
    categoryAxis_->hide();
    shownLabels_.clear();
    numberAxis_->show();

    // Each column shows the range of its points as a pale band, whose top
    // edge keeps every peak, and their mean as a line.
    const int columns = std::max(1, roomPx / ColumnPx);
    for (int s = 0; s < seriesCount(); ++s) {
        chartscale::Folded f = points_ ? foldPoints(*points_, columns) : chartscale::fold(values_[size_t(s)], columns);
        columns_ = int(f.peaks.size());
        auto* mean = new QLineSeries;
        QList<QPointF> middle;
        middle.reserve(qsizetype(f.peaks.size()));
        for (size_t g = 0; g < f.peaks.size(); ++g) {
            const double from = double(f.firsts[g]) + 0.5;
            const double to = (g + 1 < f.firsts.size() ? double(f.firsts[g + 1]) : double(n)) + 0.5;
            middle << QPointF((from + to) / 2, f.means[g]);
        }
        mean->replace(middle);
        mean->setName(names_[size_t(s)]);
        QPen pen(seriesColor(s));
        pen.setWidthF(1.5);
        mean->setPen(pen);
        addSeries(mean, numberAxis_);
        QColor pale = seriesColor(s);
        pale.setAlpha(80);
        new FoldedBand(chart(), mean, std::move(f), n, pale);  // the chart owns it
    }
}

void Chart::redraw()
{
    chart()->removeAllSeries();
    for (QGraphicsItem* item : chart()->childItems())
        delete qgraphicsitem_cast<FoldedBand*>(item);
    setValueScale();
    const int room = plotRoom();
    drawnRoom_ = room;
    const int n = pointCount();
    const int fits = form_ == Form::Bars ? std::max(24, room / (MinBarPx * seriesCount())) : room / ColumnPx;
    if (n <= fits && points_) {
        // Few enough to draw one by one: taken as points of their own.
        const std::shared_ptr<const ChartPoints> points = points_;
        setPointCount(n);
        for (int i = 0; i < n; ++i) {
            labels_[size_t(i)] = points->label(i);
            values_[0][size_t(i)] = points->value(i);
        }
    }
    if (n <= fits)
        drawBars(room);
    else
        drawFolded(room);
    const bool named = std::any_of(names_.begin(), names_.end(), [](const QString& s) { return !s.isEmpty(); });
    chart()->legend()->setVisible(named);
}

void Chart::resizeEvent(QResizeEvent* event)
{
    QChartView::resizeEvent(event);
    // Folding and label room follow the width: redraw when it changed much.
    const int room = plotRoom();
    if (std::abs(room - drawnRoom_) * 5 > drawnRoom_)
        redraw();
}
