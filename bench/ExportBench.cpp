// Exporting the play log as `fernoa2 --export-log FILE` does, at 100,000
// records: the log read from disk (its pages dropped from the cache before
// each run), parsed, written out as CSV or JSON and the file replaced and
// synced.
#include "BenchDir.h"
#include "app/CommandLine.h"

#include <QFile>

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

void dropFromCache(const char* name)
{
    const int fd = ::open(name, O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::fdatasync(fd);
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        ::close(fd);
    }
}

void BM_ExportLog(benchmark::State& state, const char* target)
{
    BenchDir dir(int(state.range(0)));
    const cli::Options options = cli::parse({QStringLiteral("--export-log"), QString::fromLatin1(target)});
    const QByteArray log = QFile::encodeName(QStringLiteral("データ.TXT"));
    qsizetype bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        dropFromCache(log.constData());
        state.ResumeTiming();
        cli::Output output;
        if (cli::runWithoutWindow(options, output) != cli::Success)
            state.SkipWithError(output.err.constData());
        bytes = QFile(QString::fromLatin1(target)).size();
    }
    state.counters["MB"] = double(bytes) / 1e6;
}
BENCHMARK_CAPTURE(BM_ExportLog, csv, "plays.csv")->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportLog, json, "plays.json")->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
