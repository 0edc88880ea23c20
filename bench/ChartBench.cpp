// A long series drawn folded, as the daily trends of 全グラフ and 範囲指定
// draw one: filled, redrawn and painted, at 10,000, 32,766 and 100,000
// points.
#include "platform/Chart.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

void BM_FoldedRedraw(benchmark::State& state)
{
    const int n = int(state.range(0));
    Chart chart(QStringLiteral("mcrBench"));
    chart.resize(1000, 400);
    chart.show();
    QApplication::processEvents();
    chart.setPointCount(n);
    for (int i = 1; i <= n; ++i)
        chart.setPointValue(i, 60 + 50 * std::sin(i * 0.37) + (i % 97 == 0 ? 400 : 0));
    bool other = false;
    for (auto _ : state) {
        // Alternating counts, as a press moves between two periods.
        chart.setPointCount(other ? n - 1 : n);
        other = !other;
        chart.redraw();
        chart.repaint();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_FoldedRedraw)->Arg(10000)->Arg(32766)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
