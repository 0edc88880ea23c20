#include "analysis/Leitner.h"

#include "platform/Random.h"
#include "records/AnswerLog.h"

namespace {

int moved(int box, Verdict verdict, bool completes)
{
    switch (verdict) {
    case Verdict::Wrong:
    case Verdict::GivenUp:
        return LeitnerBoxes::Lowest;
    case Verdict::Right:
        return completes ? std::min(box + 1, int(LeitnerBoxes::Highest)) : box;
    case Verdict::TimedOut:
        break;
    }
    return box;
}

}  // namespace

LeitnerBoxes LeitnerBoxes::fromLog(const AnswerLog& log, int game)
{
    // By text id first: a long log costs one array step an answer.
    std::vector<std::uint8_t> byId(size_t(log.textCount()), 0);
    for (const AnswerLog::Entry& e : log.entries()) {
        if (e.game != game)
            continue;
        std::uint8_t& b = byId[e.question];
        b = std::uint8_t(moved(b == 0 ? NeverAsked : b, e.verdict(), e.completes()));
    }
    LeitnerBoxes boxes;
    for (size_t id = 1; id < byId.size(); ++id)
        if (byId[id] != 0 && byId[id] != NeverAsked)
            boxes.boxes_.insert(log.text(quint32(id)), byId[id]);
    return boxes;
}

void LeitnerBoxes::answered(const QString& question, Verdict verdict, bool completes)
{
    const int b = moved(box(question), verdict, completes);
    if (b == NeverAsked)
        boxes_.remove(question);
    else
        boxes_.insert(question, std::uint8_t(b));
}

WeightedDraw::WeightedDraw(QStringList questions, LeitnerBoxes boxes)
    : questions_(std::move(questions)), boxes_(std::move(boxes))
{
    weights_.resize(size_t(questions_.size()));
    for (int i = 0; i < questions_.size(); ++i) {
        positions_[questions_[i]].push_back(i);
        weights_[size_t(i)] = std::uint32_t(LeitnerBoxes::weight(boxes_.box(questions_[i])));
        total_ += weights_[size_t(i)];
    }
}

int WeightedDraw::pick(double r) const
{
    if (weights_.empty())
        return -1;
    const auto target = std::uint64_t(r * double(total_));
    std::uint64_t sum = 0;
    for (size_t i = 0; i < weights_.size(); ++i) {
        sum += weights_[i];
        if (sum > target)
            return int(i);
    }
    return int(weights_.size()) - 1;
}

int WeightedDraw::draw(Random& random) const { return pick(random.uniform()); }

void WeightedDraw::answered(const QString& question, Verdict verdict, bool completes)
{
    boxes_.answered(question, verdict, completes);
    reweigh(question);
}

void WeightedDraw::reweigh(const QString& question)
{
    const auto w = std::uint32_t(LeitnerBoxes::weight(boxes_.box(question)));
    for (int i : positions_.value(question)) {
        total_ = total_ - weights_[size_t(i)] + w;
        weights_[size_t(i)] = w;
    }
}
