// The chart buttons of a game window's history area at 10,000 and 32,766
// history rows: one press, from the click until the chart is painted.
#include "BenchDir.h"
#include "HistoryText.h"
#include "dictionary/Dictionary.h"
#include "games/combine/CombineWindow.h"
#include "games/frame/HistoryArea.h"
#include "platform/Chart.h"
#include "platform/HelpTour.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QPushButton>

#include <benchmark/benchmark.h>

namespace {

// Counts the paints of a chart, to make sure a press is measured up to
// the painted chart.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        paints += e->type() == QEvent::Paint;
        return false;
    }
};

const char* const Buttons[] = {"cmdKaitou", "cmdPByou", "cmdByou", "cmdRitu", "cmdMoji"};

void BM_HistoryChartPress(benchmark::State& state)
{
    BenchDir dir(0);
    {
        QFile out(QStringLiteral("合体履歴.txt"));
        out.open(QIODevice::WriteOnly | QIODevice::Truncate);
        out.write(sjis::encode(historyText(int(state.range(0)))).bytes);
    }
    msgbox::setResponder([](msgbox::Kind, const QString&, const QString&) { return true; });
    Dictionary dictionary;
    dictionary.setTables({{QStringLiteral("時"), QStringLiteral("日土寸")}}, {});
    HelpTour tour;
    CombineWindow window(GameContext{dictionary, tour, [](QWidget*) {}, false});
    window.show();
    QApplication::processEvents();
    auto* button = window.findChild<QPushButton*>(QString::fromLatin1(Buttons[state.range(1)]));
    // Another chart first, so that every press changes what is on show.
    auto* other = window.findChild<QPushButton*>(QString::fromLatin1(Buttons[(state.range(1) + 1) % 5]));
    PaintCounter counter;
    auto* chart = window.findChild<Chart*>(QString::fromLatin1(state.range(1) == 0 ? "mcrRireki2" : "mcrRireki"));
    chart->viewport()->installEventFilter(&counter);
    other->click();
    QApplication::processEvents();
    counter.paints = 0;
    button->click();
    QApplication::processEvents();
    if (counter.paints == 0)
        state.SkipWithError("the chart was not painted");
    for (auto _ : state) {
        state.PauseTiming();
        other->click();
        QApplication::processEvents();
        state.ResumeTiming();
        button->click();
        QApplication::processEvents();
    }
    state.SetLabel(Buttons[state.range(1)]);
}
BENCHMARK(BM_HistoryChartPress)
    ->ArgsProduct({{10000, 32766}, {0, 1, 2, 3, 4}})
    ->ArgNames({"rows", "button"})
    ->Unit(benchmark::kMillisecond);

}  // namespace
