#include "dictionary/Dictionary.h"

#include "platform/Random.h"
#include "support/TempDir.h"

#include <set>

using DictionaryLoad = DataDirTest;

TEST_F(DictionaryLoad, BareAndQuotedLinesLoadAlikeAndTheLastLineNeedsNoLineEnd)
{
    writeText(Dictionary::KanjiFileName, QStringLiteral("時,日土寸\r\n\"結\",\"糸士口\"\r\n計,言十"));
    writeText(QStringLiteral("熟語辞書.txt"), QStringLiteral("時計\r\n\"時間\""));  // lower-case name
    Dictionary d;
    EXPECT_TRUE(d.load().isEmpty());
    ASSERT_EQ(d.kanjiCount(), 3);
    EXPECT_EQ(d.kansei(2), QStringLiteral("結"));
    EXPECT_EQ(d.kousei(2), QStringLiteral("糸士口"));
    EXPECT_EQ(d.kousei(3), QStringLiteral("言十"));
    ASSERT_EQ(d.compoundCount(), 2);
    EXPECT_EQ(d.compound(2), QStringLiteral("時間"));
}

TEST_F(DictionaryLoad, EntriesWithMoreThanSixComponentsAreRefusedWithOneMessageCountingThem)
{
    writeText(Dictionary::CompoundFileName, QStringLiteral("時計\r\n"));
    writeText(Dictionary::KanjiFileName,
              QStringLiteral("鬱,木缶木冖鬯彡\r\n時,日土寸\r\n森,木木木木木木木\r\n品,口口口口口口口口\r\n"));
    Dictionary d;
    const QString message = d.load();
    EXPECT_EQ(message, QStringLiteral("漢字辞書.TXT の 2 件の漢字は構成部品が６つを超えるため読み込みませんでした。"));
    ASSERT_EQ(d.kanjiCount(), 2);
    EXPECT_EQ(d.kousei(1), QStringLiteral("木缶木冖鬯彡"));
    EXPECT_EQ(d.kansei(2), QStringLiteral("時"));
}

TEST_F(DictionaryLoad, MissingOrOversizedFilesGiveAMessageAndEmptyTables)
{
    Dictionary d;
    d.setTables({{"時", "日土寸"}}, {"時計"});
    const QString message = d.load();
    EXPECT_TRUE(message.contains(Dictionary::KanjiFileName));
    EXPECT_EQ(d.kanjiCount(), 0);
    EXPECT_EQ(d.compoundCount(), 0);

    QString lines;
    for (int i = 0; i < Dictionary::MaxEntries; ++i)
        lines += QStringLiteral("時計\r\n");
    writeText(Dictionary::CompoundFileName, lines);
    writeText(Dictionary::KanjiFileName, QStringLiteral("時,日土寸\r\n"));
    EXPECT_TRUE(d.load().isEmpty());
    EXPECT_EQ(d.compoundCount(), Dictionary::MaxEntries);

    writeText(Dictionary::CompoundFileName, lines + QStringLiteral("時間\r\n"));
    EXPECT_TRUE(d.load().contains(QStringLiteral("上限")));
    EXPECT_EQ(d.compoundCount(), 0);  // never a half-filled table
    EXPECT_EQ(d.kanjiCount(), 1);
}

TEST(DictionaryQueries, FindComponentsAndSets)
{
    Dictionary d;
    d.setTables({{"上", "ト一"}, {"時", "日土寸"}, {"上", "一ト"}, {"林", "木木"}, {"時", "日寺"}}, {});
    EXPECT_EQ(d.findKanji(u"上"), 1);  // the lower index of two
    EXPECT_EQ(d.findKanji(u"無"), 0);
    EXPECT_EQ(Dictionary::components(u"木木"), (QStringList{"木", "木"}));
    EXPECT_EQ(d.componentSet(u"時"), QStringLiteral("日土寸寺"));
    EXPECT_EQ(d.distinctComponents(), QStringLiteral("ト一日土寸木寺"));

    Dictionary many;
    many.setTables({{"X", "一二三四五六"}, {"X", "七八九十口日"}, {"X", "月火水木金土"}}, {});
    EXPECT_EQ(many.componentSet(u"X").size(), Dictionary::MaxComponentSet);
}

TEST(DictionaryQueries, RandomPicksCoverTheTableAndImpossiblePicksReturnAtOnce)
{
    Random& r = Random::instance();
    r.seed(7);
    Dictionary d;
    EXPECT_EQ(d.randomKanji(r), 0);
    EXPECT_EQ(d.randomKanjiWithAtLeast(3, r), 0);
    d.setTables({{"一", "一"}, {"二", "二"}, {"時", "日土寸"}, {"大", "一人"}, {"人", "人"}}, {});
    std::set<int> seen;
    for (int i = 0; i < 500; ++i)
        seen.insert(d.randomKanji(r));
    EXPECT_EQ(seen, (std::set<int>{1, 2, 3, 4, 5}));
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(d.randomKanjiWithAtLeast(3, r), 3);
    EXPECT_EQ(d.randomKanjiWithAtLeast(4, r), 0);  // no entry has four: no endless loop
}

TEST(DictionaryQueries, DrawWithoutReplacementTakesEachEntryOnce)
{
    Random& r = Random::instance();
    r.seed(3);
    EntryDraw draw(6);
    std::set<int> taken;
    while (!draw.empty())
        taken.insert(draw.draw(r));
    EXPECT_EQ(taken, (std::set<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(draw.draw(r), 0);
}
