#pragma once
// The landfill board without a window: N tiles filled exactly by the
// components of a few hidden kanji, shuffled; found kanji blacken their
// tiles, and the hint gives each hidden kanji a pastel colour of its own.
#include "games/board/Board.h"

#include <optional>

class BoardIndex;
class Random;

namespace landfill {

// Fresh starts of the drawing, each from the whole table, before the
// table is taken as unable to fill a board.
constexpr int MaxPasses = 20;

// A board of exactly `tiles` tiles: entries drawn at random, each kanji at
// most once; one is kept when its components still fit and do not leave a
// single tile over, and the board is complete when the total reaches
// `tiles` exactly. Its components are then dealt onto the tiles in random
// order. Empty (and `*why` says why) when the table cannot fill it.
std::optional<Board> draw(const BoardIndex& index, int tiles, Random& random, QString* why);

// Every tile that is not black white: a kanji found stays black, whatever
// the hint does. With the hint on, the kanji not found, numbered in order
// from 1, each colour with their hint colour the first white tile showing
// each of their components.
void applyHint(Board& board, bool on);

// A found kanji: for each of its components in order, the first tile that
// is not black and shows it turns black.
void blacken(Board& board, const BoardAnswer& answer);

// After an answer, with the hint on: applyHint(), so that the kanji still
// hidden are numbered again from 1. With the hint off nothing changes.
void recolourHint(Board& board, bool on);

}  // namespace landfill
