// Drawing a board of the two board games, with its answers and its hint
// colours, from the shipped kanji table and from a generated one of 30,000
// entries; and how often a twelve-tile excavation board of the shipped
// table holds two answers or more.
//   build/bench/board_bench --benchmark_min_time=0.5
#include "BenchTables.h"
#include "dictionary/Dictionary.h"
#include "games/board/BoardIndex.h"
#include "games/excavation/ExcavationBoard.h"
#include "games/landfill/LandfillBoard.h"
#include "platform/Random.h"

#include <benchmark/benchmark.h>

namespace {

void BM_BoardIndex(benchmark::State& state)
{
    const Dictionary& d = table(int(state.range(0)));
    for (auto _ : state) {
        BoardIndex index(d);
        benchmark::DoNotOptimize(index.entryCount());
    }
    state.counters["entries"] = d.kanjiCount();
}
BENCHMARK(BM_BoardIndex)->ArgNames({"large"})->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ExcavationBoard(benchmark::State& state)
{
    const BoardIndex index(table(int(state.range(0))));
    const int tiles = int(state.range(1));
    Random& random = Random::instance();
    random.seed(1);
    double attempts = 0, answers = 0;
    for (auto _ : state) {
        int a = 0;
        std::optional<Board> b = excavation::draw(index, tiles, random, nullptr, &a);
        excavation::applyHint(*b, true);
        attempts += a;
        answers += b->solutionCount();
    }
    state.counters["attempts"] = benchmark::Counter(attempts, benchmark::Counter::kAvgIterations);
    state.counters["answers"] = benchmark::Counter(answers, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ExcavationBoard)
    ->ArgNames({"large", "tiles"})
    ->ArgsProduct({{0, 1}, {12, 24}})
    ->Unit(benchmark::kMicrosecond);

void BM_LandfillBoard(benchmark::State& state)
{
    const BoardIndex index(table(int(state.range(0))));
    const int tiles = int(state.range(1));
    Random& random = Random::instance();
    random.seed(1);
    for (auto _ : state) {
        std::optional<Board> b = landfill::draw(index, tiles, random, nullptr);
        landfill::applyHint(*b, true);
        benchmark::DoNotOptimize(b->solutionCount());
    }
}
BENCHMARK(BM_LandfillBoard)
    ->ArgNames({"large", "tiles"})
    ->ArgsProduct({{0, 1}, {12, 24}})
    ->Unit(benchmark::kMicrosecond);

// Not a timing: the share of twelve-tile boards of the shipped table that
// hold two answers or more, over 20,000 boards.
void BM_ExcavationTwoOrMoreAnswers(benchmark::State& state)
{
    const BoardIndex index(shipped());
    Random& random = Random::instance();
    constexpr int Boards = 20000;
    int twoOrMore = 0;
    for (auto _ : state) {
        random.seed(42);
        twoOrMore = 0;
        for (int i = 0; i < Boards; ++i)
            if (excavation::draw(index, 12, random, nullptr)->solutionCount() >= 2)
                ++twoOrMore;
    }
    state.counters["share_two_or_more"] = double(twoOrMore) / Boards;
}
BENCHMARK(BM_ExcavationTwoOrMoreAnswers)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
