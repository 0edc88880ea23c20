#include "games/chain/ChainWindow.h"

#include "games/frame/AnswerBox.h"
#include "games/frame/ClickFilter.h"
#include "games/frame/GameSettings.h"
#include "platform/Colors.h"
#include "platform/Grid.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int AnswerGridScrollRows = 10;
constexpr int StripCellHeight = 18;
constexpr int StripPointSize = 9;

QLabel* cellLabel(QWidget* parent, int number, int pointSize)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QStringLiteral("lblKanjiP_%1").arg(number));
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(Qt::AlignCenter);
    l->setFrameShape(QFrame::Box);
    l->setAutoFillBackground(true);
    QFont f = l->font();
    f.setPointSize(pointSize);
    l->setFont(f);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    policy.setRetainSizeWhenHidden(true);  // hidden cells keep their place on the board
    l->setSizePolicy(policy);
    l->setMinimumSize(1, 1);
    GameWindow::setLabelColor(l, QPalette::WindowText, Qt::black);
    GameWindow::setLabelColor(l, QPalette::Window, colors::white);
    return l;
}
}  // namespace

QColor ChainWindow::cellColour(int colourNumber)
{
    return colourNumber == ChainBoard::White ? colors::white : colors::pastel(colourNumber);
}

ChainWindow::ChainWindow(const GameDefinition& definition, GameContext context, const ChainLayout& layout,
                         QWidget* parent)
    : GameWindow(definition, std::move(context), parent), boardCells_(layout.boardCells),
      answerColumns_(layout.answerColumns)
{
    QWidget* area = gameArea();
    auto* row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);

    auto* board = new QWidget(area);
    board->setObjectName(QStringLiteral("fraBoard"));
    auto* boardColumn = new QVBoxLayout(board);
    boardColumn->setContentsMargins(0, 0, 0, 0);
    boardColumn->setSpacing(4);
    auto* cells = new QGridLayout;
    cells->setSpacing(3);
    for (int n = 1; n <= layout.boardCells; ++n) {
        QLabel* l = cellLabel(board, n, layout.cellPointSize);
        cells->addWidget(l, (n - 1) / layout.cols, (n - 1) % layout.cols);
        lblKanjiP.push_back(l);
    }
    boardColumn->addLayout(cells, 1);
    if (layout.stripCells > 0) {
        auto* strip = new QHBoxLayout;
        strip->setSpacing(2);
        for (int n = layout.boardCells + 1; n <= layout.boardCells + layout.stripCells; ++n) {
            QLabel* l = cellLabel(board, n, StripPointSize);
            l->setFixedHeight(StripCellHeight);
            strip->addWidget(l);
            lblKanjiP.push_back(l);
        }
        boardColumn->addLayout(strip);
    }
    row->addWidget(board, 1);

    auto* answers = new QVBoxLayout;
    answers->setSpacing(2);
    auto* heading = new QHBoxLayout;
    lblGiveup = new QLabel(GiveUpCaption, area);
    lblGiveup->setObjectName(QStringLiteral("lblGiveup"));
    lblGiveup->setFrameShape(QFrame::Panel);
    lblGiveup->setFrameShadow(QFrame::Raised);
    lblGiveup->setAlignment(Qt::AlignCenter);
    lblGiveup->setCursor(Qt::PointingHandCursor);
    onLeftClick(lblGiveup, [this] { lblGiveup_Click(); });
    lblKensu = new QLabel(area);
    lblKensu->setObjectName(QStringLiteral("lblKensu"));
    lblKensu->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    heading->addWidget(lblGiveup, 1);
    heading->addWidget(lblKensu);
    answers->addLayout(heading);
    msgKaitou = new Grid(QStringLiteral("msgKaitou"), area);
    int width = 0;
    for (const GridColumn& c : answerColumns_)
        width += colors::twipsToPixels(c.widthTwips);
    msgKaitou->setFixedWidth(width + msgKaitou->verticalScrollBar()->sizeHint().width() + 2 * msgKaitou->frameWidth());
    answers->addWidget(msgKaitou, 1);
    row->addLayout(answers);

    // Choosing the mode shows the cells anew; the frame's own handling of
    // the mode buttons runs first.
    for (const char* name : {"optMode_0", "optMode_1"})
        connect(findChild<QRadioButton*>(QString::fromLatin1(name)), &QRadioButton::clicked, this,
                [this] { showCells(); });

    resetAnswerGrid();
    showKensu();
}

void ChainWindow::giveUp()
{
    judged(Verdict::GivenUp, chain().last(), boxText());
    finishByGiveUp(givenUpCounts());
}

void ChainWindow::revealAtTimeOut() { judged(Verdict::TimedOut, chain().last(), boxText()); }

QString ChainWindow::noteSuffix() const { return QStringLiteral("   マス数 : %1").arg(chain().cellIndex()); }

void ChainWindow::resetAnswerGrid() { msgKaitou->setColumns(answerColumns_); }

bool ChainWindow::timeModeShown() const
{
    // A running play keeps the mode it started in; otherwise the mode chosen.
    return play().running() ? play().timeMode() : play().settings.modeCaption == GameSettings::TimeModeCaption;
}

int ChainWindow::cellTarget() const { return std::clamp(play().settings.answerTarget, 1, boardCells_); }

void ChainWindow::showCells()
{
    const ChainBoard& board = chain();
    const int shown = timeModeShown() ? boardCells_ : cellTarget();
    for (int n = 1; n <= int(lblKanjiP.size()); ++n) {
        QLabel* l = lblKanjiP[size_t(n - 1)];
        const QString text = n <= board.cellCount() ? board.text(n) : QString();
        const int colour = n <= board.cellCount() ? board.colour(n) : ChainBoard::White;
        l->setText(text);
        setLabelColor(l, QPalette::Window, cellColour(colour));
        // The strip below the board shows only what runs past its last cell.
        const bool visible = n <= boardCells_ ? n <= shown : shown == boardCells_ && !text.isEmpty();
        l->setVisible(visible);
    }
}

void ChainWindow::addAnswerRow(std::vector<QString> cells)
{
    msgKaitou->addRow(std::move(cells));
    if (msgKaitou->rows() > AnswerGridScrollRows)
        msgKaitou->setTopRow(msgKaitou->rows() - 1);
}

void ChainWindow::showKensu() { lblKensu->setText(QString::number(play().okCount()) + QStringLiteral("件")); }

void ChainWindow::answered(bool goesOn)
{
    showCounts();
    showKensu();
    showAnswerCount();
    txtKaitou->clear();
    if (!goesOn)
        finishPlay(PlayFrame::End::Completed);
}
