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

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

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
}  // namespace

int main(int argc, char* argv[])
{
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
    QApplication::setDesktopFileName(QStringLiteral("fernoa2"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTexts);

    QString error;
    const QString folder = datadir::prepare(QDir::currentPath(), &error);
    if (folder.isEmpty()) {
        msgbox::warning(nullptr, QStringLiteral("フェルノア２"), error);
        return 1;
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
    return app.exec();
}
