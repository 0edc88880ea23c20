#include "records/Nickname.h"

#include "support/TempDir.h"

using Nickname = DataDirTest;

TEST_F(Nickname, WritesTheLabelledLineAndReadsItBack)
{
    ASSERT_TRUE(nickname::write(QStringLiteral("たろう")).ok);
    EXPECT_EQ(readText(nickname::FileName), QStringLiteral("\"氏名\",\"たろう\"\r\n"));
    EXPECT_EQ(nickname::read(), QStringLiteral("たろう"));
}

TEST_F(Nickname, AQuoteCannotBreakTheFileAndMissingMeansNone)
{
    EXPECT_EQ(nickname::read(), QString());
    ASSERT_TRUE(nickname::write(QStringLiteral("\"ボス\",x")).ok);
    EXPECT_EQ(nickname::read(), QStringLiteral("＂ボス＂,x"));
}

TEST_F(Nickname, TitleCarriesTheNicknameWhenThereIsOne)
{
    EXPECT_EQ(nickname::windowTitle(QString()), QStringLiteral(" フェルノア２ ～字游"));
    EXPECT_EQ(nickname::windowTitle(QStringLiteral("花子")), QStringLiteral("花子  の フェルノア２ ～字游"));
}
