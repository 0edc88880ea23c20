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
    chart()->legend()->hide();
    chart()->setMargins(QMargins(2, 2, 2, 2));
    chart()->setBackgroundRoundness(0);
    redraw();
}

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
    QChart* c = chart();
    c->removeAllSeries();
    for (QAbstractAxis* axis : c->axes())
        c->removeAxis(axis), delete axis;

    auto* set = new QBarSet(QString());
    set->setColor(QColor(0x40, 0x80, 0xC0));
    QStringList labels;
    double top = 0;
    for (size_t i = 0; i < points_.size(); ++i) {
        *set << points_[i].value;
        top = std::max(top, points_[i].value);
        // Categories must be unique: an invisible suffix keeps equal labels apart.
        labels << points_[i].label + QString(int(i), QChar(0x200B));
    }
    auto* series = new QBarSeries;
    series->append(set);
    series->setBarWidth(0.7);
    c->addSeries(series);

    auto* xAxis = new QBarCategoryAxis;
    xAxis->append(labels);
    auto* yAxis = new QValueAxis;
    double max = valueMax_ > 0 ? std::max(valueMax_, top) : top;
    yAxis->setRange(0, max > 0 ? max : 1);
    yAxis->setLabelFormat(QStringLiteral("%.0f"));
    c->addAxis(xAxis, Qt::AlignBottom);
    c->addAxis(yAxis, Qt::AlignLeft);
    series->attachAxis(xAxis);
    series->attachAxis(yAxis);
}
