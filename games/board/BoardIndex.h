#pragma once
// The kanji table as the board games read it, worked out once when a game
// window opens: every component of the table once, in order of first
// appearance, and the entries a board can have as answers (primitive
// entries left out) with their components as numbers into that list.
#include <QHash>
#include <QString>
#include <QStringList>

#include <span>
#include <vector>

class Dictionary;

class BoardIndex {
public:
    explicit BoardIndex(const Dictionary& dictionary);

    const Dictionary& dictionary() const { return dictionary_; }

    // Distinct components of the whole table, primitive entries included.
    int componentCount() const { return int(components_.size()); }
    const QString& component(int id) const { return components_[size_t(id)]; }
    // The number of a component; -1 when no entry has it.
    int componentId(const QString& component) const { return ids_.value(component, -1); }

    // Entries that can be an answer, in table order.
    int entryCount() const { return int(entries_.size()); }
    // Its 1-based index in the table.
    int entry(int k) const { return entries_[size_t(k)]; }
    // Its components in stored order, a repeated one repeated.
    std::span<const int> componentsOf(int k) const
    {
        return {parts_.data() + offsets_[size_t(k)], size_t(offsets_[size_t(k) + 1] - offsets_[size_t(k)])};
    }
    // Whether some entry that can be an answer has at most `tiles` distinct
    // components, so that a board of that many tiles can hold it.
    bool fitsOnBoard(int tiles) const;

private:
    const Dictionary& dictionary_;
    std::vector<QString> components_;
    QHash<QString, int> ids_;
    std::vector<int> entries_;
    std::vector<int> parts_;
    std::vector<int> offsets_{0};
    int fewestDistinct_ = 0;  // over the answerable entries; 0 when there are none
};
