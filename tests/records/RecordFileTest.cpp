#include "records/RecordFile.h"

#include "records/RecordEdits.h"
#include "records/RecordLog.h"
#include "support/RecordGenerator.h"
#include "support/TempDir.h"

#include <QFile>

#include <algorithm>

using RecordFile = DataDirTest;

TEST_F(RecordFile, AppendedLineIsByteExact)
{
    const QString line = recordfile::appendedLine(
        QStringLiteral("2006/01/05"), QStringLiteral("09:05:03"), QStringLiteral("発掘"), 60.0,
        recordfile::playNote(QStringLiteral("60"), 14, QStringLiteral("   コマ数 : 18   ヒント有り")));
    ASSERT_TRUE(recordfile::append(line).ok);
    EXPECT_EQ(readBytes(recordfile::FileName),
              cp932(QStringLiteral("\"2006/01/05\",\"09:05:03\",\"発掘\",60,"
                                   "\"秒数 : 60   答数 : 14   コマ数 : 18   ヒント有り\",\r\n")));
}

TEST_F(RecordFile, AppendedAndRewrittenRecordsReadBackEqual)
{
    writeText(recordfile::FileName,
              QStringLiteral("\"2006/01/15\",\"21:03:15\",\"合体\",180.28,\"秒数 : 180.28, 答数 : 9\",\r\n"
                             "\"2006/01/15\",\"21:03:15\",\"合体\",180.28,\"秒数 : 180.28, 答数 : 9\",\"\"\r\n"));
    auto t = recordfile::read();
    ASSERT_EQ(t->size(), 2);
    for (const RecordView& r : t->records()) {
        EXPECT_EQ(t->date(r), u"2006/01/15");
        EXPECT_EQ(t->item(r), u"合体");
        EXPECT_FLOAT_EQ(r.seconds, 180.28f);
        EXPECT_EQ(t->note(r), u"秒数 : 180.28, 答数 : 9");  // commas inside quotes survive
        EXPECT_TRUE(t->text(r, RecordTable::Field::Spare).isEmpty());
    }
    EXPECT_EQ(recordfile::secondsText(t->records()[0].seconds), QStringLiteral("180.28"));
}

TEST_F(RecordFile, MissingFileIsEmptyAndDamagedLinesDoNotStopTheReader)
{
    EXPECT_TRUE(recordfile::read()->empty());
    writeBytes(recordfile::FileName, cp932(QStringLiteral("\"2006/01/15\",\"21:03:15\",\"合体\",12,\"ok\",\r\n")) +
                                         QByteArray("\"2006/01/16\",\"\xFF\xFF\",\"x\r\n\"cut"));
    auto t = recordfile::read();
    ASSERT_EQ(t->size(), 3);
    EXPECT_EQ(t->date(t->records()[2]), u"cut");
    EXPECT_EQ(t->records()[2].seconds, 0.0f);
}

TEST_F(RecordFile, ARewriteWritesTheRecordsInOrderWithAnEmptyQuotedSpare)
{
    writeText(recordfile::FileName, QStringLiteral("\"2006/01/15\",\"21:03:15\",\"合体\",180.28,\"a\",\r\n"
                                                   "\"2006/01/16\",\"08:00:00\",\"連結\",60,\"\",\r\n"));
    RecordEdits edits(recordlog::current());
    edits.setNote(0, QStringLiteral("彼の\"日記\""));
    edits.setOrder({1, 0});
    ASSERT_TRUE(edits.save().ok);
    EXPECT_EQ(readText(recordfile::FileName),
              QStringLiteral("\"2006/01/16\",\"08:00:00\",\"連結\",60,\"\",\"\"\r\n"
                             "\"2006/01/15\",\"21:03:15\",\"合体\",180.28,\"彼の＂日記＂\",\"\"\r\n"));
}

TEST_F(RecordFile, AHundredThousandRecordsReadWhole)
{
    writeText(recordfile::FileName, recordgen::text(100000));
    auto t = recordfile::read();
    ASSERT_EQ(t->size(), 100000);
    EXPECT_FALSE(t->date(t->records().back()).isEmpty());
    EXPECT_TRUE(t->note(t->records().back()).startsWith(u"秒数 : "));
}

TEST_F(RecordFile, ReadingOneDayFindsItsLinesAndTheFirstDate)
{
    writeText(recordfile::FileName, QStringLiteral("\r\n\"2024/04/30\",\"08:00:00\",\"発掘\",60,\"a\",\r\n"
                                                   "\"2024/05/01\",\"09:00:00\",\"連結\",40,\"b\",\r\n"
                                                   "  2024/05/01 ,\"10:00:00\",\"合体\",10.5,\"c\",\"\"\r\n"
                                                   "\"2024/05/011\",\"11:00:00\",\"合体\",1,\"not that day\",\r\n"
                                                   "\"2024/05/01\",\"12:00:00\",\"解体\",5,\"last line\","));
    const recordfile::DayRecords day = recordfile::readDay(QStringLiteral("2024/05/01"));
    EXPECT_EQ(day.firstDate, QStringLiteral("2024/04/30"));
    ASSERT_EQ(day.table->size(), 3);
    EXPECT_EQ(day.table->item(day.table->records()[1]), u"合体");
    EXPECT_EQ(day.table->note(day.table->records()[2]), u"last line");

    const recordfile::DayRecords none = recordfile::readDay(QStringLiteral("2030/01/01"));
    EXPECT_EQ(none.firstDate, QStringLiteral("2024/04/30"));
    EXPECT_TRUE(none.table->empty());
    QFile::remove(path(recordfile::FileName));
    EXPECT_TRUE(recordfile::readDay(QStringLiteral("2024/05/01")).firstDate.isEmpty());
}

namespace {
// The records of `date` as the full reader sees them, and as readDay does.
void expectDayAgrees(const QString& date)
{
    const auto all = recordfile::read();
    const recordfile::DayRecords day = recordfile::readDay(date);
    std::vector<QString> expected, got;
    for (const RecordView& r : all->records())
        if (all->date(r) == date)
            expected.push_back(recordgen::itemsOf(*all, r));
    for (const RecordView& r : day.table->records())
        got.push_back(recordgen::itemsOf(*day.table, r));
    EXPECT_EQ(got, expected) << date.toStdString();
    EXPECT_EQ(day.firstDate, all->empty() ? QString() : all->date(all->records().front()));
}
}  // namespace

TEST_F(RecordFile, TheDayReaderSeesExactlyWhatTheFullReaderSees)
{
    const QString day = QStringLiteral("2024/05/01");
    const QByteArray inputs[] = {
        // Lines ended by CR alone.
        "\"2024/05/01\",\"08:00:00\",\"a\",1,\"x\",\r\"2024/05/01\",\"09:00:00\",\"b\",2,\"y\",\r",
        // A line cut right after its date, and one cut inside it.
        "\"2024/05/01\",\"08:00:00\",\"a\",1,\"x\",\r\n\"2024/05/01\r\n\"2024/05/0",
        // A byte order mark before the first record.
        "\xEF\xBB\xBF\"2024/05/01\",\"08:00:00\",\"a\",1,\"x\",\r\n",
        // Damaged bytes around and inside the date, a lead byte before a quote.
        "\"2024/05/01\x81\",\"t\",\"a\",1,\"x\",\r\n\x82\"2024/05/01\",\"t\"\r\n\"2024/05/01\"\x81,\"t\",\"a\"\n",
        // Blank lines first, spaces and tabs, a bare date.
        "\r\n \t\r\n\t2024/05/01\t,\"t\",\"a\"\n  \"2024/05/01\" x,\"t\"\n2024/05/01",
        // The bytes of a byte order mark at the start of a later line are text.
        "\n\xEF\xBB\xBF",
    };
    for (const QByteArray& bytes : inputs) {
        writeBytes(recordfile::FileName, bytes);
        expectDayAgrees(day);
        expectDayAgrees(QStringLiteral("2024/05/0"));
    }
}

namespace {
// The same records with every one but the damaged given as its values: the
// rewrite the program has always done, from typed records alone.
QByteArray typedRewrite(const RecordEdits& edits)
{
    RecordEdits typed = edits;
    for (int p : typed.order())
        if (!typed.table().damaged(p))
            typed.setChange(p, typed.record(p));
    EXPECT_TRUE(typed.save(QStringLiteral("plain.txt")).ok);
    QFile f(QStringLiteral("plain.txt"));
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

// The positions in the order a stable sort of one text item gives.
std::vector<int> sortedBy(const RecordEdits& e, RecordTable::Field item, bool ascending)
{
    std::vector<int> order = e.order();
    const RecordTable& t = e.table();
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const QString x = t.text(t.records()[size_t(a)], item), y = t.text(t.records()[size_t(b)], item);
        return ascending ? x.compare(y) < 0 : y.compare(x) < 0;
    });
    return order;
}
}  // namespace

TEST_F(RecordFile, ARewriteFromTheBytesEqualsTheFullRewriteForLinesTheProgramWrote)
{
    // Appended lines, rewritten lines, a note with a comma, a bare seconds
    // value with a fraction the float cannot hold exactly.
    writeText(recordfile::FileName,
              recordgen::text(300) +
                  QStringLiteral("\"2006/01/15\",\"21:03:15\",\"合体\",180.28,\"秒数 : 180.28, 答数 : 9\",\"\"\r\n"
                                 "\"2006/01/16\",\"08:00:00\",\"しりとり\",0.1,\"～日記～\",\r\n"));
    RecordEdits e(recordlog::current());
    e.remove(4);
    e.setNote(7, QStringLiteral("今日の\"一言\""));
    const QByteArray expected = typedRewrite(e);
    ASSERT_TRUE(e.save().ok);
    EXPECT_EQ(readBytes(recordfile::FileName), expected);
    EXPECT_EQ(recordfile::read()->size(), 301);
}

TEST_F(RecordFile, ARewriteCopiesLinesInTheRewriteFormAsTheyStandAndBringsEveryOtherIntoIt)
{
    // Lines already rewritten (copied in runs), with the runs broken by a
    // blank line, an LF or CR line end and a last line without one; lines
    // that look rewritten but are not quite (seconds not in their shortest
    // form or beyond a float's precision, an item more, spaces after the
    // spare, a quote in a bare note or a bare item).
    const QByteArray rewritten =
        cp932(QStringLiteral("\"2006/01/01\",\"08:00:00\",\"合体\",60,\"秒数 : 60\",\"\"\r\n"
                             "\"2006/01/02\",\"08:00:01\",\"連結\",12.5,\"一言, 日記\",\"\"\r\n"
                             "\r\n"
                             "\"2006/01/03\",\"08:00:02\",\"発掘\",0.1,\"\",\"\"\n"
                             "\"2006/01/04\",\"08:00:03\",\"しりとり\",180.28,\"x\",\"\"\r"
                             "\"2006/01/05\",\"08:00:04\",\"a\",60.0,\"x\",\"\"\r\n"
                             "\"2006/01/06\",\"08:00:05\",\"b\",+5,\"x\",\"\"\r\n"
                             "\"2006/01/06\",\"08:00:05\",\"b\",9999999.9,\"x\",\"\"\r\n"
                             "\"2006/01/07\",\"08:00:06\",\"c\", 7,\"x\",\"\"\r\n"
                             "\"2006/01/08\",\"08:00:07\",\"d\",7,\"x\",\"\",\"more\"\r\n"
                             "\"2006/01/09\",\"08:00:08\",\"e\",7,\"x\",\"\"  \r\n"
                             "\"2006/01/10\",\"08:00:09\",\"f\",7,no\"te,\r\n"
                             "2006/01/11,08:00:10,g,1e3,\"x\"\r\n"
                             "2006/01/15,08:00:14,合\"体,5,\"x\",\r\n"
                             "\"2006/01/12\",\"08:00:11\",\"h\",8,\"y\",\r\n"
                             "\"2006/01/13\",\"08:00:12\",\"i\",9,\"z\",\"\"\r\n"
                             "\"2006/01/14\",\"08:00:13\",\"j\",10,\"w\",\"\""));
    const auto rewrite = [&](auto change) {
        writeBytes(recordfile::FileName, rewritten);
        RecordEdits e(recordlog::current());
        change(e);
        const QByteArray expected = typedRewrite(e);
        ASSERT_TRUE(e.save().ok);
        EXPECT_EQ(readBytes(recordfile::FileName), expected);
        // The rewritten file is in the rewrite form throughout, and a quote
        // inside an item, which the form cannot hold, reads back as ＂.
        ASSERT_TRUE(RecordEdits(recordlog::current()).save().ok);
        EXPECT_EQ(readBytes(recordfile::FileName), expected);
        EXPECT_TRUE(readText(recordfile::FileName).contains(QStringLiteral("\"合＂体\"")));
    };
    rewrite([](RecordEdits&) {});
    rewrite([](RecordEdits& e) { e.setNote(1, QStringLiteral("新しい一言")); });
    rewrite([](RecordEdits& e) { e.remove(0); });
    rewrite([](RecordEdits& e) { e.setOrder(sortedBy(e, RecordTable::Field::Date, false)); });
    rewrite([](RecordEdits& e) {
        e.setOrder(sortedBy(e, RecordTable::Field::Item, true));
        e.remove(e.order()[3]);
        e.setNote(e.order()[5], QStringLiteral("並べ替えた後"));
    });
}

TEST_F(RecordFile, ADamagedRecordGoesBackByteForByteAndBlocksNothing)
{
    const QByteArray good = cp932(QStringLiteral("\"2006/01/15\",\"21:03:15\",\"合体\",12,\"ok\",\r\n"));
    const QByteArray damagedNote = "\"2006/01/16\",\"08:00:00\",\"x\",5,\"\x82\xFF\",\r\n";
    const QByteArray damagedDate = "  \"2006/\x81\x7F/17\" ,\"09:00:00\",\"y\",7,\"n\"\r\n";
    writeBytes(recordfile::FileName, QByteArray(textfile::Bom) + good + damagedNote + damagedDate + good);
    RecordEdits e(recordlog::current());
    ASSERT_EQ(e.table().size(), 4);
    EXPECT_EQ(e.record(0).date, QStringLiteral("2006/01/15"));  // the mark is not part of the date

    // Deleting the last record rewrites the others; the damaged ones as read.
    e.remove(3);
    ASSERT_TRUE(e.save().ok);
    const QByteArray rewritten = cp932(QStringLiteral("\"2006/01/15\",\"21:03:15\",\"合体\",12,\"ok\",\"\"\r\n"));
    EXPECT_EQ(readBytes(recordfile::FileName), QByteArray(textfile::Bom) + rewritten + damagedNote + damagedDate);

    // A new note replaces a damaged one whole.
    e.setNote(1, QStringLiteral("直した"));
    ASSERT_TRUE(e.save().ok);
    EXPECT_EQ(recordfile::read()->note(recordfile::read()->records()[1]), u"直した");

    // A note put on a record whose date is damaged is refused, naming it.
    e.setNote(2, QStringLiteral("無理"));
    const QByteArray before = readBytes(recordfile::FileName);
    const textfile::WriteResult refused = e.save();
    EXPECT_FALSE(refused.ok);
    EXPECT_TRUE(refused.error.contains(QStringLiteral("3 件目"))) << refused.error.toStdString();
    EXPECT_TRUE(refused.error.contains(QStringLiteral("09:00:00 y")));
    EXPECT_EQ(readBytes(recordfile::FileName), before);
}

TEST_F(RecordFile, ADamagedLineThatBeginsLikeAByteOrderMarkStaysARecordAtTheStartOfTheFile)
{
    const QByteArray good = cp932(QStringLiteral("\"2006/01/15\",\"21:03:15\",\"合体\",12,\"ok\",\"\"\r\n"));
    const QByteArray markLike = QByteArray(textfile::Bom) + "\xB1\x82\r\n";
    writeBytes(recordfile::FileName, good + markLike + good);
    RecordEdits first(recordlog::current());
    first.remove(0);  // the damaged line becomes the first
    ASSERT_TRUE(first.save().ok);
    ASSERT_EQ(recordfile::read()->size(), 2);
    EXPECT_EQ(recordfile::read()->lineBytes(0), markLike.chopped(2));
    ASSERT_TRUE(RecordEdits(recordlog::current()).save().ok);
    ASSERT_EQ(recordfile::read()->size(), 2);
    EXPECT_EQ(recordfile::read()->lineBytes(0), markLike.chopped(2));
}

TEST_F(RecordFile, TheSharedLogIsReadAgainOnlyWhenTheFileChanged)
{
    writeText(recordfile::FileName, recordgen::text(10));
    const auto first = recordlog::current();
    EXPECT_EQ(recordlog::current(), first);  // unchanged: the same table
    ASSERT_TRUE(recordfile::append(recordfile::appendedLine(QStringLiteral("2030/01/01"), QStringLiteral("00:00:00"),
                                                            QStringLiteral("合体"), 1, QStringLiteral("n")))
                    .ok);
    const auto appended = recordlog::current();
    EXPECT_NE(appended, first);
    EXPECT_EQ(appended->size(), 11);
    // Changed behind the program's back, even to the same size.
    QByteArray bytes = readBytes(recordfile::FileName);
    bytes.replace("2030/01/01", "2031/01/01");
    writeBytes(recordfile::FileName, bytes);
    QFile edited(path(recordfile::FileName));  // saved by an editor a moment later
    ASSERT_TRUE(edited.open(QIODevice::ReadWrite));
    edited.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime);
    edited.close();
    const auto now = recordlog::current();
    EXPECT_EQ(now->date(now->records().back()), u"2031/01/01");
    QFile::remove(path(recordfile::FileName));
    EXPECT_TRUE(recordlog::current()->empty());
}

TEST_F(RecordFile, SecondsNoPlayCanTakeMakeARecordDamagedAndKeepItAsWritten)
{
    const QByteArray good = cp932(QStringLiteral("\"2006/01/15\",\"21:03:15\",\"合体\",12,\"ok\",\"\"\r\n"));
    const QByteArray absurd = "\"2006/01/16\",\"08:00:00\",\"x\",1e30,\"n\",\r\n"
                              "\"2006/01/16\",\"08:00:01\",\"x\",-1,\"n\",\r\n"
                              "\"2006/01/16\",\"08:00:02\",\"x\",NaN,\"n\",\r\n";
    writeBytes(recordfile::FileName, good + absurd);
    RecordEdits e(recordlog::current());
    for (int i = 1; i <= 3; ++i) {
        EXPECT_TRUE(e.table().damaged(i));
        EXPECT_FALSE(e.table().records()[size_t(i)].counted);
        EXPECT_EQ(e.table().records()[size_t(i)].seconds, 0.0f);
    }
    EXPECT_TRUE(e.table().records()[0].counted);
    e.setNote(0, QStringLiteral("直した"));
    ASSERT_TRUE(e.save().ok);
    EXPECT_TRUE(readBytes(recordfile::FileName).endsWith(absurd));
    e.setNote(1, QStringLiteral("無理"));
    const textfile::WriteResult refused = e.save();
    EXPECT_FALSE(refused.ok);
    EXPECT_TRUE(refused.error.contains(QStringLiteral("1e30"))) << refused.error.toStdString();
}
