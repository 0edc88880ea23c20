#include "games/landfill/LandfillBoard.h"

#include "dictionary/Dictionary.h"
#include "games/board/BoardIndex.h"
#include "games/frame/SlotShuffle.h"
#include "platform/Random.h"

#include <QSet>

#include <algorithm>
#include <numeric>

namespace landfill {
namespace {

const auto isWhite = [](const QColor& c) { return c == tilecolour::White; };

// Hint colour `number` on the first white tile of each component.
void colourComponents(Board& board, const QString& kousei, int number)
{
    for (const QString& c : Dictionary::components(kousei))
        if (const int k = board.firstTile(c, isWhite); k >= 0)
            board.setColour(k, tilecolour::hint(number));
}

}  // namespace

std::optional<Board> draw(const BoardIndex& index, int tiles, Random& random, QString* why)
{
    const auto refuse = [&](const QString& text) -> std::optional<Board> {
        if (why)
            *why = text;
        return std::nullopt;
    };
    if (index.dictionary().kanjiCount() == 0)
        return refuse(QStringLiteral("漢字辞書に漢字がひとつも登録されていないため、ゲームを始められません。"));
    if (tiles < 1 || tiles > Board::MaxTiles)
        return refuse(QStringLiteral("コマ数は１から%1までです。").arg(Board::MaxTiles));

    const Dictionary& d = index.dictionary();
    std::vector<int> pool(size_t(index.entryCount()));
    std::iota(pool.begin(), pool.end(), 0);
    std::vector<int> kept;
    for (int pass = 0; pass < MaxPasses && !pool.empty(); ++pass) {
        kept.clear();
        QSet<QString> drawn;
        int total = 0;
        // Entries still in the draw are pool[0, left); a drawn one is moved
        // past the end, so a new pass needs no copy.
        size_t left = pool.size();
        while (total != tiles && left > 0) {
            const auto i = size_t(random.position(int(left)));
            const int k = pool[i];
            std::swap(pool[i], pool[--left]);
            const QString& kanji = d.kansei(index.entry(k));
            if (drawn.contains(kanji))
                continue;  // another entry of a kanji drawn already
            drawn.insert(kanji);
            const int next = total + int(index.componentsOf(k).size());
            if (next == tiles || next < tiles - 1) {
                kept.push_back(k);
                total = next;
            }
        }
        if (total != tiles)
            continue;
        std::vector<BoardSolution> hidden;
        QStringList parts;
        for (int k : kept) {
            const int e = index.entry(k);
            hidden.push_back({d.kansei(e), d.kousei(e)});
            parts << Dictionary::components(d.kousei(e));
        }
        return Board(shuffleIntoSlots(parts, random), std::move(hidden));
    }
    return refuse(QStringLiteral("漢字辞書の漢字では%1コマの盤面をちょうど埋められないため、ゲームを始められません。")
                      .arg(tiles));
}

void applyHint(Board& board, bool on)
{
    for (int k = 0; k < board.tileCount(); ++k)
        if (board.colour(k) != tilecolour::Black)
            board.setColour(k, tilecolour::White);
    if (!on)
        return;
    int number = 0;
    for (int j = 0; j < board.solutionCount(); ++j)
        if (!board.isFound(j))
            colourComponents(board, board.solutions()[size_t(j)].kousei, ++number);
}

void blacken(Board& board, const BoardAnswer& answer)
{
    for (const QString& c : Dictionary::components(answer.kousei))
        if (const int k = board.firstTile(c, [](const QColor& col) { return col != tilecolour::Black; }); k >= 0)
            board.setColour(k, tilecolour::Black);
}

void recolourHint(Board& board, bool on)
{
    if (on)
        applyHint(board, true);
}

}  // namespace landfill
