// Start-up costs at 32,766 and 100,000 play records: reading the record
// file, the day view, the edit grid, the dictionaries and the whole window.
#include "BenchDir.h"
#include "app/MainWindow.h"
#include "dictionary/Dictionary.h"
#include "platform/MessageBox.h"
#include "platform/MonthCalendar.h"
#include "records/RecordFile.h"
#include "review/DayView.h"
#include "review/EditScreen.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

void quietBoxes()
{
    msgbox::setResponder([](msgbox::Kind, const QString&, const QString&) { return true; });
}

QDate lastRecordDate()
{
    auto t = recordfile::read();
    return QDate::fromString(t->date(t->records().back()), QStringLiteral("yyyy/MM/dd"));
}

void BM_ReadRecordFile(benchmark::State& state)
{
    BenchDir dir(int(state.range(0)));
    for (auto _ : state) {
        auto t = recordfile::read();
        benchmark::DoNotOptimize(t->size());
    }
}
BENCHMARK(BM_ReadRecordFile)->Arg(32766)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_RebuildMainScreen(benchmark::State& state)
{
    BenchDir dir(int(state.range(0)));
    HelpTour tour;
    MainState shared{tour, {}, {}, true};
    DayView view(shared);
    view.resize(900, 600);
    view.show();
    view.calendar().setValue(lastRecordDate());
    for (auto _ : state) {
        view.rebuildMainScreen();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_RebuildMainScreen)->Arg(32766)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_EditGridFill(benchmark::State& state)
{
    BenchDir dir(int(state.range(0)));
    HelpTour tour;
    MainState shared{tour, {}, {}, true};
    EditScreen screen(shared);
    screen.resize(900, 600);
    screen.show();
    for (auto _ : state) {
        screen.prepare();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_EditGridFill)->Arg(32766)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_ReadJisyo(benchmark::State& state)
{
    BenchDir dir(0);
    Dictionary d;
    for (auto _ : state) {
        d.load();
        benchmark::DoNotOptimize(d.kanjiCount());
    }
    state.counters["kanji"] = d.kanjiCount();
    state.counters["compounds"] = d.compoundCount();
}
BENCHMARK(BM_ReadJisyo)->Unit(benchmark::kMillisecond);

// Construction to a painted day view, as after each return from a game.
void BM_MainWindowStartUp(benchmark::State& state)
{
    BenchDir dir(int(state.range(0)));
    quietBoxes();
    HelpTour tour;
    tour.introShown = true;
    Dictionary dictionary;
    for (auto _ : state) {
        auto* w = new MainWindow(tour, dictionary);
        w->startUp();
        w->repaint();
        QApplication::processEvents();
        state.PauseTiming();
        delete w;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MainWindowStartUp)->Arg(32766)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
