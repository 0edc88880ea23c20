// Process start to painted day view: starts the program's main window in the
// working directory, paints it once and exits. Timed from outside, e.g.
//   cd <data folder> && hyperfine -w 3 'QT_QPA_PLATFORM=offscreen .../startup_probe'
#include "app/Shell.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QStyleFactory>

#include <malloc.h>

int main(int argc, char** argv)
{
    mallopt(M_MMAP_THRESHOLD, 256 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 512 * 1024 * 1024);
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    msgbox::setResponder([](msgbox::Kind, const QString&, const QString&) { return true; });
    Shell shell;
    MainWindow* w = shell.showMain();
    w->repaint();
    QApplication::processEvents();
    return 0;
}
