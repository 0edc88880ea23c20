// The dictionary editor's rewrites on any kanji and compound files: a change
// and a delete leave every other entry as it was (with the fields the program
// does not know), every line the loader cannot use byte for byte in its
// order, and a rewrite of the rewritten file changes nothing.
#include "FuzzDir.h"
#include "dictionary/ComponentVariants.h"
#include "dictionary/DictionaryEditor.h"
#include "platform/MessageBox.h"

#include <cstdint>
#include <cstdlib>

namespace {
const QString Kanji = Dictionary::KanjiFileName;
const QString Compounds = Dictionary::CompoundFileName;

void check(bool ok)
{
    if (!ok)
        std::abort();
}

bool sameEntries(const std::vector<KanjiEntry>& a, const std::vector<KanjiEntry>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const KanjiEntry& x, const KanjiEntry& y) {
        return x.kansei == y.kansei && x.kousei == y.kousei && x.rest == y.rest;
    });
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzdir::enter();
    if (size < 2)
        return 0;
    msgbox::setResponder([](msgbox::Kind, const QString&, const QString&) { return true; });
    // The first byte chooses the rows edited; the rest splits in two files.
    const int pick = data[0];
    const QByteArrayView bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const qsizetype half = bytes.size() / 2;
    fuzzdir::write(Kanji, bytes.first(half));
    fuzzdir::write(Compounds, bytes.sliced(half));

    Dictionary dictionary;
    (void)dictionary.load(QStringLiteral("."));
    const QList<QByteArray> unusedKanji = dictionary.kanjiFile().unusedLines;
    const QList<QByteArray> unusedCompounds = dictionary.compoundFile().unusedLines;
    DictionaryEditor editor(dictionary, ComponentVariants::shipped(), QStringLiteral("."));
    editor.open();

    if (!editor.kanjiRows().empty()) {
        // A change: the chosen entry takes new components, every other one
        // stays, and so does every line the tables could not use.
        const int row = pick % int(editor.kanjiRows().size()) + 1;
        std::vector<KanjiEntry> expected = editor.kanjiRows();
        editor.selectKanjiRow(row);
        editor.form.kousei = QStringLiteral("日月");
        editor.changeKanji();
        if (editor.kanjiRows().size() == expected.size()) {  // refused when over fifteen components
            expected[size_t(row - 1)].kousei = editor.kanjiRows()[size_t(row - 1)].kousei;
            check(sameEntries(editor.kanjiRows(), expected));
            check(dictionary.kanjiFile().unusedLines == unusedKanji);
        }
        // A rewrite of the rewritten file changes nothing.
        const QByteArray once = fuzzdir::read(Kanji);
        editor.selectKanjiRow(row);
        editor.form.kousei = editor.kanjiRows()[size_t(row - 1)].kousei;
        editor.changeKanji();
        check(fuzzdir::read(Kanji) == once);

        // A delete: one entry less, the rest as they were.
        expected = editor.kanjiRows();
        editor.selectKanjiRow(row);
        editor.deleteKanji();
        expected.erase(expected.begin() + (row - 1));
        check(sameEntries(editor.kanjiRows(), expected));
        check(dictionary.kanjiFile().unusedLines == unusedKanji);
        editor.undo();
    }
    if (!editor.compoundRows().empty()) {
        const int row = pick % int(editor.compoundRows().size()) + 1;
        std::vector<QString> expected = editor.compoundRows();
        expected.erase(expected.begin() + (row - 1));
        editor.selectCompoundRow(row);
        editor.deleteCompound();
        check(editor.compoundRows() == expected);
        check(dictionary.compoundFile().unusedLines == unusedCompounds);
    }
    return 0;
}
