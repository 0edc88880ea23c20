// The dictionary window with the shipped dictionaries (argument 0) and with
// 30,000-entry ones: opening it to a painted window, a find by Enter, and a
// narrowing step of the component search.
#include "BenchDir.h"
#include "dictionary/Dictionary.h"
#include "dictionary/DictionaryWindow.h"
#include "platform/MessageBox.h"
#include "platform/TextFile.h"

#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>
#include <memory>

namespace {

// Replaces both shipped dictionaries by `entries`-line ones built from the
// shipped kanji: each kanji with several compositions of shipped components,
// and compounds of two shipped kanji.
void enlarge(int entries)
{
    Dictionary shipped;
    shipped.load();
    const QString kanji = [&] {
        QString k;
        for (int i = 1; i <= shipped.kanjiCount(); ++i)
            k += shipped.kansei(i);
        return k;
    }();
    const QString parts = shipped.distinctComponents();
    QString kanjiText, compoundText;
    quint32 x = 12345;
    auto next = [&x](qsizetype n) { return qsizetype((x = x * 1103515245u + 12345u) >> 8) % n; };
    for (int i = 0; i < entries; ++i) {
        kanjiText += QString(kanji[next(kanji.size())]) + u',';
        const int n = 2 + int(next(4));
        for (int c = 0; c < n; ++c)
            kanjiText += parts[next(parts.size())];
        kanjiText += QStringLiteral("\r\n");
        compoundText += QString(kanji[next(kanji.size())]) + kanji[next(kanji.size())] + QStringLiteral("\r\n");
    }
    textfile::replace(Dictionary::KanjiFileName, kanjiText);
    textfile::replace(Dictionary::CompoundFileName, compoundText);
}

struct Setup {
    explicit Setup(int entries) : dir(0)
    {
        msgbox::setResponder([](msgbox::Kind, const QString&, const QString&) { return true; });
        if (entries > 0)
            enlarge(entries);
        dictionary.load();
    }
    std::unique_ptr<DictionaryWindow> open()
    {
        auto w = std::make_unique<DictionaryWindow>(DictionaryWindowContext{dictionary, {}, {}, {}});
        w->show();
        w->repaint();
        QApplication::processEvents();
        return w;
    }
    BenchDir dir;
    Dictionary dictionary;
};

void BM_OpenDictionaryWindow(benchmark::State& state)
{
    Setup setup(int(state.range(0)));
    for (auto _ : state) {
        auto w = setup.open();
        state.PauseTiming();
        w.reset();
        state.ResumeTiming();
    }
    state.counters["kanji"] = setup.dictionary.kanjiCount();
    state.counters["compounds"] = setup.dictionary.compoundCount();
}
BENCHMARK(BM_OpenDictionaryWindow)->Arg(0)->Arg(30000)->Unit(benchmark::kMillisecond);

// Enter in the kanji search box for the last kanji of the grid.
void BM_FindKanji(benchmark::State& state)
{
    Setup setup(int(state.range(0)));
    auto w = setup.open();
    auto* box = w->findChild<QLineEdit*>(QStringLiteral("txtInp"));
    box->setText(w->editor().kanjiRows().back().kansei);
    for (auto _ : state) {
        w->txtInp_KeyPress();
        w->repaint();
    }
}
BENCHMARK(BM_FindKanji)->Arg(0)->Arg(30000)->Unit(benchmark::kMillisecond);

// One narrowing step from the whole list, then the list shown again.
void BM_NarrowByComponent(benchmark::State& state)
{
    Setup setup(int(state.range(0)));
    auto w = setup.open();
    auto* box = w->findChild<QLineEdit*>(QStringLiteral("txtInp3"));
    for (auto _ : state) {
        box->setText(QStringLiteral("日"));
        w->txtInp3_KeyPress();
        w->repaint();
        state.PauseTiming();
        w->cmdAllDsp_Click();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_NarrowByComponent)->Arg(0)->Arg(30000)->Unit(benchmark::kMillisecond);

void BM_ShowAllParts(benchmark::State& state)
{
    Setup setup(int(state.range(0)));
    auto w = setup.open();
    for (auto _ : state) {
        w->cmdAllDsp_Click();
        w->repaint();
    }
}
BENCHMARK(BM_ShowAllParts)->Arg(0)->Arg(30000)->Unit(benchmark::kMillisecond);

}  // namespace
