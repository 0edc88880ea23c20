#include "records/MemoFile.h"

#include "support/TempDir.h"

using MemoFile = DataDirTest;

TEST_F(MemoFile, EveryMemoReadsBackExactlyAsSaved)
{
    const QString memos[] = {
        QString(),
        QStringLiteral("一行だけ"),
        QStringLiteral("一行目\n二行目\n三行目"),
        QStringLiteral("改行で終わる\n"),
        QStringLiteral("\n"),
        QStringLiteral("空行\n\n\nの後"),
        QStringLiteral("\"引用\", カンマ,  空白  \n～全角チルダ"),
    };
    for (const QString& memo : memos) {
        ASSERT_TRUE(memofile::write(memo).ok) << memo.toStdString();
        EXPECT_EQ(memofile::read().text, memo) << memo.toStdString();
    }
}

TEST_F(MemoFile, SavedFileIsCp932LinesEndedByCrLfPlusOneFinalBreak)
{
    ASSERT_TRUE(memofile::write(QStringLiteral("一\n二")).ok);
    EXPECT_EQ(readBytes(memofile::FileName), cp932(QStringLiteral("一\r\n二\r\n")));
    // Breaks typed or pasted in another form are written as CR LF too.
    ASSERT_TRUE(memofile::write(QStringLiteral("a\r\nb\rc")).ok);
    EXPECT_EQ(readBytes(memofile::FileName), QByteArray("a\r\nb\r\nc\r\n"));
}

TEST_F(MemoFile, FilesWrittenElsewhereReadAsLines)
{
    EXPECT_EQ(memofile::read().text, QString());  // missing
    writeBytes(memofile::FileName, QByteArray());
    EXPECT_EQ(memofile::read().text, QString());
    writeBytes(memofile::FileName, "a\r\nb");  // no final break
    EXPECT_EQ(memofile::read().text, QStringLiteral("a\nb"));
    writeBytes(memofile::FileName, "a\rb\r");
    EXPECT_EQ(memofile::read().text, QStringLiteral("a\nb"));
    writeBytes(memofile::FileName, "a\nb\n\n");
    EXPECT_EQ(memofile::read().text, QStringLiteral("a\nb\n"));
    // A memo is typed by hand: a runaway file is refused, named with its size.
    writeBytes(memofile::FileName, QByteArray(memofile::MaxBytes + 1, 'a'));
    const memofile::Memo big = memofile::read();
    EXPECT_TRUE(big.text.isEmpty());
    EXPECT_EQ(big.problem, QStringLiteral("メモ.TXT は大きすぎるため読み込めません（2.0 MB）。"));
}

TEST_F(MemoFile, UnrepresentableCharactersAreNamedAndNothingIsWritten)
{
    ASSERT_TRUE(memofile::write(QStringLiteral("前のメモ")).ok);
    const QByteArray before = readBytes(memofile::FileName);
    const textfile::WriteResult w = memofile::write(QStringLiteral("絵文字😀と\u00A0と😀"));
    EXPECT_FALSE(w.ok);
    EXPECT_EQ(w.unrepresentable, QStringLiteral("😀\u00A0"));
    EXPECT_TRUE(w.message(memofile::FileName).contains(QStringLiteral("😀")));
    EXPECT_EQ(readBytes(memofile::FileName), before);
}
