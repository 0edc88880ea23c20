// The calendar and the aggregate tables over three years of plays (1,096
// days), at 32,766 and 100,000 records: entering each screen, and each
// press of an aggregate option, until painted. "AfterPlay" entries find one
// more play appended to the log, as after a return from a game, so they
// read the whole log again; the others find it as it was.
#include "BenchDir.h"
#include "records/RecordFile.h"
#include "review/AggregateScreen.h"
#include "review/CalendarScreen.h"
#include "review/ItemList.h"

#include <QApplication>
#include <QListWidget>
#include <QRadioButton>

#include <benchmark/benchmark.h>

namespace {

constexpr int ThreeYears = 1096;

// Hidden, prepared, shown and painted, as the main window enters a screen.
void enter(Screen& screen)
{
    screen.hide();
    screen.prepare();
    screen.show();
    QApplication::processEvents();
}

void appendPlay()
{
    recordfile::append(recordfile::appendedLine(QStringLiteral("2009/01/01"), QStringLiteral("21:00:00"),
                                                QStringLiteral("合体"), 60, {}));
}

// The item list the main window fills at start-up.
const QListWidget& itemList()
{
    static QListWidget* list = [] {
        auto* l = new QListWidget;
        itemlist::fillItemList(*l);
        return l;
    }();
    return *list;
}

std::unique_ptr<Screen> make(std::type_identity<CalendarScreen>) { return std::make_unique<CalendarScreen>(); }
std::unique_ptr<Screen> make(std::type_identity<AggregateScreen>)
{
    return std::make_unique<AggregateScreen>(itemList());
}

template <typename S> void enterScreen(benchmark::State& state, bool afterPlay)
{
    BenchDir dir(int(state.range(0)), ThreeYears);
    const std::unique_ptr<Screen> made = make(std::type_identity<S>{});
    Screen& screen = *made;
    screen.resize(1060, 660);
    enter(screen);
    for (auto _ : state) {
        if (afterPlay) {
            state.PauseTiming();
            appendPlay();
            state.ResumeTiming();
        }
        enter(screen);
    }
}

void BM_EnterCalendar(benchmark::State& state) { enterScreen<CalendarScreen>(state, false); }
void BM_EnterCalendarAfterPlay(benchmark::State& state) { enterScreen<CalendarScreen>(state, true); }
void BM_EnterAggregate(benchmark::State& state) { enterScreen<AggregateScreen>(state, false); }
void BM_EnterAggregateAfterPlay(benchmark::State& state) { enterScreen<AggregateScreen>(state, true); }
BENCHMARK(BM_EnterCalendarAfterPlay)->Arg(32766)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EnterCalendar)->Arg(32766)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EnterAggregateAfterPlay)->Arg(32766)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EnterAggregate)->Arg(32766)->Arg(100000)->Unit(benchmark::kMillisecond);

// A press of option 0 (time), 1 (counts) or 2 (time and counts); before
// each press another option is chosen (untimed), so that every press
// rebuilds.
void BM_AggregateOption(benchmark::State& state)
{
    BenchDir dir(int(state.range(0)), ThreeYears);
    AggregateScreen screen(itemList());
    screen.resize(1060, 660);
    enter(screen);
    const int option = int(state.range(1));
    auto* pressed = screen.findChild<QRadioButton*>(QStringLiteral("optList2_%1").arg(option));
    auto* other = screen.findChild<QRadioButton*>(QStringLiteral("optList2_%1").arg((option + 1) % 3));
    for (auto _ : state) {
        state.PauseTiming();
        other->click();
        QApplication::processEvents();
        state.ResumeTiming();
        pressed->click();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_AggregateOption)
    ->ArgsProduct({{32766, 100000}, {0, 1, 2}})
    ->ArgNames({"records", "option"})
    ->Unit(benchmark::kMillisecond);

}  // namespace
