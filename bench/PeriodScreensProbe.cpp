// The screens over a period (集計表示, カレンダー, 全グラフ and its daily
// trend) as a user meets them: the program's own main window in a fresh
// process, each screen's first visit timed from the click to the painted
// window, then a scroll of its longest grid to either end, with the resident
// memory before and after. Run in a data folder:
//   cd <folder> && QT_QPA_PLATFORM=offscreen period_screens_probe aggregate|calendar|history|all
// and compare a log with a play dated 0001/01/01 and one dated 9999/12/31
// against the same log without them.
#include "app/Shell.h"
#include "platform/Grid.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QStyleFactory>

#include <cstdio>
#include <cstring>

namespace {

// Kilobytes of a line of /proc/self/status ("VmRSS", "VmHWM").
long statusKb(const char* key)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(qsizetype(std::strlen(key)) + 1).trimmed().split(' ').value(0).toLong();
    return -1;
}

template <typename F> double painted(QWidget& window, F&& f)
{
    QElapsedTimer t;
    t.start();
    f();
    window.repaint();
    QApplication::processEvents();
    return double(t.nsecsElapsed()) / 1e6;
}

void press(QWidget& window, const char* name)
{
    auto* b = window.findChild<QPushButton*>(QString::fromLatin1(name));
    if (!b) {
        std::fprintf(stderr, "no %s\n", name);
        std::exit(1);
    }
    b->click();
}

void visit(QWidget& w, const char* label, std::initializer_list<const char*> buttons, const char* gridName)
{
    const long before = statusKb("VmRSS");
    const double open = painted(w, [&] {
        for (const char* b : buttons)
            press(w, b);
    });
    auto* grid = w.findChild<Grid*>(QString::fromLatin1(gridName));
    const double top = painted(w, [&] { grid->scrollToTop(); });
    const double bottom = painted(w, [&] { grid->scrollToBottom(); });
    std::printf("%-10s open %7.1f ms  %s %d rows: to the top %5.1f ms, to the end %5.1f ms  RSS %+6.1f MiB (now %.1f, "
                "peak %.1f)\n",
                label, open, gridName, grid->rows() - 1, top, bottom, double(statusKb("VmRSS") - before) / 1024,
                double(statusKb("VmRSS")) / 1024, double(statusKb("VmHWM")) / 1024);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    msgbox::setResponder([](msgbox::Kind, const QString&, const QString&) { return true; });
    const QByteArray which = argc > 1 ? argv[1] : "all";
    Shell shell;
    MainWindow* w = shell.showMain();
    w->resize(1024, 740);
    w->repaint();
    QApplication::processEvents();
    std::printf("main window painted: RSS %.1f MiB\n", double(statusKb("VmRSS")) / 1024);
    const bool all = which == "all";
    if (all || which == "aggregate")
        visit(*w, "集計表示", {"cmdSyuukei"}, "msgKakei2");
    if (all || which == "calendar")
        visit(*w, "カレンダー", {"cmdCale"}, "msgCale_w");
    if (all || which == "history")
        visit(*w, "全グラフ", {"cmdMain", "cmdRentai", "cmdHigoto"}, "msgDayList3");
    if (all) {
        QApplication::processEvents();
        std::printf("after every screen: RSS %.1f MiB, peak %.1f MiB\n", double(statusKb("VmRSS")) / 1024,
                    double(statusKb("VmHWM")) / 1024);
    }
    return 0;
}
