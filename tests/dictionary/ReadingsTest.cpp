#include "dictionary/Readings.h"

#include "dictionary/KanjiLevel.h"
#include "support/TempDir.h"

using namespace Qt::StringLiterals;

namespace {
Readings sample()
{
    return Readings::parse(cp932(u"時,2,ジ,とき,time, hour\r\n"
                                 "生,1,セイ・ショウ,い.きる・う.まれる・なま,life, genuine, birth\r\n"
                                 "且,8,,か.つ,moreover\r\n"
                                 "会社,かいしゃ,company; corporation\r\n"
                                 "日,1,ニチ,ひ,day\r\n"
                                 "会,2,カイ,あ.う,meeting\r\n"
                                 "社,2,シャ,やしろ,company\r\n"
                                 "話,2,ワ,はな.す\r\n"     // a field short: no line to show
                                 "時,1,ジ,,duplicate\r\n"  // the first line of a key counts
                                 "語,X,ゴ,,word"_s));      // no final line end; a grade it cannot read
}
}  // namespace

TEST(Readings, TheLineShowsOnThenKunWithOkuriganaThenTheMeaningAndAWordItsReading)
{
    const Readings r = sample();
    EXPECT_EQ(r.line(u"時"), u"時　ジ／とき　time, hour"_s);
    EXPECT_EQ(r.line(u"生"), u"生　セイ・ショウ／い(きる)・う(まれる)・なま　life, genuine, birth"_s);
    EXPECT_EQ(r.line(u"且"), u"且　か(つ)　moreover"_s);
    EXPECT_EQ(r.line(u"会社"), u"会社　かいしゃ　company; corporation"_s);
    EXPECT_EQ(r.line(u"語"), u"語　ゴ　word"_s);
    // A kanji or word without a line, and a line short of a field.
    EXPECT_EQ(r.line(u"鬱"), QString());
    EXPECT_EQ(r.line(u"話"), QString());
    EXPECT_EQ(r.line(u"社会"), QString());
    EXPECT_EQ(r.grade(u"時"), 2);
    EXPECT_EQ(r.grade(u"且"), Readings::LaterGrade);
    EXPECT_EQ(r.grade(u"語"), 0);
    EXPECT_EQ(r.grade(u"会社"), 0);
    EXPECT_EQ(r.kanjiCount(), 8);
    EXPECT_EQ(r.wordCount(), 1);
}

TEST(KanjiLevel, NamesReadBackAndAnUnknownNameIsEveryKanji)
{
    const QStringList names = KanjiLevel::names();
    ASSERT_EQ(names.size(), 7);
    EXPECT_EQ(names.front(), u"小学1年"_s);
    EXPECT_EQ(names.back(), u"常用すべて"_s);
    for (int i = 0; i < names.size(); ++i) {
        EXPECT_EQ(KanjiLevel::fromName(names[i]).name(), names[i]);
        EXPECT_EQ(KanjiLevel::fromName(names[i]).index(), i);
    }
    EXPECT_TRUE(KanjiLevel::fromName(u"小学7年").all());
    EXPECT_TRUE(KanjiLevel::fromName(u"").all());
}

TEST(KanjiLevel, ALevelKeepsTheKanjiOfItsGradesAndTheWordsMadeOnlyOfThem)
{
    const Readings r = sample();
    Dictionary d;
    d.setTables({{u"時"_s, u"日土寸"_s},
                 {u"生"_s, u"生"_s},
                 {u"会"_s, u"人云"_s},
                 {u"社"_s, u"示土"_s},
                 {u"且"_s, u"且"_s},
                 {u"鬱"_s, u"木缶木冖鬯彡"_s}},
                {u"会社"_s, u"時計"_s, u"生日"_s});

    const Dictionary first = KanjiLevel(1).restrict(d, r);
    ASSERT_EQ(first.kanjiCount(), 1);
    EXPECT_EQ(first.kansei(1), u"生"_s);
    ASSERT_EQ(first.compoundCount(), 1);  // by the grades of its kanji, entry or not
    EXPECT_EQ(first.compound(1), u"生日"_s);

    const Dictionary second = KanjiLevel(2).restrict(d, r);
    ASSERT_EQ(second.kanjiCount(), 4);
    EXPECT_EQ(second.kansei(4), u"社"_s);
    ASSERT_EQ(second.compoundCount(), 2);
    EXPECT_EQ(second.compound(1), u"会社"_s);  // 時計: 計 has no grade
    EXPECT_EQ(second.compound(2), u"生日"_s);

    // Every kanji, the one the user added without a grade included.
    EXPECT_EQ(KanjiLevel().restrict(d, r).kanjiCount(), 6);
    EXPECT_TRUE(KanjiLevel().admits(u"鬱", r));
    EXPECT_FALSE(KanjiLevel(6).admits(u"鬱", r));
    EXPECT_FALSE(KanjiLevel(6).admits(u"且", r));
    EXPECT_FALSE(KanjiLevel(6).admits(u"", r));
    EXPECT_TRUE(KanjiLevel(3).refusal().contains(u"「小学3年」"));
}
