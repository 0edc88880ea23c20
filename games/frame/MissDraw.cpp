#include "games/frame/MissDraw.h"

#include "platform/Random.h"

void MissDraw::start(const AnswerLog& log, int game)
{
    draw_.reset();
    boxes_ = LeitnerBoxes::fromLog(log, game);
}

void MissDraw::stop()
{
    boxes_.reset();
    draw_.reset();
}

int MissDraw::draw(const std::function<QStringList()>& questions, Random& random)
{
    if (boxes_) {
        draw_.emplace(questions(), std::move(*boxes_));
        boxes_.reset();
    }
    return draw_ ? draw_->draw(random) : -1;
}

void MissDraw::answered(const Answer& a)
{
    const bool completes = a.verdict == Verdict::Right && a.missed.isEmpty();
    if (draw_)
        draw_->answered(a.question, a.verdict, completes);
    else if (boxes_)
        boxes_->answered(a.question, a.verdict, completes);
}

int MissDraw::box(const QString& question) const
{
    if (draw_)
        return draw_->boxes().box(question);
    return boxes_ ? boxes_->box(question) : LeitnerBoxes::NeverAsked;
}
