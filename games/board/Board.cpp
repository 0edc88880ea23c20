#include "games/board/Board.h"

#include "dictionary/Dictionary.h"
#include "platform/Colors.h"

#include <algorithm>

namespace tilecolour {
const QColor White = colors::qbColor(15);
const QColor Yellow = colors::qbColor(14);
const QColor Green = colors::qbColor(10);
const QColor Black = colors::qbColor(0);

QColor hint(int number) { return colors::pastel(std::clamp(number, 1, 16)); }
}  // namespace tilecolour

Board::Board(QStringList captions, std::vector<BoardSolution> solutions)
    : captions_(std::move(captions)), colours_(size_t(captions_.size()), tilecolour::White),
      solutions_(std::move(solutions)), answered_(solutions_.size(), false), found_(solutions_.size(), false)
{
}

void Board::paint(const QColor& colour) { std::fill(colours_.begin(), colours_.end(), colour); }

Board::Judgement Board::judge(const QString& typed, const Dictionary* anyOrder) const
{
    for (const BoardAnswer& a : answers_)
        if (a.kanji == typed)
            return {Verdict::AlreadyAnswered};
    for (int s = 0; s < solutionCount(); ++s) {
        if (solutions_[size_t(s)].kanji != typed)
            continue;
        if (answered_[size_t(s)])
            return {Verdict::AlreadyAnswered};
        return {Verdict::Right, s};
    }
    if (anyOrder) {
        for (int i = 1; i <= anyOrder->kanjiCount(); ++i) {
            if (anyOrder->kansei(i) != typed || anyOrder->isPrimitive(i))
                continue;
            const QString key = Dictionary::componentKey(anyOrder->kousei(i));
            for (int s = 0; s < solutionCount(); ++s)
                if (!answered_[size_t(s)] && Dictionary::componentKey(solutions_[size_t(s)].kousei) == key)
                    return {Verdict::Right, s};
        }
    }
    return {Verdict::Wrong};
}

const BoardAnswer& Board::answer(const QString& typed, int solution)
{
    answered_[size_t(solution)] = true;
    found_[size_t(solution)] = true;
    answers_.push_back({typed, solutions_[size_t(solution)].kousei, solution});
    return answers_.back();
}

int Board::reveal()
{
    int added = 0;
    for (int s = 0; s < solutionCount(); ++s) {
        if (answered_[size_t(s)])
            continue;
        answered_[size_t(s)] = true;
        answers_.push_back({solutions_[size_t(s)].kanji, solutions_[size_t(s)].kousei, s});
        ++added;
    }
    return added;
}
