// A QApplication on the offscreen platform around the benchmarks, which
// build real windows.
#include <QApplication>

#include <benchmark/benchmark.h>
#include <malloc.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Views read the whole record file into fresh buffers of several
    // megabytes each time they are built; keeping freed memory in the heap
    // instead of returning it to the system saves faulting those pages in
    // again on every rebuild.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 512 * 1024 * 1024);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
