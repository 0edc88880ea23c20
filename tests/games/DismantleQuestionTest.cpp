// The dismantle rules without a window: filling the slots, completion,
// give-up and the kanji counted in a play.
#include "dictionary/Dictionary.h"
#include "games/dismantle/DismantlePlay.h"
#include "games/frame/PlayFrame.h"
#include "platform/Clock.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
using Slot = DismantleQuestion::Slot;

const QString Ito = QStringLiteral("糸");
const QString Shi = QStringLiteral("士");
const QString Kuchi = QStringLiteral("口");
const QString Ki = QStringLiteral("木");

Dictionary table(std::vector<KanjiEntry> entries)
{
    Dictionary d;
    d.setTables(std::move(entries), {});
    return d;
}
const Dictionary Musubu = table({{QStringLiteral("結"), QStringLiteral("糸士口")}});
const Dictionary Hayashi = table({{QStringLiteral("林"), QStringLiteral("木木")}});

DismantleQuestion question(const Dictionary& d)
{
    Random::instance().seed(5);
    return DismantleQuestion::draw(d, Random::instance());
}
int slotOf(const DismantleQuestion& q, const QString& part) { return int(q.parts().indexOf(part)); }
}  // namespace

TEST(DismantleQuestion, ComponentsFillTheirSlotsInAnyOrderAndCompleteTheKanji)
{
    DismantleQuestion q = question(Musubu);
    EXPECT_EQ(q.kanji(), QStringLiteral("結"));
    ASSERT_EQ(q.slotCount(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(q.slot(i), Slot::Open);

    EXPECT_EQ(q.fill(Kuchi), slotOf(q, Kuchi));
    EXPECT_EQ(q.slot(slotOf(q, Kuchi)), Slot::Found);
    EXPECT_FALSE(q.complete());
    EXPECT_EQ(q.fill(Ito), slotOf(q, Ito));
    EXPECT_EQ(q.fill(Shi), slotOf(q, Shi));
    EXPECT_TRUE(q.complete());
}

TEST(DismantleQuestion, OnlyOneOpenSlotHoldingExactlyTheTextIsFilled)
{
    DismantleQuestion q = question(Musubu);
    EXPECT_EQ(q.fill(Ito + Shi), -1);  // two components at once
    EXPECT_EQ(q.fill(Kuchi + u' '), -1);
    EXPECT_EQ(q.fill(QStringLiteral("日")), -1);
    EXPECT_EQ(q.fill(QString()), -1);
    EXPECT_EQ(q.fill(Kuchi), slotOf(q, Kuchi));
    EXPECT_EQ(q.fill(Kuchi), -1);  // already found
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(q.slot(i), i == slotOf(q, Kuchi) ? Slot::Found : Slot::Open);
}

TEST(DismantleQuestion, WhatAnInputMethodOffersForAComponentFillsItsSlot)
{
    // 海 as stored: 水 for さんずい, the radicals 丿 and 毋.
    const Dictionary umi = table({{QStringLiteral("海"), QStringLiteral("水丿一毋")}});
    DismantleQuestion q = question(umi);
    EXPECT_EQ(q.fill(QStringLiteral("氵")), slotOf(q, QStringLiteral("水")));  // さんずい as typed
    EXPECT_EQ(q.fill(QStringLiteral("ノ")), slotOf(q, QStringLiteral("丿")));  // its katakana look-alike
    EXPECT_EQ(q.fill(QStringLiteral("母")), slotOf(q, QStringLiteral("毋")));  // the everyday kanji of its shape
    EXPECT_EQ(q.fill(QStringLiteral("氵")), -1);                               // its slot is already found
    EXPECT_EQ(q.fill(QStringLiteral("二")), -1);                               // not a form of 一
    EXPECT_EQ(q.fill(QStringLiteral("一")), slotOf(q, QStringLiteral("一")));
    EXPECT_TRUE(q.complete());

    // 阝 on the right stands for 邑: its right-hand form counts, the left-hand one does not.
    const Dictionary gun = table({{QStringLiteral("郡"), QStringLiteral("君邑")}});
    DismantleQuestion r = question(gun);
    EXPECT_EQ(r.fill(QStringLiteral("⻖")), -1);
    EXPECT_EQ(r.fill(QStringLiteral("阝")), slotOf(r, QStringLiteral("邑")));
}

TEST(DismantleQuestion, ARadicalTypedAsOneCharacterFillsTheTwoComponentsItIsWrittenAs)
{
    // やまいだれ is stored as 广 and 冫; an input method gives 疒.
    const Dictionary yamai = table({{QStringLiteral("病"), QStringLiteral("广冫一冂人")}});
    DismantleQuestion q = question(yamai);
    EXPECT_EQ(q.fill(QStringLiteral("疒")),
              std::min(slotOf(q, QStringLiteral("广")), slotOf(q, QStringLiteral("冫"))));
    EXPECT_EQ(q.slot(slotOf(q, QStringLiteral("广"))), Slot::Found);
    EXPECT_EQ(q.slot(slotOf(q, QStringLiteral("冫"))), Slot::Found);
    EXPECT_EQ(q.fill(QStringLiteral("疒")), -1);

    // Half of the pair already typed, or missing: the pair fills nothing.
    DismantleQuestion r = question(yamai);
    r.fill(QStringLiteral("广"));
    EXPECT_EQ(r.fill(QStringLiteral("疒")), -1);
    DismantleQuestion hiroi = question(table({{QStringLiteral("広"), QStringLiteral("广厶")}}));
    EXPECT_EQ(hiroi.fill(QStringLiteral("疒")), -1);
    EXPECT_EQ(hiroi.slot(slotOf(hiroi, QStringLiteral("广"))), Slot::Open);
}

TEST(DismantleQuestion, APrimitiveEntryIsNeverAsked)
{
    const Dictionary d = table({{Ki, Ki}, {QStringLiteral("林"), QStringLiteral("木木")}});
    Random::instance().seed(4);
    for (int n = 0; n < 50; ++n)
        ASSERT_EQ(DismantleQuestion::draw(d, Random::instance()).kanji(), QStringLiteral("林"));
    EXPECT_TRUE(DismantleQuestion::draw(table({{Ki, Ki}}), Random::instance()).empty());
}

TEST(DismantleQuestion, ARepeatedComponentNeedsTwoAnswersInSlotOrder)
{
    DismantleQuestion q = question(Hayashi);
    EXPECT_EQ(q.parts(), QStringList({Ki, Ki}));
    EXPECT_EQ(q.fill(Ki), 0);
    EXPECT_FALSE(q.complete());
    EXPECT_EQ(q.fill(Ki), 1);
    EXPECT_TRUE(q.complete());
    EXPECT_EQ(q.fill(Ki), -1);

    // The first open one in slot order, wherever the repeated pair was dealt.
    const Dictionary d =
        table({{QStringLiteral("森"), QStringLiteral("木木木")}, {QStringLiteral("相"), QStringLiteral("木目")}});
    Random::instance().seed(9);
    for (int n = 0; n < 20; ++n) {
        DismantleQuestion r = DismantleQuestion::draw(d, Random::instance());
        const int first = slotOf(r, Ki);
        EXPECT_EQ(r.fill(Ki), first);
        EXPECT_EQ(r.fill(Ki), int(r.parts().indexOf(Ki, first + 1)));
    }
}

TEST(DismantleQuestion, GiveUpAndRevealColourEverySlotWhateverItsState)
{
    DismantleQuestion q = question(Musubu);
    q.fill(Ito);
    q.giveUp();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(q.slot(i), Slot::GivenUp);
    EXPECT_EQ(q.fill(Shi), -1);
    q.reveal();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(q.slot(i), Slot::Shown);
}

TEST(DismantleQuestion, SampleShowsEveryComponentPrefersThreeAndNeverHangs)
{
    Random::instance().seed(3);
    const Dictionary mixed = table({{QStringLiteral("林"), QStringLiteral("木木")},
                                    {QStringLiteral("結"), QStringLiteral("糸士口")},
                                    {QStringLiteral("明"), QStringLiteral("日月")}});
    for (int n = 0; n < 30; ++n) {
        const DismantleQuestion s = DismantleQuestion::sample(mixed, Random::instance());
        ASSERT_EQ(s.kanji(), QStringLiteral("結"));
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(s.slot(i), Slot::Shown);
    }
    EXPECT_EQ(DismantleQuestion::sample(Hayashi, Random::instance()).kanji(), QStringLiteral("林"));
    EXPECT_TRUE(DismantleQuestion::sample(table({}), Random::instance()).empty());
    EXPECT_TRUE(DismantleQuestion::draw(table({}), Random::instance()).empty());
}

// The rules over a play: what is counted as an answer and as a kanji.

class DismantlePlayTest : public ::testing::Test {
protected:
    // A play running in count mode with `target` answers (0: time mode).
    void begin(int target = 0)
    {
        frame.setMode(target > 0 ? 0 : 1);
        frame.settings.answerTarget = target > 0 ? target : 10;
        frame.start();
        while (!frame.countdownTick()) {
        }
        next();
    }
    void next() { rules.setQuestion(question(Musubu)); }

    ManualClock clock{QDateTime(QDate(2024, 5, 1), QTime(21, 0, 0))};
    PlayFrame frame{&clock};
    DismantlePlay rules{frame};
};

TEST_F(DismantlePlayTest, EveryTypedComponentIsOneAnswerAndTheLastSlotFinishesTheKanji)
{
    begin();
    EXPECT_TRUE(rules.answer(Kuchi).right());
    EXPECT_FALSE(rules.answer(Kuchi).right());  // found already
    EXPECT_FALSE(rules.answer(Ito + Shi).right());
    EXPECT_FALSE(rules.answer(Ito).completed);
    EXPECT_EQ(rules.kanjiDone(), 0);
    const DismantlePlay::Judgement last = rules.answer(Shi);
    EXPECT_TRUE(last.right());
    EXPECT_TRUE(last.completed);
    EXPECT_EQ(frame.okCount(), 3);
    EXPECT_EQ(frame.ngCount(), 2);
    EXPECT_EQ(rules.kanjiDone(), 1);

    // A finished kanji takes no more answers until the next one stands.
    EXPECT_FALSE(rules.answer(Kuchi).right());
    EXPECT_EQ(frame.answers(), 5);
    EXPECT_EQ(rules.kanjiDone(), 1);
}

TEST_F(DismantlePlayTest, GiveUpIsOneWrongAnswerAndOneKanjiHoweverManySlotsWereOpen)
{
    begin();
    rules.answer(Ito);
    EXPECT_TRUE(rules.giveUp());
    EXPECT_EQ(frame.okCount(), 1);
    EXPECT_EQ(frame.ngCount(), 1);
    EXPECT_FALSE(rules.giveUp());  // nothing left to give up
    EXPECT_FALSE(rules.answer(Shi).right());
    EXPECT_EQ(frame.answers(), 2);
    EXPECT_EQ(rules.kanjiDone(), 1);

    next();
    rules.answer(Shi);  // an unfinished kanji is not done
    EXPECT_EQ(rules.kanjiDone(), 1);
    for (const QString& part : {Ito, Kuchi})
        rules.answer(part);
    EXPECT_FALSE(rules.giveUp());  // found whole: not given up as well
    EXPECT_EQ(rules.kanjiDone(), 2);
    EXPECT_EQ(frame.ngCount(), 1);
}

TEST_F(DismantlePlayTest, CountModeEndsOnTheTargetAnswerEvenInTheMiddleOfAKanji)
{
    begin(5);
    for (const QString& part : {Kuchi, Ito, Shi})
        rules.answer(part);
    next();
    rules.answer(QStringLiteral("x"));
    EXPECT_FALSE(frame.countReached());
    rules.answer(Shi);
    EXPECT_TRUE(frame.countReached());
    EXPECT_EQ(rules.kanjiDone(), 1);
}

TEST_F(DismantlePlayTest, TheAnswerOrGiveUpThatEndsAPlayCountsTheKanjiItFinishes)
{
    begin(3);
    for (const QString& part : {Kuchi, Ito, Shi})
        rules.answer(part);
    EXPECT_TRUE(frame.countReached());
    const PlayResult& r =
        frame.finish(PlayFrame::End::CountReached, frame.answers(), QString::number(rules.kanjiDone()), {});
    EXPECT_EQ(r.sixthValue, QStringLiteral("1"));

    begin(2);
    rules.answer(Ito);
    EXPECT_TRUE(rules.giveUp());
    EXPECT_TRUE(frame.countReached());
    EXPECT_EQ(rules.kanjiDone(), 1);
}

TEST_F(DismantlePlayTest, NothingIsJudgedOutsideAPlay)
{
    next();
    EXPECT_FALSE(rules.answer(Kuchi).right());
    EXPECT_FALSE(rules.giveUp());
    EXPECT_EQ(rules.question().slot(slotOf(rules.question(), Kuchi)), Slot::Open);
    EXPECT_EQ(rules.kanjiDone(), 0);
}
