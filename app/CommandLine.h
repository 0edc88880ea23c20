#pragma once
// The program's command line. Without options the program window starts;
// --help, --version and the exports run without any window or display and
// end with an exit status: 0 done, 1 failed, 2 a wrong command line.
// Messages go to standard error in English, then in Japanese.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace cli {

enum Exit { Success = 0, Failure = 1, UsageError = 2 };

// One message in both languages.
struct Message {
    QString english;
    QString japanese;
    bool empty() const { return english.isEmpty(); }
};

struct Options {
    bool help = false;
    bool version = false;
    std::optional<QString> dataDir;
    std::optional<QString> exportLog;
    std::optional<QString> exportAnswers;
    Message error;  // what is wrong with the command line; empty when nothing
};

// Reads the arguments after the program name. Qt's own options for the
// window (-platform NAME, -style NAME, ...) are left to Qt.
Options parse(const QStringList& arguments);

QString usage();
QString version();

// Both lines of a message as standard error shows them.
QByteArray errorText(const Message& message);

// What a run without a window wrote to standard output and standard error.
struct Output {
    QByteArray out;
    QByteArray err;
};

// Runs help, version, a wrong command line or an export, or refuses an
// unusable --data-dir folder, and gives the exit status; nothing when the
// program window is to start instead.
std::optional<int> runWithoutWindow(const Options& options, Output& output);

// What makes a folder given by --data-dir unusable: it is a file, or it holds
// other things but no data files, so that a mistyped name never fills a
// folder of the user's with the program's files.
std::optional<Message> unusableDataDir(const QString& dir);

// The folder given by --data-dir, ready for the program: created when
// missing and seeded from `dataSet` (datadir::seed) when it holds no data
// files yet; an unusable one is refused.
bool prepareDataDir(const QString& dir, const QString& dataSet, Message* error);

}  // namespace cli
