// Drawing a board of the two board games, with its answers and its hint
// colours, from the shipped kanji table and from a generated one of 30,000
// entries; and how often a twelve-tile excavation board of the shipped
// table holds two answers or more.
//   build/bench/board_bench --benchmark_min_time=0.5
#include "dictionary/Dictionary.h"
#include "games/board/BoardIndex.h"
#include "games/excavation/ExcavationBoard.h"
#include "games/landfill/LandfillBoard.h"
#include "platform/Random.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <random>

namespace {

const Dictionary& shipped()
{
    static const Dictionary d = [] {
        Dictionary t;
        t.load(QStringLiteral(FERNOA2_DATA_DIR));
        return t;
    }();
    return d;
}

// 30,000 distinct kanji, each of one to six parts out of 1,500, the common
// parts far more often than the rare ones, in about the shares of the
// shipped table; one entry in fifteen primitive.
const Dictionary& large()
{
    static const Dictionary d = [] {
        std::mt19937 gen(20240501);
        std::uniform_real_distribution<double> u(0, 1);
        const auto cjk = [](char32_t c) { return QString::fromUcs4(&c, 1); };
        std::vector<QString> parts;
        for (char32_t c = 0x4E00; parts.size() < 1500; c += 7)
            parts.push_back(cjk(c));
        std::vector<KanjiEntry> entries;
        for (int i = 0; i < 30000; ++i) {
            const QString kanji = cjk(i < 20000 ? char32_t(0x4E01 + i) : char32_t(0x20000 + i));
            if (i % 15 == 0) {
                entries.push_back({kanji, kanji});
                continue;
            }
            const double r = u(gen);
            const int m = r < 0.40 ? 2 : r < 0.75 ? 3 : r < 0.91 ? 4 : r < 0.97 ? 5 : r < 0.99 ? 6 : 1;
            QString kousei;
            for (int k = 0; k < m; ++k)
                kousei += parts[size_t(std::pow(u(gen), 2.5) * double(parts.size()))];
            entries.push_back({kanji, kousei});
        }
        Dictionary t;
        t.setTables(std::move(entries), {});
        return t;
    }();
    return d;
}

const Dictionary& table(int which) { return which == 0 ? shipped() : large(); }

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
