#include "games/shiritori/ShiritoriWindow.h"

#include "dictionary/Dictionary.h"
#include "games/frame/AnswerBox.h"
#include "platform/Random.h"

const GameDefinition& ShiritoriWindow::gameDefinition()
{
    static const GameDefinition def{7,
                                    QStringLiteral("frmG7"),
                                    QStringLiteral("しりとりタイピング"),
                                    QStringLiteral("マス数"),
                                    {QStringLiteral("9"), QStringLiteral("18"), QStringLiteral("27"),
                                     QStringLiteral("36"), QStringLiteral("45"), QStringLiteral("54"),
                                     QStringLiteral("63")},
                                    QStringLiteral("マス数"),
                                    false,
                                    GameWindow::countRange(1, 68)};
    return def;
}

QString ShiritoriWindow::helpLines()
{
    const QStringList lines = {
        QStringLiteral("このゲームは『しりとりタイピング』です。"),
        QString(),
        QStringLiteral("漢字１文字が出題されます。"),
        QStringLiteral("語尾に使われた漢字を先頭に別の漢字単語を入力します。"),
        QString(),
        QStringLiteral("漢字を使ったしりとりのイメージです。"),
        QString(),
        QStringLiteral("例）始→始業式→式部→部品→品質…"),
        QString(),
        QStringLiteral("ギブアップ時はＥＳＣキーを押すか解答見出し欄をクリックしてください。"),
    };
    return joinHelpLines(lines);
}

namespace {
ChainLayout shiritoriLayout()
{
    return ChainLayout{ShiritoriChain::BoardCells,
                       9,
                       ShiritoriChain::CellCount - ShiritoriChain::BoardCells,
                       16,
                       {{QStringLiteral("入力履歴"), 1970, Qt::AlignLeft}}};
}
}  // namespace

ShiritoriWindow::ShiritoriWindow(GameContext context, QWidget* parent)
    : ChainWindow(gameDefinition(), std::move(context), shiritoriLayout(), parent)
{
    Form_Load();
    showCells();
    warnAboutKanjiTable();
}

void ShiritoriWindow::clearShiritoriCells()
{
    // The strip below the board is cleared too: a new play never shows the
    // tail of an old word.
    rules_.clear();
    resetAnswerGrid();
    showCells();
    txtKaitou->clear();
}

void ShiritoriWindow::startShiritoriChain()
{
    rules_.start(levelTable(), Random::instance());
    resetAnswerGrid();
    showCells();
    showKensu();
}

bool ShiritoriWindow::canPlay(QString* reason) const
{
    if (!kanjiTableUsable(reason))
        return false;
    if (levelTable().kanjiCount() > 0)
        return true;
    *reason = level().refusal();
    return false;
}

void ShiritoriWindow::checkAnswer(const QString& answer)
{
    // In count mode only the chosen cells are on the board.
    const int lastCell = timeModeShown() ? ShiritoriChain::CellCount : cellTarget();
    const bool right = rules_.answer(answer, lastCell) == ShiritoriChain::Verdict::Accepted;
    countAnswer(rightOrWrong(right), answer, answer);
    if (right) {
        addAnswerRow({answer});
        showCells();
    }
    answered(rules_.goesOn(play().timeMode(), cellTarget()));
}

void ShiritoriWindow::revealAtTimeOut()
{
    ChainWindow::revealAtTimeOut();
    // A play without a character written ends at the time-out like a
    // give-up: no figures and nothing stored, whatever wrong words it had.
    if (!givenUpCounts())
        finishByGiveUp(false);
}
