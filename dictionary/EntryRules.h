#pragma once
// What the dictionary editor accepts for a kanji entry or a compound before
// anything is written: the box checks in the order the user meets them, then
// what the dictionary files cannot hold.
#include "dictionary/Dictionary.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

class ComponentVariants;
struct KanjiEntry;

// A warning box that stops an edit.
struct Refusal {
    QString title;
    QString text;
};

namespace entryrules {

inline constexpr int MaxComponents = Dictionary::MaxComponents;

enum class KanjiEdit { Register, Change, Delete };

// Characters as the user sees them: a kanji or a kana is one, whatever its
// UTF-16 length.
int charCount(QStringView text);

// The box checks of an edit: the finished kanji and the component string
// present, one finished character, at most six components (register and
// change); then, for register and change, characters the file cannot hold.
std::optional<Refusal> checkKanji(KanjiEdit edit, QStringView kansei, QStringView kousei);

// Whether `kanji` would keep at most 15 distinct components over all its
// entries once entry `replacing` of `entries` (1-based, 0 for a new entry)
// holds `kousei`.
std::optional<Refusal> checkComponentSet(const std::vector<KanjiEntry>& entries, QStringView kanji, QStringView kousei,
                                         int replacing);

// A space, a comma, a double quote or a character code page 932 cannot hold.
std::optional<Refusal> checkStorable(QStringView text);

// A box's text without the spaces before and after it, ASCII or full-width.
QString trimmed(QStringView text);

// The component string as the dictionary stores it (氵 becomes 水), and a
// sentence telling the user about each replaced character; empty when
// nothing was replaced.
struct StoredComponents {
    QString kousei;
    QString notice;
};
StoredComponents storedForm(const ComponentVariants& variants, QStringView typed);

}  // namespace entryrules
