#include "records/AnswerLog.h"

#include "support/TempDir.h"

#include <QFile>

#include <atomic>
#include <csignal>
#include <sys/resource.h>
#include <thread>

using namespace Qt::StringLiterals;
using AnswerLogFile = DataDirTest;

namespace {

Answer judged(const char* date, int game, const QString& question, const QString& typed, Verdict verdict,
              const QString& found = {}, const QString& missed = {})
{
    return Answer{QString::fromLatin1(date), QStringLiteral("21:03:15"), game, question, typed, verdict, found, missed};
}

// What the kept log holds, in a form a test compares.
QStringList entries(const AnswerLog& log)
{
    QStringList out;
    for (const AnswerLog::Entry& e : log.entries())
        out << QStringLiteral("%1 %2 %3 %4 %5 %6")
                   .arg(answerfile::dateOfDay(e.day))
                   .arg(e.game)
                   .arg(log.text(e.question), answerfile::verdictText(e.verdict()), log.text(e.components))
                   .arg(e.completes());
    return out;
}

}  // namespace

TEST_F(AnswerLogFile, APlaysAnswersAreAppendedByteForByteInOneLineEach)
{
    ASSERT_TRUE(answerlog::append({judged("2024/05/01", 2, u"結"_s, u"口"_s, Verdict::Right, u"口"_s, u"糸士"_s),
                                   judged("2024/05/01", 2, u"結"_s, u"ロ"_s, Verdict::Wrong, u"口"_s, u"糸士"_s),
                                   judged("2024/05/01", 2, u"結"_s, QString(), Verdict::GivenUp, u"口"_s, u"糸士"_s),
                                   judged("2024/05/01", 7, u"始業"_s, u"始\"業\"😀"_s, Verdict::TimedOut)})
                    .ok);
    EXPECT_EQ(readBytes(answerfile::FileName),
              cp932(u"\"2024/05/01\",\"21:03:15\",\"解体\",\"結\",\"口\",\"正解\",\"口\",\"糸士\"\r\n"
                    "\"2024/05/01\",\"21:03:15\",\"解体\",\"結\",\"ロ\",\"不正解\",\"口\",\"糸士\"\r\n"
                    "\"2024/05/01\",\"21:03:15\",\"解体\",\"結\",\"\",\"ギブアップ\",\"口\",\"糸士\"\r\n"
                    // a quote cannot stand in a quoted item, an emoji not in the file's code page
                    "\"2024/05/01\",\"21:03:15\",\"しりとり\",\"始業\",\"始＂業＂〓\",\"時間切れ\",\"\",\"\"\r\n"_s));
    const answerfile::Contents back = answerfile::read();
    ASSERT_EQ(back.answers.size(), 4u);
    EXPECT_EQ(back.answers[2], judged("2024/05/01", 2, u"結"_s, QString(), Verdict::GivenUp, u"口"_s, u"糸士"_s));
    EXPECT_EQ(back.answers[3].typed, u"始＂業＂〓"_s);
    EXPECT_TRUE(answerlog::append({}).ok);
    EXPECT_EQ(answerfile::read().answers.size(), 4u);
}

TEST_F(AnswerLogFile, DamagedLinesAreSkippedAndCountedByBothReaders)
{
    EXPECT_EQ(answerlog::current()->size(), 0);  // no file yet
    EXPECT_FALSE(QFile::exists(path(answerfile::FileName)));
    writeBytes(answerfile::FileName,
               QByteArray(textfile::Bom) +
                   cp932(u"\"2024/05/01\",\"09:00:00\",\"合体\",\"時\",\"時\",\"正解\",\"\",\"\"\r\n"
                         "\r\n"
                         "\"2024/02/30\",\"09:00:00\",\"合体\",\"時\",\"時\",\"正解\",\"\",\"\"\r\n"  // no such day
                         "\"2024/05/01\",\"24:00:00\",\"合体\",\"時\",\"時\",\"正解\",\"\",\"\"\r\n"
                         "\"2024/05/01\",\"09:00:00\",\"謎\",\"時\",\"時\",\"正解\",\"\",\"\"\r\n"
                         "\"2024/05/01\",\"09:00:00\",\"合体\",\"時\",\"時\",\"たぶん\",\"\",\"\"\r\n"
                         "\"2024/05/01\",\"09:00:00\",\"合体\",\"\",\"時\",\"正解\",\"\",\"\"\r\n"_s) +
                   "\"2024/05/01\",\"09:00:00\",\"\x8D\x87\xFF\",\"x\",\"x\",\"x\"\r\n" +
                   // items a later version may add are left alone; a cut last line that is whole enough counts
                   cp932(u"\"2024/05/02\",\"10:00:00\",\"熟語合体\",\"会社\",\"会社\",\"不正解\",\"\",\"\",\"新\"\n"
                         "\"2024/05/02\",\"10:00:01\",\"連結\",\"明\",\"明\",\"正解\""_s));
    const answerfile::Contents full = answerfile::read();
    EXPECT_EQ(full.damagedLines, 6);
    ASSERT_EQ(full.answers.size(), 3u);
    EXPECT_EQ(full.answers[0].date, u"2024/05/01"_s);  // the byte order mark is not part of it
    EXPECT_EQ(full.answers[2].found, QString());

    const auto log = answerlog::current();
    EXPECT_EQ(log->damagedLines(), 6);
    EXPECT_EQ(entries(*log), QStringList({u"2024/05/01 1 時 正解  1"_s, u"2024/05/02 3 会社 不正解  0"_s,
                                          u"2024/05/02 6 明 正解  1"_s}));

    // The next play's answers go on a line of their own, and the file's
    // damaged lines stay.
    const QByteArray before = readBytes(answerfile::FileName);
    ASSERT_TRUE(answerlog::append({judged("2024/05/03", 1, u"林"_s, u"林"_s, Verdict::Right)}).ok);
    EXPECT_EQ(readBytes(answerfile::FileName),
              before + "\r\n" + cp932(u"\"2024/05/03\",\"21:03:15\",\"合体\",\"林\",\"林\",\"正解\",\"\",\"\"\r\n"_s));
    EXPECT_EQ(entries(*answerlog::current()), entries(*AnswerLog::readFile(path(answerfile::FileName))));
    EXPECT_EQ(answerlog::current()->size(), 4);
}

TEST_F(AnswerLogFile, TheKeptLogFollowsItsOwnAppendsAndRereadsAfterAnyOtherChange)
{
    ASSERT_TRUE(answerlog::append({judged("2024/05/01", 1, u"時"_s, u"時"_s, Verdict::Right)}).ok);
    const auto held = answerlog::current();
    ASSERT_EQ(held->size(), 1);
    ASSERT_TRUE(answerlog::append({judged("2024/05/01", 2, u"結"_s, u"糸"_s, Verdict::Right, u"糸士口"_s),
                                   judged("2024/05/01", 2, u"明"_s, u""_s, Verdict::GivenUp, u"日"_s, u"月"_s)})
                    .ok);
    EXPECT_EQ(held->size(), 1);  // a screen keeps the log it shows
    const auto now = answerlog::current();
    EXPECT_EQ(entries(*now), QStringList({u"2024/05/01 1 時 正解  1"_s, u"2024/05/01 2 結 正解 糸 1"_s,
                                          u"2024/05/01 2 明 ギブアップ 月 0"_s}));
    EXPECT_EQ(answerlog::current(), now);  // unchanged: not read again

    // A hand edit replaces the file: it is read anew.
    writeText(answerfile::FileName, u"\"2024/06/01\",\"08:00:00\",\"合体\",\"森\",\"木\",\"不正解\",\"\",\"\"\r\n"_s);
    EXPECT_EQ(entries(*answerlog::current()), QStringList({u"2024/06/01 1 森 不正解  0"_s}));
}

TEST_F(AnswerLogFile, AShortAppendLeavesTheFileAndTheKeptLogAsTheyWere)
{
    ASSERT_TRUE(answerlog::append({judged("2024/05/01", 1, u"時"_s, u"時"_s, Verdict::Right)}).ok);
    ASSERT_EQ(answerlog::current()->size(), 1);
    const QByteArray before = readBytes(answerfile::FileName);
    // The file may grow by ten bytes only: the write stops short.
    struct sigaction ignore {
    }, old{};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignore, &old);
    rlimit limit{}, previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    limit = previous;
    limit.rlim_cur = rlim_t(before.size() + 10);
    setrlimit(RLIMIT_FSIZE, &limit);
    const bool ok = answerlog::append({judged("2024/05/02", 1, u"林"_s, u"林"_s, Verdict::Right)}).ok;
    setrlimit(RLIMIT_FSIZE, &previous);
    sigaction(SIGXFSZ, &old, nullptr);
    EXPECT_FALSE(ok);
    EXPECT_EQ(readBytes(answerfile::FileName), before);
    EXPECT_EQ(answerlog::current()->size(), 1);
}

TEST_F(AnswerLogFile, ReadingInPiecesGivesWhatOneReadGives)
{
    // Lines cross the reader's buffer, one is longer than the buffer, and the
    // last has no line end.
    QByteArray bytes;
    for (int i = 0; i < 12000; ++i)
        bytes += cp932(answerfile::line(judged(i % 3 ? "2024/05/01" : "2024/05/02", 1 + i % 7,
                                               QString(QChar(0x4E00 + i % 500)), u"x"_s, Verdict(i % 4))));
    bytes += cp932(answerfile::line(judged("2024/05/03", 3, u"会社"_s, QString(400000, u'あ'), Verdict::Wrong)));
    bytes += cp932(answerfile::line(judged("2024/05/03", 1, u"時"_s, u"時"_s, Verdict::Right))).chopped(2);
    writeBytes(answerfile::FileName, bytes);
    AnswerLog whole;
    whole.addBytes(bytes);
    const auto pieces = AnswerLog::readFile(path(answerfile::FileName));
    EXPECT_EQ(pieces->size(), 12002);
    EXPECT_EQ(pieces->damagedLines(), 0);
    EXPECT_EQ(entries(*pieces), entries(whole));
}

TEST_F(AnswerLogFile, TheEndOfALongLogHoldsTheLastDay)
{
    QByteArray bytes;
    for (int i = 0; i < 6000; ++i)  // far beyond the first piece read from the end
        bytes +=
            cp932(answerfile::line(judged(i < 3000 ? "2024/05/01" : "2024/05/02", 1, u"時"_s, u"x"_s, Verdict::Wrong)));
    writeBytes(answerfile::FileName, bytes);
    const int day = answerfile::dayNumber(u"2024/05/02");
    const auto tail = AnswerLog::readTail(path(answerfile::FileName), day);
    const auto days = [&](const AnswerLog& log) {
        return std::count_if(log.entries().begin(), log.entries().end(), [&](auto& e) { return e.day == day; });
    };
    EXPECT_EQ(days(*tail), 3000);
    EXPECT_LT(tail->size(), 6000);
    EXPECT_EQ(AnswerLog::readTail(path(u"none"_s), day)->size(), 0);
}

// A screen on one thread, the worker and the plays' appends on others: every
// log a screen gets is whole and in the file's order, and the kept log ends
// as the file is (run under ThreadSanitizer by scripts/tsan-records). A read
// stamped apart from the bytes it read would keep a log older than its
// stamp, which the next append then grows past the file.
TEST_F(AnswerLogFile, LogsHandedOutWhileTheWorkerReadsAndPlaysAppendAreWhole)
{
    const QString kanji = u"一二三四五六七八九十日月火水木金土山川田"_s;
    const auto answer = [&](int i) {
        return judged("2024/05/01", 1 + i % 7, kanji.at(i % 20), u"x"_s, Verdict(i % 4));
    };
    QByteArray bytes;
    for (int i = 0; i < 5000; ++i)
        bytes += cp932(answerfile::line(answer(i)));
    writeBytes(answerfile::FileName, bytes);
    answerlog::readInBackground();
    std::atomic<bool> done{false};
    std::atomic<int> broken{0};
    std::thread screen([&] {
        while (!done) {
            const auto log = answerlog::current();
            broken += log->size() < 5000;
            for (int i = 0; i < log->size(); ++i) {
                const AnswerLog::Entry& e = log->entries()[size_t(i)];
                broken += e.game != 1 + i % 7 || log->text(e.question) != kanji.at(i % 20);
            }
        }
    });
    int failed = 0;
    for (int i = 5000; i < 5300; ++i) {
        failed += !answerlog::append({answer(i)}).ok;
        if (i % 100 == 0)
            answerlog::readInBackground();  // asked again while plays go on
    }
    done = true;
    screen.join();
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(broken, 0);
    const auto log = answerlog::current();
    EXPECT_EQ(log->size(), 5300);
    EXPECT_EQ(entries(*log), entries(*AnswerLog::readFile(path(answerfile::FileName))));
}
