// Stores plays or rewrites the play log in a loop, to be killed at random
// moments by run.sh, and checks what a kill left behind.
//
//   kill_harness append DIR    store plays 1, 2, … (both files); prints each
//                              number once it is stored
//   kill_harness rewrite DIR   rewrite the log, the middle record's note
//                              "rev 1", "rev 2", …; prints each once written
//   kill_harness check MODE DIR LAST [SEED]
//                              after a kill: LAST is the last number printed,
//                              SEED the log the trial started from.
//                              Puts the files right as a start does (stale
//                              temporaries, unfinished lines, history rows
//                              ahead of the log), stores one more play, and
//                              checks every file. Prints "intact", "damaged:
//                              why" or "lost: why".
#include "games/frame/HistoryFile.h"
#include "games/frame/PlayStore.h"
#include "games/frame/StoreRecovery.h"
#include "platform/TextFile.h"
#include "records/RecordEdits.h"
#include "records/RecordFile.h"

#include <QDateTime>
#include <QDir>

#include <cstdio>
#include <cstdlib>

namespace {

const QString History = QStringLiteral("合体履歴.txt");
constexpr int SeedRecords = 32766;

PlayResult play(long long n)
{
    PlayResult r;
    r.secondsText = QString::number(n);
    r.seconds = double(n);
    r.okCount = 1;
    r.accuracyText = QStringLiteral("100.0%");
    r.rateText = QStringLiteral("0.01/秒");
    r.sixthValue = QStringLiteral("1");
    return r;
}

bool store(long long n)
{
    return playstore::store(play(n), QDateTime(QDate(2030, 1, 1), QTime(0, 0)), QStringLiteral("合体"), History,
                            recordfile::FileName)
        .ok;
}

int loop(const QString& mode)
{
    for (long long n = 1;; ++n) {
        bool ok;
        if (mode == u"append") {
            ok = store(n);
        } else {
            RecordEdits edits(recordfile::read());
            edits.setNote(SeedRecords / 2, QStringLiteral("rev %1").arg(n));
            ok = edits.save().ok;
        }
        if (!ok)
            return 2;
        std::printf("%lld\n", n);
        std::fflush(stdout);
    }
}

int check(const QString& mode, long long last, const QString& seed)
{
    int stale = 0;
    for (const QString& f : QDir::current().entryList(QDir::Files))
        if (f.contains(QString::fromLatin1(textfile::TemporarySuffix)))
            stale += QFile::remove(f) ? 1 : 0;

    const storerecovery::Result recovered = storerecovery::recover();
    auto records = recordfile::read();
    const int plays = records->size() - SeedRecords;
    if (mode == u"append") {
        // Plays 1..last are stored and whole; play last+1 was in flight: it
        // may be stored, missing, or (a write cut by the kill) a record cut
        // short, which no total counts.
        if (plays < last || plays > last + 1)
            return std::printf("lost: %d plays in the log, %lld stored\n", plays, last), 0;
        bool torn = false;
        int countedPlays = 0;
        for (int i = 0; i < plays; ++i) {
            const RecordView& r = records->records()[size_t(SeedRecords + i)];
            const RecordTable& t = *records;
            const bool whole = r.seconds == float(i + 1) && t.date(r) == u"2030/01/01" &&
                               t.text(r, RecordTable::Field::Spare).isEmpty() &&
                               t.note(r) == QStringLiteral("秒数 : %1   答数 : 1").arg(i + 1);
            countedPlays += countsInTotals(r) ? 1 : 0;
            if (!whole && i == last && !countsInTotals(r))
                torn = true;
            else if (!whole)
                return std::printf("damaged: play %d reads %s (counted wrongly)\n", i + 1,
                                   qPrintable(records->note(r))),
                       0;
        }
        // A history row stands for a play the log holds: never ahead of it.
        const auto rows = history::read(History);
        if (rows.size() < size_t(last) || rows.size() > size_t(countedPlays))
            return std::printf("damaged: %zu history rows, %lld plays stored, %d in the log\n", rows.size(), last,
                               countedPlays),
                   0;
        // The next play lands on a line of its own.
        const int before = recordfile::read()->size();
        if (!store(last + 2) || recordfile::read()->size() != before + 1 ||
            recordfile::read()->records().back().seconds != float(last + 2))
            return std::printf("damaged: the next play did not store cleanly\n"), 0;
        if (torn)
            return std::printf("torn: the play in flight was cut and is counted nowhere%s\n",
                               stale ? ", stale temporary removed" : ""),
                   0;
        if (!recovered.finishedFiles.isEmpty() || recovered.droppedRows > 0)
            return std::printf("intact (recovered: %s, %d rows dropped)\n",
                               qPrintable(recovered.finishedFiles.join(u' ')), recovered.droppedRows),
                   0;
    } else {
        if (records->size() != SeedRecords)
            return std::printf("damaged: %d records\n", records->size()), 0;
        // Every other record is the seed's, and every line ends in CR LF.
        if (!seed.isEmpty()) {
            const auto before = recordfile::read(seed);
            for (int i = 0; i < SeedRecords; ++i) {
                const RecordView& a = before->records()[size_t(i)];
                const RecordView& b = records->records()[size_t(i)];
                if (i != SeedRecords / 2 &&
                    (before->date(a) != records->date(b) || before->time(a) != records->time(b) ||
                     before->item(a) != records->item(b) || a.seconds != b.seconds ||
                     before->note(a) != records->note(b)))
                    return std::printf("damaged: record %d changed\n", i + 1), 0;
            }
            const QByteArray bytes = *textfile::readBytes(recordfile::FileName);
            if (!bytes.endsWith("\r\n") || bytes.count("\r\n") != SeedRecords)
                return std::printf("damaged: a line without its CR LF\n"), 0;
        }
        const QString note = records->note(records->records()[SeedRecords / 2]);
        const long long rev = note.startsWith(u"rev ") ? note.mid(4).toLongLong() : 0;
        if (rev != last && rev != last + 1)
            return std::printf("lost: note %s after rev %lld\n", qPrintable(note), last), 0;
    }
    std::printf("intact%s\n", stale ? " (stale temporary removed)" : "");
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return 1;
    const QString mode = QString::fromLocal8Bit(argv[argc >= 5 ? 2 : 1]);
    if (!QDir::setCurrent(QString::fromLocal8Bit(argv[argc >= 5 ? 3 : 2])))
        return 1;
    if (QByteArrayView(argv[1]) == "check" && argc >= 5)
        return check(mode, std::atoll(argv[4]), argc >= 6 ? QString::fromLocal8Bit(argv[5]) : QString());
    return loop(mode);
}
