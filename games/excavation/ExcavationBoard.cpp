#include "games/excavation/ExcavationBoard.h"

#include "dictionary/Dictionary.h"
#include "games/board/BoardIndex.h"
#include "platform/Random.h"

#include <algorithm>
#include <iterator>

namespace excavation {
namespace {

// Whether every component of answerable entry k is marked on the board.
bool buildable(const BoardIndex& index, int k, const std::vector<char>& onBoard)
{
    for (int id : index.componentsOf(k))
        if (!onBoard[size_t(id)])
            return false;
    return true;
}

std::vector<BoardSolution> solutionsOf(const BoardIndex& index, const std::vector<char>& onBoard)
{
    const Dictionary& d = index.dictionary();
    std::vector<BoardSolution> list;
    for (int k = 0; k < index.entryCount(); ++k) {
        if (!buildable(index, k, onBoard))
            continue;
        const int e = index.entry(k);
        const QString& kanji = d.kansei(e);
        if (std::none_of(list.begin(), list.end(), [&](const BoardSolution& s) { return s.kanji == kanji; }))
            list.push_back({kanji, d.kousei(e)});
    }
    return list;
}

// Tiles drawn one by one from what is left of `candidates`, at a uniform
// position each time, after the tiles already placed.
void drawTiles(std::vector<int>& candidates, std::vector<int>& tiles, int count, Random& random)
{
    while (int(tiles.size()) < count && !candidates.empty()) {
        const auto i = size_t(random.position(int(candidates.size())));
        tiles.push_back(candidates[i]);
        candidates.erase(candidates.begin() + qsizetype(i));
    }
}

std::vector<int> distinctComponents(const BoardIndex& index, int k)
{
    std::vector<int> ids;
    for (int id : index.componentsOf(k))
        if (std::find(ids.begin(), ids.end(), id) == ids.end())
            ids.push_back(id);
    return ids;
}

}  // namespace

QString refusal(const BoardIndex& index, int tiles)
{
    if (index.dictionary().kanjiCount() == 0)
        return QStringLiteral("漢字辞書に漢字がひとつも登録されていないため、ゲームを始められません。");
    if (index.componentCount() < tiles)
        return QStringLiteral("漢字辞書の構成部品が%1種類しかないため、%2コマの盤面を作れません。")
            .arg(index.componentCount())
            .arg(tiles);
    if (!index.fitsOnBoard(tiles))
        return QStringLiteral("漢字辞書に%1コマの盤面から組み立てられる漢字がないため、ゲームを始められません。")
            .arg(tiles);
    return {};
}

std::optional<Board> draw(const BoardIndex& index, int tiles, Random& random, QString* why, int* attempts)
{
    if (attempts)
        *attempts = 0;
    if (QString r = refusal(index, tiles); !r.isEmpty()) {
        if (why)
            *why = r;
        return std::nullopt;
    }
    const Dictionary& d = index.dictionary();
    std::vector<int> all(size_t(index.componentCount()));
    for (int id = 0; id < index.componentCount(); ++id)
        all[size_t(id)] = id;
    std::vector<char> onBoard(all.size(), 0);
    std::vector<int> placed;
    const auto finish = [&](int attempt) -> std::optional<Board> {
        for (int id : placed)
            onBoard[size_t(id)] = 1;
        std::vector<BoardSolution> found = solutionsOf(index, onBoard);
        for (int id : placed)
            onBoard[size_t(id)] = 0;
        if (found.empty())
            return std::nullopt;
        if (attempts)
            *attempts = attempt;
        QStringList captions;
        for (int id : placed)
            captions << index.component(id);
        return Board(std::move(captions), std::move(found));
    };
    const auto shuffle = [&] {
        for (int j = 0; j + 1 < int(placed.size()); ++j)
            std::swap(placed[size_t(j)], placed[size_t(j + random.position(int(placed.size()) - j))]);
    };
    const auto lay = [&](std::vector<int>& candidates, int k) {
        for (int id : distinctComponents(index, k))
            if (std::find(placed.begin(), placed.end(), id) == placed.end()) {
                placed.push_back(id);
                candidates.erase(std::find(candidates.begin(), candidates.end(), id));
            }
    };
    const auto newTiles = [&](int k) {
        int n = 0;
        for (int id : distinctComponents(index, k))
            n += std::find(placed.begin(), placed.end(), id) == placed.end() ? 1 : 0;
        return n;
    };

    // The answers laid first take at most half the board, so that most of
    // it stays a random draw.
    const int room = std::max(2, tiles / 2);
    std::vector<int> several;  // entries of two or more distinct components that fit
    std::vector<int> opening;  // those that leave room for a second one
    for (int k = 0; k < index.entryCount(); ++k) {
        const int n = int(distinctComponents(index, k).size());
        if (n >= 2 && n <= room)
            several.push_back(k);
        if (n >= 2 && n <= room - 2)
            opening.push_back(k);
    }
    if (!several.empty()) {
        std::vector<int> candidates = all;
        const std::vector<int>& from = opening.empty() ? several : opening;
        const int first = from[size_t(random.position(int(from.size())))];
        lay(candidates, first);
        const QString& kanji = d.kansei(index.entry(first));
        const auto fits = [&](int k) {
            return d.kansei(index.entry(k)) != kanji && newTiles(k) <= room - int(placed.size());
        };
        int second = -1;
        for (int t = 0; t < SecondAnswerTries && second < 0; ++t)
            if (const int k = several[size_t(random.position(int(several.size())))]; fits(k))
                second = k;
        if (second < 0) {
            std::vector<int> fitting;
            std::copy_if(several.begin(), several.end(), std::back_inserter(fitting), fits);
            if (!fitting.empty())
                second = fitting[size_t(random.position(int(fitting.size())))];
        }
        if (second >= 0)
            lay(candidates, second);
        drawTiles(candidates, placed, tiles, random);
        shuffle();
        if (std::optional<Board> b = finish(1))
            return b;
    }

    // No answer of two distinct components fits: random boards, then one
    // built around an entry that fits (refusal() made sure one does).
    std::vector<int> fitting;
    for (int attempt = 1;; ++attempt) {
        std::vector<int> candidates = all;
        placed.clear();
        if (attempt > RandomAttempts) {
            if (fitting.empty())
                for (int k = 0; k < index.entryCount(); ++k)
                    if (int(distinctComponents(index, k).size()) <= tiles)
                        fitting.push_back(k);
            lay(candidates, fitting[size_t(random.position(int(fitting.size())))]);
            drawTiles(candidates, placed, tiles, random);
            shuffle();
        } else {
            drawTiles(candidates, placed, tiles, random);
        }
        if (std::optional<Board> b = finish(attempt))
            return b;
    }
}

std::vector<BoardSolution> solutions(const BoardIndex& index, const QStringList& tiles)
{
    std::vector<char> onBoard(size_t(index.componentCount()), 0);
    for (const QString& t : tiles)
        if (const int id = index.componentId(t); id >= 0)
            onBoard[size_t(id)] = 1;
    return solutionsOf(index, onBoard);
}

void applyHint(Board& board, bool on)
{
    board.paint(tilecolour::White);
    if (!on)
        return;
    const auto white = [](const QColor& c) { return c == tilecolour::White; };
    for (const BoardSolution& s : board.solutions()) {
        // The line's "_" shows on no tile.
        QStringList chars = Dictionary::components(s.kousei);
        chars.prepend(s.kanji);
        for (const QString& c : chars)
            if (const int k = board.firstTile(c, white); k >= 0)
                board.setColour(k, tilecolour::Yellow);
    }
}

void markFound(Board& board, const BoardAnswer& answer)
{
    for (const QString& c : Dictionary::components(answer.kousei))
        if (const int k = board.firstTile(c, [](const QColor&) { return true; }); k >= 0)
            board.setColour(k, tilecolour::Green);
}

}  // namespace excavation
