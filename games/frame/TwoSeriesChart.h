#pragma once
// A bar chart of two series side by side (correct and wrong answers per
// play), filled point by point like the one-series chart.
#include <QChartView>

#include <array>
#include <vector>

class TwoSeriesChart : public QChartView {
    Q_OBJECT
public:
    explicit TwoSeriesChart(const QString& objectName, QWidget* parent = nullptr);

    void setPointCount(int count);
    int pointCount() const { return int(values_[0].size()); }
    // series 1 or 2, point 1..pointCount(); the value given as text.
    void setPointValue(int series, int point, const QString& valueText);
    double value(int series, int point) const;
    void redraw();

private:
    std::array<std::vector<double>, 2> values_;
};
