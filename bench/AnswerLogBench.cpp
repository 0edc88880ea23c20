// The answer log at a year of heavy play (150,000 answers) and at 500,000:
// reading it whole, appending a play's answers with the sync, the 苦手
// tallies, and the start and the questions of a play with 苦手を優先.
#include "analysis/NigateTally.h"
#include "dictionary/Dictionary.h"
#include "games/frame/MissDraw.h"
#include "platform/Random.h"
#include "records/AnswerLog.h"
#include "support/AnswerGenerator.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A folder holding an answer log of `count` lines that ends today. The
// temporary folder is on a disk, as the data folder is: the append's sync is
// a real one.
class LogDir {
public:
    explicit LogDir(int count)
    {
        QFile out(path());
        out.open(QIODevice::WriteOnly | QIODevice::Truncate);
        out.write(answergen::bytes(count, QDate::currentDate()));
    }
    QString path() const { return dir_.filePath(answerfile::FileName); }

private:
    QTemporaryDir dir_;
};

int today() { return answerfile::dayNumber(QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd"))); }

void BM_ReadAnswerLog(benchmark::State& state)
{
    LogDir dir(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(AnswerLog::readFile(dir.path()));
}
BENCHMARK(BM_ReadAnswerLog)->Arg(150000)->Arg(500000)->Unit(benchmark::kMillisecond);

// A play of 30 answers added to the file and to the kept log, synced. With
// "shown", a screen still holds the log, which the append then copies.
void BM_AppendPlay(benchmark::State& state)
{
    LogDir dir(int(state.range(0)));
    std::shared_ptr<const AnswerLog> shown = answerlog::current(dir.path());
    if (state.range(1) == 0)
        shown.reset();
    std::vector<Answer> play;
    for (int i = 0; i < 30; ++i)
        play.push_back(Answer{QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd")),
                              QStringLiteral("21:00:00"),
                              1,
                              QStringLiteral("時"),
                              QStringLiteral("時"),
                              Verdict::Right,
                              {},
                              {}});
    for (auto _ : state) {
        if (!answerlog::append(play, dir.path()).ok)
            state.SkipWithError("append failed");
        if (shown) {
            state.PauseTiming();
            shown = answerlog::current(dir.path());
            state.ResumeTiming();
        }
    }
    shown.reset();
    answerlog::forget();
}
BENCHMARK(BM_AppendPlay)
    ->ArgsProduct({{150000, 500000}, {0, 1}})
    ->ArgNames({"answers", "shown"})
    ->Unit(benchmark::kMillisecond);

void BM_NigateTally(benchmark::State& state)
{
    LogDir dir(int(state.range(0)));
    const auto log = AnswerLog::readFile(dir.path());
    const NigateFilter filter{int(state.range(1)), 0};
    for (auto _ : state)
        benchmark::DoNotOptimize(tallyNigate(*log, today(), filter));
}
BENCHMARK(BM_NigateTally)
    ->ArgsProduct({{150000, 500000}, {30, 0}})
    ->ArgNames({"answers", "days"})
    ->Unit(benchmark::kMillisecond);

// The kanji the combine game asks from the shipped dictionary.
QStringList shippedQuestions()
{
    Dictionary dictionary;
    dictionary.load(QStringLiteral(FERNOA2_DATA_DIR));
    QStringList questions;
    for (int i = 0; i < dictionary.questionCount(); ++i)
        questions << dictionary.kansei(dictionary.questionEntry(i));
    return questions;
}

// Start of a play with 苦手を優先 (the log already kept in memory): the
// boxes of one game from every answer, taken while the countdown runs.
void BM_TickedPlayStart(benchmark::State& state)
{
    LogDir dir(int(state.range(0)));
    const auto log = AnswerLog::readFile(dir.path());
    for (auto _ : state) {
        MissDraw draw;
        draw.start(*log, 1);
        benchmark::DoNotOptimize(draw);
    }
}
BENCHMARK(BM_TickedPlayStart)->Arg(150000)->Arg(500000)->Unit(benchmark::kMillisecond);

// The first question of such a play: the weights of the shipped
// dictionary's kanji from the boxes, and the draw.
void BM_FirstWeightedDraw(benchmark::State& state)
{
    LogDir dir(int(state.range(0)));
    const auto log = AnswerLog::readFile(dir.path());
    const QStringList questions = shippedQuestions();
    for (auto _ : state) {
        state.PauseTiming();
        MissDraw draw;
        draw.start(*log, 1);
        state.ResumeTiming();
        benchmark::DoNotOptimize(draw.draw([&] { return questions; }, Random::instance()));
    }
}
BENCHMARK(BM_FirstWeightedDraw)->Arg(500000)->Unit(benchmark::kMillisecond);

// Each later question of such a play: drawn by weight among the shipped
// dictionary's kanji, and the answer that moves its box.
void BM_WeightedDraw(benchmark::State& state)
{
    LogDir dir(int(state.range(0)));
    const auto log = AnswerLog::readFile(dir.path());
    const QStringList questions = shippedQuestions();
    MissDraw draw;
    draw.start(*log, 1);
    const auto candidates = [&] { return questions; };
    draw.draw(candidates, Random::instance());
    int n = 0;
    for (auto _ : state) {
        const int i = draw.draw(candidates, Random::instance());
        draw.answered(Answer{{}, {}, 1, questions[i], {}, ++n % 3 ? Verdict::Right : Verdict::Wrong, {}, {}});
    }
}
BENCHMARK(BM_WeightedDraw)->Arg(500000)->Unit(benchmark::kMicrosecond);

}  // namespace
