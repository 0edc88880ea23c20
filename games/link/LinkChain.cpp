#include "games/link/LinkChain.h"

#include "dictionary/ComponentVariants.h"
#include "dictionary/Dictionary.h"
#include "platform/Random.h"

#include <QHash>

namespace {
bool sameComponent(const QString& a, const QString& b, const ComponentVariants& variants)
{
    return a == b || variants.matches(a, b) || variants.matches(b, a);
}
}  // namespace

LinkChain::LinkChain(const Dictionary& dictionary) : LinkChain(dictionary, ComponentVariants::shipped()) {}

LinkChain::LinkChain(const Dictionary& dictionary, const ComponentVariants& variants)
    : dictionary_(dictionary), variants_(variants)
{
}

QString LinkChain::sharedComponent(const QStringList& candidate, const QStringList& current,
                                   const ComponentVariants& variants)
{
    for (const QString& c : candidate)
        for (const QString& k : current)
            if (sameComponent(c, k, variants))
                return c;
    return {};
}

QStringList LinkChain::componentsOf(const QString& kanji) const
{
    return Dictionary::components(dictionary_.componentSet(kanji));
}

const std::vector<int>& LinkChain::startEntries() const
{
    if (!startEntries_)
        startEntries_ = findStartEntries();
    return *startEntries_;
}

std::vector<int> LinkChain::findStartEntries() const
{
    // One pass over the table: the component set of every kanji, and for
    // every component up to two of the kanji built with it, enough to tell
    // whether a kanji other than a given one has it.
    QHash<QString, QStringList> setOf;
    QHash<QString, QStringList> kanjiWith;
    for (int i = 1; i <= dictionary_.kanjiCount(); ++i) {
        const QString& kanji = dictionary_.kansei(i);
        QStringList& set = setOf[kanji];
        for (const QString& c : Dictionary::components(dictionary_.kousei(i))) {
            if (!set.contains(c) && set.size() < Dictionary::MaxComponentSet)
                set << c;
            QStringList& with = kanjiWith[c];
            if (with.size() < 2 && !with.contains(kanji))
                with << kanji;
        }
    }
    const auto linksOn = [&](const QString& kanji, const QString& component) {
        const auto it = kanjiWith.constFind(component);
        return it != kanjiWith.cend() && (it->size() > 1 || it->first() != kanji);
    };
    // Every form a component is the same as: itself, its variants, and the
    // stored forms it is a variant of.
    QHash<QString, QStringList> forms;
    const auto sameForms = [&](const QString& c) {
        auto it = forms.constFind(c);
        if (it != forms.cend())
            return *it;
        QStringList list = variants_.variantsOf(c);
        list << c;
        for (const QString& s : variants_.storedForms())
            if (s != c && variants_.matches(c, s))
                list << s;
        forms.insert(c, list);
        return list;
    };
    const auto linkable = [&](const QString& kanji) {
        for (const QString& c : setOf.value(kanji))
            for (const QString& f : sameForms(c))
                if (linksOn(kanji, f))
                    return true;
        return false;
    };

    std::vector<int> entries;
    QHash<QString, bool> known;  // by kanji: a kanji of several entries is judged once
    for (int i = 1; i <= dictionary_.kanjiCount(); ++i) {
        if (dictionary_.isPrimitive(i))
            continue;
        const QString& kanji = dictionary_.kansei(i);
        auto it = known.constFind(kanji);
        if (it == known.cend())
            it = known.insert(kanji, linkable(kanji));
        if (*it)
            entries.push_back(i);
    }
    return entries;
}

bool LinkChain::start(Random& random)
{
    const std::vector<int>& entries = startEntries();
    if (entries.empty()) {
        clear();
        return false;
    }
    start(dictionary_.kansei(entries[size_t(random.position(int(entries.size())))]));
    return true;
}

void LinkChain::start(const QString& kanji)
{
    board_.start(kanji);
    current_ = kanji;
    currentSet_ = componentsOf(kanji);
}

void LinkChain::clear()
{
    board_.clear();
    current_.clear();
    currentSet_.clear();
}

LinkChain::Link LinkChain::answer(const QString& typed)
{
    Link link;
    if (current_.isEmpty() || full() || typed == current_)
        return link;
    const QStringList candidate = componentsOf(typed);
    link.component = sharedComponent(candidate, currentSet_, variants_);
    if (link.component.isEmpty())
        return link;
    link.cell = board_.place({typed});
    current_ = typed;
    currentSet_ = candidate;
    return link;
}

bool LinkChain::goesOn(bool timeMode, int cellTarget) const
{
    if (full())
        return false;
    return timeMode || links() < cellTarget - 1;
}
