#include "games/compound/CompoundQuestion.h"

#include "dictionary/Dictionary.h"
#include "games/frame/SlotShuffle.h"
#include "platform/Random.h"

std::vector<int> CompoundQuestion::hintKanji() const
{
    std::vector<int> owner(size_t(parts.size()), 0);
    for (int j = 0; j < 2; ++j) {
        for (const QString& part : kanjiParts[size_t(j)]) {
            for (qsizetype label = 0; label < parts.size(); ++label) {
                if (owner[size_t(label)] == 0 && parts[label] == part) {
                    owner[size_t(label)] = j + 1;
                    break;
                }
            }
        }
    }
    return owner;
}

CompoundWords::CompoundWords(const Dictionary& dictionary, const KanjiLevel& level)
{
    for (int i = 1; i <= dictionary.kanjiCount(); ++i)
        kousei_[dictionary.kansei(i)] << dictionary.kousei(i);
    compounds_.reserve(dictionary.compoundCount());
    for (int j = 1; j <= dictionary.compoundCount(); ++j) {
        const QString word = dictionary.compoundText(j);
        compounds_ << word;
        words_.insert(word);
        std::array<QStringList, 2> parts;
        if (componentsOf(word, &parts) && level.admits(word))
            usable_.push_back(j);
    }
}

bool CompoundWords::componentsOf(QStringView word, std::array<QStringList, 2>* parts) const
{
    if (word.size() != 2)
        return false;
    for (int j = 0; j < 2; ++j) {
        const auto entries = kousei_.constFind(word.mid(j, 1).toString());
        if (entries == kousei_.constEnd())
            return false;  // a kanji without an entry: its components are unknown
        (*parts)[size_t(j)] = Dictionary::components(entries->first());
    }
    return (*parts)[0].size() + (*parts)[1].size() <= CompoundQuestion::MaxComponents;
}

CompoundQuestion CompoundWords::question(int compound, Random& random) const
{
    CompoundQuestion q;
    if (compound < 1 || compound > compounds_.size())
        return q;
    const QString& word = compounds_[compound - 1];
    if (!componentsOf(word, &q.kanjiParts))
        return q;
    q.answer = word;
    q.parts = shuffleIntoSlots(q.kanjiParts[0] + q.kanjiParts[1], random);
    return q;
}

CompoundQuestion CompoundWords::draw(Random& random) const
{
    if (usable_.empty())
        return {};
    return question(usable_[size_t(random.position(size()))], random);
}

QStringList CompoundWords::questions() const
{
    QStringList words;
    words.reserve(size());
    for (int j : usable_)
        words << compounds_[j - 1];
    return words;
}

CompoundQuestion CompoundWords::questionAt(int position, Random& random) const
{
    if (position < 0 || position >= size())
        return {};
    return question(usable_[size_t(position)], random);
}

bool CompoundWords::isRight(const CompoundQuestion& question, QStringView typed) const
{
    if (question.empty())
        return false;
    if (typed == question.answer)
        return true;
    if (typed.size() != 2 || !words_.contains(typed.toString()))
        return false;
    const QString shown = Dictionary::componentKey(question.parts.join(QString()));
    const QStringList first = kousei_.value(typed.mid(0, 1).toString());
    const QStringList second = kousei_.value(typed.mid(1, 1).toString());
    for (const QString& a : first)
        for (const QString& b : second)
            if (Dictionary::componentKey(a + b) == shown)
                return true;
    return false;
}
