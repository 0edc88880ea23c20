#include "platform/TextFile.h"

#include "support/TempDir.h"

#include <QDir>
#include <QFile>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using TextFile = DataDirTest;

TEST_F(TextFile, ABoundedReadSaysWhyItReadNothing)
{
    EXPECT_EQ(textfile::load(QStringLiteral("none.txt"), 10).state, textfile::ReadState::Missing);
    EXPECT_TRUE(textfile::load(QStringLiteral("none.txt"), 10).problem(QStringLiteral("none.txt")).isEmpty());
    writeBytes(QStringLiteral("ten.txt"), "0123456789");
    const textfile::Loaded ten = textfile::load(QStringLiteral("ten.txt"), 10);
    EXPECT_TRUE(ten.ok());
    EXPECT_EQ(ten.bytes, "0123456789");
    const textfile::Loaded big = textfile::load(QStringLiteral("ten.txt"), 9);
    EXPECT_EQ(big.state, textfile::ReadState::TooLarge);
    EXPECT_TRUE(big.bytes.isEmpty());
    EXPECT_EQ(big.problem(QStringLiteral("ten.txt")), QStringLiteral("ten.txt は大きすぎるため読み込めません（10 バイト）。"));
    EXPECT_EQ(textfile::sizeText(100LL * 1024 * 1024), QStringLiteral("100.0 MB"));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("dir.txt")));
    EXPECT_EQ(textfile::load(QStringLiteral("dir.txt"), 10).state, textfile::ReadState::Folder);

    // A file of one line is read no further than its head, cut after a whole line.
    writeText(QStringLiteral("head.txt"), QStringLiteral("一行目\r\n二行目\r\n"));
    EXPECT_EQ(textfile::readHead(QStringLiteral("head.txt"), 12), QStringLiteral("一行目\r\n"));
    EXPECT_FALSE(textfile::readHead(QStringLiteral("none.txt")).has_value());
}

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

TEST_F(TextFile, AnAppendAfterACutLineStartsOnANewLine)
{
    const QString line = QStringLiteral("新\r\n");
    writeBytes(QStringLiteral("cut.txt"), "abc");
    writeBytes(QStringLiteral("cr.txt"), "abc\r");  // cut between CR and LF
    writeBytes(QStringLiteral("lf.txt"), "abc\n");
    writeBytes(QStringLiteral("empty.txt"), "");
    for (const char* name : {"cut.txt", "cr.txt", "lf.txt", "empty.txt"})
        ASSERT_TRUE(textfile::append(QString::fromLatin1(name), line).ok);
    EXPECT_EQ(readBytes(QStringLiteral("cut.txt")), "abc\r\n" + cp932(line));
    EXPECT_EQ(readBytes(QStringLiteral("cr.txt")), "abc\r\n" + cp932(line));
    EXPECT_EQ(readBytes(QStringLiteral("lf.txt")), "abc\n" + cp932(line));
    EXPECT_EQ(readBytes(QStringLiteral("empty.txt")), cp932(line));
}

TEST_F(TextFile, AShortAppendIsTakenBackAndReportedInJapanese)
{
    writeBytes(QStringLiteral("log.txt"), QByteArray(100, 'a') + "\r\n");
    // The file may grow by ten bytes only: the write stops short.
    struct sigaction ignore {
    }, old{};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignore, &old);
    rlimit limit{}, previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    limit = previous;
    limit.rlim_cur = 112;
    setrlimit(RLIMIT_FSIZE, &limit);
    const auto w = textfile::append(QStringLiteral("log.txt"), QString(50, u'b'));
    setrlimit(RLIMIT_FSIZE, &previous);
    sigaction(SIGXFSZ, &old, nullptr);
    EXPECT_FALSE(w.ok);
    EXPECT_FALSE(w.error.isEmpty());
    EXPECT_EQ(readBytes(QStringLiteral("log.txt")), QByteArray(100, 'a') + "\r\n");  // no fragment left

    ASSERT_TRUE(QDir().mkdir(QStringLiteral("folder")));
    const auto intoFolder = textfile::append(QStringLiteral("folder"), QStringLiteral("x"));
    EXPECT_FALSE(intoFolder.ok);
    EXPECT_EQ(intoFolder.error, QStringLiteral("同じ名前のフォルダがあります。"));
    EXPECT_FALSE(textfile::replace(QStringLiteral("folder"), QStringLiteral("x")).ok);
}

TEST_F(TextFile, AFileMadeReadOnlyIsNeitherReplacedNorAppendedTo)
{
    // Root may write it and the folder lets a rename replace it; the user's
    // choice holds all the same.
    writeText(QStringLiteral("a.txt"), QStringLiteral("old\r\n"));
    QFile::setPermissions(path(QStringLiteral("a.txt")), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    for (const textfile::WriteResult& w : {textfile::replace(QStringLiteral("a.txt"), QStringLiteral("new")),
                                           textfile::append(QStringLiteral("a.txt"), QStringLiteral("new"))}) {
        EXPECT_FALSE(w.ok);
        EXPECT_TRUE(w.message(QStringLiteral("a.txt")).contains(QStringLiteral("読み取り専用")));
    }
    EXPECT_EQ(readText(QStringLiteral("a.txt")), QStringLiteral("old\r\n"));
}

TEST_F(TextFile, ReplaceKeepsTheFilesPermissions)
{
    writeText(QStringLiteral("a.txt"), QStringLiteral("old"));
    const auto mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    QFile::setPermissions(path(QStringLiteral("a.txt")), mode);
    ASSERT_TRUE(textfile::replace(QStringLiteral("a.txt"), QStringLiteral("new")).ok);
    EXPECT_EQ(QFile::permissions(path(QStringLiteral("a.txt"))) & 0x7077, mode);  // owner, group, other
}

TEST_F(TextFile, AByteOrderMarkIsNotTextAndUtf8IsRecognised)
{
    writeBytes(QStringLiteral("bom.txt"), QByteArray(textfile::Bom) + cp932(QStringLiteral("\"一\"\r\n")));
    EXPECT_EQ(textfile::readHead(QStringLiteral("bom.txt")), QStringLiteral("\"一\"\r\n"));

    EXPECT_TRUE(textfile::looksLikeUtf8(QStringLiteral("合体,日土").toUtf8()));
    EXPECT_TRUE(textfile::looksLikeUtf8(QByteArray(textfile::Bom) + QStringLiteral("合体").toUtf8()));
    // A byte order mark before code page 932 text tells nothing.
    EXPECT_FALSE(textfile::looksLikeUtf8(QByteArray(textfile::Bom) + cp932(QStringLiteral("\"合体\",60"))));
    EXPECT_FALSE(textfile::looksLikeUtf8(cp932(QStringLiteral("\"合体\",\"秒数 : 60   答数 : 14\",ｱｲｳ～"))));
    EXPECT_FALSE(textfile::looksLikeUtf8("plain ASCII\r\n"));
    EXPECT_FALSE(textfile::looksLikeUtf8(""));
    // A character cut by the end of the part looked at still counts.
    const QByteArray utf8 = QStringLiteral("合体").toUtf8();
    EXPECT_TRUE(textfile::looksLikeUtf8(utf8, 4));
}
