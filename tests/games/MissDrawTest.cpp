// The draw of a play with 苦手を優先: weights from the answer log, moved by
// the play's own answers, and nothing drawn when the tick is off.
#include "games/frame/MissDraw.h"

#include "platform/Random.h"
#include "records/AnswerLog.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

Answer answer(int game, const QString& question, Verdict verdict, const QString& found = {}, const QString& missed = {})
{
    return Answer{u"2024/05/01"_s, u"12:00:00"_s, game, question, question, verdict, found, missed};
}

AnswerLog logOf(const std::vector<Answer>& answers)
{
    AnswerLog log;
    log.addBytes(answerfile::encode(answers));
    return log;
}

// How often each candidate comes in 10,000 draws of seed 27.
std::vector<int> drawn(MissDraw& draw, const QStringList& questions)
{
    Random::instance().seed(27);
    std::vector<int> counts(size_t(questions.size()));
    for (int i = 0; i < 10000; ++i)
        ++counts[size_t(draw.draw([&] { return questions; }, Random::instance()))];
    return counts;
}

}  // namespace

TEST(MissDraw, AKanjiMissedTwiceComesFourTimesAsOftenAsOneNeverAskedAndOneKnownAQuarterAsOften)
{
    const AnswerLog log = logOf({answer(1, u"時"_s, Verdict::Wrong), answer(1, u"時"_s, Verdict::GivenUp),
                                 answer(1, u"林"_s, Verdict::Right), answer(1, u"林"_s, Verdict::Right),
                                 answer(2, u"森"_s, Verdict::GivenUp)});  // another game's miss
    QStringList questions;
    for (int i = 0; i < 100; ++i)
        questions << QString(QChar(0x4E00 + i));
    questions << u"時"_s << u"林"_s << u"森"_s;
    MissDraw draw;
    draw.start(log, 1);
    const std::vector<int> n = drawn(draw, questions);
    double neverAsked = 0;
    for (int i = 0; i < 100; ++i)
        neverAsked += n[size_t(i)];
    neverAsked /= 100;
    EXPECT_NEAR(n[100] / neverAsked, 4.0, 0.5);
    EXPECT_NEAR(n[101] / neverAsked, 0.25, 0.1);
    EXPECT_NEAR(n[102] / neverAsked, 1.0, 0.3);

    // A right answer in the play moves 時 up a box at once: twice as often now.
    draw.answered(answer(1, u"時"_s, Verdict::Right));
    EXPECT_EQ(draw.box(u"時"_s), 2);
    EXPECT_NEAR(drawn(draw, questions)[100] / neverAsked, 2.0, 0.3);
}

TEST(MissDraw, InDismantleOnlyTheLastComponentFoundClimbsAndOffNothingIsDrawn)
{
    MissDraw draw;
    EXPECT_FALSE(draw.on());
    int asked = 0;
    const auto questions = [&] {
        ++asked;
        return QStringList{u"結"_s, u"時"_s};
    };
    EXPECT_EQ(draw.draw(questions, Random::instance()), -1);
    EXPECT_EQ(asked, 0);  // the game keeps its own draw

    draw.start(logOf({}), 2);
    ASSERT_TRUE(draw.on());
    EXPECT_EQ(draw.box(u"結"_s), 3);
    draw.answered(answer(2, u"結"_s, Verdict::Right, u"糸"_s, u"士口"_s));
    EXPECT_EQ(draw.box(u"結"_s), 3);
    EXPECT_GE(draw.draw(questions, Random::instance()), 0);
    EXPECT_GE(draw.draw(questions, Random::instance()), 0);
    EXPECT_EQ(asked, 1);  // the candidates are taken once a play
    draw.answered(answer(2, u"結"_s, Verdict::Right, u"糸士口"_s, {}));
    EXPECT_EQ(draw.box(u"結"_s), 4);
    draw.answered(answer(2, u"結"_s, Verdict::TimedOut, u"糸"_s, u"士口"_s));
    EXPECT_EQ(draw.box(u"結"_s), 4);
    draw.answered(answer(2, u"結"_s, Verdict::GivenUp, u"糸"_s, u"士口"_s));
    EXPECT_EQ(draw.box(u"結"_s), 1);

    draw.stop();
    EXPECT_EQ(draw.draw(questions, Random::instance()), -1);
}
