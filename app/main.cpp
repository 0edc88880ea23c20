#include "app/CommandLine.h"
#include "app/DataDirectory.h"
#include "app/Shell.h"
#include "dictionary/DictionaryWindow.h"
#include "games/combine/CombineWindow.h"
#include "games/compound/CompoundWindow.h"
#include "games/dismantle/DismantleWindow.h"
#include "games/excavation/ExcavationWindow.h"
#include "games/frame/StoreRecovery.h"
#include "games/landfill/LandfillWindow.h"
#include "games/link/LinkWindow.h"
#include "games/shiritori/ShiritoriWindow.h"
#include "platform/HelpViewer.h"
#include "platform/MessageBox.h"
#include "platform/PlainTextLabels.h"
#include "records/RecordLog.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

#include <cstdio>
#include <malloc.h>

namespace {
// A game window opened from the game panel, on the run's shared state.
template <typename Window> void registerGame(Shell& shell)
{
    shell.registerGame(Window::gameDefinition().item, [](Shell& s) -> QWidget* {
        return new Window(
            GameContext{s.dictionary(), s.tour(), [&s](QWidget* w) { s.returnToMain(w); }, true, &s.playMode()});
    });
}

// The id the desktop entry, the icon and the software centre's metadata
// share; the window system matches the program's windows to it.
const QString DesktopId = QStringLiteral("io.github.fernoa2.fernoa2");

// Help, version, a wrong command line and the exports need no display:
// they end here, before any window object exists.
std::optional<int> runWithoutWindow(int argc, char* argv[], cli::Options* options)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    *options = cli::parse(arguments);
    cli::Output output;
    std::optional<int> status = cli::runWithoutWindow(*options, output);
    if (!status)
        return status;
    const bool written =
        std::fwrite(output.out.constData(), 1, size_t(output.out.size()), stdout) == size_t(output.out.size()) &&
        std::fflush(stdout) == 0;
    std::fwrite(output.err.constData(), 1, size_t(output.err.size()), stderr);
    if (!written) {
        std::fputs(cli::errorText(
                       {QStringLiteral("cannot write to standard output"), QStringLiteral("標準出力に書き込めません")})
                       .constData(),
                   stderr);
        return cli::Failure;
    }
    return status;
}

}  // namespace

int main(int argc, char* argv[])
{
    cli::Options options;
    if (const auto status = runWithoutWindow(argc, argv, &options))
        return *status;

    // Views read the whole record file into fresh buffers of several
    // megabytes each time they are built; keeping freed memory in the heap
    // instead of returning it to the system saves faulting those pages in
    // again on every rebuild.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 512 * 1024 * 1024);
    QApplication app(argc, argv);
    plaintext::install(app);
    QApplication::setApplicationName(QStringLiteral("fernoa2"));
    // No display name: the platform would append it to every window title,
    // and the titles are the program's own.
    QApplication::setDesktopFileName(DesktopId);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTexts);

    QString error;
    QString folder;
    if (options.dataDir) {
        // A folder the user named: what is wrong with it goes back to the
        // command line that named it.
        folder = QDir(*options.dataDir).absolutePath();
        cli::Message wrong;
        if (!cli::prepareDataDir(folder, datadir::installedDataSet(), &wrong)) {
            std::fputs(cli::errorText(wrong).constData(), stderr);
            return cli::Failure;
        }
    } else {
        folder = datadir::prepare(QDir::currentPath(), &error);
        if (folder.isEmpty()) {
            msgbox::warning(nullptr, QStringLiteral("フェルノア２"), error);
            return cli::Failure;
        }
    }
    // The data files are opened by bare name, in this folder.
    QDir::setCurrent(folder);

    // Two copies on one folder would each rewrite the log from their own
    // snapshot; the second one stops here.
    const auto lock = datadir::lock(folder, &error);
    if (!lock) {
        msgbox::warning(nullptr, QStringLiteral("フェルノア２"), error);
        return 1;
    }
    datadir::removeStaleTemporaries(folder);
    storerecovery::recover();
    for (const QString& problem : {datadir::folderFilesMessage(datadir::folderFiles(folder)),
                                   datadir::foreignFilesMessage(datadir::foreignFiles(folder))})
        if (!problem.isEmpty())
            msgbox::warning(nullptr, QStringLiteral("フェルノア２"), problem);

    help::setSearchPaths({folder, datadir::installedDataSet()});

    Shell shell;
    QObject::connect(&shell, &Shell::programEndRequested, &app, [] {
        help::closeAll();
        QApplication::closeAllWindows();
        QApplication::quit();
    });
    registerGame<CombineWindow>(shell);
    registerGame<DismantleWindow>(shell);
    registerGame<CompoundWindow>(shell);
    registerGame<ExcavationWindow>(shell);
    registerGame<LandfillWindow>(shell);
    registerGame<LinkWindow>(shell);
    registerGame<ShiritoriWindow>(shell);
    shell.registerDictionaryWindow([](Shell& s) -> QWidget* {
        return new DictionaryWindow(
            DictionaryWindowContext{s.dictionary(),
                                    [&s](QWidget* w) { s.returnToMain(w); },
                                    [&s](QWidget* w, const QString& text) { s.tour().show(w, text); },
                                    {}});
    });
    shell.showMain();
    const int status = app.exec();
    // What the log's worker still has in hand ends before anything the
    // program built is taken down.
    recordlog::waitForWorker();
    return status;
}
