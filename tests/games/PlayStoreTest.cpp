// Storing a play: both files or neither, whatever state the files are in.
#include "games/frame/PlayStore.h"

#include "games/frame/HistoryFile.h"
#include "games/frame/StoreRecovery.h"
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
    writeText(recordfile::FileName,
              QStringLiteral("\"2006/01/14\",\"10:00:00\",\"合体\",60,\"秒数 : 60   答数 : 3\",\r\n"));
    const QByteArray recordsBefore = readBytes(recordfile::FileName);
    // The history file cannot be written: a folder stands in its place.
    ASSERT_TRUE(QDir().mkdir(History));
    const playstore::Outcome failed =
        playstore::store(play(), Evening, QStringLiteral("合体"), History, recordfile::FileName);
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.failedFile, History);
    EXPECT_EQ(readBytes(recordfile::FileName), recordsBefore);  // the record was taken back
    EXPECT_EQ(recordfile::read()->size(), 1);
    const QString message = failed.message();
    EXPECT_TRUE(message.contains(History)) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("同じ名前のフォルダがあります"))) << message.toStdString();
    EXPECT_FALSE(message.contains(QStringLiteral("Is a directory")));

    ASSERT_TRUE(QDir().rmdir(History));
    const playstore::Outcome stored =
        playstore::store(play(), Evening, QStringLiteral("合体"), History, recordfile::FileName);
    ASSERT_TRUE(stored.ok) << stored.message().toStdString();
    EXPECT_EQ(history::read(History).size(), 1u);
    EXPECT_EQ(recordfile::read()->size(), 2);

    // The record file failing first leaves the history file alone.
    const QByteArray historyBefore = readBytes(History);
    QFile::setPermissions(path(recordfile::FileName), QFileDevice::ReadOwner);
    const playstore::Outcome noRecord =
        playstore::store(play(), Evening, QStringLiteral("合体"), History, recordfile::FileName);
    EXPECT_FALSE(noRecord.ok);
    EXPECT_EQ(noRecord.failedFile, recordfile::FileName);
    EXPECT_EQ(readBytes(History), historyBefore);
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
    EXPECT_EQ(records->date(records->records()[1]), u"2006/01/15");
    EXPECT_EQ(records->note(records->records()[1]), u"秒数 : 60   答数 : 25");
    const auto rows = history::read(History);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].date, QStringLiteral("2006/01/15"));
    EXPECT_EQ(rows[1].ok, 20);
}

TEST_F(PlayStoreTest, HandMadeHugeCountsNeitherOverflowNorMatch)
{
    writeText(History, QStringLiteral("\"2006/01/15\",\"21:03:15\",2,2147483647,1,2,\"1%\",\"1/秒\",\"60秒\"\r\n"
                                      "\"d\",\"t\",1,9000000000000000000,9000000000000000000,1,\"\",\"\",\"1秒\"\r\n"));
    const history::Filter::Kind count = history::Filter::Kind::AnswerCount;
    // No wrap to a negative sum.
    EXPECT_EQ(history::Listing::read(History, {count, {}, 2147483648LL})->rows(), 1);
    // Beyond any real count: unreadable, read as 0.
    EXPECT_EQ(history::Listing::read(History, {count, {}, 0})->rows(), 1);
    EXPECT_EQ(history::Listing::read(History)->cell(1, 4), QStringLiteral("0"));
}

// What a kill between or inside the two writes leaves, put right at start-up.
TEST_F(PlayStoreTest, AStartFinishesACutLineAsADamagedRecordAndDropsAHistoryRowAheadOfTheLog)
{
    const QString whole = QStringLiteral("\"2006/01/14\",\"10:00:00\",\"合体\",60,\"秒数 : 60   答数 : 3\",\r\n");
    // Cut inside the seconds: as a play it would read 6 seconds.
    const QByteArray cut = cp932(QStringLiteral("\"2006/01/15\",\"21:03:15\",\"合体\",6"));
    writeBytes(recordfile::FileName, cp932(whole) + cut);
    // An older program wrote the history first: its row is ahead of the log.
    const QString row = QStringLiteral("\"2006/01/14\",\"10:00:00\",3,3,0,3,\"100.0%\",\"0.05/秒\",\"60秒\"\r\n");
    const QString ahead = QStringLiteral("\"2006/01/15\",\"21:03:15\",3,3,0,3,\"100.0%\",\"0.05/秒\",\"60秒\"\r\n");
    writeText(History, row + ahead);
    // Another game's history, older than the log, is left alone whatever it holds.
    const QString other = QStringLiteral("解体履歴.txt");
    writeText(other, ahead + QStringLiteral("\"2006/01/15\",\"21:04"));
    for (const auto& [name, year] : {std::pair{other, 2000}, std::pair{recordfile::FileName, 2001}}) {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(QDateTime(QDate(year, 1, 1), QTime(0, 0)), QFileDevice::FileModificationTime));
    }

    const storerecovery::Result r = storerecovery::recover();
    EXPECT_EQ(r.finishedFiles, (QStringList{recordfile::FileName, other}));
    EXPECT_EQ(r.droppedRows, 1);
    EXPECT_EQ(readBytes(recordfile::FileName), cp932(whole) + cut + "\r\n");
    EXPECT_EQ(readText(History), row);
    EXPECT_EQ(readText(other), ahead + QStringLiteral("\"2006/01/15\",\"21:04\r\n"));

    // Listed as written, counted in no total; the next play has a line of its own.
    const auto records = recordfile::read();
    ASSERT_EQ(records->size(), 2);
    EXPECT_TRUE(records->records()[1].cut);
    EXPECT_FALSE(countsInTotals(records->records()[1]));
    EXPECT_TRUE(countsInTotals(records->records()[0]));
    ASSERT_TRUE(playstore::store(play(), Evening, QStringLiteral("合体"), History, recordfile::FileName).ok);
    EXPECT_EQ(recordfile::read()->size(), 3);
    // Nothing more to do on the next start.
    EXPECT_EQ(storerecovery::recover().droppedRows + storerecovery::recover().finishedFiles.size(), 0);
}
