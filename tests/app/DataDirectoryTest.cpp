#include "app/DataDirectory.h"

#include "app/SettingsFile.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>

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

TEST_F(DataDirectory, OnlyOneCopyOfTheProgramPerFolder)
{
    auto first = datadir::lock(QDir::currentPath());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(datadir::lock(QDir::currentPath()), nullptr);
    first.reset();
    EXPECT_NE(datadir::lock(QDir::currentPath()), nullptr);
}
