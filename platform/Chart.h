#pragma once
// A chart control in the vocabulary the program is written in: N series
// over one row of points, filled point by point (point count, each point's
// label and each series' value), then drawn once by redraw().
//
// Drawing is for reading at a glance, whatever the number of points: value
// axes run from 0 in round steps, labels are thinned so that they never
// collide, and a series longer than the chart is wide is folded into
// columns that each show the peak of their points.
#include <QChartView>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

// The points of a series too long to hold one by one (a point a day since
// year 1): the chart asks for the points it labels and for the peak, low
// and sum of each run of points it folds into a column.
class ChartPoints {
public:
    virtual ~ChartPoints() = default;
    virtual std::int64_t count() const = 0;
    // 0-based points.
    virtual double value(std::int64_t point) const = 0;
    virtual QString label(std::int64_t point) const = 0;
    virtual double largest() const = 0;
    struct Run {
        double peak = 0, low = 0, sum = 0;
    };
    // Points [first, end), first < end.
    virtual Run run(std::int64_t first, std::int64_t end) const = 0;
};

class Chart : public QChartView {
    Q_OBJECT
public:
    enum class Form { Bars, Line };
    // Values: round steps of any size; Counts: whole steps; Percent: 0-100 %.
    enum class Scale { Values, Counts, Percent };

    explicit Chart(const QString& objectName, QWidget* parent = nullptr, int seriesCount = 1);

    void setSeriesCount(int count);  // points keep the values of the series kept
    int seriesCount() const { return int(values_.size()); }
    // A legend shows the names once any series has one.
    void setSeriesName(int series, const QString& name);
    void setForm(Form form) { form_ = form; }
    Form form() const { return form_; }
    void setScale(Scale scale) { scale_ = scale; }
    Scale scale() const { return scale_; }

    // Points are 1-based and keep their values while the count grows.
    void setPointCount(int count);
    int pointCount() const { return points_ ? int(points_->count()) : int(labels_.size()); }
    // One series whose points are asked for as they are drawn; setting a
    // point count drops it.
    void setPoints(std::shared_ptr<const ChartPoints> points);
    void setPointLabel(int point, const QString& label);
    QString pointLabel(int point) const;
    // Series 1 when no series is given; a value that is not finite is 0.
    void setPointValue(int point, double value) { setPointValue(1, point, value); }
    void setPointValue(int series, int point, double value);
    double value(int point) const { return value(1, point); }
    double value(int series, int point) const;
    // The value axis reaches at least this far (0: as far as the values).
    void setValueMax(double max) { valueMax_ = max; }
    double valueMax() const { return valueMax_; }

    // Draws the points as they stand; callers call it once after filling.
    void redraw();

    // What the last redraw put on screen.
    bool folded() const { return columns_ < pointCount(); }
    int columnsShown() const { return columns_; }
    double axisTop() const { return axisTop_; }
    double axisStep() const { return axisStep_; }
    // The category labels on show, blank where a label was left out for room.
    QStringList shownLabels() const { return shownLabels_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void setValueScale();
    void drawBars(int roomPx);
    void drawFolded(int roomPx);
    void addSeries(class QAbstractSeries* series, class QAbstractAxis* pointAxis);
    QColor seriesColor(int series) const;
    int plotRoom() const;

    std::shared_ptr<const ChartPoints> points_;
    std::vector<std::vector<double>> values_;
    std::vector<QString> labels_;
    std::vector<QString> names_;
    Form form_ = Form::Bars;
    Scale scale_ = Scale::Values;
    double valueMax_ = 0;
    int columns_ = 0;
    int drawnRoom_ = 0;
    double axisTop_ = 1;
    double axisStep_ = 1;
    // The axes live as long as the chart; a redraw replaces only the series.
    class QValueAxis* valueAxis_ = nullptr;
    class QCategoryAxis* categoryAxis_ = nullptr;  // labelled points
    class QValueAxis* numberAxis_ = nullptr;       // point numbers, when folded
    QStringList shownLabels_;
};
