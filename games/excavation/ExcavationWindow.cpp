#include "games/excavation/ExcavationWindow.h"

#include "games/excavation/ExcavationBoard.h"
#include "platform/Random.h"

const GameDefinition& ExcavationWindow::gameDefinition()
{
    static const GameDefinition def = definitionOf(4, QStringLiteral("frmG4"), QStringLiteral("発掘タイピング"));
    return def;
}

QString ExcavationWindow::helpLines()
{
    return helpOf(QStringLiteral("発掘タイピング"),
                  QStringLiteral("組み合わせられない邪魔な漢字も含まれます。また同じ漢字を複数回使うことがあります。"),
                  QStringLiteral("※「ヒント有り」にチェックを入れると使えるコマ（漢字）に色がつきます。"));
}

ExcavationWindow::ExcavationWindow(GameContext context, QWidget* parent)
    : BoardWindow(gameDefinition(), std::move(context), parent)
{
    openWindow();
}

std::optional<Board> ExcavationWindow::drawBoard(const BoardIndex& index, int tiles, QString* why) const
{
    return excavation::draw(index, tiles, Random::instance(), why);
}

void ExcavationWindow::applyHint(Board& board, bool on) const { excavation::applyHint(board, on); }

void ExcavationWindow::markAnswer(Board& board, const BoardAnswer& answer, bool) const
{
    excavation::markFound(board, answer);
}
