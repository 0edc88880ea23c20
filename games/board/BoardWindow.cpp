#include "games/board/BoardWindow.h"

#include "dictionary/Dictionary.h"
#include "games/board/BoardIndex.h"
#include "games/frame/AnswerBox.h"
#include "games/frame/ClickFilter.h"
#include "platform/Colors.h"
#include "platform/Grid.h"
#include "platform/MessageBox.h"

#include <QGroupBox>
#include <QLabel>
#include <QPointer>

#include <algorithm>

namespace {
using colors::twipsToPixels;

// The game area in twips: the board on the left, six tiles a row, four
// rows; the progress, the answer heading and the answer grid on the right.
constexpr int TileWidth = 960;
constexpr int TileHeight = 780;
constexpr int TilePitchX = 1020;
constexpr int TilePitchY = 840;
constexpr int TilesPerRow = 6;
constexpr int BoardLeft = 0;
constexpr int BoardInsetX = 90;
constexpr int BoardInsetTop = 300;
constexpr int BoardWidth = 2 * BoardInsetX + TilesPerRow * TilePitchX - (TilePitchX - TileWidth);
constexpr int AnswerLeft = BoardWidth + 150;
constexpr int AnswerWidth = 2400;
constexpr int LineHeight = 330;

// The answer grid's columns: 字 and 構成部品.
const QString KanjiHeading = QStringLiteral("字");
const QString PartsHeading = QStringLiteral("構成部品");
constexpr int KanjiColumnWidth = 400;
constexpr int PartsColumnWidth = 1570;

// The captions beside the counters; a click on one shows every answer.
constexpr const char* CounterCaptions[] = {"lblOkTitle", "lblNgTitle", "lblMojiTitle", "lblRituTitle", "lblByouTitle"};

QRect twipsRect(int x, int y, int w, int h)
{
    return QRect(twipsToPixels(x), twipsToPixels(y), twipsToPixels(w), twipsToPixels(h));
}
}  // namespace

QStringList BoardWindow::tileCounts() { return {QStringLiteral("12"), QStringLiteral("18"), QStringLiteral("24")}; }

GameDefinition BoardWindow::definitionOf(int item, const QString& windowName, const QString& title)
{
    return GameDefinition{item,         windowName,
                          title,        QStringLiteral("コマ数"),
                          tileCounts(), QStringLiteral("コマ数"),
                          true,         GameWindow::countRange(1, Board::MaxTiles)};
}

QString BoardWindow::helpOf(const QString& title, const QString& boardLine, const QString& hintLine)
{
    return joinHelpLines({
        QStringLiteral("このゲームは『%1』です。").arg(title),
        QString(),
        QStringLiteral("指定したコマ数の漢字（部品）が出題されます。"),
        QStringLiteral("この中から組み合わせて一つにできる漢字を探し出して入力します。"),
        QString(),
        boardLine,
        QString(),
        hintLine,
        QString(),
        QStringLiteral("ギブアップ時はＥＳＣキーを押すか解答見出し欄をクリックしてください。"),
    });
}

BoardWindow::BoardWindow(const GameDefinition& definition, GameContext context, QWidget* parent)
    : GameWindow(definition, std::move(context), parent)
{
    QWidget* area = gameArea();
    const int areaHeight = area->height();

    fraGattai = new QGroupBox(BoardCaption, area);
    fraGattai->setObjectName(QStringLiteral("fraGattai"));
    fraGattai->setGeometry(QRect(twipsToPixels(BoardLeft), 0, twipsToPixels(BoardWidth), areaHeight));
    QFont tileFont = font();
    tileFont.setPointSize(20);
    for (int i = 0; i < Board::MaxTiles; ++i) {
        auto* l = new QLabel(fraGattai);
        l->setObjectName(QStringLiteral("lblKanjiP_%1").arg(i + 1));
        l->setGeometry(twipsRect(BoardInsetX + (i % TilesPerRow) * TilePitchX,
                                 BoardInsetTop + (i / TilesPerRow) * TilePitchY, TileWidth, TileHeight));
        l->setFont(tileFont);
        l->setAlignment(Qt::AlignCenter);
        l->setFrameShape(QFrame::Box);
        l->setAutoFillBackground(true);
        l->setTextFormat(Qt::PlainText);
        setLabelColor(l, QPalette::Window, tilecolour::White);
        setLabelColor(l, QPalette::WindowText, Qt::black);
        lblKanjiP[size_t(i)] = l;
        onLeftClick(l, [this, i] { lblKanjiP_Click(i + 1); });
    }

    lblKensu = new QLabel(area);
    lblKensu->setObjectName(QStringLiteral("lblKensu"));
    lblKensu->setGeometry(twipsRect(AnswerLeft, 60, AnswerWidth, LineHeight));
    lblKensu->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblKensu->setTextFormat(Qt::PlainText);

    lblGiveup = new QLabel(QStringLiteral("解答"), area);
    lblGiveup->setObjectName(QStringLiteral("lblGiveup"));
    lblGiveup->setGeometry(twipsRect(AnswerLeft, 60 + LineHeight, AnswerWidth, LineHeight));
    lblGiveup->setAlignment(Qt::AlignCenter);
    lblGiveup->setFrameShape(QFrame::Panel);
    lblGiveup->setFrameShadow(QFrame::Raised);
    lblGiveup->setCursor(Qt::PointingHandCursor);
    onLeftClick(lblGiveup, [this] { lblGiveup_Click(); });

    msgKaitou = new Grid(QStringLiteral("msgKaitou"), area);
    const int gridTop = twipsToPixels(60 + 2 * LineHeight);
    msgKaitou->setGeometry(twipsToPixels(AnswerLeft), gridTop, twipsToPixels(AnswerWidth), areaHeight - gridTop);
    msgKaitou->setFontPointSize(12);
    resetAnswerGrid();

    for (const char* name : CounterCaptions) {
        if (auto* caption = findChild<QLabel*>(QString::fromLatin1(name))) {
            caption->setCursor(Qt::PointingHandCursor);
            caption->setToolTip(ShowAllTip);
            onLeftClick(caption, [this] { Label2_Click(); });
        }
    }
}

BoardWindow::~BoardWindow() = default;

void BoardWindow::openWindow()
{
    Form_Load();
    applyHint(board_, hintOn());
    showColours();
    if (!sampleRefusal_.isEmpty())
        msgbox::warning(this, definition().windowTitle, sampleRefusal_);
}

int BoardWindow::chosenTiles() const { return std::clamp(play().settings.answerTarget, 1, int(Board::MaxTiles)); }

bool BoardWindow::hintOn() const { return play().settings.hintOn != 0; }

// The board on screen.

void BoardWindow::showTiles(int count)
{
    for (int i = 0; i < Board::MaxTiles; ++i)
        lblKanjiP[size_t(i)]->setVisible(i < count);
}

void BoardWindow::showCaptions()
{
    for (int i = 0; i < Board::MaxTiles; ++i)
        lblKanjiP[size_t(i)]->setText(i < board_.tileCount() ? board_.caption(i) : QString());
    showColours();
}

void BoardWindow::showColours()
{
    for (int i = 0; i < Board::MaxTiles; ++i)
        setLabelColor(lblKanjiP[size_t(i)], QPalette::Window,
                      i < board_.tileCount() ? board_.colour(i) : tilecolour::White);
}

void BoardWindow::showProgress(int found)
{
    const int s = board_.solutionCount();
    lblKensu->setText(QStringLiteral("%1 / %2件").arg(found).arg(s));
    fraGattai->setTitle(QStringLiteral(" 漢字  %1文字 検出 ").arg(s));
}

void BoardWindow::resetAnswerGrid()
{
    msgKaitou->setColumns({{KanjiHeading, KanjiColumnWidth, Qt::AlignCenter},
                           {PartsHeading, PartsColumnWidth, Qt::AlignLeft | Qt::AlignVCenter}});
}

void BoardWindow::addGridRow(const BoardAnswer& answer)
{
    msgKaitou->addRow({answer.kanji, answer.kousei});
    msgKaitou->scrollToBottom();
}

void BoardWindow::revealSolutions()
{
    const int added = board_.reveal();
    const auto& rows = board_.answers();
    for (size_t i = rows.size() - size_t(added); i < rows.size(); ++i)
        addGridRow(rows[i]);
}

// Frame hooks.

void BoardWindow::clearQuestion()
{
    board_ = Board();
    showTiles(chosenTiles());
    showCaptions();
    txtKaitou->clear();
}

void BoardWindow::clearAnswerLabel()
{
    resetAnswerGrid();
    lblKensu->clear();
    fraGattai->setTitle(BoardCaption);
}

void BoardWindow::drawSample()
{
    resetAnswerGrid();
    sampleRefusal_.clear();
    std::optional<Board> b = drawBoard(*index_, chosenTiles(), &sampleRefusal_);
    board_ = b ? std::move(*b) : Board();
    showTiles(chosenTiles());
    showCaptions();
    if (board_.empty()) {
        lblKensu->clear();
        fraGattai->setTitle(BoardCaption);
        return;
    }
    showProgress(0);
    revealSolutions();
}

void BoardWindow::showIdleSample()
{
    // The tables were loaded just before, or the level changed.
    index_ = std::make_unique<BoardIndex>(levelTable());
    drawSample();
}

bool BoardWindow::canPlay(QString* reason) const
{
    pending_ = drawBoard(*index_, chosenTiles(), reason);
    if (!pending_ && !level().all() && dictionary().kanjiCount() > 0)
        *reason = level().refusal();
    return pending_.has_value();
}

void BoardWindow::nextQuestion()
{
    std::optional<Board> b = std::exchange(pending_, std::nullopt);
    QString why;
    if (!b)
        b = drawBoard(*index_, chosenTiles(), &why);
    resetAnswerGrid();
    board_ = b ? std::move(*b) : Board();
    playTiles_ = board_.tileCount();
    showTiles(playTiles_);
    applyHint(board_, hintOn());
    showCaptions();
    showProgress(0);
    if (board_.empty()) {
        // Start made sure a board could be drawn; should that ever fail,
        // the play ends at once and stores nothing.
        msgbox::warning(this, definition().windowTitle, why);
        finishPlay(PlayFrame::End::Completed);
    }
}

void BoardWindow::checkAnswer(const QString& answer)
{
    const Board::Judgement j = board_.judge(answer, anyOrderTable());
    if (j.verdict == Board::Verdict::AlreadyAnswered) {
        QPointer<BoardWindow> self(this);
        msgbox::warning(this, AnsweredTitle, AnsweredText);
        if (self)
            txtKaitou->clear();
        return;
    }
    const bool right = j.verdict == Board::Verdict::Right;
    if (right) {
        const BoardAnswer& row = board_.answer(answer, j.solution);
        addGridRow(row);
        markAnswer(board_, row, hintOn());
        showColours();
    }
    countAnswer(rightOrWrong(right), answer, answer);
    showProgress(play().okCount());
    showAnswerCount();
    if (play().okCount() == board_.solutionCount()) {
        finishPlay(PlayFrame::End::Completed);  // the last answer stays in the box
        return;
    }
    txtKaitou->clear();
}

void BoardWindow::countMissedAsWrong(Verdict verdict)
{
    const QString typed = boxText();
    for (int s = 0; s < board_.solutionCount(); ++s) {
        if (board_.isAnswered(s))
            continue;
        play().countAnswer(false);
        judged(verdict, board_.solutions()[size_t(s)].kanji, typed);
    }
    showAnswerCount();
    revealSolutions();
}

void BoardWindow::giveUp()
{
    countMissedAsWrong(Verdict::GivenUp);
    finishPlay(PlayFrame::End::Completed);
}

void BoardWindow::revealAtTimeOut() { countMissedAsWrong(Verdict::TimedOut); }

QString BoardWindow::noteSuffix() const
{
    QString suffix = QStringLiteral("   コマ数 : %1").arg(playTiles_);
    if (hintOn())
        suffix += QStringLiteral("   ヒント有り");
    return suffix;
}

void BoardWindow::hintChanged()
{
    applyHint(board_, hintOn());
    showColours();
}

void BoardWindow::countChanged()
{
    // A running play keeps its board; the new count is for the next one.
    if (play().running())
        return;
    drawSample();
}
