// A game window opened as a user opens it, in a fresh process: from the
// window's construction (its dictionaries, settings and history read) until
// it is painted, beside the floor of reading the history file's bytes.
//   game_window_probe make ROWS DIR   the shipped data set and a 合体 history
//                                     of ROWS rows in DIR (a separate run, so
//                                     that the timed process has touched
//                                     nothing of it)
//   game_window_probe open DIR        prints the figures in milliseconds
#include "HistoryText.h"
#include "dictionary/Dictionary.h"
#include "games/combine/CombineWindow.h"
#include "platform/HelpTour.h"
#include "platform/MessageBox.h"
#include "platform/Sjis.h"
#include "platform/TextFile.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStyleFactory>

#include <cstdio>
#include <malloc.h>

namespace {
const QString History = QStringLiteral("合体履歴.txt");

int make(int rows, const QString& dir)
{
    QDir().mkpath(dir);
    const QDir data(QStringLiteral(FERNOA2_DATA_DIR));
    for (const QString& f : data.entryList(QDir::Files))
        QFile::copy(data.filePath(f), QDir(dir).filePath(f));
    QFile out(QDir(dir).filePath(History));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    out.write(sjis::encode(historyText(rows)).bytes);
    return 0;
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 4 && QByteArrayView(argv[1]) == "make")
        return make(std::atoi(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (argc < 3 || QByteArrayView(argv[1]) != "open")
        return 1;
    // As the program starts.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 512 * 1024 * 1024);
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    msgbox::setResponder([](msgbox::Kind, const QString&, const QString&) { return true; });
    if (!QDir::setCurrent(QString::fromLocal8Bit(argv[2])))
        return 1;
    Dictionary dictionary;
    HelpTour tour;

    QElapsedTimer t;
    t.start();
    CombineWindow window(GameContext{dictionary, tour, [](QWidget*) {}});
    window.show();
    window.repaint();
    QApplication::processEvents();
    const double open = double(t.nsecsElapsed()) / 1e6;

    t.restart();
    const qsizetype bytes = textfile::load(History, qint64(1) << 30).bytes.size();
    const double floor = double(t.nsecsElapsed()) / 1e6;
    std::printf("%s: %.1f KB; first open, painted: %.1f ms; floor (reading the history's bytes): %.1f ms\n",
                qPrintable(History), double(bytes) / 1024, open, floor);
    return 0;
}
