// The range view and the whole-history view at 32,766 and 100,000 play
// records: entering each view, a filter press, and each chart button, up to
// the painted screen.
#include "BenchDir.h"
#include "review/RangeView.h"
#include "review/WholeHistoryView.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>

#include <benchmark/benchmark.h>

namespace {

struct Views {
    RangeView range;
    WholeHistoryView whole{range.itemList()};
    Views()
    {
        range.fillItemList();
        for (Screen* s : {static_cast<Screen*>(&range), static_cast<Screen*>(&whole)})
            s->resize(1000, 650);
    }
};

// Hidden, prepared, shown and painted, as the main window enters a screen.
void enter(Screen& screen)
{
    screen.hide();
    screen.prepare();
    screen.show();
    QApplication::processEvents();
}

void press(Screen& screen, const char* name)
{
    screen.findChild<QPushButton*>(QString::fromLatin1(name))->click();
    QApplication::processEvents();
}

void BM_EnterRangeView(benchmark::State& state)
{
    BenchDir dir(int(state.range(0)));
    Views v;
    for (auto _ : state)
        enter(v.range);
}
BENCHMARK(BM_EnterRangeView)->Arg(32766)->Arg(100000)->Unit(benchmark::kMillisecond);

// A filter press: alternately one weekday and all weekdays.
void BM_RangeFilterPress(benchmark::State& state)
{
    BenchDir dir(int(state.range(0)));
    Views v;
    enter(v.range);
    bool weekday = true;
    for (auto _ : state) {
        press(v.range, weekday ? "cmdWeek_3" : "cmdAllWeek");
        weekday = !weekday;
    }
}
BENCHMARK(BM_RangeFilterPress)->Arg(32766)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_EnterWholeHistory(benchmark::State& state)
{
    BenchDir dir(int(state.range(0)));
    Views v;
    for (auto _ : state)
        enter(v.whole);
}
BENCHMARK(BM_EnterWholeHistory)->Arg(32766)->Arg(100000)->Unit(benchmark::kMillisecond);

const char* const WholeButtons[] = {"cmdDay2", "cmdTotal2", "cmdJikan2", "cmdHigoto", "cmdHigoto2", "cmdHigoto3"};

void BM_WholeHistoryChartPress(benchmark::State& state)
{
    BenchDir dir(int(state.range(0)));
    Views v;
    enter(v.whole);
    const int b = int(state.range(1));
    for (auto _ : state) {
        state.PauseTiming();
        press(v.whole, WholeButtons[(b + 1) % 6]);
        state.ResumeTiming();
        press(v.whole, WholeButtons[b]);
    }
    state.SetLabel(WholeButtons[b]);
}
BENCHMARK(BM_WholeHistoryChartPress)
    ->ArgsProduct({{32766, 100000}, {0, 1, 2, 3, 4, 5}})
    ->ArgNames({"records", "button"})
    ->Unit(benchmark::kMillisecond);

}  // namespace
