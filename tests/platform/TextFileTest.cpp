#include "platform/TextFile.h"

#include "support/TempDir.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

using TextFile = DataDirTest;

TEST_F(TextFile, MissingFileReadsAsNothing) { EXPECT_FALSE(textfile::read(QStringLiteral("none.txt")).has_value()); }

TEST_F(TextFile, ReplaceWritesCp932AndLeavesNoTemporaryFile)
{
    writeText(QStringLiteral("a.txt"), QStringLiteral("old"));
    const auto w = textfile::replace(QStringLiteral("a.txt"), QStringLiteral("新しい～\r\n"));
    ASSERT_TRUE(w.ok);
    EXPECT_EQ(readBytes(QStringLiteral("a.txt")), cp932(QStringLiteral("新しい～\r\n")));
    EXPECT_EQ(QDir::current().entryList(QDir::Files), QStringList{QStringLiteral("a.txt")});
}

TEST_F(TextFile, UnrepresentableTextWritesNothing)
{
    writeText(QStringLiteral("a.txt"), QStringLiteral("old"));
    const auto w = textfile::replace(QStringLiteral("a.txt"), QStringLiteral("新😀"));
    EXPECT_FALSE(w.ok);
    EXPECT_EQ(w.unrepresentable, QStringLiteral("😀"));
    EXPECT_TRUE(w.message(QStringLiteral("a.txt")).contains(QStringLiteral("😀")));
    EXPECT_EQ(readText(QStringLiteral("a.txt")), QStringLiteral("old"));
    EXPECT_FALSE(textfile::append(QStringLiteral("a.txt"), QStringLiteral("😀")).ok);
    EXPECT_EQ(readText(QStringLiteral("a.txt")), QStringLiteral("old"));
}

TEST_F(TextFile, AFailedWriteIsReportedAndKeepsTheOldFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    writeText(QStringLiteral("a.txt"), QStringLiteral("old"));
    QFile::setPermissions(QDir::currentPath(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const auto w = textfile::replace(QStringLiteral("a.txt"), QStringLiteral("new"));
    QFile::setPermissions(QDir::currentPath(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(w.ok);
    EXPECT_FALSE(w.error.isEmpty());
    EXPECT_EQ(readText(QStringLiteral("a.txt")), QStringLiteral("old"));
}

TEST_F(TextFile, AppendCreatesTheFileAndAddsToTheEnd)
{
    ASSERT_TRUE(textfile::append(QStringLiteral("log.txt"), QStringLiteral("一\r\n")).ok);
    ASSERT_TRUE(textfile::append(QStringLiteral("log.txt"), QStringLiteral("二\r\n")).ok);
    EXPECT_EQ(readText(QStringLiteral("log.txt")), QStringLiteral("一\r\n二\r\n"));
}

TEST_F(TextFile, OversizedFilesAreRefused)
{
    writeBytes(QStringLiteral("big.txt"), QByteArray(2000, 'a'));
    bool tooLarge = false;
    EXPECT_FALSE(textfile::readBounded(QStringLiteral("big.txt"), 1000, &tooLarge).has_value());
    EXPECT_TRUE(tooLarge);
}
