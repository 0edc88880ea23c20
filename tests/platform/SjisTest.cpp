#include "platform/Sjis.h"

#include <gtest/gtest.h>

TEST(Sjis, RoundTripsJapaneseTextIncludingWindowsOnlyCharacters)
{
    // ～ (U+FF5E) and ① are code page 932 but not strict Shift-JIS.
    const QString text = QStringLiteral("フェルノア２ ～字游 ①「ゲーム」,\"秒数\" 180.28");
    const sjis::Encoded enc = sjis::encode(text);
    ASSERT_TRUE(enc.ok());
    EXPECT_EQ(sjis::decode(enc.bytes), text);
    EXPECT_EQ(enc.bytes.mid(0, 2), QByteArray("\x83\x74", 2));  // フ
}

TEST(Sjis, InvalidBytesBecomeReplacementCharactersAndDecodingGoesOn)
{
    QByteArray bytes("A\x81");  // a lead byte cut off at the end
    EXPECT_EQ(sjis::decode(bytes), QStringLiteral("A\uFFFD"));
    bytes = QByteArray("\xFF\xFF"
                       "B",
                       3);
    const QString s = sjis::decode(bytes);
    EXPECT_TRUE(s.endsWith(u'B'));
    EXPECT_TRUE(s.contains(QChar(0xFFFD)));
}

TEST(Sjis, UnrepresentableCharactersAreNamedAndNothingIsEncoded)
{
    const QString text = QStringLiteral("漢字😀と亻と😀");
    const sjis::Encoded enc = sjis::encode(text);
    EXPECT_FALSE(enc.ok());
    EXPECT_TRUE(enc.bytes.isEmpty());
    EXPECT_EQ(enc.unrepresentable, QStringLiteral("😀亻"));
    EXPECT_TRUE(sjis::unrepresentable(QStringLiteral("普通の文章です。")).isEmpty());
}
