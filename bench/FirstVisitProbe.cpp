// What a learner waits for on entering a review screen the first time: a
// fresh process starts the main window as the program does, paints it, lets
// the start-up work that follows the first paint finish, then presses the
// screen's toolbar button and times until the screen is painted. Nothing in
// the timed process touches the log before the program does.
//   first_visit_probe make N DIR      the shipped data set and a log of N
//                                     records in DIR (a separate run)
//   first_visit_probe floor DIR       reading and decoding the log, alone,
//                                     the decoder ready as after start-up
//   first_visit_probe start DIR       process start to painted main window
//   first_visit_probe visit NAME DIR  first and second visit of the screen
//                                     behind toolbar button NAME
//   first_visit_probe all DIR         every screen twice; peak memory
// Each prints its figures in milliseconds (memory in MiB) on one line;
// bench/first_visit runs them and writes the table.
#include "app/MainWindow.h"
#include "app/Shell.h"
#include "platform/MessageBox.h"
#include "platform/Sjis.h"
#include "platform/TextFile.h"
#include "records/RecordLog.h"
#include "support/RecordGenerator.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QStyleFactory>

#include <cstdio>
#include <ctime>
#include <malloc.h>

namespace {

const char* const ScreenButtons[] = {"cmdBunseki", "cmdSettei", "cmdMemo",   "cmdTaijyu",
                                     "cmdRentai",  "cmdCale",   "cmdSyuukei"};

double msSince(const timespec& from)
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec - from.tv_sec) * 1e3 + double(now.tv_nsec - from.tv_nsec) / 1e6;
}

int make(int records, const QString& dir)
{
    QDir().mkpath(dir);
    const QDir data(QStringLiteral(FERNOA2_DATA_DIR));
    for (const QString& f : data.entryList(QDir::Files))
        QFile::copy(data.filePath(f), QDir(dir).filePath(f));
    QFile out(QDir(dir).filePath(QStringLiteral("データ.TXT")));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    out.write(sjis::encode(recordgen::text(records)).bytes);
    return 0;
}

// The peak resident memory of this process so far, in MiB.
double peakMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024;
    return 0;
}

// Paints everything that is due, as the event loop would before the user's
// next click.
void settle(QWidget* w)
{
    w->repaint();
    QApplication::processEvents();
}

double press(MainWindow* w, const char* name)
{
    auto* button = w->findChild<QPushButton*>(QString::fromLatin1(name));
    if (!button) {
        std::fprintf(stderr, "no button %s\n", name);
        std::exit(2);
    }
    QElapsedTimer t;
    t.start();
    button->click();
    settle(w);
    return double(t.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv)
{
    timespec started{};
    clock_gettime(CLOCK_MONOTONIC, &started);
    const QByteArray mode = argc > 1 ? argv[1] : "";
    if (mode == "make" && argc == 4)
        return make(std::atoi(argv[2]), QString::fromLocal8Bit(argv[3]));
    const QString dir = QString::fromLocal8Bit(argv[argc - 1]);
    if (argc < 3 || !QDir::setCurrent(dir)) {
        std::fprintf(stderr, "usage: first_visit_probe make N DIR | floor DIR | start DIR | visit NAME DIR | all DIR\n");
        return 2;
    }
    if (mode == "floor") {
        sjis::decode("\x82\xa0");  // the decoder's tables, built once the program has started
        QElapsedTimer t;
        t.start();
        const QString text = sjis::decode(textfile::readBytes(QStringLiteral("データ.TXT")).value_or(QByteArray()));
        std::printf("%.1f\n", double(t.nsecsElapsed()) / 1e6);
        return text.isEmpty() ? 1 : 0;
    }

    // As the program starts (app/main.cpp), without the data folder checks.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 512 * 1024 * 1024);
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    msgbox::setResponder([](msgbox::Kind, const QString&, const QString&) { return true; });
    Shell shell;
    shell.tour().introShown = true;
    MainWindow* w = shell.showMain();
    settle(w);
    if (mode == "start") {
        std::printf("%.1f\n", msSince(started));
        return 0;
    }
    // What the program does once the window stands, before the user can
    // reach a button: the log's parse on the worker thread among it.
    QApplication::processEvents();
    recordlog::waitForWorker();

    if (mode == "visit" && argc == 4) {
        const double first = press(w, argv[2]);
        press(w, "cmdMain");
        const double second = press(w, argv[2]);
        std::printf("%.1f %.1f\n", first, second);
        return 0;
    }
    if (mode == "all") {
        for (int round = 0; round < 2; ++round)
            for (const char* name : ScreenButtons)
                press(w, name);
        std::printf("%.1f\n", peakMiB());
        return 0;
    }
    std::fprintf(stderr, "unknown mode %s\n", mode.constData());
    return 2;
}
