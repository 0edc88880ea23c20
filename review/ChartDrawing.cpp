#include "review/ChartDrawing.h"

#include "analysis/PlayHours.h"
#include "platform/Chart.h"

#include <algorithm>

namespace chartdraw {

void points(Chart& chart, const std::vector<QString>& labels, const std::vector<double>& values, bool cut)
{
    const int n = int(values.size());
    chart.setPointCount(n);
    for (int i = 0; i < n; ++i) {
        const QString label = size_t(i) < labels.size() ? labels[size_t(i)] : QString();
        chart.setPointLabel(i + 1, cut ? label.left(n < 17 ? 2 : 1) : label);
        chart.setPointValue(i + 1, values[size_t(i)]);
    }
    chart.redraw();
}

namespace {

// The plays as points the chart asks for as it draws them: a long log costs
// one pass over its seconds, not a label and a value set for every play.
// The labels are asked for only when the points are few enough to show.
class PlayPoints : public ChartPoints {
public:
    PlayPoints(std::shared_ptr<const RecordTable> table, const std::vector<const RecordView*>& plays, bool labelled)
        : table_(std::move(table)), labelled_(labelled)
    {
        values_.reserve(plays.size());
        if (labelled)
            plays_ = plays;
        for (const RecordView* r : plays) {
            values_.push_back(r->seconds);
            largest_ = std::max(largest_, double(r->seconds));
        }
    }
    std::int64_t count() const override { return std::int64_t(values_.size()); }
    double value(std::int64_t point) const override { return values_[size_t(point)]; }
    QString label(std::int64_t point) const override
    {
        if (!labelled_)
            return {};
        // As points() cuts them: two characters, one from 17 points on.
        return table_->item(*plays_[size_t(point)]).left(count() < 17 ? 2 : 1);
    }
    double largest() const override { return largest_; }
    Run run(std::int64_t first, std::int64_t end) const override
    {
        Run r;
        r.peak = r.low = values_[size_t(first)];
        for (std::int64_t i = first; i < end; ++i) {
            const double v = values_[size_t(i)];
            r.peak = std::max(r.peak, v);
            r.low = std::min(r.low, v);
            r.sum += v;
        }
        return r;
    }

private:
    std::shared_ptr<const RecordTable> table_;  // what plays_ points into
    std::vector<const RecordView*> plays_;
    std::vector<double> values_;
    double largest_ = 0;
    bool labelled_;
};

}  // namespace

void plays(Chart& chart, std::shared_ptr<const RecordTable> table, const std::vector<const RecordView*>& plays,
           bool labelled)
{
    chart.setPoints(std::make_shared<PlayPoints>(std::move(table), plays, labelled));
    chart.redraw();
}

void hours(Chart& chart, const std::vector<const RecordView*>& plays)
{
    const std::array<std::int64_t, 24> seconds = playhours::seconds(plays);
    chart.setPointCount(24);
    for (int h = 0; h < 24; ++h) {
        chart.setPointLabel(h + 1, QStringLiteral(" ") + QString::number(h));
        chart.setPointValue(h + 1, double(seconds[size_t(h)]));
    }
    chart.redraw();
}

}  // namespace chartdraw
