#include "games/link/LinkChain.h"

#include "dictionary/ComponentVariants.h"
#include "dictionary/Dictionary.h"
#include "platform/Random.h"

#include <QHash>

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
            if (variants.sameShape(c, k))
                return c;
    return {};
}

QString LinkChain::linkOf(const QString& typed, const QStringList& candidate, const QString& current,
                          const QStringList& currentSet, const ComponentVariants& variants)
{
    // One kanji inside the other: the kanji itself is what they share.
    for (const QString& k : currentSet)
        if (variants.sameShape(typed, k))
            return typed;
    for (const QString& c : candidate)
        if (variants.sameShape(current, c))
            return current;
    return sharedComponent(candidate, currentSet, variants);
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
    // Every form a component is the same shape as: itself, its same-shape
    // variants, and the stored forms it is a variant of. Look-alikes are
    // other shapes.
    QHash<QString, QStringList> forms;
    const auto sameForms = [&](const QString& c) {
        auto it = forms.constFind(c);
        if (it != forms.cend())
            return *it;
        QStringList list = variants_.variantsOf(c);
        list << c;
        for (const QString& s : variants_.storedForms())
            if (s != c && variants_.sameShape(c, s))
                list << s;
        forms.insert(c, list);
        return list;
    };
    const auto linkable = [&](const QString& kanji) {
        for (const QString& f : sameForms(kanji))
            if (linksOn(kanji, f))
                return true;  // a part of another kanji
        for (const QString& c : setOf.value(kanji))
            for (const QString& f : sameForms(c))
                if (linksOn(kanji, f) || (f != kanji && setOf.contains(f)))
                    return true;  // shares a component, or has a kanji of the table as one
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
    if (candidate.isEmpty())
        return link;  // not a kanji of the table
    link.component = linkOf(typed, candidate, current_, currentSet_, variants_);
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
