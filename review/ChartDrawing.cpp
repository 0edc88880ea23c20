#include "review/ChartDrawing.h"

#include "analysis/PlayHours.h"
#include "platform/Chart.h"

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

void plays(Chart& chart, const std::vector<const RecordView*>& plays, bool labelled)
{
    std::vector<QString> labels;
    std::vector<double> values;
    values.reserve(plays.size());
    for (const RecordView* r : plays) {
        if (labelled)
            labels.push_back(RecordTable::raw(r->item));
        values.push_back(r->seconds);
    }
    points(chart, labels, values);
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
