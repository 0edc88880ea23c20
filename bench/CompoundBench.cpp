// The compound game's word table over the shipped dictionaries: built once
// when the window opens, then drawn from and judged against on every answer.
#include "dictionary/Dictionary.h"
#include "games/compound/CompoundQuestion.h"
#include "platform/Random.h"

#include <benchmark/benchmark.h>

namespace {
const Dictionary& shipped()
{
    static const Dictionary d = [] {
        Dictionary table;
        table.load(QStringLiteral(FERNOA2_DATA_DIR));
        return table;
    }();
    return d;
}
}  // namespace

static void BM_CompoundWordsFromShippedTables(benchmark::State& state)
{
    const Dictionary& d = shipped();
    for (auto _ : state) {
        CompoundWords words(d);
        benchmark::DoNotOptimize(words.size());
    }
    state.counters["words"] = double(CompoundWords(d).size());
    state.counters["compounds"] = double(d.compoundCount());
}
BENCHMARK(BM_CompoundWordsFromShippedTables)->Unit(benchmark::kMillisecond);

static void BM_CompoundDrawAndJudge(benchmark::State& state)
{
    const CompoundWords words(shipped());
    Random::instance().seed(1);
    for (auto _ : state) {
        const CompoundQuestion q = words.draw(Random::instance());
        // The reversed word: a dictionary look-up and the component comparison.
        const QString typed = QString(q.answer[1]) + q.answer[0];
        benchmark::DoNotOptimize(words.isRight(q, typed));
    }
}
BENCHMARK(BM_CompoundDrawAndJudge)->Unit(benchmark::kMicrosecond);
