// Edits the kanji dictionary through the dictionary window in a loop, to be
// killed at random moments by dictionary.sh, and checks what a kill left.
//
//   dictionary_kill_harness edit DIR        edits 1, 2, 3, …: a register, a
//                                           change of that entry, its delete;
//                                           prints each number once written
//   dictionary_kill_harness check DIR LAST SEED
//                                           after a kill: LAST is the last
//                                           number printed, SEED the folder
//                                           of the dictionaries the trial
//                                           started from.
//                                           Prints "intact", "damaged: why"
//                                           or "lost: why".
#include "app/DataDirectory.h"
#include "dictionary/Dictionary.h"
#include "dictionary/DictionaryWindow.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace {

// Kanji of code page 932 that the shipped dictionary does not list.
const QString Pool = QStringLiteral("丐丕丱丼乖乘亂亊亟亢亰亳亶从仍仄仆仂仗仞");
const QString Registered = QStringLiteral("日月");
const QString Changed = QStringLiteral("日月火");

using Entries = std::map<std::pair<QString, QString>, int>;

QString kanjiOf(long long n) { return Pool.at(qsizetype(((n - 1) / 3) % Pool.size())); }

// The entry that edits 1..n leave beside the seed's: edit 3k+1 registers
// it, 3k+2 changes it, 3k+3 deletes it.
Entries expected(Entries seed, long long n)
{
    if (n % 3 == 1)
        ++seed[{kanjiOf(n), Registered}];
    else if (n % 3 == 2)
        ++seed[{kanjiOf(n), Changed}];
    return seed;
}

Entries entriesOf(const Dictionary& d)
{
    Entries e;
    for (int i = 1; i <= d.kanjiCount(); ++i)
        ++e[{d.kansei(i), d.kousei(i)}];
    return e;
}

int edit(DictionaryWindow& w)
{
    auto box = [&w](const char* name) { return w.findChild<QLineEdit*>(QString::fromLatin1(name)); };
    auto rowOf = [&w](const QString& kansei, const QString& kousei) {
        const auto& rows = w.editor().kanjiRows();
        for (size_t r = 0; r < rows.size(); ++r)
            if (rows[r].kansei == kansei && rows[r].kousei == kousei)
                return int(r) + 1;
        return 0;
    };
    for (long long n = 1;; ++n) {
        const QString kanji = kanjiOf(n);
        if (n % 3 == 1) {
            box("txtKansei")->setText(kanji);
            box("txtKousei")->setText(Registered);
            w.cmdNew_Click();
        } else {
            const int row = rowOf(kanji, n % 3 == 2 ? Registered : Changed);
            if (row == 0)
                return 2;
            w.msgKanji_Click(row);
            if (n % 3 == 2) {
                box("txtKousei")->setText(Changed);
                w.cmdChg_Click();
            } else {
                w.cmdDel_Click();
            }
        }
        std::printf("%lld\n", n);
        std::fflush(stdout);
    }
}

int check(long long last, const QString& seedFolder)
{
    const int stale = datadir::removeStaleTemporaries(QDir::currentPath());
    Dictionary seed;
    seed.load(seedFolder);
    Dictionary d;
    const QString problem = d.load();
    if (!problem.isEmpty())
        return std::printf("damaged: %s\n", qPrintable(problem)), 0;
    if (d.kanjiFile().unusedLines != seed.kanjiFile().unusedLines)
        return std::printf("damaged: lines the loader cannot use\n"), 0;
    const Entries now = entriesOf(d);
    const Entries before = entriesOf(seed);
    if (now != expected(before, last) && now != expected(before, last + 1)) {
        for (const auto& [entry, count] : before)
            if (now.count(entry) == 0 || now.at(entry) < count)
                return std::printf("lost: %s %s\n", qPrintable(entry.first), qPrintable(entry.second)), 0;
        return std::printf("damaged: %zu entries after edit %lld\n", now.size(), last), 0;
    }
    std::printf("intact%s\n", stale ? " (stale temporary removed)" : "");
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return 1;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QByteArrayView mode(argv[1]);
    const QString dir = QString::fromLocal8Bit(argv[2]);
    if (mode == "check" && argc >= 5) {
        const QString seed = QFileInfo(QString::fromLocal8Bit(argv[4])).absoluteFilePath();
        if (!QDir::setCurrent(dir))
            return 1;
        return check(std::atoll(argv[3]), seed);
    }
    if (!QDir::setCurrent(dir))
        return 1;
    msgbox::setResponder([](msgbox::Kind, const QString&, const QString&) { return true; });
    Dictionary dictionary;
    dictionary.load();
    DictionaryWindow window(DictionaryWindowContext{dictionary, {}, {}, {}});
    return edit(window);
}
