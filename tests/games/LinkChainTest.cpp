// The link rules without a window: which component links two kanji, what
// is refused, the colours of the chain, where a play ends, and which
// entries a chain may start from.
#include "games/link/LinkChain.h"

#include "dictionary/ComponentVariants.h"
#include "dictionary/Dictionary.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

namespace {
Dictionary table(std::vector<KanjiEntry> entries)
{
    Dictionary d;
    d.setTables(std::move(entries), {});
    return d;
}
QString s(const char* utf8) { return QString::fromUtf8(utf8); }

const ComponentVariants NoVariants;
}  // namespace

TEST(LinkChain, TheLinkIsTheFirstComponentOfTheTypedKanjiThatTheCurrentOneHas)
{
    const Dictionary d = table({{s("明"), s("日月")}, {s("胆"), s("月日")}, {s("理"), s("王里")}});
    LinkChain chain(d, NoVariants);
    chain.start(s("明"));
    EXPECT_EQ(chain.currentComponents(), QStringList({s("日"), s("月")}));

    // 胆 lists 月 before 日: its own order decides, not the current kanji's.
    const LinkChain::Link link = chain.answer(s("胆"));
    EXPECT_EQ(link.cell, 2);
    EXPECT_EQ(link.component, s("月"));
    EXPECT_EQ(chain.current(), s("胆"));
    EXPECT_EQ(chain.board().text(2), s("胆"));

    EXPECT_FALSE(chain.answer(s("理")).right());    // shares nothing
    EXPECT_FALSE(chain.answer(s("日月")).right());  // not one kanji of the table
    EXPECT_FALSE(chain.answer(s("x")).right());
    EXPECT_EQ(chain.cellIndex(), 2);
}

TEST(LinkChain, TheCurrentKanjiIsRefusedButAnEarlierOneMayComeAgain)
{
    const Dictionary d = table({{s("困"), s("口木")}, {s("呆"), s("口木")}});
    LinkChain chain(d, NoVariants);
    chain.start(s("困"));
    EXPECT_FALSE(chain.answer(s("困")).right());
    EXPECT_TRUE(chain.answer(s("呆")).right());
    EXPECT_FALSE(chain.answer(s("呆")).right());
    EXPECT_EQ(chain.answer(s("困")).cell, 3);
    EXPECT_EQ(chain.links(), 2);
}

TEST(LinkChain, AKanjiOfSeveralEntriesLinksThroughAllOfThemUpToFifteenComponents)
{
    // 楽 in two entries; 樂 in two entries with sixteen components between them.
    const Dictionary d = table({{s("楽"), s("白木")},
                                {s("楽"), s("幺白幺")},
                                {s("紡"), s("糸方")},
                                {s("幻"), s("幺")},
                                {s("樂"), s("一二三四五六")},
                                {s("樂"), s("七八九十百千")},
                                {s("樂"), s("万億兆京")},
                                {s("京"), s("京")}});
    LinkChain chain(d, NoVariants);
    chain.start(s("幻"));
    const LinkChain::Link link = chain.answer(s("楽"));
    EXPECT_EQ(link.component, s("幺"));  // from the second entry
    EXPECT_EQ(chain.currentComponents(), QStringList({s("白"), s("木"), s("幺")}));

    chain.start(s("樂"));
    EXPECT_EQ(chain.currentComponents().size(), 15);
    EXPECT_FALSE(chain.answer(s("京")).right());  // the sixteenth component is not in the set
}

TEST(LinkChain, AComponentWrittenAsAVariantInOneEntryIsShared)
{
    const ComponentVariants variants = ComponentVariants::parse(s("ウ,宀\n阜,阝\n邑,阝\n"));
    const Dictionary d =
        table({{s("字"), s("宀子")}, {s("安"), s("ウ女")}, {s("陽"), s("阝日")}, {s("郁"), s("有邑")}});
    LinkChain chain(d, variants);
    chain.start(s("字"));
    EXPECT_EQ(chain.answer(s("安")).component, s("ウ"));

    // A variant of two stored forms is the same as each of them.
    chain.start(s("郁"));
    EXPECT_EQ(chain.answer(s("陽")).component, s("阝"));
    EXPECT_EQ(LinkChain::sharedComponent({s("阜")}, {s("邑")}, variants), QString());
}

TEST(LinkChain, ALookAlikeOfTheShippedTableIsAnotherComponent)
{
    // Entries as the shipped dictionary writes them.
    const Dictionary d = table({{s("吐"), s("口土")},
                                {s("国"), s("囗玉")},
                                {s("順"), s("川頁")},
                                {s("巡"), s("巛之")},
                                {s("毎"), s("丿一毋")},
                                {s("母"), s("母")},
                                {s("雪"), s("雨ヨ")},
                                {s("互"), s("二彑")},
                                {s("危"), s("ク厂卩")},
                                {s("句"), s("勹口")},
                                {s("泳"), s("氵永")},
                                {s("海"), s("水毎")}});
    LinkChain chain(d);
    for (const auto& [from, to] : {std::pair{"吐", "国"}, {"順", "巡"}, {"毎", "母"}, {"雪", "互"}, {"危", "句"}}) {
        chain.start(s(from));
        EXPECT_FALSE(chain.answer(s(to)).right()) << from << to;
        chain.start(s(to));
        EXPECT_FALSE(chain.answer(s(from)).right()) << to << from;
    }
    // The same shape written as a variant still links.
    chain.start(s("海"));
    EXPECT_EQ(chain.answer(s("泳")).component, s("氵"));

    // Nor does a look-alike make a kanji a start.
    const Dictionary pair = table({{s("吐"), s("口土")}, {s("国"), s("囗玉")}});
    EXPECT_TRUE(LinkChain(pair).startEntries().empty());
}

TEST(LinkChain, AKanjiThatIsAComponentOfTheOtherLinksAsItself)
{
    const Dictionary d = table({{s("戦"), s("単戈")}, {s("単"), s("ツ田十")}, {s("弾"), s("弓単")}});
    LinkChain chain(d, NoVariants);
    EXPECT_EQ(chain.startEntries(), (std::vector<int>{1, 2, 3}));
    chain.start(s("戦"));
    EXPECT_FALSE(chain.answer(s("戈")).right());  // in 戦, but no kanji of the table
    EXPECT_EQ(chain.answer(s("単")).component, s("単"));  // a part of the current kanji
    EXPECT_EQ(chain.answer(s("弾")).component, s("単"));  // has the current kanji as a part
    EXPECT_EQ(chain.answer(s("戦")).component, s("単"));  // a shared component
    EXPECT_EQ(chain.links(), 3);
}

TEST(LinkChain, CellsTakeThePastelColoursInTurnAndTheSeventeenthLinkStartsAgain)
{
    const Dictionary d = table({{s("困"), s("口木")}, {s("呆"), s("口木")}});
    LinkChain chain(d, NoVariants);
    chain.start(s("困"));
    for (int i = 0; i < 17; ++i)
        ASSERT_TRUE(chain.answer(i % 2 == 0 ? s("呆") : s("困")).right()) << i;
    EXPECT_EQ(chain.board().colour(1), ChainBoard::White);
    EXPECT_EQ(chain.board().colour(2), 1);
    EXPECT_EQ(chain.board().colour(17), 16);
    EXPECT_EQ(chain.board().colour(18), 1);
}

TEST(LinkChain, CountModeEndsAfterOneLinkFewerThanTheCellsAndTimeModeWhenTheBoardIsFull)
{
    const Dictionary d = table({{s("困"), s("口木")}, {s("呆"), s("口木")}});
    LinkChain chain(d, NoVariants);
    chain.start(s("困"));
    const auto other = [&] { return chain.current() == s("困") ? s("呆") : s("困"); };
    for (int i = 0; i < 6; ++i)
        chain.answer(other());
    EXPECT_TRUE(chain.goesOn(false, 8));
    chain.answer(other());
    EXPECT_EQ(chain.cellIndex(), 8);
    EXPECT_FALSE(chain.goesOn(false, 8));
    EXPECT_TRUE(chain.goesOn(true, 8));

    while (chain.cellIndex() < LinkChain::CellCount)
        ASSERT_TRUE(chain.answer(other()).right());
    EXPECT_FALSE(chain.goesOn(true, 8));
    // Nothing is ever written past the last cell.
    EXPECT_FALSE(chain.answer(other()).right());
    EXPECT_EQ(chain.cellIndex(), LinkChain::CellCount);
}

TEST(LinkChain, AChainStartsOnlyFromAKanjiThatCanLinkToAnother)
{
    const ComponentVariants variants = ComponentVariants::parse(s("ウ,宀\n"));
    const Dictionary d = table({
        {s("日"), s("日")},      // 1 primitive: never a start, but typed it links
        {s("明"), s("日月")},    // 2 links to 日
        {s("森"), s("木木木")},  // 3 no other kanji has 木
        {s("字"), s("宀子")},    // 4 links to 安 through the variant
        {s("安"), s("ウ女")},    // 5
        {s("明"), s("日月")},    // 6 a second entry of 明
    });
    LinkChain chain(d, variants);
    EXPECT_EQ(chain.startEntries(), (std::vector<int>{2, 4, 5, 6}));

    Random::instance().seed(3);
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(chain.start(Random::instance()));
        EXPECT_NE(chain.current(), s("森"));
        EXPECT_NE(chain.current(), s("日"));
    }

    const Dictionary lonely = table({{s("森"), s("木木木")}, {s("日"), s("日")}});
    LinkChain none(lonely, variants);
    EXPECT_FALSE(none.start(Random::instance()));
    EXPECT_EQ(none.cellIndex(), 0);
}
