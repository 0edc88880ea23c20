#pragma once
// The link rules without a window: a chain of kanji on 48 cells, each
// kanji sharing at least one component with the one before it.
#include "games/chain/ChainBoard.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class ComponentVariants;
class Dictionary;
class Random;

class LinkChain {
public:
    static constexpr int CellCount = 48;

    struct Link {
        int cell = 0;       // the cell the answer filled; 0 for a wrong answer
        QString component;  // the shared component, as the typed kanji's entry writes it
        bool right() const { return cell > 0; }
    };

    explicit LinkChain(const Dictionary& dictionary);
    LinkChain(const Dictionary& dictionary, const ComponentVariants& variants);

    // The first component of `candidate`, in its order, that is also one of
    // `current`; empty when they share none. Two components are the same when
    // they are one shape, one written as a variant of the other (水 and 氵);
    // a look-alike (口 for 囗) is another shape.
    static QString sharedComponent(const QStringList& candidate, const QStringList& current,
                                   const ComponentVariants& variants);
    // What links the typed kanji, with the components `candidate`, to the
    // current one: the typed kanji when it is a component of the current
    // one, the current kanji when it is a component of the typed one (戦 and
    // 単), else sharedComponent(); empty when nothing does.
    static QString linkOf(const QString& typed, const QStringList& candidate, const QString& current,
                          const QStringList& currentSet, const ComponentVariants& variants);

    // The entries a chain may start from: not primitive, and linking to
    // some other kanji of the table (a shared component, or one kanji a
    // component of the other), so that the chain can go on. Worked out on first use and kept: the table does not change while
    // a game window is open.
    const std::vector<int>& startEntries() const;
    // Starts a chain from a random entry of startEntries(); false, with no
    // chain, when there is none.
    bool start(Random& random);
    // Starts a chain from `kanji`.
    void start(const QString& kanji);

    // One typed answer: right when it is a kanji of the table other than the
    // current one that links to it (linkOf()). It then fills the next
    // cell and becomes the current kanji. Nothing is judged once the board
    // is full.
    Link answer(const QString& typed);

    const ChainBoard& board() const { return board_; }
    int cellIndex() const { return board_.cellIndex(); }
    int links() const { return board_.cellIndex() > 0 ? board_.cellIndex() - 1 : 0; }
    const QString& current() const { return current_; }
    const QStringList& currentComponents() const { return currentSet_; }
    bool full() const { return board_.cellIndex() >= CellCount; }
    // Whether the play goes on after an answer: not when the board is full,
    // nor in count mode once the chosen number of cells is filled.
    bool goesOn(bool timeMode, int cellTarget) const;

    void clear();

private:
    QStringList componentsOf(const QString& kanji) const;
    std::vector<int> findStartEntries() const;

    const Dictionary& dictionary_;
    const ComponentVariants& variants_;
    ChainBoard board_{CellCount};
    QString current_;
    QStringList currentSet_;
    mutable std::optional<std::vector<int>> startEntries_;
};
