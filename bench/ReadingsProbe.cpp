// The readings' load in a fresh process, as the program meets it: the code
// page tables are built first (the start-up's dictionary load builds them),
// then the first call to Readings::shipped() reads and indexes the table in
// the program's resources, whose pages this process has not touched before.
// Also a level's restriction of the shipped dictionary (what Start does at
// 小学2年) and one reading line. Prints milliseconds, of the clock and of the
// thread's processor time (apart from what other programs take on a shared
// machine). Run it in a fresh process each time, e.g.
//   for i in $(seq 20); do build/bench/readings_probe; done
#include "dictionary/Dictionary.h"
#include "dictionary/KanjiLevel.h"
#include "dictionary/Readings.h"
#include "platform/Sjis.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <ctime>

namespace {
double threadMillis()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}
}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    sjis::decode("\x82\xa0");
    Dictionary dictionary;
    dictionary.load(QStringLiteral(FERNOA2_DATA_DIR));

    QElapsedTimer t;
    t.start();
    const double cpu = threadMillis();
    const Readings& readings = Readings::shipped();
    const qint64 load = t.nsecsElapsed();
    const double loadCpu = threadMillis() - cpu;
    t.restart();
    const Dictionary second = KanjiLevel(2).restrict(dictionary);
    const qint64 restrict = t.nsecsElapsed();
    t.restart();
    const QString line = readings.line(u"時");
    const qint64 oneLine = t.nsecsElapsed();
    std::printf("load %.3f ms, processor %.3f ms (%d kanji, %d words)  restrict to 小学2年 %.3f ms (%d kanji)  one "
                "line %.4f ms%s\n",
                double(load) / 1e6, loadCpu, readings.kanjiCount(), readings.wordCount(), double(restrict) / 1e6,
                second.kanjiCount(), double(oneLine) / 1e6, line.isEmpty() ? " (empty!)" : "");
    return 0;
}
