// Storing a play: both files or neither, whatever state the files are in.
#include "games/frame/PlayStore.h"

#include "games/frame/HistoryFile.h"
#include "records/RecordFile.h"
#include "support/TempDir.h"

#include <QDir>

namespace {
const QDateTime Evening(QDate(2006, 1, 15), QTime(21, 3, 15));
const QString History = QStringLiteral("合体履歴.txt");

PlayResult play()
{
    PlayResult r;
    r.secondsText = QStringLiteral("60");
    r.seconds = 60;
    r.okCount = 20;
    r.ngCount = 5;
    r.sixthValue = QStringLiteral("25");
    r.accuracyText = QStringLiteral("80.0%");
    r.rateText = QStringLiteral("0.42/秒");
    return r;
}
}  // namespace

using PlayStoreTest = DataDirTest;

TEST_F(PlayStoreTest, APlayIsInBothFilesOrInNeither)
{
    writeText(History, QStringLiteral("\"2006/01/14\",\"10:00:00\",3,3,0,3,\"100.0%\",\"0.05/秒\",\"60秒\"\r\n"));
    const QByteArray historyBefore = readBytes(History);
    // The record file cannot be written: a folder stands in its place.
    ASSERT_TRUE(QDir().mkdir(recordfile::FileName));
    const playstore::Outcome failed =
        playstore::store(play(), Evening, QStringLiteral("合体"), History, recordfile::FileName);
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.failedFile, recordfile::FileName);
    EXPECT_EQ(readBytes(History), historyBefore);  // the history row was taken back
    const QString message = failed.message();
    EXPECT_TRUE(message.contains(recordfile::FileName)) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("同じ名前のフォルダがあります"))) << message.toStdString();
    EXPECT_FALSE(message.contains(QStringLiteral("Is a directory")));

    ASSERT_TRUE(QDir().rmdir(recordfile::FileName));
    const playstore::Outcome stored =
        playstore::store(play(), Evening, QStringLiteral("合体"), History, recordfile::FileName);
    ASSERT_TRUE(stored.ok) << stored.message().toStdString();
    EXPECT_EQ(history::read(History).size(), 2u);
    EXPECT_EQ(recordfile::read()->size(), 1);

    // The history file failing first leaves the record file alone.
    const QByteArray recordsBefore = readBytes(recordfile::FileName);
    ASSERT_TRUE(QFile::remove(History));
    ASSERT_TRUE(QDir().mkdir(History));
    const playstore::Outcome noHistory =
        playstore::store(play(), Evening, QStringLiteral("合体"), History, recordfile::FileName);
    EXPECT_FALSE(noHistory.ok);
    EXPECT_EQ(noHistory.failedFile, History);
    EXPECT_EQ(readBytes(recordfile::FileName), recordsBefore);
}

TEST_F(PlayStoreTest, APlayAfterACutLineStandsOnItsOwnLineInBothFiles)
{
    // A hand edit or an interrupted write left both files without a final
    // line end.
    writeText(History, QStringLiteral("\"2006/01/14\",\"10:00:00\",3,3,0,3,\"100.0%\",\"0.05/秒\",\"60秒\""));
    writeText(recordfile::FileName, QStringLiteral("\"2006/01/14\",\"10:00:00\",\"合体\",60,\"秒数 : 60   答"));
    ASSERT_TRUE(playstore::store(play(), Evening, QStringLiteral("合体"), History, recordfile::FileName).ok);
    const auto records = recordfile::read();
    ASSERT_EQ(records->size(), 2);
    EXPECT_EQ(records->records()[1].date, u"2006/01/15");
    EXPECT_EQ(records->records()[1].note, u"秒数 : 60   答数 : 25");
    const auto rows = history::read(History);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].date, QStringLiteral("2006/01/15"));
    EXPECT_EQ(rows[1].ok, 20);
}

TEST(HistoryRowCounts, HandMadeHugeCountsNeitherOverflowNorMatch)
{
    const HistoryRow r = HistoryRow::parse(u"\"2006/01/15\",\"21:03:15\",2,2147483647,1,2,\"1%\",\"1/秒\",\"60秒\"");
    EXPECT_EQ(r.ok, 2147483647);
    EXPECT_TRUE(history::matchesAnswerCount(r, 2147483648LL));  // no wrap to a negative sum
    const HistoryRow huge = HistoryRow::parse(u"\"d\",\"t\",1,9000000000000000000,9000000000000000000,1");
    EXPECT_EQ(huge.ok + huge.ng, 0);  // beyond any real count: unreadable, read as 0
    EXPECT_FALSE(history::matchesAnswerCount(huge, 10));
}
