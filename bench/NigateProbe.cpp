// What a learner waits for on the 苦手 screen: a fresh process starts the
// main window as the program does, paints it, lets the work that follows the
// first paint finish (the idle read of the answer log among it), then
// presses 苦手 and times until the screen is painted; then a later visit and
// a press of the period 全部. Nothing in the timed process touches the
// answer log before the program does: a separate run writes it.
//   nigate_probe make N DIR        the shipped data set, a play log and an
//                                  answer log of N lines ending today in DIR
//   nigate_probe visit DIR [how]   prints on one line, in ms:
//       first later 全部 floor idle-read, then the answers and the rows
//     how: "early" presses 苦手 as soon as the window stands, before the idle
//     read ends; "cold" first drops the file from the page cache, as after
//     a restart
#include "app/MainWindow.h"
#include "app/Shell.h"
#include "platform/MessageBox.h"
#include "platform/Sjis.h"
#include "platform/TextFile.h"
#include "records/AnswerLog.h"
#include "records/RecordLog.h"
#include "review/NigateScreen.h"
#include "support/AnswerGenerator.h"
#include "support/RecordGenerator.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>

#include <cstdio>
#include <fcntl.h>
#include <malloc.h>
#include <unistd.h>

namespace {

int make(int answers, const QString& dir)
{
    QDir().mkpath(dir);
    const QDir data(QStringLiteral(FERNOA2_DATA_DIR));
    for (const QString& f : data.entryList(QDir::Files))
        QFile::copy(data.filePath(f), QDir(dir).filePath(f));
    QFile plays(QDir(dir).filePath(QStringLiteral("データ.TXT")));
    QFile log(QDir(dir).filePath(answerfile::FileName));
    if (!plays.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        !log.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    plays.write(sjis::encode(recordgen::text(std::max(answers / 30, 1))).bytes);  // a play is about 30 answers
    log.write(answergen::bytes(answers, QDate::currentDate()));
    return 0;
}

void dropFromPageCache(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd >= 0) {
        ::fdatasync(fd);
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        ::close(fd);
    }
}

// Paints everything that is due, as the event loop would before the user's
// next click.
void settle(QWidget* w)
{
    w->repaint();
    QApplication::processEvents();
}

template <typename F> double timed(QWidget* w, F&& f)
{
    QElapsedTimer t;
    t.start();
    f();
    settle(w);
    return double(t.nsecsElapsed()) / 1e6;
}

void click(QWidget* w, const char* name)
{
    auto* button = w->findChild<QAbstractButton*>(QString::fromLatin1(name));
    if (!button) {
        std::fprintf(stderr, "no button %s\n", name);
        std::exit(2);
    }
    button->click();
}

}  // namespace

int main(int argc, char** argv)
{
    const QByteArrayView mode = argc > 1 ? QByteArrayView(argv[1]) : QByteArrayView();
    if (mode == "make" && argc == 4)
        return make(std::atoi(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (mode != "visit" || argc < 3 || !QDir::setCurrent(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "nigate_probe make N DIR | visit DIR [early|cold]\n");
        return 2;
    }
    const QByteArrayView how = argc > 3 ? QByteArrayView(argv[3]) : QByteArrayView();
    if (how == "cold")
        dropFromPageCache(answerfile::FileName);

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
    QElapsedTimer idle;
    idle.start();
    settle(w);
    double idleRead = -1;
    if (how != "early") {
        // What the program does once the window stands, before the user can
        // reach a button: both logs' reads on their worker threads.
        QApplication::processEvents();
        answerlog::waitForWorker();
        idleRead = double(idle.nsecsElapsed()) / 1e6;
        recordlog::waitForWorker();
    }

    const double first = timed(w, [&] { click(w, "cmdNigate"); });
    click(w, "cmdMain");
    settle(w);
    const double later = timed(w, [&] { click(w, "cmdNigate"); });
    const double whole = timed(w, [&] { click(w, "optKikan_2"); });
    const auto* screen = w->findChild<NigateScreen*>();
    if (how == "cold")
        dropFromPageCache(answerfile::FileName);
    QElapsedTimer t;
    t.start();
    textfile::readBytes(answerfile::FileName);
    const double floor = double(t.nsecsElapsed()) / 1e6;
    std::printf("%.1f %.1f %.1f %.1f %.1f %d %d\n", first, later, whole, floor, idleRead, answerlog::current()->size(),
                screen ? int(screen->tally().rows.size()) : -1);
    return 0;
}
