#include "dictionary/PartsSearch.h"

#include "dictionary/ComponentVariants.h"
#include "dictionary/EntryRules.h"

#include <QSet>

#include <algorithm>

std::vector<KanjiEntry> sortedKanji(const Dictionary& dictionary)
{
    std::vector<KanjiEntry> rows;
    rows.reserve(size_t(dictionary.kanjiCount()));
    for (int i = 1; i <= dictionary.kanjiCount(); ++i)
        rows.push_back({dictionary.kansei(i), dictionary.kousei(i)});
    std::stable_sort(rows.begin(), rows.end(),
                     [](const KanjiEntry& a, const KanjiEntry& b) { return a.kansei < b.kansei; });
    return rows;
}

namespace {
// One search term: typed without a listed variant it is a plain substring;
// otherwise each run of stored characters whose first one the typed first
// character can stand for is compared through the variant table.
class Term {
public:
    Term(const ComponentVariants& variants, QStringView typed)
        : variants_(variants), typed_(typed), chars_(entryrules::charCount(typed))
    {
        plain_ = variants.canonical(typed) == typed;
        if (plain_)
            return;
        const QString first = Dictionary::components(typed).value(0);
        firsts_.insert(first);
        for (const QString& stored : variants.storedForms())
            if (variants.matches(first, stored))
                firsts_.insert(stored);
    }

    bool foundIn(QStringView kousei) const
    {
        if (kousei.contains(typed_))
            return true;
        if (plain_)
            return false;
        const QStringList parts = Dictionary::components(kousei);
        for (qsizetype at = 0; at + chars_ <= parts.size(); ++at) {
            if (!firsts_.contains(parts[at]))
                continue;
            if (variants_.matches(typed_, parts.mid(at, chars_).join(QString())))
                return true;
        }
        return false;
    }

private:
    const ComponentVariants& variants_;
    QStringView typed_;
    qsizetype chars_;
    bool plain_ = true;
    QSet<QString> firsts_;
};
}  // namespace

PartsSearch::PartsSearch(const ComponentVariants& variants) : variants_(variants) {}

void PartsSearch::showAll(const Dictionary& dictionary) { rows_ = sortedKanji(dictionary); }

void PartsSearch::narrow(QStringView typed)
{
    if (typed.isEmpty())
        return;
    const Term term(variants_, typed);
    // The rows are already sorted, and removing keeps their order.
    std::erase_if(rows_, [&](const KanjiEntry& e) { return !term.foundIn(e.kousei); });
}

QString PartsSearch::countText() const { return QStringLiteral("%1件").arg(rows_.size()); }
