#include "games/excavation/ExcavationWindow.h"

#include "games/excavation/ExcavationBoard.h"
#include "platform/Random.h"

const GameDefinition& ExcavationWindow::gameDefinition()
{
    static const GameDefinition def{4,
                                    QStringLiteral("frmG4"),
                                    QStringLiteral("発掘タイピング"),
                                    QStringLiteral("コマ数"),
                                    BoardWindow::tileCounts(),
                                    QStringLiteral("コマ数"),
                                    true,
                                    GameWindow::countRange(1, 24)};
    return def;
}

QString ExcavationWindow::helpLines()
{
    const QStringList lines = {
        QStringLiteral("このゲームは『発掘タイピング』です。"),
        QString(),
        QStringLiteral("指定したコマ数の漢字（部品）が出題されます。"),
        QStringLiteral("この中から組み合わせて一つにできる漢字を探し出して入力します。"),
        QString(),
        QStringLiteral("組み合わせられない邪魔な漢字も含まれます。また同じ漢字を複数回使うことがあります。"),
        QString(),
        QStringLiteral("※「ヒント有り」にチェックを入れると使えるコマ（漢字）に色がつきます。"),
        QString(),
        QStringLiteral("ギブアップ時はＥＳＣキーを押すか解答見出し欄をクリックしてください。"),
    };
    return joinHelpLines(lines);
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
