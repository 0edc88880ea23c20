#include "dictionary/ComponentVariants.h"

#include "dictionary/Dictionary.h"

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
