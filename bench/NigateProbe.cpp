// What a learner waits for on the 苦手 screen, in a fresh process: the first
// visit (the answer log read, tallied, the table and chart painted), a later
// visit, and a press of the period 全部, beside the floor (reading the
// file's bytes). The log is written by a process of its own first, so that
// no page of it was touched by the process that visits:
//   nigate_probe make N FOLDER      writes an answer log of N lines ending today
//   nigate_probe visit FOLDER [cold] times the visits; "cold" first drops the
//                                    file from the page cache, as after a restart
#include "platform/Clock.h"
#include "platform/TextFile.h"
#include "records/AnswerLog.h"
#include "review/NigateScreen.h"
#include "support/AnswerGenerator.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRadioButton>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

template <typename F> double timed(F&& f)
{
    QElapsedTimer t;
    t.start();
    f();
    QApplication::processEvents();
    return double(t.nsecsElapsed()) / 1e6;
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

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 4 && QByteArrayView(argv[1]) == "make") {
        QFile out(QDir(QString::fromLocal8Bit(argv[3])).filePath(answerfile::FileName));
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 1;
        out.write(answergen::bytes(std::atoi(argv[2]), QDate::currentDate()));
        return 0;
    }
    if (argc < 3 || QByteArrayView(argv[1]) != "visit") {
        std::fprintf(stderr, "nigate_probe make N FOLDER | visit FOLDER [cold]\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QDir::setCurrent(QString::fromLocal8Bit(argv[2]));
    const bool cold = argc > 3 && QByteArrayView(argv[3]) == "cold";

    // The screen's window, painted, as the main window stands before the click.
    QWidget window;
    window.resize(1000, 650);
    auto* screen = new NigateScreen(&window);
    screen->resize(1000, 650);
    screen->hide();
    window.show();
    QApplication::processEvents();

    if (cold)
        dropFromPageCache(answerfile::FileName);
    if (argc > 3 && QByteArrayView(argv[3]) == "parts") {
        // The first visit's steps one by one.
        std::shared_ptr<AnswerLog> log;
        const double read = timed([&] { log = AnswerLog::readFile(answerfile::FileName); });
        NigateTally t;
        const double tally = timed([&] {
            t = tallyNigate(*log, answerfile::dayNumber(dateText(QDate::currentDate())), {30, 0});
        });
        const double shown = timed([&] {
            screen->prepare();
            screen->show();
            screen->repaint();
        });
        std::printf("read %.1f ms (%d answers), tally %.1f ms, screen with the log kept %.1f ms\n", read, log->size(),
                    tally, shown);
        return 0;
    }
    const auto enter = [&] {
        screen->hide();
        screen->prepare();
        screen->show();
        screen->repaint();
    };
    const double first = timed(enter);
    const double later = timed(enter);
    const double whole = timed([&] { screen->findChild<QRadioButton*>(QStringLiteral("optKikan_2"))->click(); });
    if (cold)
        dropFromPageCache(answerfile::FileName);
    const double floor = timed([] { textfile::readBytes(answerfile::FileName); });
    std::printf(
        "%s%d answers, %d rows: floor %.1f ms, first visit %.1f ms, later visit %.1f ms, 全部 %.1f ms\n",
        cold ? "cold file, " : "",
        int(screen->tally().weeks.empty() ? 0 : 1) * 0 +
            [&] {
                int n = 0;
                for (const WeekRate& w : screen->tally().weeks)
                    n += w.tries;
                return n;
            }(),
        int(screen->tally().rows.size()), floor, first, later, whole);
    return 0;
}
