// The record list and the notes screen at 32,766 and 100,000 play records:
// entering each screen, each sort press, and a diary save (a whole-file
// rewrite).
#include "BenchDir.h"
#include "platform/Grid.h"
#include "review/NotesScreen.h"
#include "review/RecordListScreen.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

namespace {

// Hidden, prepared, shown and painted, as the main window enters a screen.
template <typename S> void enter(S& screen)
{
    screen.hide();
    screen.prepare();
    screen.show();
    QApplication::processEvents();
}

void BM_EnterRecordList(benchmark::State& state)
{
    BenchDir dir(int(state.range(0)));
    RecordListScreen screen;
    screen.resize(1000, 650);
    for (auto _ : state)
        enter(screen);
}
BENCHMARK(BM_EnterRecordList)->Arg(32766)->Arg(100000)->Unit(benchmark::kMillisecond);

// One press of a sort button (1 回, 2 項目, 3 秒数, 4 一言日記). Before each
// press another button re-orders the list (untimed), so that no press finds
// its rows already in order.
void BM_SortPress(benchmark::State& state)
{
    BenchDir dir(int(state.range(0)));
    RecordListScreen screen;
    screen.resize(1000, 650);
    enter(screen);
    const int button = int(state.range(1));
    const int other = button % 4 + 1;
    for (auto _ : state) {
        state.PauseTiming();
        screen.sortRecordList(other);
        QApplication::processEvents();
        state.ResumeTiming();
        screen.sortRecordList(button);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_SortPress)
    ->ArgsProduct({{32766, 100000}, {1, 2, 3, 4}})
    ->ArgNames({"records", "button"})
    ->Unit(benchmark::kMillisecond);

void BM_EnterNotes(benchmark::State& state)
{
    BenchDir dir(int(state.range(0)));
    NotesScreen screen;
    screen.resize(1000, 650);
    for (auto _ : state)
        enter(screen);
}
BENCHMARK(BM_EnterNotes)->Arg(32766)->Arg(100000)->Unit(benchmark::kMillisecond);

// A diary text saved on the middle record: the whole file is written again.
void BM_DiarySave(benchmark::State& state)
{
    BenchDir dir(int(state.range(0)));
    NotesScreen screen;
    screen.resize(1000, 650);
    enter(screen);
    const int row = screen.grid().rows() / 2;
    emit screen.grid().cellClicked(row, 5);
    auto* txtMemo = screen.findChild<QLineEdit*>(QStringLiteral("txtMemo"));
    auto* cmdMemoHozon = screen.findChild<QPushButton*>(QStringLiteral("cmdMemoHozon"));
    int n = 0;
    for (auto _ : state) {
        txtMemo->setText(QStringLiteral("今日は調子が良かった %1").arg(++n));
        cmdMemoHozon->click();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_DiarySave)->Arg(32766)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
