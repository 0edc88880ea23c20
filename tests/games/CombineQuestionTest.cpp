// The combine puzzle: dealing the components and judging an answer.
#include "games/combine/CombineQuestion.h"

#include "dictionary/Dictionary.h"
#include "platform/Random.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace {
Dictionary table(std::vector<KanjiEntry> entries)
{
    Dictionary d;
    d.setTables(std::move(entries), {});
    return d;
}
QStringList sorted(QStringList l)
{
    std::sort(l.begin(), l.end());
    return l;
}
}  // namespace

TEST(CombineQuestion, ComponentsAreDealtInEveryOrderAndOnlyTheExactKanjiIsRight)
{
    const Dictionary d = table({{QStringLiteral("時"), QStringLiteral("日土寸")}});
    Random::instance().seed(7);
    std::set<QString> orders;
    for (int i = 0; i < 200; ++i) {
        const CombineQuestion q = CombineQuestion::draw(d, Random::instance());
        ASSERT_EQ(sorted(q.parts), sorted({QStringLiteral("日"), QStringLiteral("土"), QStringLiteral("寸")}));
        orders.insert(q.parts.join(QString()));
    }
    EXPECT_EQ(orders.size(), 6u);

    const CombineQuestion q = CombineQuestion::fromEntry(d, 1, Random::instance());
    EXPECT_TRUE(q.isRight(QStringLiteral("時"), d));
    EXPECT_FALSE(q.isRight(QStringLiteral("時 "), d));
    EXPECT_FALSE(q.isRight(QStringLiteral("日土寸"), d));
}

TEST(CombineQuestion, AnyKanjiOfTheShownComponentsIsRightWhicheverWasDrawn)
{
    const Dictionary d = table({{QStringLiteral("困"), QStringLiteral("口木")},
                                {QStringLiteral("束"), QStringLiteral("木口")},
                                {QStringLiteral("杏"), QStringLiteral("木口")},
                                {QStringLiteral("呆"), QStringLiteral("口木木")},
                                {QStringLiteral("末"), QStringLiteral("一木")}});
    const CombineQuestion q = CombineQuestion::fromEntry(d, 1, Random::instance());
    for (const char16_t* right : {u"困", u"束", u"杏"})
        EXPECT_TRUE(q.isRight(QString::fromUtf16(right), d)) << QString::fromUtf16(right).toStdString();
    // Same characters but another count, another component, or not a kanji of the table.
    for (const char16_t* wrong : {u"呆", u"末", u"木", u"困束", u"果"})
        EXPECT_FALSE(q.isRight(QString::fromUtf16(wrong), d)) << QString::fromUtf16(wrong).toStdString();
    EXPECT_FALSE(CombineQuestion().isRight(QString(), d));
}

TEST(CombineQuestion, APrimitiveEntryIsNeverAsked)
{
    const Dictionary d = table({{QStringLiteral("日"), QStringLiteral("日")},
                                {QStringLiteral("明"), QStringLiteral("日月")},
                                {QStringLiteral("月"), QStringLiteral("月")}});
    Random::instance().seed(11);
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(CombineQuestion::draw(d, Random::instance()).answer, QStringLiteral("明"));
    EXPECT_TRUE(
        CombineQuestion::draw(table({{QStringLiteral("日"), QStringLiteral("日")}}), Random::instance()).empty());
}

TEST(CombineQuestion, ARepeatedComponentFillsTwoSlots)
{
    const Dictionary d = table({{QStringLiteral("林"), QStringLiteral("木木")}});
    const CombineQuestion q = CombineQuestion::draw(d, Random::instance());
    EXPECT_EQ(q.parts, QStringList({QStringLiteral("木"), QStringLiteral("木")}));
}

TEST(CombineQuestion, SamplePrefersThreeComponentsAndNeverHangsWithoutThem)
{
    Random::instance().seed(3);
    const Dictionary mixed = table({{QStringLiteral("林"), QStringLiteral("木木")},
                                    {QStringLiteral("時"), QStringLiteral("日土寸")},
                                    {QStringLiteral("明"), QStringLiteral("日月")}});
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(CombineQuestion::sample(mixed, Random::instance()).answer, QStringLiteral("時"));

    const Dictionary small = table({{QStringLiteral("明"), QStringLiteral("日月")}});
    EXPECT_EQ(CombineQuestion::sample(small, Random::instance()).answer, QStringLiteral("明"));

    const Dictionary none = table({});
    EXPECT_TRUE(CombineQuestion::sample(none, Random::instance()).empty());
    EXPECT_TRUE(CombineQuestion::draw(none, Random::instance()).empty());
}
