#include "app/DataDirectory.h"

#include "app/SettingsFile.h"
#include "platform/TextFile.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

using DataDirectory = DataDirTest;

TEST_F(DataDirectory, SeedingCopiesWhatIsMissingAndNeverReplacesUserFiles)
{
    QDir().mkpath(QStringLiteral("set"));
    QDir().mkpath(QStringLiteral("user"));
    writeText(QStringLiteral("set/漢字辞書.TXT"), QStringLiteral("時,日土寸\r\n"));
    writeText(QStringLiteral("set/合体設定.txt"), QStringLiteral("10,60,\"秒数\",1\r\n"));
    writeText(QStringLiteral("user/データ.TXT"), QStringLiteral("mine\r\n"));
    QString error;
    ASSERT_TRUE(datadir::seed(path(QStringLiteral("user")), path(QStringLiteral("set")), &error))
        << error.toStdString();
    EXPECT_EQ(readText(QStringLiteral("user/データ.TXT")), QStringLiteral("mine\r\n"));
    EXPECT_EQ(readText(QStringLiteral("user/漢字辞書.TXT")), QStringLiteral("時,日土寸\r\n"));
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("user/しりとり履歴.txt"))));  // created empty
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("user/漢字辞書.TXT"))).isWritable());
}

TEST_F(DataDirectory, AWorkingDirectoryWithDataIsUsedAsItIs)
{
    writeText(QStringLiteral("データ.TXT"), QString());
    EXPECT_EQ(datadir::prepare(QDir::currentPath(), nullptr), QDir::currentPath());
}

TEST_F(DataDirectory, OtherwiseTheUserFolderIsCreatedAndSeeded)
{
    qputenv("XDG_DATA_HOME", path(QStringLiteral("xdg")).toUtf8());
    QDir().mkpath(QStringLiteral("empty"));
    const QString folder = datadir::prepare(path(QStringLiteral("empty")), nullptr);
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(folder, path(QStringLiteral("xdg/fernoa2")));
    EXPECT_TRUE(datadir::holdsData(folder));
}

TEST_F(DataDirectory, HelpTourFlagRoundTripsThroughTheSettingsFile)
{
    EXPECT_EQ(settingsfile::readHelpTourFlag(), 0);
    ASSERT_TRUE(settingsfile::writeHelpTourFlag(1).ok);
    EXPECT_EQ(readText(settingsfile::FileName), QStringLiteral("\"ヘルプツアー\",1\r\n"));
    EXPECT_EQ(settingsfile::readHelpTourFlag(), 1);
}

TEST_F(DataDirectory, OnlyOneCopyOfTheProgramPerFolderAndALockThatCannotBeMadeSaysWhy)
{
    QString error;
    auto first = datadir::lock(QDir::currentPath(), &error);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(datadir::lock(QDir::currentPath(), &error), nullptr);
    EXPECT_TRUE(error.contains(QStringLiteral("既に起動しています"))) << error.toStdString();
    first.reset();
    EXPECT_NE(datadir::lock(QDir::currentPath(), &error), nullptr);

    // A folder that cannot hold the lock is not "already running".
    const QString missing = path(QStringLiteral("gone"));
    error.clear();
    EXPECT_EQ(datadir::lock(missing, &error), nullptr);
    EXPECT_FALSE(error.contains(QStringLiteral("既に起動しています"))) << error.toStdString();
    EXPECT_TRUE(error.contains(missing));
    EXPECT_TRUE(error.contains(QStringLiteral("フォルダが見つかりません")));
}

TEST_F(DataDirectory, AReadOnlyFolderWithALockLeftByACrashedCopyIsNotAlreadyRunning)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    // A lock whose process is gone, as a killed copy leaves it.
    writeText(QStringLiteral("fernoa2.lock"), QStringLiteral("999999\nfernoa2\nnohost\n"));
    const QString folder = QDir::currentPath();
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QString error;
    EXPECT_EQ(datadir::lock(folder, &error), nullptr);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(error.contains(QStringLiteral("既に起動しています"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("書き込めない"))) << error.toStdString();
}

TEST_F(DataDirectory, StaleTemporariesOfDataFilesAreRemovedAndNothingElse)
{
    writeText(QStringLiteral("データ.TXT"), QStringLiteral("keep\r\n"));
    writeText(QStringLiteral("データ.TXT.new-a1B2c3"), QStringLiteral("stale"));
    writeText(QStringLiteral("合体履歴.txt.new-ZZZZZZ"), QStringLiteral("stale"));
    writeText(QStringLiteral("データ.TXT.bak"), QStringLiteral("user's"));
    writeText(QStringLiteral("データ.TXT.backup"), QStringLiteral("user's"));
    writeText(QStringLiteral("データ.TXT.new-backup2"), QStringLiteral("user's"));
    writeText(QStringLiteral("other.txt.new-a1B2c3"), QStringLiteral("not ours"));
    EXPECT_EQ(datadir::removeStaleTemporaries(QDir::currentPath()), 2);
    QStringList left = QDir::current().entryList(QDir::Files);
    left.sort();
    EXPECT_EQ(left, (QStringList{QStringLiteral("other.txt.new-a1B2c3"), QStringLiteral("データ.TXT"),
                                 QStringLiteral("データ.TXT.backup"), QStringLiteral("データ.TXT.bak"),
                                 QStringLiteral("データ.TXT.new-backup2")}));
}

TEST_F(DataDirectory, FilesWrittenAsUtf8OrThatAreFoldersAreNamedOnce)
{
    writeText(QStringLiteral("データ.TXT"), QStringLiteral("\"2006/01/15\",\"21:03:15\",\"合体\",12,\"ok\",\r\n"));
    writeBytes(QStringLiteral("漢字辞書.TXT"), QStringLiteral("時,日土寸\r\n").toUtf8());
    writeBytes(QStringLiteral("合体履歴.txt"), QByteArray(textfile::Bom) + QStringLiteral("\"合体\",1\r\n").toUtf8());
    // A byte order mark before code page 932 text: it reads as written.
    writeBytes(QStringLiteral("解体履歴.txt"), QByteArray(textfile::Bom) + cp932(QStringLiteral("\"解体\",1\r\n")));
    writeBytes(QStringLiteral("設定.TXT"), "\"x\",1\r\n");  // ASCII is both
    const QStringList found = datadir::foreignFiles(QDir::currentPath());
    EXPECT_EQ(found, (QStringList{QStringLiteral("漢字辞書.TXT"), QStringLiteral("合体履歴.txt")}));
    const QString message = datadir::foreignFilesMessage(found);
    EXPECT_TRUE(message.contains(QStringLiteral("漢字辞書.TXT")) && message.contains(QStringLiteral("合体履歴.txt")));
    EXPECT_TRUE(datadir::foreignFilesMessage({}).isEmpty());

    EXPECT_TRUE(datadir::folderFiles(QDir::currentPath()).isEmpty());
    QFile::remove(QStringLiteral("データ.TXT"));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("データ.TXT")));
    EXPECT_EQ(datadir::folderFiles(QDir::currentPath()), QStringList{QStringLiteral("データ.TXT")});
    EXPECT_TRUE(datadir::folderFilesMessage({QStringLiteral("データ.TXT")}).contains(QStringLiteral("データ.TXT")));
}
