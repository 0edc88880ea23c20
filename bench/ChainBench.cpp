// The link game's work at Start (the kanji a chain may start from) and for
// one answer, on the shipped kanji table and on a generated one of 30,000
// entries.
//   build/bench/chain_bench --benchmark_min_time=0.5
#include "BenchTables.h"
#include "games/link/LinkChain.h"
#include "platform/Random.h"

#include <benchmark/benchmark.h>

namespace {

void BM_LinkStartEntries(benchmark::State& state)
{
    const Dictionary& d = table(int(state.range(0)));
    size_t count = 0;
    for (auto _ : state) {
        const LinkChain chain(d);  // a new window works it out once
        count = chain.startEntries().size();
        benchmark::DoNotOptimize(count);
    }
    state.counters["entries"] = d.kanjiCount();
    state.counters["starts"] = double(count);
}
BENCHMARK(BM_LinkStartEntries)->ArgNames({"large"})->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_LinkAnswer(benchmark::State& state)
{
    const Dictionary& d = table(int(state.range(0)));
    LinkChain chain(d);
    Random::instance().seed(1);
    chain.start(Random::instance());
    const QString start = chain.current();
    // A kanji of the table: mostly a wrong answer, so the chain stays put.
    const QString typed = d.kansei(d.kanjiCount() / 2);
    for (auto _ : state) {
        const LinkChain::Link link = chain.answer(typed);
        if (link.right())
            chain.start(start);
        benchmark::DoNotOptimize(link.cell);
    }
}
BENCHMARK(BM_LinkAnswer)->ArgNames({"large"})->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
