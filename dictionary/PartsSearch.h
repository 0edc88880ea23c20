#pragma once
// The component search: a list of kanji entries narrowed step by step to
// those whose component string holds what was typed, a typed radical form
// matching the component the dictionary stores for it.
#include "dictionary/Dictionary.h"

#include <vector>

class ComponentVariants;

class PartsSearch {
public:
    explicit PartsSearch(const ComponentVariants& variants);

    // Every entry of the table, sorted by finished kanji.
    void showAll(const Dictionary& dictionary);
    // Keeps the listed entries whose components hold `typed` as a run of
    // consecutive components.
    void narrow(QStringView typed);
    // The list anew from the table after an edit, narrowed by the same
    // components as before.
    void refresh(const Dictionary& dictionary);

    const std::vector<KanjiEntry>& rows() const { return rows_; }
    QString countText() const;  // "16件"

private:
    const ComponentVariants& variants_;
    std::vector<KanjiEntry> rows_;
    QStringList narrowedBy_;
};

// Entries sorted by finished kanji, entries of one kanji in table order: the
// order of every kanji list of the editor.
std::vector<KanjiEntry> sortedKanji(const Dictionary& dictionary);
