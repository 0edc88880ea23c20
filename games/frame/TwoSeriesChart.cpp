#include "games/frame/TwoSeriesChart.h"

#include "platform/RecordLine.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QValueAxis>

#include <algorithm>

namespace {
const QColor SeriesColors[2] = {QColor(0x40, 0x80, 0xC0), QColor(0xD0, 0x50, 0x50)};
}

TwoSeriesChart::TwoSeriesChart(const QString& objectName, QWidget* parent) : QChartView(parent)
{
    setObjectName(objectName);
    setRenderHint(QPainter::Antialiasing);
    chart()->legend()->hide();
    chart()->setMargins(QMargins(2, 2, 2, 2));
    chart()->setBackgroundRoundness(0);
    redraw();
}

void TwoSeriesChart::setPointCount(int count)
{
    for (auto& v : values_)
        v.resize(size_t(std::max(0, count)));
}

void TwoSeriesChart::setPointValue(int series, int point, const QString& valueText)
{
    if (series >= 1 && series <= 2 && point >= 1 && point <= pointCount())
        values_[size_t(series - 1)][size_t(point - 1)] = recordline::toDouble(valueText);
}

double TwoSeriesChart::value(int series, int point) const
{
    if (series >= 1 && series <= 2 && point >= 1 && point <= pointCount())
        return values_[size_t(series - 1)][size_t(point - 1)];
    return 0;
}

void TwoSeriesChart::redraw()
{
    QChart* c = chart();
    c->removeAllSeries();
    for (QAbstractAxis* axis : c->axes()) {
        c->removeAxis(axis);
        delete axis;
    }
    auto* series = new QBarSeries;
    double top = 0;
    for (size_t s = 0; s < values_.size(); ++s) {
        auto* set = new QBarSet(QString());
        set->setColor(SeriesColors[s]);
        for (double v : values_[s]) {
            *set << v;
            top = std::max(top, v);
        }
        series->append(set);
    }
    series->setBarWidth(0.8);
    c->addSeries(series);
    QStringList labels;
    for (int i = 0; i < pointCount(); ++i)
        labels << QString(i + 1, QChar(0x200B));  // unique, invisible: no point labels
    auto* xAxis = new QBarCategoryAxis;
    xAxis->append(labels);
    auto* yAxis = new QValueAxis;
    yAxis->setRange(0, top > 0 ? top : 1);
    yAxis->setLabelFormat(QStringLiteral("%g"));
    c->addAxis(xAxis, Qt::AlignBottom);
    c->addAxis(yAxis, Qt::AlignLeft);
    series->attachAxis(xAxis);
    series->attachAxis(yAxis);
}
