// What a user waits for on the record screens, in a fresh process: the first
// visit of one screen (reading and parsing the log included), a later visit,
// a sort press and a diary save (on the generated log of appended lines, and
// again on the saved log), each painted, beside the floor: reading and
// decoding the same file with the program's own decoder. The time the disk
// sync of a save takes (fsync of the file and of its folder) is reported
// apart: it depends on the disk, not on the program.
//   record_screens_probe N list|notes|edit
// prints the figures in milliseconds;
//   record_screens_probe N all
// enters the three screens twice each, one after another, as a user going
// through them would (for the peak memory, under /usr/bin/time -v). A third
// argument "long" adds a record whose note is 5 MB long.
#include "BenchDir.h"
#include "platform/Grid.h"
#include "platform/HelpTour.h"
#include "platform/Sjis.h"
#include "platform/TextFile.h"
#include "records/RecordFile.h"
#include "review/EditScreen.h"
#include "review/MainState.h"
#include "review/NotesScreen.h"
#include "review/RecordListScreen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>
#include <dlfcn.h>
#include <memory>
#include <unistd.h>

namespace {
qint64 syncNanos = 0;
}

// Every fsync of the program goes through here, so that the probe can tell
// the sync's share of a save. This definition takes the place of the C
// library's for the program's own code.
extern "C" int fsync(int fd)
{
    using Fsync = int (*)(int);
    static const auto real = reinterpret_cast<Fsync>(::dlsym(RTLD_NEXT, "fsync"));
    QElapsedTimer t;
    t.start();
    const int result = real(fd);
    syncNanos += t.nsecsElapsed();
    return result;
}

namespace {

double enter(Screen& screen)
{
    QElapsedTimer t;
    t.start();
    screen.hide();
    screen.prepare();
    screen.show();
    screen.repaint();
    QApplication::processEvents();
    return double(t.nsecsElapsed()) / 1e6;
}

template <typename F> double timed(F&& f)
{
    QElapsedTimer t;
    t.start();
    f();
    QApplication::processEvents();
    return double(t.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int records = argc > 1 ? std::atoi(argv[1]) : 32766;
    const QByteArray which = argc > 2 ? argv[2] : "list";
    BenchDir dir(records);
    if (argc > 3 && QByteArrayView(argv[3]) == "long")
        recordfile::append(recordfile::appendedLine(QStringLiteral("2030/01/01"), QStringLiteral("00:00:00"),
                                                    QStringLiteral("合体"), 1, QString(5 * 1024 * 1024 / 2, u'字')));

    double floor = 0;
    {
        QElapsedTimer t;
        t.start();
        const QString text = sjis::decode(*textfile::readBytes(QStringLiteral("データ.TXT")));
        floor = double(t.nsecsElapsed()) / 1e6;
        if (text.isEmpty())
            return 1;
    }
    HelpTour tour;
    MainState state{tour, {}, {}, true};
    if (which == "all") {
        RecordListScreen list;
        NotesScreen notes;
        EditScreen edit(state);
        double total = 0;
        for (int round = 0; round < 2; ++round)
            for (Screen* s : std::initializer_list<Screen*>{&list, &notes, &edit}) {
                s->resize(1000, 650);
                total += enter(*s);
                s->hide();
            }
        std::printf("%d records, every screen twice: %.1f ms\n", records, total);
        return 0;
    }
    std::unique_ptr<Screen> screen;
    if (which == "notes")
        screen = std::make_unique<NotesScreen>();
    else if (which == "edit")
        screen = std::make_unique<EditScreen>(state);
    else
        screen = std::make_unique<RecordListScreen>();
    screen->resize(1000, 650);
    const double first = enter(*screen);
    const double later = enter(*screen);
    std::printf("%d records, %s: floor %.1f ms, first visit %.1f ms (%.2f x floor), later visit %.1f ms", records,
                which.constData(), floor, first, first / floor, later);
    if (auto* list = dynamic_cast<RecordListScreen*>(screen.get()))
        std::printf(", sort by 一言日記 %.1f ms", timed([&] { list->sortRecordList(4); }));
    if (auto* notes = dynamic_cast<NotesScreen*>(screen.get())) {
        // The generated log holds appended lines only: the first save brings
        // every line into the rewrite form. The second, after the screen is
        // entered again, finds them in it, as a log that was saved before.
        for (const char* which : {"diary save", "a later save"}) {
            emit notes->grid().cellClicked(notes->grid().rows() / 2, 5);
            notes->findChild<QLineEdit*>(QStringLiteral("txtMemo"))->setText(QString::fromUtf8(which));
            auto* saveButton = notes->findChild<QPushButton*>(QStringLiteral("cmdMemoHozon"));
            syncNanos = 0;
            const double save = timed([&] { saveButton->click(); });
            const double sync = double(syncNanos) / 1e6;
            std::printf(", %s %.1f ms (disk sync %.1f ms, without it %.1f ms)", which, save, sync, save - sync);
            enter(*screen);
        }
    }
    std::printf("\n");
    return 0;
}
