#include "review/ChartDrawing.h"

#include "platform/Chart.h"
#include "platform/Duration.h"
#include "platform/Grid.h"
#include "platform/RecordLine.h"

#include <array>

namespace chartdraw {

void gridChart(Chart& chart, const Grid& source, int labelCol, int valueCol)
{
    const int rows = source.rows();
    chart.setPointCount(rows - 1);
    const GridModel& m = source.model();
    for (int i = 1; i < rows; ++i) {
        if (labelCol >= 0)
            chart.setPointLabel(i, m.cell(i - 1, labelCol).left(rows < 18 ? 2 : 1));
        chart.setPointValue(i, m.cell(i - 1, valueCol));
    }
    chart.redraw();
}

void hourChart(Chart& chart, const Grid& source, int timeCol, int secondsCol)
{
    std::array<std::int64_t, 25> buckets{};
    const GridModel& m = source.model();
    for (int r = 0; r < m.dataRows(); ++r) {
        bool ok = false;
        int h = m.cell(r, timeCol).left(2).toInt(&ok);
        if (!ok || h < 0 || h > 24)
            h = 0;
        buckets[size_t(h)] = duration::addRounded(buckets[size_t(h)], recordline::toDouble(m.cell(r, secondsCol)));
    }
    chart.setPointCount(24);
    for (int h = 0; h < 24; ++h) {
        chart.setPointLabel(h + 1, QStringLiteral(" ") + QString::number(h));
        chart.setPointValue(h + 1, QString::number(buckets[size_t(h)]));
    }
    chart.redraw();
}

}  // namespace chartdraw
