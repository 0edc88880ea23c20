// The shared parsed log: parsed beside the user, kept current by the
// program's own writes, and always what a fresh parse of the file gives.
#include "records/RecordLog.h"

#include "records/RecordEdits.h"
#include "support/RecordGenerator.h"
#include "support/TempDir.h"

#include <atomic>
#include <thread>

using RecordLog = DataDirTest;

namespace {

QString line(int seconds, const QString& note = QStringLiteral("n"))
{
    return recordfile::appendedLine(QStringLiteral("2030/01/01"), QStringLiteral("00:00:00"), QStringLiteral("合体"),
                                    seconds, note);
}

// Everything a screen or a rewrite reads of a table.
QStringList contents(const RecordTable& t)
{
    QStringList out{QString::fromLatin1(t.prefix().toByteArray().toHex())};
    for (int i = 0; i < t.size(); ++i) {
        const RecordView& r = t.records()[size_t(i)];
        out << QStringList{recordgen::itemsOf(t, r),      QString::number(r.date),
                           QString::number(r.hour),       QString::number(r.item),
                           QString::number(r.seconds),    QString::number(r.counted),
                           QString::number(r.cut),        QString::fromLatin1(t.lineBytes(i).toByteArray().toHex()),
                           QString::number(t.damaged(i)), QString::number(t.endsInCrLf(i))}
                   .join(u'|');
    }
    return out;
}

}  // namespace

TEST_F(RecordLog, StartUpReadsTheFileOnceAndTheScreensWaitForItsParse)
{
    writeText(recordfile::FileName, recordgen::text(20000));
    const QByteArray read = recordlog::bytes();
    recordlog::parseInBackground();
    const auto table = recordlog::current();  // entered while the worker parses
    ASSERT_EQ(table->size(), 20000);
    EXPECT_EQ(table->bytes().constData(), read.constData());  // the bytes start-up read, not a second read
    recordlog::parseInBackground();
    EXPECT_EQ(recordlog::current(), table);
    EXPECT_EQ(recordlog::bytes().constData(), read.constData());
}

// After each write of the program the kept table is what a fresh parse of
// the file gives, whether it grew by the appended lines or was parsed anew.
TEST_F(RecordLog, TheProgramsWritesKeepTheParsedLogEqualToTheFile)
{
    const QByteArray starts[] = {
        cp932(line(1)),
        QByteArray(textfile::Bom) + cp932(line(1)),
        cp932(line(1)).chopped(2),              // cut without its line end
        cp932(line(1)).chopped(1),              // ends in CR
        "\"2006/01/16\",\"\xFF\xFF\",\"x\r\n",  // damaged bytes
        QByteArray(),
    };
    for (const QByteArray& start : starts) {
        writeBytes(recordfile::FileName, start);
        const auto held = recordlog::current();  // a screen shows it meanwhile
        const QStringList before = contents(*held);
        ASSERT_TRUE(recordfile::append(line(2, QStringLiteral("二回目"))).ok);
        ASSERT_TRUE(recordfile::append(QStringLiteral("\"2030/01/02\",\"x\",\"y\",-5,\"\",")).ok);  // damaged
        EXPECT_EQ(contents(*recordlog::current()), contents(*recordfile::read())) << start.toHex().constData();
        EXPECT_EQ(contents(*held), before);
    }
    RecordEdits edits(recordlog::current());
    edits.setNote(0, QStringLiteral("直した"));
    edits.remove(1);
    ASSERT_TRUE(edits.save().ok);
    EXPECT_EQ(contents(*recordlog::current()), contents(*recordfile::read()));
    ASSERT_TRUE(recordfile::truncate().ok);
    EXPECT_TRUE(recordlog::current()->empty());
    ASSERT_TRUE(recordfile::append(line(3)).ok);
    EXPECT_EQ(contents(*recordlog::current()), contents(*recordfile::read()));
}

// A rewrite's bytes live as long as the parsed log made of them, not as
// long as the program runs.
TEST_F(RecordLog, ARewritesBytesAreLetGoOnceALaterOneReplacesThem)
{
    writeText(recordfile::FileName, recordgen::text(50));
    ASSERT_TRUE(RecordEdits(recordlog::current()).save().ok);
    QByteArray first = recordlog::current()->bytes();
    {
        RecordEdits edits(recordlog::current());
        edits.remove(0);
        ASSERT_TRUE(edits.save().ok);
    }
    recordlog::waitForWorker();
    EXPECT_TRUE(first.isDetached());  // nothing else holds them
}

TEST_F(RecordLog, AnAppendNoScreenSawGrowsTheTableAndOneBehindTheProgramsBackIsReadAgain)
{
    writeText(recordfile::FileName, recordgen::text(100));
    recordlog::current();
    ASSERT_TRUE(recordfile::append(line(7)).ok);
    EXPECT_EQ(contents(*recordlog::current()), contents(*recordfile::read()));
    // Another program appends a line between the table's read and the
    // program's own append: the table holds both.
    const auto seen = recordlog::current();
    QFile other(path(recordfile::FileName));
    ASSERT_TRUE(other.open(QIODevice::Append));
    other.write(cp932(line(8)));
    other.close();
    ASSERT_TRUE(recordfile::append(line(9)).ok);
    const auto now = recordlog::current();
    EXPECT_EQ(now->size(), seen->size() + 2);
    EXPECT_EQ(contents(*now), contents(*recordfile::read()));
}

// Screens on one thread, the worker on another: every table a screen gets
// is whole (run under ThreadSanitizer by scripts/tsan-records). A reader
// that stamped the file before an append and read it after once kept a
// table whose stamp was older than its bytes (the append job then added the
// new line a second time), or half a line being written; and a table handed
// out after its parse could already be in the worker's hands.
TEST_F(RecordLog, TablesHandedOutWhileTheWorkerWritesAreWhole)
{
    writeText(recordfile::FileName, recordgen::text(2000));
    recordlog::bytes();
    recordlog::parseInBackground();
    std::atomic<bool> done{false};
    std::atomic<int> broken{0};
    std::thread reader([&] {
        while (!done) {
            const auto t = recordlog::current();
            const auto& r = t->records();
            for (int i = 2000; i < t->size(); ++i)
                if (r[size_t(i)].seconds != float(i) || t->lineBytes(i).isEmpty())
                    ++broken;
            if (t->size() < 2000)
                ++broken;
        }
    });
    for (int i = 2000; i < 2200; ++i)
        ASSERT_TRUE(recordfile::append(line(i)).ok);
    done = true;
    reader.join();
    EXPECT_EQ(broken, 0);
    EXPECT_EQ(recordlog::current()->size(), 2200);
}
