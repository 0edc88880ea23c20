#include "platform/Chart.h"

#include "platform/RecordLine.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QValueAxis>

#include <algorithm>

Chart::Chart(const QString& objectName, QWidget* parent) : QChartView(parent)
{
    setObjectName(objectName);
    setRenderHint(QPainter::Antialiasing);
    QChart* c = chart();
    c->legend()->hide();
    c->setMargins(QMargins(2, 2, 2, 2));
    c->setBackgroundRoundness(0);
    // One series, set and pair of axes for the chart's life: a redraw only
    // replaces values and labels, which is much cheaper than rebuilding them.
    set_ = new QBarSet(QString());
    set_->setColor(QColor(0x40, 0x80, 0xC0));
    auto* series = new QBarSeries;
    series->append(set_);
    series->setBarWidth(0.7);
    c->addSeries(series);
    categories_ = new QBarCategoryAxis;
    values_ = new QValueAxis;
    // %g: whole seconds show whole, small rates (0.42/秒) keep their decimals.
    values_->setLabelFormat(QStringLiteral("%g"));
    c->addAxis(categories_, Qt::AlignBottom);
    c->addAxis(values_, Qt::AlignLeft);
    series->attachAxis(categories_);
    series->attachAxis(values_);
    redraw();
}

namespace {
// Categories must be unique, while point labels repeat (合体, 合体, ...): the
// point's number, written in zero-width characters, keeps them apart
// without showing.
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
}  // namespace

void Chart::setPointCount(int count) { points_.resize(size_t(std::max(0, count))); }

void Chart::setPointLabel(int point, const QString& label)
{
    if (point >= 1 && point <= pointCount())
        points_[size_t(point - 1)].label = label;
}

void Chart::setPointValue(int point, const QString& valueText)
{
    if (point >= 1 && point <= pointCount())
        points_[size_t(point - 1)].value = recordline::toDouble(valueText);
}

void Chart::setValueMax(double max) { valueMax_ = max; }

void Chart::redraw()
{
    QList<qreal> values;
    QStringList labels;
    values.reserve(qsizetype(points_.size()));
    double top = 0;
    for (size_t i = 0; i < points_.size(); ++i) {
        values << points_[i].value;
        top = std::max(top, points_[i].value);
        labels << points_[i].label + invisibleSuffix(i);
    }
    set_->remove(0, set_->count());
    set_->append(values);
    categories_->setCategories(labels);
    const double max = valueMax_ > 0 ? std::max(valueMax_, top) : top;
    values_->setRange(0, max > 0 ? max : 1);
}
