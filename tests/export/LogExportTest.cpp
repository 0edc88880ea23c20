#include "export/LogExport.h"

#include "support/TempDir.h"

using LogExport = DataDirTest;

namespace {

// A log as a learner's file can hold it: a game's line with commas in its
// note, a diary put in a note's place (in a rewritten line, and bare with
// double quotes), a hand-written date, and a line with bytes that are not
// code page 932.
QByteArray smallLog()
{
    return cp932(QStringLiteral("\"2026/01/05\",\"09:05:03\",\"合体\",180.28,\"秒数 : 180.28, 答数 : 9\",\r\n"
                                "\"2026/01/05\",\"21:00:00\",\"熟語合体\",60,\"今日は\tよくできた\",\"\"\r\n"
                                "\"2026/01/06\",\"07:30:00\",\"連結\",45.5,彼は\"天才\"だ,\r\n"
                                "\"2026/1/7\",\"08:00:00\",\"しりとり\",30,\"\",\r\n")) +
           QByteArray("\"2026/01/08\",\"10:00:00\",\"\x98\x41\x8C\x8B\",\xFF,\"x\xFF\",\r\n");
}

QByteArray utf8(const char* s) { return QByteArray(s); }

}  // namespace

TEST_F(LogExport, ASmallLogGoesOutAsCsvAndJsonByteForByte)
{
    const auto log = RecordTable::parseBytes(smallLog());
    ASSERT_EQ(log->size(), 5);
    EXPECT_EQ(logexport::playLog(*log, logexport::Format::Csv),
              utf8("date,time,game,seconds,note,diary,damaged\r\n"
                   "2026-01-05,09:05:03,合体,180.28,\"秒数 : 180.28, 答数 : 9\",,false\r\n"
                   "2026-01-05,21:00:00,熟語合体,60,,今日は\tよくできた,false\r\n"
                   "2026-01-06,07:30:00,連結,45.5,,\"彼は\"\"天才\"\"だ\",false\r\n"
                   "2026/1/7,08:00:00,しりとり,30,,,false\r\n"
                   "2026-01-08,10:00:00,連結,0,,x\xEF\xBF\xBD,true\r\n"));
    EXPECT_EQ(logexport::playLog(*log, logexport::Format::Json),
              utf8("[\n"
                   "{\"date\":\"2026-01-05\",\"time\":\"09:05:03\",\"game\":\"合体\",\"seconds\":180.28,"
                   "\"note\":\"秒数 : 180.28, 答数 : 9\",\"diary\":\"\",\"damaged\":false},\n"
                   "{\"date\":\"2026-01-05\",\"time\":\"21:00:00\",\"game\":\"熟語合体\",\"seconds\":60,"
                   "\"note\":\"\",\"diary\":\"今日は\\tよくできた\",\"damaged\":false},\n"
                   "{\"date\":\"2026-01-06\",\"time\":\"07:30:00\",\"game\":\"連結\",\"seconds\":45.5,"
                   "\"note\":\"\",\"diary\":\"彼は\\\"天才\\\"だ\",\"damaged\":false},\n"
                   "{\"date\":\"2026/1/7\",\"time\":\"08:00:00\",\"game\":\"しりとり\",\"seconds\":30,"
                   "\"note\":\"\",\"diary\":\"\",\"damaged\":false},\n"
                   "{\"date\":\"2026-01-08\",\"time\":\"10:00:00\",\"game\":\"連結\",\"seconds\":0,"
                   "\"note\":\"\",\"diary\":\"x\xEF\xBF\xBD\",\"damaged\":true}\n"
                   "]\n"));
}

TEST_F(LogExport, AnEmptyLogIsAHeaderOrAnEmptyArray)
{
    const auto log = RecordTable::parseBytes({});
    EXPECT_EQ(logexport::playLog(*log, logexport::Format::Csv), utf8("date,time,game,seconds,note,diary,damaged\r\n"));
    EXPECT_EQ(logexport::playLog(*log, logexport::Format::Json), utf8("[\n]\n"));
}

TEST_F(LogExport, LineBreaksQuotesAndCharactersBeyondTheBasicPlaneAreEscapedForEachFormat)
{
    const QString note = QStringLiteral("一行目\r\n二行目 \"引用\", \\ \x01 ") + QChar(0xD842) + QChar(0xDF9F) +
                         QChar(0xD800) + QStringLiteral("終");
    const auto one = [&](qsizetype) {
        return logexport::Play{u"2026/02/01", u"12:00:00", u"解体", 0.5f, note, u"日記", false};
    };
    EXPECT_EQ(
        logexport::plays(1, one, logexport::Format::Csv),
        utf8("date,time,game,seconds,note,diary,damaged\r\n"
             "2026-02-01,12:00:00,解体,0.5,\"一行目\r\n二行目 \"\"引用\"\", \\ \x01 \xF0\xA0\xAE\x9F\xEF\xBF\xBD終\","
             "日記,false\r\n"));
    EXPECT_EQ(logexport::plays(1, one, logexport::Format::Json),
              utf8("[\n{\"date\":\"2026-02-01\",\"time\":\"12:00:00\",\"game\":\"解体\",\"seconds\":0.5,"
                   "\"note\":\"一行目\\r\\n二行目 \\\"引用\\\", \\\\ \\u0001 \xF0\xA0\xAE\x9F\xEF\xBF\xBD終\","
                   "\"diary\":\"日記\",\"damaged\":false}\n]\n"));
}

TEST_F(LogExport, ChosenRecordsGoOutInTheOrderGivenAndTheFormatFollowsTheName)
{
    const auto log = RecordTable::parseBytes(smallLog());
    const std::vector<int> chosen = {3, 0, 99, -1};
    EXPECT_EQ(logexport::playLog(*log, chosen, logexport::Format::Csv),
              utf8("date,time,game,seconds,note,diary,damaged\r\n"
                   "2026/1/7,08:00:00,しりとり,30,,,false\r\n"
                   "2026-01-05,09:05:03,合体,180.28,\"秒数 : 180.28, 答数 : 9\",,false\r\n"));
    EXPECT_EQ(logexport::formatFor(u"記録.JSON"), logexport::Format::Json);
    EXPECT_EQ(logexport::formatFor(u"plays.json.csv"), logexport::Format::Csv);
    EXPECT_EQ(logexport::formatFor(u"json"), logexport::Format::Csv);
}

TEST_F(LogExport, TheAnswerLogGoesOutWithItsGameVerdictAndComponents)
{
    const std::vector<Answer> answers = {
        {"2026/03/01", "10:00:00", 1, "時", "時", Verdict::Right, "", ""},
        {"2026/03/01", "10:00:05", 2, "語", "言,", Verdict::GivenUp, "言", "五口"},
        {"2026/03/01", "10:00:09", 3, "学校", "\"学", Verdict::TimedOut, "", ""},
    };
    EXPECT_EQ(logexport::answers(answers, logexport::Format::Csv),
              utf8("date,time,game,question,typed,verdict,found,missed\r\n"
                   "2026-03-01,10:00:00,合体,時,時,正解,,\r\n"
                   "2026-03-01,10:00:05,解体,語,\"言,\",ギブアップ,言,五口\r\n"
                   "2026-03-01,10:00:09,熟語合体,学校,\"\"\"学\",時間切れ,,\r\n"));
    EXPECT_EQ(logexport::answers({answers[1]}, logexport::Format::Json),
              utf8("[\n{\"date\":\"2026-03-01\",\"time\":\"10:00:05\",\"game\":\"解体\",\"question\":\"語\","
                   "\"typed\":\"言,\",\"verdict\":\"ギブアップ\",\"found\":\"言\",\"missed\":\"五口\"}\n]\n"));
    EXPECT_EQ(logexport::answers({}, logexport::Format::Json), utf8("[\n]\n"));
}
