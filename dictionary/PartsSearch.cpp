#include "dictionary/PartsSearch.h"

#include "dictionary/ComponentVariants.h"

#include <algorithm>

std::vector<KanjiEntry> sortedKanji(const Dictionary& dictionary)
{
    std::vector<KanjiEntry> rows;
    rows.reserve(size_t(dictionary.kanjiCount()));
    for (int i = 1; i <= dictionary.kanjiCount(); ++i)
        rows.push_back(dictionary.entry(i));
    std::stable_sort(rows.begin(), rows.end(),
                     [](const KanjiEntry& a, const KanjiEntry& b) { return a.kansei < b.kansei; });
    return rows;
}

namespace {
// Whether some run of `kousei`'s characters is `typed`, each typed character
// the stored one or a listed variant of it (氵 finds 水, 口 finds 囗 too).
// Runs once an entry at every narrowing step, so it allocates nothing but
// the one reused buffer.
bool foundIn(const ComponentVariants& variants, const QList<uint>& typed, QStringView kousei,
             std::vector<char32_t>& stored)
{
    stored.clear();
    for (qsizetype i = 0; i < kousei.size(); ++i) {
        const bool pair = kousei[i].isHighSurrogate() && i + 1 < kousei.size() && kousei[i + 1].isLowSurrogate();
        stored.push_back(pair ? QChar::surrogateToUcs4(kousei[i], kousei[i + 1]) : kousei[i].unicode());
        i += pair ? 1 : 0;
    }
    const size_t n = size_t(typed.size());
    for (size_t at = 0; at + n <= stored.size(); ++at) {
        size_t k = 0;
        while (k < n && variants.matches(char32_t(typed[qsizetype(k)]), stored[at + k]))
            ++k;
        if (k == n)
            return true;
    }
    return false;
}
}  // namespace

PartsSearch::PartsSearch(const ComponentVariants& variants) : variants_(variants) {}

void PartsSearch::showAll(const Dictionary& dictionary)
{
    rows_ = sortedKanji(dictionary);
    narrowedBy_.clear();
}

void PartsSearch::refresh(const Dictionary& dictionary)
{
    const QStringList steps = narrowedBy_;
    showAll(dictionary);
    for (const QString& typed : steps)
        narrow(typed);
}

void PartsSearch::narrow(QStringView typed)
{
    if (typed.isEmpty())
        return;
    narrowedBy_ << typed.toString();
    const QList<uint> chars = variants_.expandPairs(typed).toUcs4();  // 疒 finds 广冫
    std::vector<char32_t> buffer;
    // The rows are already sorted, and removing keeps their order.
    std::erase_if(rows_, [&](const KanjiEntry& e) { return !foundIn(variants_, chars, e.kousei, buffer); });
}

QString PartsSearch::countText() const { return QStringLiteral("%1件").arg(rows_.size()); }
