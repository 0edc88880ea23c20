#include "dictionary/ComponentVariants.h"

#include "dictionary/Dictionary.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

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

TEST(ComponentVariants, ALookAlikeMatchesTheRadicalButIsAnotherShape)
{
    const ComponentVariants t = ComponentVariants::parse(u"囗,⼞;口\n口,⼝\n宀,ウ,⼧\n水,氵,⺡\n");
    EXPECT_TRUE(t.matches(u"口", u"囗"));  // くにがまえ typed as the everyday 口
    EXPECT_TRUE(t.matches(u"⼞", u"囗"));
    EXPECT_FALSE(t.matches(u"囗", u"口"));
    EXPECT_FALSE(t.sameShape(u"口", u"囗"));
    EXPECT_TRUE(t.sameShape(u"⼞", u"囗"));
    EXPECT_TRUE(t.sameShape(u"氵", u"⺡"));  // two forms of one stored component
    EXPECT_EQ(t.canonical(QStringView(u"口")), QStringLiteral("口"));
    EXPECT_EQ(t.canonical(QStringView(u"⼝ウ")), QStringLiteral("口宀"));
    EXPECT_EQ(t.lookAlikesOf(u"囗"), QStringList{"口"});
    EXPECT_EQ(t.variantsOf(u"囗"), QStringList{"⼞"});
}

TEST(ComponentVariants, TheShippedLookAlikesAreAcceptedButNeverTheSameComponent)
{
    const ComponentVariants& t = ComponentVariants::shipped();
    for (const auto& [alike, radical] : {std::pair{u"口", u"囗"}, {u"川", u"巛"}, {u"母", u"毋"}, {u"ヨ", u"彑"},
                                         {u"ク", u"勹"}}) {
        EXPECT_TRUE(t.matches(alike, radical)) << QString::fromUtf16(radical).toStdString();
        EXPECT_FALSE(t.sameShape(alike, radical)) << QString::fromUtf16(radical).toStdString();
    }
    for (const auto& [form, stored] : {std::pair{u"氵", u"水"}, {u"亻", u"人"}, {u"攴", u"攵"}, {u"ウ", u"宀"},
                                       {u"辵", u"之"}, {u"𧾷", u"足"}, {u"网", u"四"}, {u"匸", u"匚"}}) {
        EXPECT_TRUE(t.matches(form, stored)) << QString::fromUtf16(form).toStdString();
        EXPECT_TRUE(t.sameShape(form, stored)) << QString::fromUtf16(form).toStdString();
    }
    EXPECT_FALSE(t.matches(u"氵", u"火"));
    EXPECT_EQ(t.canonical(QStringView(u"氵亻日")), QStringLiteral("水人日"));
}

TEST(ComponentVariants, OneTypedCharacterStandsForAShapeWrittenAsTwoComponents)
{
    const ComponentVariants& t = ComponentVariants::shipped();
    EXPECT_EQ(t.pairOf(U'疒'), QStringLiteral("广冫"));
    EXPECT_EQ(t.canonical(QStringView(u"疒丙")), QStringLiteral("广冫丙"));
    EXPECT_TRUE(t.matches(u"疒", u"广冫"));
    EXPECT_FALSE(t.matches(u"疒", u"广"));
}
