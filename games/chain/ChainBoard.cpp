#include "games/chain/ChainBoard.h"

ChainBoard::ChainBoard(int cellCount) : cells_(size_t(cellCount)) {}

void ChainBoard::clear()
{
    for (Cell& c : cells_)
        c = Cell{};
    cellIndex_ = 0;
    colourNumber_ = 1;
}

void ChainBoard::start(const QString& kanji)
{
    clear();
    cells_[0].text = kanji;
    cellIndex_ = 1;
}

int ChainBoard::place(const QStringList& characters)
{
    if (characters.isEmpty() || !fits(int(characters.size())))
        return 0;
    const int first = cellIndex_ + 1;
    for (const QString& ch : characters)
        cells_[size_t(cellIndex_++)] = Cell{ch, colourNumber_};
    colourNumber_ = colourNumber_ % ColourCount + 1;
    return first;
}
