#pragma once
// The cells of a chain game, without a window: each cell holds one
// character and the chain colour it was written in. Cell 1 takes the start
// kanji on white; every accepted answer fills the next cells in one colour
// of the pastel table, taken in rotation.
#include <QString>
#include <QStringList>

#include <vector>

class ChainBoard {
public:
    static constexpr int ColourCount = 16;  // the pastel table
    static constexpr int White = 0;         // the colour number of the start cell and of empty cells

    explicit ChainBoard(int cellCount);

    int cellCount() const { return int(cells_.size()); }
    // The last filled cell; 0 before a chain starts.
    int cellIndex() const { return cellIndex_; }
    // The pastel number the next answer is written in.
    int colourNumber() const { return colourNumber_; }
    // Cells are numbered from 1.
    const QString& text(int cell) const { return cells_[size_t(cell - 1)].text; }
    int colour(int cell) const { return cells_[size_t(cell - 1)].colour; }
    // The character in the last filled cell, empty before a chain starts.
    QString last() const { return cellIndex_ > 0 ? text(cellIndex_) : QString(); }

    // Every cell empty and white; no chain.
    void clear();
    // A new chain: `kanji` in cell 1 on white, the next answer in colour 1.
    void start(const QString& kanji);
    // Whether `count` more cells are left.
    bool fits(int count) const { return cellIndex_ + count <= cellCount(); }
    // Writes one character a cell into the next cells, all in the present
    // colour, and moves the colour on (back to 1 after 16). Returns the first
    // cell written; nothing is written, and 0 returned, when the characters
    // do not all fit.
    int place(const QStringList& characters);

private:
    struct Cell {
        QString text;
        int colour = White;
    };
    std::vector<Cell> cells_;
    int cellIndex_ = 0;
    int colourNumber_ = 1;
};
