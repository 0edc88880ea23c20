// The frame's rules without a window: settings file, a play's life by the
// clock, its figures and the two lines a stored play appends; the steps
// that follow an answer.
#include "games/frame/AnswerSteps.h"
#include "games/frame/GameSettings.h"
#include "games/frame/HistoryFile.h"
#include "games/frame/PlayFrame.h"
#include "games/frame/PlayStore.h"
#include "platform/Clock.h"
#include "support/TempDir.h"

#include <QTest>

namespace {
const QDateTime Evening(QDate(2006, 1, 15), QTime(21, 3, 15));
}

// Settings file.

using GameSettingsTest = DataDirTest;

TEST_F(GameSettingsTest, ReadsFourAndFiveItemLinesAndWritesThemBackByteForByte)
{
    writeText(QStringLiteral("a.txt"), QStringLiteral("12,90,\"答数\",0\r\n"));
    GameSettings s = GameSettings::read(QStringLiteral("a.txt"), false);
    EXPECT_EQ(s.answerTarget, 12);
    EXPECT_EQ(s.timeLimit, 90.0f);
    EXPECT_EQ(s.modeCaption, QStringLiteral("答数"));
    EXPECT_EQ(s.autoSave, 0);

    writeText(QStringLiteral("b.txt"), QStringLiteral("18,60,1,\"コマ数\",1\r\n"));
    s = GameSettings::read(QStringLiteral("b.txt"), true);
    EXPECT_EQ(s.hintOn, 1);
    EXPECT_EQ(s.modeCaption, QStringLiteral("コマ数"));
    ASSERT_TRUE(s.write(QStringLiteral("b.txt"), true).ok);
    EXPECT_EQ(readBytes(QStringLiteral("b.txt")), cp932(QStringLiteral("18,60,1,\"コマ数\",1\r\n")));

    ASSERT_TRUE(GameSettings{}.write(QStringLiteral("c.txt"), false).ok);
    EXPECT_EQ(readBytes(QStringLiteral("c.txt")), cp932(QStringLiteral("10,60,\"秒数\",1\r\n")));
}

TEST_F(GameSettingsTest, MissingShortOrUnplayableFilesFallBackToTheDefaults)
{
    for (const QString& content : {QString(), QStringLiteral("5,30\r\n"), QStringLiteral("0,0,\"秒数\",1\r\n")}) {
        if (!content.isNull())
            writeText(QStringLiteral("s.txt"), content);
        const GameSettings s = GameSettings::read(QStringLiteral("s.txt"), false);
        EXPECT_EQ(s.answerTarget, 10) << content.toStdString();
        EXPECT_EQ(s.timeLimit, 60.0f);
        EXPECT_EQ(s.modeCaption, QStringLiteral("秒数"));
        EXPECT_EQ(s.autoSave, 1);
    }
}

TEST_F(GameSettingsTest, ATimeLimitThatIsNotOfferedFallsBackToTheDefault)
{
    for (const char* limit : {"1e10", "3e38", "15", "190", "0.5", "-10", "nan", "inf"}) {
        writeText(QStringLiteral("s.txt"), QStringLiteral("5,%1,\"秒数\",1\r\n").arg(QLatin1String(limit)));
        const GameSettings s = GameSettings::read(QStringLiteral("s.txt"), false);
        EXPECT_EQ(s.timeLimit, 60.0f) << limit;
        EXPECT_EQ(s.answerTarget, 5) << limit;
    }
    for (const char* limit : {"10", "180", "120"}) {
        writeText(QStringLiteral("s.txt"), QStringLiteral("5,%1,\"秒数\",1\r\n").arg(QLatin1String(limit)));
        EXPECT_EQ(GameSettings::read(QStringLiteral("s.txt"), false).timeLimit, QByteArray(limit).toFloat()) << limit;
    }
}

// History file and filters.

using HistoryFileTest = DataDirTest;

TEST_F(HistoryFileTest, RowLineIsExactAndReadsBack)
{
    HistoryRow r{
        QStringLiteral("2006/01/15"), QStringLiteral("21:03:15"), QStringLiteral("25"),  20, 5, QStringLiteral("25"),
        QStringLiteral("80.0%"),      QStringLiteral("0.42/秒"),  QStringLiteral("60秒")};
    EXPECT_EQ(r.line(), QStringLiteral("\"2006/01/15\",\"21:03:15\",25,20,5,25,\"80.0%\",\"0.42/秒\",\"60秒\"\r\n"));
    ASSERT_TRUE(history::append(QStringLiteral("h.txt"), r).ok);
    ASSERT_TRUE(history::append(QStringLiteral("h.txt"), r).ok);
    const std::vector<HistoryRow> rows = history::read(QStringLiteral("h.txt"));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].cells(2), r.cells(2));
    EXPECT_TRUE(history::read(QStringLiteral("missing.txt")).empty());
    ASSERT_TRUE(history::clear(QStringLiteral("h.txt")).ok);
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("h.txt"))));
    EXPECT_TRUE(history::read(QStringLiteral("h.txt")).empty());
}

TEST_F(HistoryFileTest, FiltersListTheirRowsAndACutRowOnlyUnderAll)
{
    writeText(QStringLiteral("h.txt"),
              QStringLiteral("\"2006/01/15\",\"21:00:00\",10,7,3,10,\"70.0%\",\"0.17/秒\",\"60秒\"\r\n"
                             "\"2006/01/15\",\"21:01:00\",10,10,0,10,\"100.0%\",\"0.16/秒\",\"60.0秒\"\r\n"
                             "\"2006/01/15\",\"21:02:00\",5,5,0,5,\"100.0%\",\"0.08/秒\",\"60秒\"\r\n"
                             "\"2006/01/15\",\"21:03:00\",10,9,1,10,\"90.0%\",\"0.15/秒\",\"6"));
    using Kind = history::Filter::Kind;
    auto listed = [](const history::Filter& f) {
        QStringList times;
        const auto l = history::Listing::read(QStringLiteral("h.txt"), f);
        for (int i = 0; i < l->rows(); ++i)
            times << l->cell(i, 0) + u' ' + l->cell(i, 2);
        return times;
    };
    // Count-mode rows carry a decimal and match no time limit.
    EXPECT_EQ(listed({Kind::TimeLimit, QStringLiteral("60"), 0}), (QStringList{"1 21:00:00", "2 21:02:00"}));
    EXPECT_EQ(listed({Kind::TimeLimit, QStringLiteral("6"), 0}), QStringList());
    // Time-mode rows with that many answers too; the cut row is read as
    // 10 answers but is no play to count.
    EXPECT_EQ(listed({Kind::AnswerCount, {}, 10}), (QStringList{"1 21:00:00", "2 21:01:00"}));
    EXPECT_EQ(listed({}).size(), 4);
    EXPECT_TRUE(history::Listing::read(QStringLiteral("h.txt"))->damaged(3));
}

TEST(HistoryFilter, ChartValuesAreTheNumberACellStartsWith)
{
    EXPECT_DOUBLE_EQ(history::leadingNumber(u"0.42/秒"), 0.42);
    EXPECT_DOUBLE_EQ(history::leadingNumber(u"35.2秒"), 35.2);
    EXPECT_DOUBLE_EQ(history::leadingNumber(u"85.7"), 85.7);
    EXPECT_DOUBLE_EQ(history::leadingNumber(u"秒"), 0);
    EXPECT_DOUBLE_EQ(history::leadingNumber(u"１２"), 0);
}

// A play's life.

class PlayFrameTest : public ::testing::Test {
protected:
    void begin(int mode)
    {
        play.setMode(mode);
        play.start();
        ASSERT_TRUE(play.countingDown());
        EXPECT_FALSE(play.countdownTick());
        EXPECT_FALSE(play.countdownTick());
        EXPECT_TRUE(play.countdownTick());
        ASSERT_TRUE(play.playing());
    }
    ManualClock clock{Evening};
    PlayFrame play{&clock};
};

TEST_F(PlayFrameTest, CountdownTakesThreeStepsAndATickOutsideItOnlyResetsTheStep)
{
    EXPECT_FALSE(play.countdownTick());
    EXPECT_EQ(play.countdownStep(), 0);
    begin(1);
    EXPECT_EQ(play.countdownStep(), 3);
    EXPECT_FALSE(play.countdownTick());
    EXPECT_EQ(play.countdownStep(), 0);
    EXPECT_TRUE(play.playing());
}

TEST_F(PlayFrameTest, TimeModeShrinksTheBarByTheClockAndTimesOutOnTheLastSecond)
{
    play.settings.timeLimit = 10;
    begin(1);
    for (int s = 1; s <= 9; ++s) {
        clock.advance(1000);
        EXPECT_EQ(play.remainingSeconds(), 10 - s);
        EXPECT_EQ(play.barWidth(300), 300 * (10 - s) / 10);
        EXPECT_FALSE(play.timeIsUp()) << s;
    }
    clock.advance(998);  // a timer tick a little early still counts as the tenth second
    EXPECT_TRUE(play.timeIsUp());
    EXPECT_EQ(play.barWidth(300), 0);
    clock.advance(5000);
    EXPECT_EQ(play.barWidth(300), 0);  // never negative

    play.countAnswer(true);
    play.countAnswer(false);
    const PlayResult& r = play.finish(PlayFrame::End::TimeOut, 2, QStringLiteral("2"), QString());
    EXPECT_EQ(r.secondsText, QStringLiteral("10"));
    EXPECT_EQ(r.rateText, QStringLiteral("0.20/秒"));
    EXPECT_EQ(r.accuracyText, QStringLiteral("50.0%"));
    EXPECT_TRUE(play.storable());
}

TEST_F(PlayFrameTest, AnEarlyEndInTimeModeStoresTheSecondsTheDisplayHasCounted)
{
    play.settings.timeLimit = 60;
    begin(1);
    EXPECT_EQ(play.remainingShown(), 60);
    clock.advance(1000);
    EXPECT_EQ(play.tickRemaining(), 59);
    // Ended early before the next tick, nearer to two seconds than to one:
    // the display still says 59, so one second was played.
    clock.advance(700);
    play.countAnswer(true);
    const PlayResult& r = play.finish(PlayFrame::End::Completed, 1, QStringLiteral("1"), {});
    EXPECT_EQ(r.secondsText, QStringLiteral("1"));
    EXPECT_EQ(r.rateText, QStringLiteral("1.00/秒"));

    // Ended before the first tick: no whole second shown as gone.
    begin(1);
    clock.advance(900);
    play.countAnswer(true);
    EXPECT_EQ(play.finish(PlayFrame::End::Completed, 1, QStringLiteral("1"), {}).secondsText, QStringLiteral("0"));

    // A tick late on a slow machine still shows what the clock says.
    begin(1);
    clock.advance(12030);
    EXPECT_EQ(play.tickRemaining(), 48);
    clock.advance(980);
    play.countAnswer(false);
    EXPECT_EQ(play.finish(PlayFrame::End::Completed, 1, QStringLiteral("1"), {}).secondsText, QStringLiteral("12"));
}

TEST_F(PlayFrameTest, ModeAndTimeLimitChangedDuringAPlayDoNotChangeThatPlay)
{
    play.settings.timeLimit = 10;
    begin(1);
    play.setMode(0);
    play.settings.timeLimit = 180;
    clock.advance(10000);
    EXPECT_TRUE(play.timeIsUp());
    play.countAnswer(true);
    EXPECT_EQ(play.finish(PlayFrame::End::TimeOut, 1, QStringLiteral("1"), {}).secondsText, QStringLiteral("10"));
}

TEST_F(PlayFrameTest, CountModeEndsAtTheTargetWhichMayMoveDuringThePlay)
{
    play.settings.answerTarget = 5;
    begin(0);
    for (int i = 0; i < 4; ++i)
        play.countAnswer(i % 2 == 0);
    EXPECT_FALSE(play.countReached());
    play.settings.answerTarget = 3;  // lowered below the answers given: the next answer ends it
    EXPECT_TRUE(play.countReached());
    play.settings.answerTarget = 6;
    play.countAnswer(true);
    EXPECT_FALSE(play.countReached());
    play.countAnswer(true);
    EXPECT_TRUE(play.countReached());
}

TEST_F(PlayFrameTest, CountModeRateDividesByTheShownTenthsAndAnInstantPlayBySomethingSensible)
{
    play.settings.answerTarget = 1;
    begin(0);
    clock.advance(35240);
    EXPECT_EQ(play.elapsedText(), QStringLiteral("35.2"));
    play.countAnswer(true);
    const PlayResult& r = play.finish(PlayFrame::End::CountReached, 7, QStringLiteral("1"), {});
    EXPECT_EQ(r.secondsText, QStringLiteral("35.2"));
    EXPECT_EQ(r.rateText, QStringLiteral("0.20/秒"));

    begin(0);
    clock.advance(30);
    play.countAnswer(true);
    const PlayResult& quick = play.finish(PlayFrame::End::CountReached, 1, QStringLiteral("1"), {});
    EXPECT_EQ(quick.secondsText, QStringLiteral("0.1"));
    EXPECT_EQ(quick.rateText, QStringLiteral("10.00/秒"));
}

TEST(PlayFigures, HalvesRoundUpOnTheExactQuotient)
{
    // 3/40 and 7/40 lie just below their halves as binary fractions.
    EXPECT_EQ(PlayFrame::rateText(3, 40), QStringLiteral("0.08/秒"));
    EXPECT_EQ(PlayFrame::rateText(7, 40), QStringLiteral("0.18/秒"));
    EXPECT_EQ(PlayFrame::rateText(1, 8), QStringLiteral("0.13/秒"));
    EXPECT_EQ(PlayFrame::rateText(5, 35.2), QStringLiteral("0.14/秒"));
    EXPECT_EQ(PlayFrame::rateText(250, 0.1), QStringLiteral("2500.00/秒"));
    EXPECT_EQ(PlayFrame::rateText(3, 0), QStringLiteral("0.00/秒"));
    EXPECT_EQ(PlayFrame::accuracyText(3, 1997), QStringLiteral("0.2%"));  // 0.15
    EXPECT_EQ(PlayFrame::accuracyText(1, 6), QStringLiteral("14.3%"));
}

TEST_F(PlayFrameTest, AccuracyAndStorability)
{
    EXPECT_EQ(PlayFrame::accuracyText(6, 1), QStringLiteral("85.7%"));
    EXPECT_EQ(PlayFrame::accuracyText(0, 0), QStringLiteral("0.0%"));
    EXPECT_EQ(PlayFrame::accuracyText(3, 0), QStringLiteral("100.0%"));

    begin(1);
    EXPECT_FALSE(play.storable());  // still playing
    clock.advance(60000);
    play.finish(PlayFrame::End::TimeOut, 0, QStringLiteral("0"), {});
    EXPECT_FALSE(play.storable());  // no answer given
    EXPECT_EQ(play.result().accuracyText, QStringLiteral("0.0%"));
}

// The lines a stored play appends.

TEST_F(PlayFrameTest, StoredLinesInBothModes)
{
    play.settings.timeLimit = 60;
    begin(1);
    for (int i = 0; i < 25; ++i)
        play.countAnswer(i < 20);
    clock.advance(60000);
    const PlayResult& timed = play.finish(PlayFrame::End::TimeOut, 25, QStringLiteral("25"), {});
    EXPECT_EQ(playstore::historyRow(timed, Evening).line(),
              QStringLiteral("\"2006/01/15\",\"21:03:15\",25,20,5,25,\"80.0%\",\"0.42/秒\",\"60秒\"\r\n"));
    EXPECT_EQ(playstore::recordLine(timed, Evening, QStringLiteral("合体")),
              QStringLiteral("\"2006/01/15\",\"21:03:15\",\"合体\",60,\"秒数 : 60   答数 : 25\",\r\n"));

    play.settings.answerTarget = 5;
    begin(0);
    for (int i = 0; i < 5; ++i)
        play.countAnswer(true);
    clock.advance(12000);
    const PlayResult& counted = play.finish(PlayFrame::End::CountReached, 5, QStringLiteral("5"), {});
    EXPECT_EQ(playstore::historyRow(counted, Evening).line(),
              QStringLiteral("\"2006/01/15\",\"21:03:15\",5,5,0,5,\"100.0%\",\"0.42/秒\",\"12.0秒\"\r\n"));
    EXPECT_EQ(playstore::recordLine(counted, Evening, QStringLiteral("合体")),
              QStringLiteral("\"2006/01/15\",\"21:03:15\",\"合体\",12,\"秒数 : 12.0   答数 : 5\",\r\n"));
}

TEST(PlayAcrossMidnight, EndsByTheMonotonicClockAndIsStampedWithTheNewDay)
{
    ManualClock clock(QDateTime(QDate(2006, 1, 15), QTime(23, 59, 58)));
    PlayFrame play(&clock);
    play.setMode(1);
    play.settings.timeLimit = 10;
    play.start();
    while (!play.countdownTick()) {
    }
    clock.advance(9000);
    EXPECT_FALSE(play.timeIsUp());
    EXPECT_EQ(play.remainingSeconds(), 1);
    clock.advance(1000);
    EXPECT_TRUE(play.timeIsUp());
    play.countAnswer(true);
    const PlayResult& r = play.finish(PlayFrame::End::TimeOut, 1, QStringLiteral("1"), {});
    EXPECT_EQ(playstore::recordLine(r, clock.now(), QStringLiteral("合体")),
              QStringLiteral("\"2006/01/16\",\"00:00:08\",\"合体\",10,\"秒数 : 10   答数 : 1\",\r\n"));
}

// What follows an answer: steps in turn on their own timers.

TEST(AnswerSteps, HeldStepsRunInTurnALingeringOneLetsAnswersInAndStopDropsAll)
{
    AnswerSteps steps;
    int over = 0;
    steps.onJudgementOver([&] { ++over; });
    QString ran;
    steps.begin();
    steps.hold(1000, [&] {
        ran += u'a';
        steps.hold(500, [&] { ran += u'b'; });
    });
    steps.end();
    EXPECT_TRUE(steps.judging());
    EXPECT_EQ(steps.waitingMs(), 1000);
    steps.runNow();
    EXPECT_EQ(ran, QStringLiteral("a"));
    EXPECT_EQ(steps.waitingMs(), 500);
    EXPECT_TRUE(steps.judging());
    EXPECT_EQ(over, 0);
    steps.runNow();
    EXPECT_EQ(ran, QStringLiteral("ab"));
    EXPECT_EQ(steps.state(), AnswerSteps::State::Ready);
    EXPECT_EQ(over, 1);

    // The next judgement drops a lingering step.
    steps.begin();
    steps.linger(700, [&] { ran += u'c'; });
    EXPECT_TRUE(steps.judging());
    steps.end();
    EXPECT_EQ(steps.state(), AnswerSteps::State::Lingering);
    EXPECT_EQ(over, 2);
    steps.begin();
    steps.end();
    EXPECT_EQ(steps.waitingMs(), -1);

    steps.begin();
    steps.hold(200, [&] { ran += u'd'; });
    steps.end();
    steps.stop();
    EXPECT_EQ(steps.state(), AnswerSteps::State::Ready);
    EXPECT_EQ(steps.waitingMs(), -1);

    // Left to their timers, the steps run by themselves.
    steps.begin();
    steps.hold(1, [&] { ran += u'e'; });
    steps.hold(1, [&] { steps.linger(1, [&] { ran += u'f'; }); });
    steps.end();
    EXPECT_TRUE(QTest::qWaitFor([&] { return ran.endsWith(u'f'); }, 2000));
    EXPECT_EQ(ran, QStringLiteral("abef"));
}
