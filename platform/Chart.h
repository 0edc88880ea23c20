#pragma once
// A bar chart with one data series, filled point by point: the point count,
// each point's label, and its value given as text.
#include <QChartView>
#include <QString>

#include <vector>

class Chart : public QChartView {
    Q_OBJECT
public:
    explicit Chart(const QString& objectName, QWidget* parent = nullptr);

    struct Point {
        QString label;
        double value = 0;
    };

    void setPointCount(int count);  // points keep their values while count grows
    int pointCount() const { return int(points_.size()); }
    void setPointLabel(int point, const QString& label);  // 1-based
    void setPointValue(int point, const QString& valueText);
    const std::vector<Point>& points() const { return points_; }
    // The value axis runs from 0 to max (0 lets the chart choose).
    void setValueMax(double max);
    double valueMax() const { return valueMax_; }

    // Draws the points as they stand; callers call it once after filling.
    void redraw();

private:
    std::vector<Point> points_;
    class QBarSet* set_ = nullptr;
    class QBarCategoryAxis* categories_ = nullptr;
    class QValueAxis* values_ = nullptr;
    double valueMax_ = 0;
};
