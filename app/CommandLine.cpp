#include "app/CommandLine.h"

#include "app/DataDirectory.h"
#include "export/ExportFile.h"
#include "export/LogExport.h"
#include "platform/TextFile.h"
#include "records/AnswerFile.h"
#include "records/RecordFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <clocale>
#include <cstring>
#include <fcntl.h>
#include <locale.h>
#include <unistd.h>

#ifndef FERNOA2_VERSION
#define FERNOA2_VERSION ""
#endif

namespace cli {
namespace {

const QString Program = QStringLiteral("fernoa2");

// Qt's options for the program window that take a value; the others (for
// instance -reverse) stand alone. Qt accepts them with one dash or two.
const QStringList QtOptionsWithValue = {QStringLiteral("platform"),
                                        QStringLiteral("platformpluginpath"),
                                        QStringLiteral("platformtheme"),
                                        QStringLiteral("plugin"),
                                        QStringLiteral("qwindowgeometry"),
                                        QStringLiteral("qwindowicon"),
                                        QStringLiteral("qwindowtitle"),
                                        QStringLiteral("style"),
                                        QStringLiteral("stylesheet"),
                                        QStringLiteral("display"),
                                        QStringLiteral("geometry"),
                                        QStringLiteral("title"),
                                        QStringLiteral("name"),
                                        QStringLiteral("session")};
const QStringList QtOptionsAlone = {QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("nograb"),
                                    QStringLiteral("dograb"), QStringLiteral("sync")};

// The system's reason in English, whatever the user's locale.
QString englishReason(int errnum)
{
    static const locale_t c = ::newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return QString::fromLocal8Bit(c ? ::strerror_l(errnum, c) : ::strerror(errnum));
}

Message usageMessage(const QString& english, const QString& japanese)
{
    return {english + QStringLiteral("\nTry 'fernoa2 --help' for more information."),
            japanese + QStringLiteral("\n使い方は 'fernoa2 --help' で表示できます。")};
}

QString shown(const QString& path) { return QStringLiteral("'") + path + QStringLiteral("'"); }

// The folder an export reads: --data-dir, else the folder the program would
// use, without creating or seeding anything.
QString exportFolder(const Options& options)
{
    if (options.dataDir)
        return QDir(*options.dataDir).absolutePath();
    const QString working = QDir::currentPath();
    return datadir::holdsData(working) ? working : datadir::userFolder();
}

std::optional<Message> checkExportFolder(const Options& options, const QString& folder)
{
    if (!options.dataDir)
        return std::nullopt;  // the user folder may not exist yet: no plays
    const QFileInfo info(folder);
    if (!info.exists())
        return Message{QStringLiteral("data directory %1 does not exist").arg(shown(*options.dataDir)),
                       QStringLiteral("データフォルダ %1 がありません").arg(shown(*options.dataDir))};
    if (!info.isDir())
        return Message{QStringLiteral("%1 is not a directory").arg(shown(*options.dataDir)),
                       QStringLiteral("%1 はフォルダではありません").arg(shown(*options.dataDir))};
    return std::nullopt;
}

// Whether writing `target` would replace one of the program's own files.
bool isDataFile(const QString& target, const QString& folder)
{
    const QFileInfo t(target);
    if (!t.exists())
        return false;
    const QString canonical = t.canonicalFilePath();
    const QDir dir(folder);
    // The answer log and the games' own options file are the program's too.
    const QStringList names = datadir::dataFiles() << answerfile::FileName << QStringLiteral("ゲーム設定.txt");
    for (const QString& name : names)
        if (QFileInfo(dir.filePath(name)).canonicalFilePath() == canonical)
            return true;
    return false;
}

// A missing log is a log without entries; one that cannot be read is an
// error, not an empty export.
std::optional<Message> checkReadable(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return std::nullopt;
    }
    const int e = errno;
    if (e == ENOENT)
        return std::nullopt;
    const QString japanese =
        e == EACCES || e == EPERM ? QStringLiteral("読み取りが許可されていません。") : textfile::reason(e);
    return Message{QStringLiteral("cannot read %1: %2").arg(shown(path), englishReason(e)),
                   QStringLiteral("%1 を読み込めません: %2").arg(shown(path), japanese)};
}

std::optional<Message> writeExport(const QString& target, const QByteArray& bytes)
{
    const int errnum = logexport::writeTo(target, bytes);
    if (errnum == 0)
        return std::nullopt;
    return Message{QStringLiteral("cannot write %1: %2").arg(shown(target), englishReason(errnum)),
                   QStringLiteral("%1 に書き込めません: %2").arg(shown(target), textfile::reason(errnum))};
}

int fail(Output& output, const Message& m)
{
    output.err += errorText(m);
    return Failure;
}

// One export: the log file `fileName` of the data folder, made into bytes by
// `make`, written to `target`.
template <typename Make>
int exportOne(const Options& options, const QString& target, const QString& fileName, Make&& make, Output& output)
{
    const QString folder = exportFolder(options);
    if (const auto error = checkExportFolder(options, folder))
        return fail(output, *error);
    const bool toStdout = target == u"-";
    if (!toStdout && isDataFile(target, folder))
        return fail(
            output,
            {QStringLiteral("%1 is one of the program's data files; choose another name").arg(shown(target)),
             QStringLiteral("%1 はプログラムのデータファイルです。別の名前を指定してください").arg(shown(target))});
    const QString path = QDir(folder).filePath(fileName);
    if (const auto error = checkReadable(path))
        return fail(output, *error);
    const auto format = toStdout ? logexport::Format::Csv : logexport::formatFor(target);
    const QByteArray bytes = make(path, format);
    if (toStdout) {
        output.out += bytes;
        return Success;
    }
    if (const auto error = writeExport(target, bytes))
        return fail(output, *error);
    return Success;
}

int exportLog(const Options& options, Output& output)
{
    return exportOne(
        options, *options.exportLog, recordfile::FileName,
        [](const QString& path, logexport::Format format) {
            return logexport::playLog(*recordfile::read(path), format);
        },
        output);
}

int exportAnswers(const Options& options, Output& output)
{
    return exportOne(
        options, *options.exportAnswers, answerfile::FileName,
        [&](const QString& path, logexport::Format format) {
            const answerfile::Contents contents = answerfile::read(path);
            // Lines the reader cannot take are left out, and the user is told.
            if (contents.damagedLines > 0)
                output.err += errorText({QStringLiteral("note: %1 damaged lines of %2 were left out")
                                             .arg(contents.damagedLines)
                                             .arg(answerfile::FileName),
                                         QStringLiteral("注意: %2 の壊れた %1 行は書き出していません")
                                             .arg(contents.damagedLines)
                                             .arg(answerfile::FileName)});
            return logexport::answers(contents.answers, format);
        },
        output);
}

}  // namespace

Options parse(const QStringList& arguments)
{
    Options o;
    const auto wrong = [&](const QString& english, const QString& japanese) {
        if (o.error.empty())
            o.error = usageMessage(english, japanese);
    };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == u"-h" || arg == u"--help") {
            o.help = true;
            continue;
        }
        if (arg == u"--version") {
            o.version = true;
            continue;
        }
        // --name VALUE or --name=VALUE
        const auto valueOf = [&](QStringView name, std::optional<QString>* into) {
            const QString option = QStringLiteral("--") + name.toString();
            QString value;
            if (arg == option) {
                if (i + 1 >= arguments.size()) {
                    wrong(QStringLiteral("option '%1' needs a value").arg(option),
                          QStringLiteral("オプション %1 には値が必要です").arg(option));
                    return true;
                }
                value = arguments[++i];
            } else if (arg.startsWith(option + u'=')) {
                value = arg.sliced(option.size() + 1);
            } else {
                return false;
            }
            if (value.isEmpty())
                wrong(QStringLiteral("option '%1' needs a value").arg(option),
                      QStringLiteral("オプション %1 には値が必要です").arg(option));
            else
                *into = value;
            return true;
        };
        if (valueOf(u"data-dir", &o.dataDir) || valueOf(u"export-log", &o.exportLog) ||
            valueOf(u"export-answers", &o.exportAnswers))
            continue;
        if (arg.startsWith(u'-') && arg.size() > 1) {
            const QString bare = arg.sliced(arg.startsWith(u"--") ? 2 : 1);
            const QString name = bare.section(u'=', 0, 0);
            if (QtOptionsWithValue.contains(name)) {
                if (!bare.contains(u'='))
                    ++i;  // its value
                continue;
            }
            if (QtOptionsAlone.contains(bare))
                continue;
            wrong(QStringLiteral("unknown option '%1'").arg(arg), QStringLiteral("不明なオプションです: %1").arg(arg));
            continue;
        }
        wrong(QStringLiteral("unexpected argument '%1'").arg(arg), QStringLiteral("余分な引数です: %1").arg(arg));
    }
    if (o.exportLog == u"-" && o.exportAnswers == u"-")
        wrong(QStringLiteral("only one export can go to standard output"),
              QStringLiteral("標準出力に書き出せるのは一つだけです"));
    return o;
}

QString usage()
{
    return QStringLiteral("Usage: fernoa2 [--data-dir DIR]\n"
                          "       fernoa2 [--data-dir DIR] [--export-log FILE] [--export-answers FILE]\n"
                          "       fernoa2 --help | --version\n"
                          "\n"
                          "Kanji typing games built on the components of kanji, with a log of every\n"
                          "play. Without options the program window starts.\n"
                          "\n"
                          "  --data-dir DIR       keep the data files in DIR; a new or empty folder is\n"
                          "                       set up with the dictionaries, settings and empty logs\n"
                          "  --export-log FILE    write the play log to FILE as UTF-8 CSV with a header\n"
                          "                       line, or as JSON when FILE ends in .json; '-' writes\n"
                          "                       CSV to standard output. No window is opened.\n"
                          "  --export-answers FILE  the same for the answer log: every judged answer\n"
                          "  -h, --help           show this help and exit\n"
                          "      --version        show the version and exit\n"
                          "\n"
                          "Without --data-dir the data files are those of the working directory when it\n"
                          "holds them, otherwise those of $XDG_DATA_HOME/fernoa2 (~/.local/share/fernoa2).\n"
                          "Exit status: 0 done, 1 failed, 2 wrong command line. See fernoa2(1).\n"
                          "\n"
                          "使い方: fernoa2 [--data-dir フォルダ]\n"
                          "        fernoa2 [--data-dir フォルダ] [--export-log ファイル] [--export-answers ファイル]\n"
                          "        fernoa2 --help | --version\n"
                          "\n"
                          "漢字の部品で遊ぶ漢字タイピングゲームと、遊んだ記録の振り返り。オプションが\n"
                          "なければプログラムのウィンドウを開きます。\n"
                          "\n"
                          "  --data-dir フォルダ     データファイルをこのフォルダに置く。新しいフォルダや\n"
                          "                          空のフォルダには辞書・設定・空の記録を用意する\n"
                          "  --export-log ファイル   遊んだ記録（データ.TXT）を UTF-8 の CSV（見出し行\n"
                          "                          付き）で書き出す。名前が .json で終わるときは JSON。\n"
                          "                          '-' なら CSV を標準出力へ。ウィンドウは開かない\n"
                          "  --export-answers ファイル  解答記録（解答記録.TXT）を同じ形式で書き出す\n"
                          "  -h, --help              この説明を表示して終了する\n"
                          "      --version           バージョンを表示して終了する\n"
                          "\n"
                          "終了ステータス: 0 成功、1 失敗、2 コマンドラインの誤り。\n");
}

QString version() { return Program + u' ' + QStringLiteral(FERNOA2_VERSION) + u'\n'; }

QByteArray errorText(const Message& message)
{
    QByteArray text;
    for (const QString& line : {message.english, message.japanese})
        for (const QString& part : line.split(u'\n'))
            text += (Program + QStringLiteral(": ") + part + u'\n').toUtf8();
    return text;
}

std::optional<int> runWithoutWindow(const Options& options, Output& output)
{
    if (!options.error.empty()) {
        output.err += errorText(options.error);
        return UsageError;
    }
    if (options.help) {
        output.out += usage().toUtf8();
        return Success;
    }
    if (options.version) {
        output.out += version().toUtf8();
        return Success;
    }
    if (options.exportLog || options.exportAnswers) {
        int status = Success;
        if (options.exportLog)
            status = exportLog(options, output);
        if (options.exportAnswers && status == Success)
            status = exportAnswers(options, output);
        return status;
    }
    // A folder the window could not use is refused before any window object
    // exists, so the refusal needs no display either.
    if (options.dataDir)
        if (const auto wrong = unusableDataDir(*options.dataDir))
            return fail(output, *wrong);
    return std::nullopt;
}

std::optional<Message> unusableDataDir(const QString& dir)
{
    const QFileInfo info(dir);
    if (info.exists() && !info.isDir())
        return Message{QStringLiteral("%1 is not a directory").arg(shown(dir)),
                       QStringLiteral("%1 はフォルダではありません").arg(shown(dir))};
    if (info.exists() && !datadir::holdsData(dir) &&
        !QDir(dir).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        return Message{QStringLiteral("%1 holds other files and no data files of the program; "
                                      "give a new or empty folder, or one with the program's data")
                           .arg(shown(dir)),
                       QStringLiteral("%1 にはプログラムのデータファイルがなく、ほかのファイルがあります。"
                                      "新しいフォルダか空のフォルダ、またはデータのあるフォルダを指定してください")
                           .arg(shown(dir))};
    return std::nullopt;
}

bool prepareDataDir(const QString& dir, const QString& dataSet, Message* error)
{
    const auto refuse = [&](const Message& m) {
        if (error)
            *error = m;
        return false;
    };
    if (const auto wrong = unusableDataDir(dir))
        return refuse(*wrong);
    if (!QDir().mkpath(dir)) {
        const int e = errno ? errno : EIO;
        return refuse({QStringLiteral("cannot create %1: %2").arg(shown(dir), englishReason(e)),
                       QStringLiteral("%1 を作成できません: %2").arg(shown(dir), textfile::reason(e))});
    }
    QString why;
    if (!datadir::seed(dir, dataSet, &why))
        return refuse({QStringLiteral("cannot set up the data files in %1").arg(shown(dir)), why});
    return true;
}

}  // namespace cli
