#include "analysis/NigateTally.h"

#include "analysis/Leitner.h"
#include "platform/Random.h"
#include "records/AnswerLog.h"
#include "records/GameItems.h"
#include "support/AnswerGenerator.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Line {
    const char* date;
    int game;
    QString question, typed;
    Verdict verdict;
    QString found = {}, missed = {};
};

AnswerLog logOf(const std::vector<Line>& lines)
{
    std::vector<Answer> answers;
    for (const Line& l : lines)
        answers.push_back(Answer{QString::fromLatin1(l.date), u"12:00:00"_s, l.game, l.question, l.typed, l.verdict,
                                 l.found, l.missed});
    AnswerLog log;
    log.addBytes(answerfile::encode(answers));
    return log;
}

int day(const char16_t* date) { return answerfile::dayNumber(QStringView(date)); }

QString shown(const NigateRow& r)
{
    const char* kinds[] = {"漢字", "熟語", "部品"};
    return QStringLiteral("%1 %2 %3/%4 %5")
        .arg(QString::fromUtf8(kinds[int(r.kind)]), r.text)
        .arg(r.misses)
        .arg(r.tries)
        .arg(answerfile::dateOfDay(r.lastDay));
}

QStringList rows(const NigateTally& t)
{
    QStringList out;
    for (const NigateRow& r : t.rows)
        out << shown(r);
    return out;
}

const AnswerLog& smallLog()
{
    static const AnswerLog log = logOf({
        {"2024/01/10", 1, u"時"_s, u"時"_s, Verdict::Right},
        {"2024/01/10", 1, u"時"_s, u"日"_s, Verdict::Wrong},
        {"2024/05/20", 1, u"時"_s, u"土"_s, Verdict::Wrong},
        {"2024/05/20", 1, u"時"_s, u"時"_s, Verdict::Right},
        {"2024/05/21", 2, u"結"_s, u"糸"_s, Verdict::Right, u"糸"_s, u"士口"_s},
        {"2024/05/21", 2, u"結"_s, u"木"_s, Verdict::Wrong, u"糸"_s, u"士口"_s},
        {"2024/05/21", 2, u"結"_s, u""_s, Verdict::GivenUp, u"糸"_s, u"士口"_s},
        {"2024/05/22", 3, u"会社"_s, u"会話"_s, Verdict::Wrong},
        {"2024/05/22", 3, u"会社"_s, u""_s, Verdict::TimedOut},
        {"2024/05/30", 4, u"あ"_s, u"あ"_s, Verdict::Wrong},
        {"2024/05/31", 6, u"明"_s, u"明"_s, Verdict::Right},
        {"2024/05/31", 2, u"林"_s, u"木"_s, Verdict::Right, u"木"_s, u"木"_s},
        {"2024/05/31", 2, u"林"_s, u"木"_s, Verdict::Right, u"木木"_s, u""_s},
        {"2024/05/31", 1, u"森"_s, u""_s, Verdict::TimedOut},
    });
    return log;
}

}  // namespace

TEST(NigateTally, CountsMissesTriesAndLastDaysAsWorkedOutByHand)
{
    const int today = day(u"2024/05/31");
    // 結 2 of 3 misses beats 時 2 of 4; on equal rates the later day first,
    // then the kind. The time-out is no try of 会社; あ is no kanji; 木 was
    // found both times.
    EXPECT_EQ(rows(tallyNigate(smallLog(), today, {})),
              QStringList({u"漢字 結 2/3 2024/05/21"_s, u"漢字 時 2/4 2024/05/20"_s, u"熟語 会社 1/1 2024/05/22"_s,
                           u"部品 口 1/1 2024/05/21"_s, u"部品 士 1/1 2024/05/21"_s}));
    // The last 30 days leave out January.
    EXPECT_EQ(rows(tallyNigate(smallLog(), today, {30, 0})),
              QStringList({u"漢字 結 2/3 2024/05/21"_s, u"熟語 会社 1/1 2024/05/22"_s, u"部品 口 1/1 2024/05/21"_s,
                           u"部品 士 1/1 2024/05/21"_s, u"漢字 時 1/2 2024/05/20"_s}));
    EXPECT_EQ(rows(tallyNigate(smallLog(), today, {0, 2})),
              QStringList({u"漢字 結 2/3 2024/05/21"_s, u"部品 口 1/1 2024/05/21"_s, u"部品 士 1/1 2024/05/21"_s}));
    EXPECT_TRUE(tallyNigate(smallLog(), today, {1, 0}).rows.empty());  // today: nothing missed

    // A clock set back dates a line before the one ahead of it: the period
    // still finds every answer in it, wherever it stands.
    const AnswerLog setBack = logOf({{"2024/05/20", 1, u"時"_s, u"土"_s, Verdict::Wrong},
                                     {"2024/01/10", 1, u"時"_s, u"日"_s, Verdict::Wrong},
                                     {"2024/05/21", 1, u"時"_s, u"日"_s, Verdict::Wrong}});
    EXPECT_EQ(rows(tallyNigate(setBack, today, {30, 0})), QStringList({u"漢字 時 2/2 2024/05/21"_s}));
}

// The whole log is tallied from the totals the log keeps as its lines come
// in, a period by walking its answers: both tell the same, for every game,
// whatever the order of the days.
TEST(NigateTally, TheWholeLogFromItsTotalsIsTheWalkOverEveryAnswer)
{
    const QByteArray bytes = answergen::bytes(6000, QDate(2024, 5, 31), 100);
    const qsizetype half = bytes.indexOf('\n', bytes.size() / 2) + 1;
    AnswerLog log;
    log.addBytes(bytes.first(half));
    log.addBytes(bytes.sliced(half));
    const AnswerLog& hand = smallLog();  // 木木 and the like, lines of every verdict
    std::vector<Answer> more;
    for (const AnswerLog::Entry& e : hand.entries()) {
        const QString parts = hand.text(e.components);  // the one found, or those left at a give-up
        more.push_back(Answer{answerfile::dateOfDay(e.day),
                              u"12:00:00"_s,
                              e.game,
                              hand.text(e.question),
                              e.verdict() == Verdict::Right ? parts : QString(),
                              e.verdict(),
                              {},
                              e.verdict() == Verdict::GivenUp ? parts : QString()});
    }
    log.addBytes(answerfile::encode(more));
    ASSERT_FALSE(log.inDayOrder());
    const int today = day(u"2024/05/31");
    for (int game = 0; game <= items::Count; ++game) {
        const NigateTally whole = tallyNigate(log, today, {0, game});
        const NigateTally walked = tallyNigate(log, today, {100000, game});
        EXPECT_EQ(rows(whole), rows(walked)) << game;
        ASSERT_EQ(whole.weeks.size(), walked.weeks.size()) << game;
        for (size_t w = 0; w < whole.weeks.size(); ++w)
            EXPECT_TRUE(whole.weeks[w].monday == walked.weeks[w].monday &&
                        whole.weeks[w].tries == walked.weeks[w].tries &&
                        whole.weeks[w].misses == walked.weeks[w].misses)
                << game << " " << w;
    }
    EXPECT_GT(tallyNigate(log, today, {}).rows.size(), 1000u);
}

TEST(NigateTally, WeeksRunFromMondayAndCountEveryTriedAnswer)
{
    const NigateTally t = tallyNigate(smallLog(), day(u"2024/05/31"), {});
    ASSERT_EQ(t.weeks.size(), 3u);
    EXPECT_EQ(answerfile::dateOfDay(t.weeks[0].monday), u"2024/01/08"_s);
    EXPECT_EQ(t.weeks[0].tries, 2);
    EXPECT_EQ(t.weeks[0].misses, 1);
    EXPECT_EQ(answerfile::dateOfDay(t.weeks[1].monday), u"2024/05/20"_s);  // a Monday starts its own week
    EXPECT_EQ(t.weeks[1].tries, 6);
    EXPECT_EQ(t.weeks[1].misses, 4);
    EXPECT_EQ(answerfile::dateOfDay(t.weeks[2].monday), u"2024/05/27"_s);
    EXPECT_EQ(t.weeks[2].tries, 4);  // あ is no kanji but still an answer
    EXPECT_DOUBLE_EQ(t.weeks[2].missRate(), 0.25);
}

TEST(NigateTally, TheDaysMostMissedKanjiComeInOrderOfMisses)
{
    const AnswerLog log = logOf({
        {"2024/05/30", 1, u"森"_s, u"x"_s, Verdict::Wrong},
        {"2024/05/31", 1, u"木"_s, u"x"_s, Verdict::Wrong},
        {"2024/05/31", 4, u"林"_s, u"林"_s, Verdict::Wrong},
        {"2024/05/31", 2, u"森"_s, u""_s, Verdict::GivenUp, u""_s, u"木木木"_s},
        {"2024/05/31", 3, u"会社"_s, u"x"_s, Verdict::Wrong},
        {"2024/05/31", 4, u"あ"_s, u"あ"_s, Verdict::Wrong},
        {"2024/05/31", 6, u"林"_s, u"x"_s, Verdict::Wrong},
        {"2024/05/31", 1, u"木"_s, u"x"_s, Verdict::Wrong},
        {"2024/05/31", 1, u"日"_s, u"日"_s, Verdict::Right},
        {"2024/05/31", 1, u"月"_s, u""_s, Verdict::TimedOut},
    });
    EXPECT_EQ(mostMissedKanji(log, day(u"2024/05/31"), 3), QStringList({u"木"_s, u"林"_s, u"森"_s}));
    EXPECT_EQ(mostMissedKanji(log, day(u"2024/05/31"), 2), QStringList({u"木"_s, u"林"_s}));
    EXPECT_TRUE(mostMissedKanji(log, day(u"2024/06/01"), 3).isEmpty());
}

TEST(Leitner, MissesSendToBoxOneAndRightAnswersClimbOneBox)
{
    const AnswerLog log = logOf({
        {"2024/05/01", 1, u"時"_s, u"x"_s, Verdict::Wrong},
        {"2024/05/01", 1, u"時"_s, u"時"_s, Verdict::Right},
        {"2024/05/01", 1, u"林"_s, u"林"_s, Verdict::Right},
        {"2024/05/01", 1, u"林"_s, u"林"_s, Verdict::Right},
        {"2024/05/01", 1, u"林"_s, u"林"_s, Verdict::Right},
        {"2024/05/01", 1, u"森"_s, u""_s, Verdict::TimedOut},
        {"2024/05/01", 1, u"明"_s, u""_s, Verdict::GivenUp},
        // 解体: only the answer that finds the last component climbs
        {"2024/05/01", 2, u"結"_s, u"糸"_s, Verdict::Right, u"糸"_s, u"士口"_s},
        {"2024/05/01", 2, u"結"_s, u"士"_s, Verdict::Right, u"糸士"_s, u"口"_s},
        {"2024/05/01", 2, u"結"_s, u"口"_s, Verdict::Right, u"糸士口"_s, u""_s},
        {"2024/05/01", 2, u"時"_s, u"日"_s, Verdict::Right, u"日"_s, u"土寸"_s},
    });
    const LeitnerBoxes combine = LeitnerBoxes::fromLog(log, 1);
    EXPECT_EQ(combine.box(u"時"_s), 2);
    EXPECT_EQ(combine.box(u"林"_s), 5);  // no higher
    EXPECT_EQ(combine.box(u"森"_s), 3);
    EXPECT_EQ(combine.box(u"明"_s), 1);
    EXPECT_EQ(combine.box(u"結"_s), 3);  // asked in another game only
    const LeitnerBoxes dismantle = LeitnerBoxes::fromLog(log, 2);
    EXPECT_EQ(dismantle.box(u"結"_s), 4);
    EXPECT_EQ(dismantle.box(u"時"_s), 3);
    EXPECT_EQ(LeitnerBoxes::weight(1), 16);
    EXPECT_EQ(LeitnerBoxes::weight(3), 4);
    EXPECT_EQ(LeitnerBoxes::weight(5), 1);
}

TEST(Leitner, WithEqualWeightsTheDrawIsTheUniformOne)
{
    QStringList questions;
    for (int i = 0; i < 2136; ++i)
        questions << QString(QChar(0x4E00 + i % 700));  // some asked by several entries
    const WeightedDraw draw(questions, LeitnerBoxes());
    for (double r : {0.0, 0.1, 0.33333, 0.5, 0.77, 0.999999, 0.99999999999})
        EXPECT_EQ(draw.pick(r), int(2136 * r)) << r;
    EXPECT_EQ(WeightedDraw({}, LeitnerBoxes()).draw(Random::instance()), -1);
}
