// The compound combine puzzle: which words can be set, dealing both kanji's
// components, the hint's colouring, which answers are right, and the
// characters a play counts.
#include "dictionary/Dictionary.h"
#include "games/compound/CompoundPlay.h"
#include "games/frame/PlayFrame.h"
#include "platform/Clock.h"
#include "platform/Random.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace {
QString s(const char16_t* text) { return QString::fromUtf16(text); }

Dictionary table(std::vector<KanjiEntry> kanji, std::vector<QString> compounds)
{
    Dictionary d;
    d.setTables(std::move(kanji), std::move(compounds));
    return d;
}
QStringList sorted(QStringList l)
{
    std::sort(l.begin(), l.end());
    return l;
}
QStringList chars(const QString& text) { return Dictionary::components(text); }

// 時計: 時 = 日 土 寸, 計 = 言 十.
Dictionary tokei() { return table({{s(u"時"), s(u"日土寸")}, {s(u"計"), s(u"言十")}}, {s(u"時計")}); }
}  // namespace

TEST(CompoundQuestion, BothKanjisComponentsAreDealtTogetherInEveryOrder)
{
    const CompoundWords words(tokei());
    Random::instance().seed(5);
    std::set<QString> orders;
    for (int i = 0; i < 400; ++i) {
        const CompoundQuestion q = words.draw(Random::instance());
        ASSERT_EQ(q.answer, s(u"時計"));
        ASSERT_EQ(sorted(q.parts), sorted(chars(s(u"日土寸言十"))));
        orders.insert(q.parts.join(QString()));
    }
    EXPECT_GT(orders.size(), 60u);  // of the 120 orders

    // Six and six fill all twelve labels; a primitive entry shows as its one component.
    const CompoundWords big(
        table({{s(u"甲"), s(u"一二三四五六")}, {s(u"乙"), s(u"七八九十丁丈")}, {s(u"日"), s(u"日")}},
              {s(u"甲乙"), s(u"日日")}));
    EXPECT_EQ(big.question(1, Random::instance()).parts.size(), 12);
    EXPECT_EQ(big.question(2, Random::instance()).parts, QStringList({s(u"日"), s(u"日")}));
}

TEST(CompoundQuestion, HintColoursEachComponentByItsKanjiAndASharedOneOnceForEach)
{
    CompoundQuestion q;
    q.kanjiParts = {chars(s(u"日土寸")), chars(s(u"言十"))};
    q.parts = chars(s(u"十日言寸土"));
    EXPECT_EQ(q.hintKanji(), (std::vector<int>{2, 1, 2, 1, 1}));

    // 可 = 丁 口 and 否 = 不 口: the first 口 in label order is 可's.
    q.kanjiParts = {chars(s(u"丁口")), chars(s(u"不口"))};
    q.parts = chars(s(u"口不口丁"));
    EXPECT_EQ(q.hintKanji(), (std::vector<int>{1, 2, 2, 1}));

    // 林 = 木 木 beside 本 = 木 一: three 木, two of the first kanji.
    q.kanjiParts = {chars(s(u"木木")), chars(s(u"木一"))};
    q.parts = chars(s(u"一木木木"));
    EXPECT_EQ(q.hintKanji(), (std::vector<int>{2, 1, 1, 2}));
}

TEST(CompoundQuestion, AnyWordOfTheDictionaryWithTheShownComponentsIsRight)
{
    const Dictionary d = table({{s(u"会"), s(u"人云")},
                                {s(u"社"), s(u"示土")},
                                {s(u"日"), s(u"日")},
                                {s(u"本"), s(u"木一")},
                                {s(u"議"), s(u"言義")}},
                               {s(u"会社"), s(u"社会"), s(u"日本"), s(u"会議")});
    const CompoundWords words(d);
    Random& random = Random::instance();

    const CompoundQuestion kaisha = words.question(1, random);
    EXPECT_TRUE(words.isRight(kaisha, s(u"会社")));
    EXPECT_TRUE(words.isRight(kaisha, s(u"社会")));
    EXPECT_FALSE(words.isRight(kaisha, s(u"会")));        // only the first kanji
    EXPECT_FALSE(words.isRight(kaisha, s(u"会社 ")));     // no trimming
    EXPECT_FALSE(words.isRight(kaisha, s(u"会議")));      // a word, but other components
    EXPECT_FALSE(words.isRight(kaisha, s(u"人云示土")));  // the components themselves

    // 本日 has 日本's components but is not a word of this dictionary.
    const CompoundQuestion nihon = words.question(3, random);
    EXPECT_TRUE(words.isRight(nihon, s(u"日本")));
    EXPECT_FALSE(words.isRight(nihon, s(u"本日")));

    // A kanji with a second entry: the word is right by either.
    const CompoundWords twoEntries(
        table({{s(u"会"), s(u"人云")}, {s(u"社"), s(u"示土")}, {s(u"社"), s(u"ネ土")}}, {s(u"会社"), s(u"社会")}));
    CompoundQuestion shown = twoEntries.question(1, random);
    EXPECT_EQ(sorted(shown.parts), sorted(chars(s(u"人云示土"))));  // first entry shown
    shown.parts = chars(s(u"土人ネ云"));
    EXPECT_TRUE(twoEntries.isRight(shown, s(u"社会")));
}

TEST(CompoundQuestion, WordsThatCannotBeSetAreNeverDrawnAndNoneMeansNoQuestion)
{
    // 計 has no entry (deleted by the dictionary window), 一 is one character,
    // and 甲乙 needs thirteen labels.
    const Dictionary d = table({{s(u"時"), s(u"日土寸")},
                                {s(u"甲"), s(u"一二三四五六七")},
                                {s(u"乙"), s(u"七八九十丁丈")},
                                {s(u"間"), s(u"門日")}},
                               {s(u"時計"), s(u"一"), s(u"甲乙"), s(u"時間"), s(u"計時")});
    const CompoundWords words(d);
    EXPECT_EQ(words.size(), 1);
    Random::instance().seed(2);
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(words.draw(Random::instance()).answer, s(u"時間"));
    EXPECT_TRUE(words.question(1, Random::instance()).empty());

    const CompoundWords none(table({{s(u"時"), s(u"日土寸")}}, {s(u"時計")}));
    EXPECT_TRUE(none.empty());
    EXPECT_TRUE(none.draw(Random::instance()).empty());
    EXPECT_TRUE(CompoundWords(table({}, {})).draw(Random::instance()).empty());
}

TEST(CompoundPlay, EveryEnteredCharacterCountsAndAGiveUpAddsNone)
{
    ManualClock clock{QDateTime(QDate(2024, 5, 1), QTime(21, 0, 0))};
    PlayFrame frame(&clock);
    frame.settings.answerTarget = 4;
    frame.setMode(0);
    CompoundPlay play(frame);
    const CompoundWords words(tokei());
    play.setWords(words);
    play.setQuestion(words.draw(Random::instance()));

    EXPECT_FALSE(play.answer(s(u"時計")));  // before Start: nothing counted
    EXPECT_EQ(frame.answers(), 0);

    frame.start();
    for (int i = 0; i < PlayFrame::CountdownSteps; ++i)
        frame.countdownTick();
    ASSERT_TRUE(frame.playing());
    EXPECT_TRUE(play.answer(s(u"時計")));
    EXPECT_FALSE(play.answer(s(u"時")));
    EXPECT_FALSE(play.answer(s(u"𠮷計")));  // one character outside the BMP counts once
    play.giveUp();
    EXPECT_EQ(frame.okCount(), 1);
    EXPECT_EQ(frame.ngCount(), 3);
    EXPECT_EQ(play.typedChars(), 5);
    ASSERT_TRUE(frame.countReached());

    clock.advance(2500);
    const PlayResult& r =
        frame.finish(PlayFrame::End::CountReached, play.typedChars(), QString::number(play.typedChars()), {});
    EXPECT_EQ(r.sixthValue, QStringLiteral("5"));
    EXPECT_EQ(r.rateText, QStringLiteral("2.00/秒"));
}
