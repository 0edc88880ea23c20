#pragma once
// The shiritori rules without a window: words chained on a board of 63
// cells and a strip of 21 more below it, each word beginning with the last
// character on the board. Words are not looked up anywhere.
#include "games/chain/ChainBoard.h"

#include <QString>

class Dictionary;
class Random;

class ShiritoriChain {
public:
    static constexpr int BoardCells = 63;
    static constexpr int CellCount = 84;  // the board and the overflow strip

    enum class Verdict {
        Accepted,
        WrongStart,  // does not begin with the last character on the board
        TooLong,     // more characters than the cells left
        NotAWord,    // empty, or with a space in it
    };

    // A new chain from `kanji` in cell 1.
    void start(const QString& kanji);
    // A new chain from a random entry of the table; false, with no chain,
    // when the table is empty.
    bool start(const Dictionary& dictionary, Random& random);
    void clear() { board_.clear(); }

    // One word: accepted when it begins with the last character on the
    // board and fits in the cells left up to `lastCell` (a count-mode play
    // has fewer cells than the board). Its characters then fill the next
    // cells in one colour. A word with a space in it is never written onto
    // the board.
    Verdict answer(const QString& word, int lastCell = CellCount);

    const ChainBoard& board() const { return board_; }
    int cellIndex() const { return board_.cellIndex(); }
    // The characters of all accepted words: the cells filled after the start.
    int typedChars() const { return board_.cellIndex() > 0 ? board_.cellIndex() - 1 : 0; }
    // Whether the play goes on after an answer: not once the board is used
    // up, nor in count mode once at most one of the chosen cells is free.
    bool goesOn(bool timeMode, int cellTarget) const;

private:
    ChainBoard board_{CellCount};
};
