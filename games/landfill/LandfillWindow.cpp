#include "games/landfill/LandfillWindow.h"

#include "games/landfill/LandfillBoard.h"
#include "platform/Random.h"

const GameDefinition& LandfillWindow::gameDefinition()
{
    static const GameDefinition def = definitionOf(5, QStringLiteral("frmG5"), QStringLiteral("埋立タイピング"));
    return def;
}

QString LandfillWindow::helpLines()
{
    return helpOf(QStringLiteral("埋立タイピング"),
                  QStringLiteral("表示されたコマは全て使い切ることができます。正解ごとに黒く塗りつぶされます。"),
                  QStringLiteral("※「ヒント有り」にチェックを入れると組み合わせ漢字毎に色別表示されます。"));
}

LandfillWindow::LandfillWindow(GameContext context, QWidget* parent)
    : BoardWindow(gameDefinition(), std::move(context), parent)
{
    openWindow();
}

void LandfillWindow::lblKanjiP_Click(int tile)
{
    if (tile < 1 || tile > board().tileCount())
        return;
    editBoard().setColour(tile - 1, tilecolour::White);
    showColours();
}

std::optional<Board> LandfillWindow::drawBoard(const BoardIndex& index, int tiles, QString* why) const
{
    return landfill::draw(index, tiles, Random::instance(), why);
}

void LandfillWindow::applyHint(Board& board, bool on) const { landfill::applyHint(board, on); }

void LandfillWindow::markAnswer(Board& board, const BoardAnswer& answer, bool hintOn) const
{
    landfill::blacken(board, answer);
    landfill::recolourHint(board, hintOn);
}
