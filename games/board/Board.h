#pragma once
// What the two board games share, without a window: the tiles ("コマ")
// with their captions and colours, the hidden list of answers, and the rows
// of the answer grid, found or revealed, in the order they came.
#include <QColor>
#include <QString>
#include <QStringList>

#include <vector>

class Dictionary;

namespace tilecolour {
// The classic palette's white, yellow, green and black.
extern const QColor White;   // a plain tile
extern const QColor Yellow;  // excavation hint: the tile is used by an answer
extern const QColor Green;   // excavation: used by a kanji the player found
extern const QColor Black;   // landfill: used by a kanji the player found
// Landfill hint colour of the hidden kanji numbered `number` (1-based):
// the pastel table, whose last colour serves every number past its end.
QColor hint(int number);
}  // namespace tilecolour

struct BoardSolution {
    QString kanji;
    QString kousei;  // as stored in the table
};

// One row of the answer grid: 字 and 構成部品.
struct BoardAnswer {
    QString kanji;
    QString kousei;
    int solution = -1;  // the answer it stands for
};

class Board {
public:
    static constexpr int MaxTiles = 24;

    Board() = default;
    Board(QStringList captions, std::vector<BoardSolution> solutions);

    bool empty() const { return captions_.isEmpty(); }
    int tileCount() const { return int(captions_.size()); }
    const QStringList& captions() const { return captions_; }
    const QString& caption(int tile) const { return captions_[tile]; }  // 0-based
    const QColor& colour(int tile) const { return colours_[size_t(tile)]; }
    void setColour(int tile, const QColor& colour) { colours_[size_t(tile)] = colour; }
    void paint(const QColor& colour);  // every tile
    // The first tile, in tile order, that shows `caption` and whose colour
    // passes `accept`; -1 when none does.
    template <typename Accept> int firstTile(const QString& caption, Accept accept) const
    {
        for (int k = 0; k < tileCount(); ++k)
            if (captions_[k] == caption && accept(colours_[size_t(k)]))
                return k;
        return -1;
    }

    const std::vector<BoardSolution>& solutions() const { return solutions_; }
    int solutionCount() const { return int(solutions_.size()); }
    const std::vector<BoardAnswer>& answers() const { return answers_; }
    bool isAnswered(int solution) const { return answered_[size_t(solution)]; }
    // Answered by the player, not revealed.
    bool isFound(int solution) const { return found_[size_t(solution)]; }
    // Answers not yet in the grid.
    int unanswered() const { return solutionCount() - int(answers_.size()); }

    enum class Verdict { Right, Wrong, AlreadyAnswered };
    struct Judgement {
        Verdict verdict = Verdict::Wrong;
        int solution = -1;
    };
    // A typed answer: a kanji already in the grid, or the kanji of an answer
    // already found, is "already answered"; otherwise the first answer not
    // yet found whose kanji is exactly the text is right. With `anyOrder`,
    // a kanji of that table built of exactly an unfound answer's components
    // (in any order, primitive entries aside) counts as that answer too.
    Judgement judge(const QString& typed, const Dictionary* anyOrder = nullptr) const;
    // A right answer joins the grid as typed, with the answer's components.
    const BoardAnswer& answer(const QString& typed, int solution);
    // Every answer not yet in the grid joins it; returns how many did.
    int reveal();

private:
    QStringList captions_;
    std::vector<QColor> colours_;
    std::vector<BoardSolution> solutions_;
    std::vector<bool> answered_;
    std::vector<bool> found_;
    std::vector<BoardAnswer> answers_;
};
