#include "games/landfill/LandfillWindow.h"

#include "games/landfill/LandfillBoard.h"
#include "platform/Random.h"

const GameDefinition& LandfillWindow::gameDefinition()
{
    static const GameDefinition def{5,
                                    QStringLiteral("frmG5"),
                                    QStringLiteral("埋立タイピング"),
                                    QStringLiteral("コマ数"),
                                    BoardWindow::tileCounts(),
                                    QStringLiteral("コマ数"),
                                    true,
                                    GameWindow::countRange(1, 24)};
    return def;
}

QString LandfillWindow::helpLines()
{
    const QStringList lines = {
        QStringLiteral("このゲームは『埋立タイピング』です。"),
        QString(),
        QStringLiteral("指定したコマ数の漢字（部品）が出題されます。"),
        QStringLiteral("この中から組み合わせて一つにできる漢字を探し出して入力します。"),
        QString(),
        QStringLiteral("表示されたコマは全て使い切ることができます。正解ごとに黒く塗りつぶされます。"),
        QString(),
        QStringLiteral("※「ヒント有り」にチェックを入れると組み合わせ漢字毎に色別表示されます。"),
        QString(),
        QStringLiteral("ギブアップ時はＥＳＣキーを押すか解答見出し欄をクリックしてください。"),
    };
    return joinHelpLines(lines);
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
