#include "dictionary/ComponentVariants.h"

#include "dictionary/Dictionary.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

TEST(ComponentVariants, WhatAnInputMethodGivesMatchesTheStoredForm)
{
    const ComponentVariants& t = ComponentVariants::shipped();
    // さんずい and にんべん as mozc offers them, and a katakana look-alike.
    EXPECT_TRUE(t.matches(QStringLiteral("氵"), QStringLiteral("水")));
    EXPECT_TRUE(t.matches(QStringLiteral("亻"), QStringLiteral("人")));
    EXPECT_TRUE(t.matches(QStringLiteral("水"), QStringLiteral("水")));
    EXPECT_FALSE(t.matches(QStringLiteral("氵"), QStringLiteral("火")));
    EXPECT_EQ(t.canonical(QStringLiteral("氵亻日")), QStringLiteral("水人日"));
}

TEST(ComponentVariants, AVariantOfTwoStoredFormsMatchesBothAndCanonicalTakesTheFirst)
{
    const ComponentVariants t = ComponentVariants::parse(u"# comment\n阜,阝\n邑,阝,⻏\n\n");
    EXPECT_TRUE(t.matches(u"阝", u"阜"));
    EXPECT_TRUE(t.matches(u"阝", u"邑"));
    EXPECT_TRUE(t.matches(u"⻏", u"邑"));
    EXPECT_FALSE(t.matches(u"⻏", u"阜"));
    EXPECT_EQ(t.canonical(QStringView(u"阝")), QStringLiteral("阜"));
    EXPECT_EQ(t.variantsOf(u"邑"), (QStringList{"阝", "⻏"}));
    EXPECT_EQ(t.storedForms(), (QStringList{"阜", "邑"}));
}

TEST(DictionaryRules, PrimitiveEntriesAndAnyOrderOfTheSameComponents)
{
    Dictionary d;
    d.setTables({{"日", "日"}, {"困", "口木"}, {"束", "木口"}, {"時", "日土寸"}}, {});
    EXPECT_TRUE(d.isPrimitive(1));
    EXPECT_FALSE(d.isPrimitive(2));
    EXPECT_TRUE(d.buildsFrom(u"束", u"口木"));
    EXPECT_TRUE(d.buildsFrom(u"困", u"木口"));
    EXPECT_FALSE(d.buildsFrom(u"時", u"日土"));
    EXPECT_FALSE(d.buildsFrom(u"未", u"木口"));
}

TEST(DictionaryRules, QuestionsAreDrawnEvenlyFromTheEntriesThatAreNotPrimitive)
{
    Dictionary d;
    d.setTables({{"日", "日"}, {"明", "日月"}, {"月", "月"}, {"林", "木木"}, {"木", "木"}}, {});
    EXPECT_EQ(d.questionCount(), 2);
    Random& random = Random::instance();
    random.seed(1);
    int counts[6] = {};
    for (int n = 0; n < 2000; ++n)
        ++counts[d.randomQuestion(random)];
    EXPECT_EQ(counts[0] + counts[1] + counts[3] + counts[5], 0);
    EXPECT_GT(counts[2], 800);
    EXPECT_GT(counts[4], 800);

    d.setTables({{"日", "日"}}, {});
    EXPECT_EQ(d.randomQuestion(random), 0);
}

TEST(ComponentVariants, AStoredLookAlikeMatchesTheRadicalButStaysItself)
{
    const ComponentVariants t = ComponentVariants::parse(u"囗,口,⼞\n口,⼝\n宀,ウ,⼧\n");
    EXPECT_TRUE(t.matches(u"口", u"囗"));  // くにがまえ typed as the everyday 口
    EXPECT_TRUE(t.matches(u"⼞", u"囗"));
    EXPECT_FALSE(t.matches(u"囗", u"口"));
    EXPECT_EQ(t.canonical(QStringView(u"口")), QStringLiteral("口"));
    EXPECT_EQ(t.canonical(QStringView(u"⼝ウ")), QStringLiteral("口宀"));
}
