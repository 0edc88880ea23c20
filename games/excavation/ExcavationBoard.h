#pragma once
// The excavation board without a window: N distinct component tiles drawn
// from the whole table, every kanji that can be built from them as an
// answer, the yellow hint and the green marks of found kanji.
#include "games/board/Board.h"

#include <optional>

class BoardIndex;
class Random;

namespace excavation {

// Random boards tried, for a table with no answer of two or more distinct
// components, before one is built around an answer on purpose.
constexpr int RandomAttempts = 200;
// Tries at the second answer laid first before the fitting entries are
// listed one by one.
constexpr int SecondAnswerTries = 64;

// What a drawing says about a table that cannot give a board of n tiles;
// empty when it can.
QString refusal(const BoardIndex& index, int tiles);

// A board of `tiles` distinct components, fair to the player: two answers
// that need two or more distinct tiles each are drawn first (each uniformly
// among the entries that fit, the second another kanji, together on at most
// half the tiles), the other tiles at random from the rest of the
// components, and all of them dealt into random order. One answer when no
// second fits. A table with no such answer at all gets random boards until
// one has an answer, and after RandomAttempts of them one built around a
// random entry that fits. Empty (and `*why` says why) when the table cannot
// give a board. `attempts`, when given, receives the number of boards drawn.
std::optional<Board> draw(const BoardIndex& index, int tiles, Random& random, QString* why, int* attempts = nullptr);

// Every kanji that can be built from the tiles, in table order: an entry
// whose every component is on the board (a repeated component needs one
// tile), primitive entries aside; a kanji of two such entries once, with
// the first.
std::vector<BoardSolution> solutions(const BoardIndex& index, const QStringList& tiles);

// Hint off: every tile white. On: every tile white, then for each answer in
// order and each character of its line (the kanji, "_" and the components),
// the first white tile showing it turns yellow, found answers and the
// answer's own kanji included.
void applyHint(Board& board, bool on);

// A found kanji: for each of its components, the first tile showing it
// turns green, whatever its colour.
void markFound(Board& board, const BoardAnswer& answer);

}  // namespace excavation
