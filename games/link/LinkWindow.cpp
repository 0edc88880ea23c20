#include "games/link/LinkWindow.h"

#include "dictionary/Dictionary.h"
#include "games/frame/AnswerBox.h"
#include "platform/Random.h"

const GameDefinition& LinkWindow::gameDefinition()
{
    static const GameDefinition def{6,
                                    QStringLiteral("frmG6"),
                                    QStringLiteral("連結タイピング"),
                                    QStringLiteral("マス数"),
                                    {QStringLiteral("8"), QStringLiteral("16"), QStringLiteral("24"),
                                     QStringLiteral("32"), QStringLiteral("40"), QStringLiteral("48")},
                                    QStringLiteral("マス数"),
                                    false,
                                    GameWindow::countRange(1, LinkChain::CellCount)};
    return def;
}

QString LinkWindow::helpLines()
{
    const QStringList lines = {
        QStringLiteral("このゲームは『連結タイピング』です。"),
        QString(),
        QStringLiteral("漢字１文字が出題されます。"),
        QStringLiteral("その漢字に含まれている部品（漢字）を使う別の漢字を入力します。"),
        QString(),
        QStringLiteral("同じようにまた別の漢字を入力しながら次々と連結させていきます。"),
        QString(),
        QStringLiteral("例）理→珠→皇→明…"),
        QString(),
        QStringLiteral("ギブアップ時はＥＳＣキーを押すか解答見出し欄をクリックしてください。"),
    };
    return joinHelpLines(lines);
}

namespace {
ChainLayout linkLayout()
{
    const Qt::Alignment centre = Qt::AlignCenter;
    return ChainLayout{LinkChain::CellCount,
                       8,
                       0,
                       20,
                       {{QStringLiteral("入力"), 970, centre}, {QStringLiteral("部品"), 1000, centre}}};
}
}  // namespace

LinkWindow::LinkWindow(GameContext context, QWidget* parent)
    : ChainWindow(gameDefinition(), std::move(context), linkLayout(), parent), rules_(dictionary())
{
    Form_Load();
    showCells();
    warnAboutKanjiTable();
}

void LinkWindow::clearLinkCells()
{
    rules_.clear();
    resetAnswerGrid();
    showCells();
    txtKaitou->clear();
}

std::vector<int> LinkWindow::levelStarts() const
{
    std::vector<int> starts;
    for (int entry : rules_.startEntries())
        if (level().admits(dictionary().kansei(entry)))
            starts.push_back(entry);
    return starts;
}

void LinkWindow::startLinkChain()
{
    // The start is drawn within the level; what links to it is any kanji of the table.
    const std::vector<int> starts = levelStarts();
    if (starts.empty())
        rules_.clear();
    else
        rules_.start(dictionary().kansei(starts[size_t(Random::instance().position(int(starts.size())))]));
    resetAnswerGrid();
    showCells();
    showKensu();
}

bool LinkWindow::canPlay(QString* reason) const
{
    if (!kanjiTableUsable(reason))
        return false;
    if (rules_.startEntries().empty()) {
        *reason = NoLinkText;
        return false;
    }
    if (!levelStarts().empty())
        return true;
    *reason = level().refusal();
    return false;
}

void LinkWindow::checkAnswer(const QString& answer)
{
    const LinkChain::Link link = rules_.answer(answer);
    countAnswer(rightOrWrong(link.right()), answer, answer);
    if (link.right()) {
        addAnswerRow({answer, link.component});
        showCells();
    }
    answered(rules_.goesOn(play().timeMode(), cellTarget()));
}
