#include "games/frame/GameOptions.h"

#include "support/TempDir.h"

using namespace Qt::StringLiterals;
using GameOptionsFile = DataDirTest;

TEST_F(GameOptionsFile, OptionsAreKeptPerGameAndWrittenBackWithEveryOtherLine)
{
    EXPECT_FALSE(GameOptions::read().isOn(1, GameOptions::PreferMisses));  // no file: defaults
    const QByteArray foreign = cp932(u"\"合体\",\"出題範囲\",\"小学2年\"\r\n"
                                     "# 手で書いた行\r\n"
                                     "\"謎\",\"苦手を優先\",\"1\"\r\n"_s) +
                               "\"\x82\xA0\xFF\",\"1\"\r\n";
    writeBytes(GameOptions::FileName, foreign + cp932(u"\"解体\",\"苦手を優先\",\"1\""_s));
    GameOptions o = GameOptions::read();
    EXPECT_TRUE(o.isOn(2, GameOptions::PreferMisses));
    EXPECT_FALSE(o.isOn(1, GameOptions::PreferMisses));
    EXPECT_EQ(o.value(1, u"出題範囲"_s), u"小学2年"_s);

    o.setOn(1, GameOptions::PreferMisses, true);
    o.setOn(2, GameOptions::PreferMisses, false);
    ASSERT_TRUE(o.write().ok);
    // Only the option changed is written anew; what the program does not
    // read stays byte for byte.
    EXPECT_EQ(readBytes(GameOptions::FileName),
              foreign + cp932(u"\"解体\",\"苦手を優先\",\"0\"\r\n\"合体\",\"苦手を優先\",\"1\"\r\n"_s));
    const GameOptions back = GameOptions::read();
    EXPECT_TRUE(back.isOn(1, GameOptions::PreferMisses));
    EXPECT_FALSE(back.isOn(2, GameOptions::PreferMisses, true));
    EXPECT_EQ(back.value(1, u"出題範囲"_s), u"小学2年"_s);
}

TEST_F(GameOptionsFile, TheLastLineOfAnOptionCountsAndAValueItCannotReadGivesTheDefault)
{
    writeText(GameOptions::FileName, u"\"合体\",\"苦手を優先\",\"1\"\r\n\"合体\",\"苦手を優先\",\"0\"\r\n"
                                     "\"熟語合体\",\"苦手を優先\",\"はい\"\r\n"_s);
    GameOptions o = GameOptions::read();
    EXPECT_FALSE(o.isOn(1, GameOptions::PreferMisses, true));
    EXPECT_TRUE(o.isOn(3, GameOptions::PreferMisses, true));
    o.setOn(1, GameOptions::PreferMisses, true);
    EXPECT_TRUE(o.isOn(1, GameOptions::PreferMisses));
}
