#include "records/RecordFile.h"

#include "platform/Grid.h"
#include "support/RecordGenerator.h"
#include "support/TempDir.h"

#include <QFile>

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
        EXPECT_EQ(r.date, u"2006/01/15");
        EXPECT_EQ(r.item, u"合体");
        EXPECT_FLOAT_EQ(r.seconds, 180.28f);
        EXPECT_EQ(r.note, u"秒数 : 180.28, 答数 : 9");  // commas inside quotes survive
        EXPECT_TRUE(r.spare.isEmpty());
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
    EXPECT_EQ(t->records()[2].date, u"cut");
    EXPECT_EQ(t->records()[2].seconds, 0.0f);
}

TEST_F(RecordFile, RewriteFromGridWritesRowsInOrderWithAnEmptyQuotedSpare)
{
    Grid g(QStringLiteral("msgHenList"));
    g.setColumns({{"", 1, {}}, {"", 1, {}}, {"", 1, {}}, {"", 1, {}}, {"", 1, {}}, {"", 1, {}}});
    g.addRow({"1", "2006/01/15", "21:03:15", "合体", "180.28", "彼の\"日記\""});
    g.addRow({"3", "2006/01/16", "08:00:00", "連結", "60", ""});
    ASSERT_TRUE(recordfile::rewriteFromGrid(g).ok);
    EXPECT_EQ(readText(recordfile::FileName),
              QStringLiteral("\"2006/01/15\",\"21:03:15\",\"合体\",180.28,\"彼の＂日記＂\",\"\"\r\n"
                             "\"2006/01/16\",\"08:00:00\",\"連結\",60,\"\",\"\"\r\n"));
}

TEST_F(RecordFile, AHundredThousandRecordsReadWhole)
{
    writeText(recordfile::FileName, recordgen::text(100000));
    auto t = recordfile::read();
    ASSERT_EQ(t->size(), 100000);
    EXPECT_FALSE(t->records().back().date.isEmpty());
    EXPECT_TRUE(t->records().back().note.startsWith(u"秒数 : "));
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
    EXPECT_EQ(day.table->records()[1].item, u"合体");
    EXPECT_EQ(day.table->records()[2].note, u"last line");

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
    auto row = [](const RecordView& r) {
        return QStringList{r.date.toString(),        r.time.toString(), r.item.toString(),
                           r.secondsText.toString(), r.note.toString(), r.spare.toString()}
            .join(u'|');
    };
    for (const RecordView& r : all->records())
        if (r.date == date)
            expected.push_back(row(r));
    for (const RecordView& r : day.table->records())
        got.push_back(row(r));
    EXPECT_EQ(got, expected) << date.toStdString();
    EXPECT_EQ(day.firstDate, all->empty() ? QString() : all->records().front().date.toString());
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
    };
    for (const QByteArray& bytes : inputs) {
        writeBytes(recordfile::FileName, bytes);
        expectDayAgrees(day);
        expectDayAgrees(QStringLiteral("2024/05/0"));
    }
}
