#include "app/CommandLine.h"

#include "app/DataDirectory.h"
#include "platform/TextFile.h"
#include "records/AnswerFile.h"
#include "records/RecordFile.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QProcess>

using CommandLine = DataDirTest;

namespace {

const QByteArray Log = "\"2026/01/05\",\"09:05:03\",\"A\",12,\"n\",\r\n";
const QByteArray LogCsv = "date,time,game,seconds,note,diary,damaged\r\n2026-01-05,09:05:03,A,12,,n,false\r\n";

struct Outcome {
    std::optional<int> status;
    QByteArray out, err;
};

Outcome run(const QStringList& arguments)
{
    cli::Output output;
    Outcome r;
    r.status = cli::runWithoutWindow(cli::parse(arguments), output);
    r.out = output.out;
    r.err = output.err;
    return r;
}

// The error's lines: each prefixed with the program's name, English first.
void expectBothLanguages(const QByteArray& err, const char* english, const char* japanese)
{
    const QString text = QString::fromUtf8(err);
    EXPECT_TRUE(text.startsWith(QStringLiteral("fernoa2: "))) << err.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8(english))) << err.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8(japanese))) << err.toStdString();
    EXPECT_LT(text.indexOf(QString::fromUtf8(english)), text.indexOf(QString::fromUtf8(japanese)));
}

}  // namespace

TEST_F(CommandLine, AWrongCommandLineEndsWithStatusTwoAndSaysWhatIsWrongInBothLanguages)
{
    struct Case {
        QStringList arguments;
        const char* english;
        const char* japanese;
    };
    const std::vector<Case> cases = {
        {{"--frobnicate"}, "unknown option '--frobnicate'", "不明なオプションです: --frobnicate"},
        {{"-x"}, "unknown option '-x'", "不明なオプション"},
        {{"--export-log"}, "option '--export-log' needs a value", "--export-log には値が必要です"},
        {{"--data-dir="}, "option '--data-dir' needs a value", "--data-dir には値が必要です"},
        {{"plays.csv"}, "unexpected argument 'plays.csv'", "余分な引数です: plays.csv"},
        {{"--export-log", "-", "--export-answers=-"},
         "only one export can go to standard output",
         "標準出力に書き出せるのは一つだけです"},
        // A wrong command line wins over help: the user learns of the mistake.
        {{"--help", "--bogus"}, "unknown option '--bogus'", "不明なオプションです"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const Outcome r = run(c.arguments);
        EXPECT_EQ(r.status, cli::UsageError);
        EXPECT_TRUE(r.out.isEmpty());
        expectBothLanguages(r.err, c.english, c.japanese);
        EXPECT_TRUE(r.err.contains("fernoa2 --help"));
    }
}

TEST_F(CommandLine, OptionsTakeTheirValuesInBothFormsAndQtsWindowOptionsAreLeftToQt)
{
    const cli::Options a = cli::parse({"--data-dir", "d", "--export-log=-"});
    EXPECT_TRUE(a.error.empty());
    EXPECT_EQ(a.dataDir, QStringLiteral("d"));
    EXPECT_EQ(a.exportLog, QStringLiteral("-"));
    // "-platform offscreen" is Qt's: neither an unknown option nor an extra
    // argument, and the window starts.
    const cli::Options b = cli::parse({"-platform", "offscreen", "--style=Fusion", "-reverse", "--data-dir", "d"});
    EXPECT_TRUE(b.error.empty()) << b.error.english.toStdString();
    cli::Output output;
    EXPECT_EQ(cli::runWithoutWindow(b, output), std::nullopt);
    EXPECT_EQ(cli::runWithoutWindow(cli::parse({}), output), std::nullopt);
}

TEST_F(CommandLine, HelpListsEveryOptionAndVersionNamesTheProgram)
{
    const Outcome help = run({"-h"});
    EXPECT_EQ(help.status, cli::Success);
    EXPECT_TRUE(help.err.isEmpty());
    for (const char* option :
         {"--data-dir", "--export-log", "--export-answers", "--help", "--version", "使い方", "終了ステータス"})
        EXPECT_TRUE(help.out.contains(option)) << option;
    const Outcome version = run({"--version"});
    EXPECT_EQ(version.status, cli::Success);
    EXPECT_TRUE(version.out.startsWith("fernoa2 2.")) << version.out.toStdString();
    EXPECT_TRUE(version.out.endsWith('\n'));
}

TEST_F(CommandLine, TheLogGoesToAFileAsCsvOrJsonOrToStandardOutput)
{
    writeBytes(recordfile::FileName, Log);
    Outcome r = run({"--export-log", path("out.csv")});
    EXPECT_EQ(r.status, cli::Success);
    EXPECT_TRUE(r.out.isEmpty() && r.err.isEmpty());
    EXPECT_EQ(readBytes("out.csv"), LogCsv);

    writeBytes("old.json", "something else, longer than the export will be ....................");
    r = run({"--export-log", path("old.json")});
    EXPECT_EQ(r.status, cli::Success);
    EXPECT_EQ(readBytes("old.json"),
              "[\n{\"date\":\"2026-01-05\",\"time\":\"09:05:03\",\"game\":\"A\",\"seconds\":12,\"note\":\"\","
              "\"diary\":\"n\",\"damaged\":false}\n]\n");

    r = run({"--export-log", "-"});
    EXPECT_EQ(r.status, cli::Success);
    EXPECT_EQ(r.out, LogCsv);
}

TEST_F(CommandLine, TheAnswerLogGoesOutBesideThePlayLogAndADamagedLineIsReported)
{
    writeBytes(recordfile::FileName, Log);
    writeBytes(answerfile::FileName,
               answerfile::encode({{"2026/03/01", "10:00:00", 1, "時", "時", Verdict::Right, "", ""}}) +
                   "\"2026/03/01\",\"10:00:01\",\"\xFF\"\r\n");
    Outcome r = run({"--export-answers", "-"});
    EXPECT_EQ(r.status, cli::Success);
    EXPECT_EQ(r.out, "date,time,game,question,typed,verdict,found,missed\r\n"
                     "2026-03-01,10:00:00,合体,時,時,正解,,\r\n");
    expectBothLanguages(r.err, "1 damaged lines", "壊れた 1 行");

    r = run({"--export-log", path("plays.csv"), "--export-answers", path("answers.json")});
    EXPECT_EQ(r.status, cli::Success);
    EXPECT_EQ(readBytes("plays.csv"), LogCsv);
    EXPECT_TRUE(readBytes("answers.json").startsWith("[\n{\"date\":\"2026-03-01\""));

    // Neither export may replace a log of the program.
    const QByteArray answersBefore = readBytes(answerfile::FileName);
    r = run({"--export-answers", answerfile::FileName});
    EXPECT_EQ(r.status, cli::Failure);
    EXPECT_EQ(readBytes(answerfile::FileName), answersBefore);
}

TEST_F(CommandLine, AnExportReadsTheFolderTheProgramWouldUseAndCreatesNothing)
{
    // The working directory holds no data: the user's folder is read, and a
    // user folder that does not exist yet is a log without plays.
    qputenv("XDG_DATA_HOME", path("xdg").toUtf8());
    Outcome r = run({"--export-log", "-"});
    EXPECT_EQ(r.status, cli::Success);
    EXPECT_EQ(r.out, "date,time,game,seconds,note,diary,damaged\r\n");
    EXPECT_FALSE(QFileInfo::exists(path("xdg")));

    QDir().mkpath("xdg/fernoa2");
    writeBytes("xdg/fernoa2/データ.TXT", Log);
    r = run({"--export-log", "-"});
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(r.out, LogCsv);

    // --data-dir names the folder; the log outside it is not read.
    writeBytes(recordfile::FileName, "\"2030/01/01\",\"00:00:00\",\"B\",1,\"\",\r\n");
    r = run({"--data-dir", path("xdg/fernoa2"), "--export-log", "-"});
    EXPECT_EQ(r.out, LogCsv);
    EXPECT_EQ(QDir(path("xdg/fernoa2")).entryList(QDir::Files), QStringList{"データ.TXT"});
}

TEST_F(CommandLine, AnExportThatCannotBeDoneEndsWithStatusOneAndTouchesNoDataFile)
{
    writeBytes(recordfile::FileName, Log);
    writeBytes("file", "x");
    Outcome r = run({"--data-dir", path("missing"), "--export-log", "-"});
    EXPECT_EQ(r.status, cli::Failure);
    expectBothLanguages(r.err, "data directory", "データフォルダ");
    EXPECT_FALSE(QFileInfo::exists(path("missing")));

    r = run({"--data-dir", path("file"), "--export-log", "-"});
    EXPECT_EQ(r.status, cli::Failure);
    expectBothLanguages(r.err, "is not a directory", "フォルダではありません");

    r = run({"--export-log", path("no/such/folder/out.csv")});
    EXPECT_EQ(r.status, cli::Failure);
    expectBothLanguages(r.err, "cannot write", "に書き込めません");

    // The log itself, under any name that reaches it, is never overwritten.
    QFile::link(path(recordfile::FileName), path("link.csv"));
    for (const QString& target : {recordfile::FileName, path(recordfile::FileName), path("link.csv")}) {
        r = run({"--export-log", target});
        EXPECT_EQ(r.status, cli::Failure) << target.toStdString();
        expectBothLanguages(r.err, "data files", "データファイル");
    }
    EXPECT_EQ(readBytes(recordfile::FileName), Log);
}

TEST_F(CommandLine, DataDirIsCreatedAndSeededWhenNewOrEmptyAndRefusedWhenItIsNotAPlaceForData)
{
    const QString dataSet = QStringLiteral(FERNOA2_SOURCE_DATA_DIR);
    cli::Message error;
    ASSERT_TRUE(cli::prepareDataDir(path("new/deeper"), dataSet, &error)) << error.english.toStdString();
    EXPECT_TRUE(datadir::holdsData(path("new/deeper")));
    EXPECT_EQ(readBytes("new/deeper/漢字辞書.TXT"), textfile::readBytes(dataSet + "/漢字辞書.TXT"));

    QDir().mkpath("empty");
    EXPECT_TRUE(cli::prepareDataDir(path("empty"), dataSet, &error));
    EXPECT_TRUE(datadir::holdsData(path("empty")));

    // A folder with data keeps what the user wrote.
    writeBytes("new/deeper/データ.TXT", Log);
    EXPECT_TRUE(cli::prepareDataDir(path("new/deeper"), dataSet, &error));
    EXPECT_EQ(readBytes("new/deeper/データ.TXT"), Log);

    writeBytes("plain", "x");
    EXPECT_FALSE(cli::prepareDataDir(path("plain"), dataSet, &error));
    EXPECT_TRUE(error.english.contains("is not a directory"));
    EXPECT_TRUE(error.japanese.contains(QStringLiteral("フォルダではありません")));
    EXPECT_EQ(readBytes("plain"), "x");

    QDir().mkpath("documents");
    writeBytes("documents/letter.txt", "x");
    EXPECT_FALSE(cli::prepareDataDir(path("documents"), dataSet, &error));
    EXPECT_EQ(QDir(path("documents")).entryList(QDir::Files), QStringList{"letter.txt"});
}

// The program itself, as a user starts it from a terminal without a display:
// a window object would abort there, so these prove none is made.
TEST_F(CommandLine, TheProgramRunsItsExportsAndHelpWithoutADisplay)
{
    writeBytes(recordfile::FileName, Log);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(name);
    const auto program = [&](const QStringList& arguments, QByteArray* out, QByteArray* err) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(QDir::currentPath());
        p.start(QStringLiteral(FERNOA2_BINARY), arguments);
        p.waitForFinished(30000);
        *out = p.readAllStandardOutput();
        *err = p.readAllStandardError();
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    };
    QByteArray out, err;
    EXPECT_EQ(program({"--version"}, &out, &err), 0);
    EXPECT_TRUE(out.startsWith("fernoa2 ")) << err.toStdString();
    EXPECT_EQ(program({"--export-log", "-"}, &out, &err), 0) << err.toStdString();
    EXPECT_EQ(out, LogCsv);
    EXPECT_EQ(program({"--export-log", "plays.json"}, &out, &err), 0) << err.toStdString();
    EXPECT_TRUE(readBytes("plays.json").startsWith("[\n{\"date\":\"2026-01-05\""));
    EXPECT_EQ(program({"--wrong"}, &out, &err), 2);
    expectBothLanguages(err, "unknown option", "不明なオプション");

    // --data-dir on a file is refused before any window object exists.
    EXPECT_EQ(program({"--data-dir", path(recordfile::FileName)}, &out, &err), 1);
    expectBothLanguages(err, "is not a directory", "フォルダではありません");
}
