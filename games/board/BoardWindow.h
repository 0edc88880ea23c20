#pragma once
// What the windows of the two board games (frmG4 発掘, frmG5 埋立) share:
// the 24 tiles in fraGattai, the progress label lblKensu, the answer grid
// msgKaitou under its heading lblGiveup, the answer check, giving up,
// revealing, and the tile count a play stores. Each game supplies how a
// board is drawn, its hint colours and what a found kanji does to the tiles.
#include "games/board/Board.h"
#include "games/frame/GameWindow.h"

#include <array>
#include <memory>
#include <optional>

class BoardIndex;
class Grid;
class QGroupBox;
class QLabel;

class BoardWindow : public GameWindow {
    Q_OBJECT
public:
    static QStringList tileCounts();  // 12, 18, 24
    static inline const QString AnsweredTitle = QStringLiteral("解答済み");
    static inline const QString AnsweredText = QStringLiteral("すでに解答済みです");
    static inline const QString BoardCaption = QStringLiteral(" 漢字構成部品 ");
    static inline const QString ShowAllTip = QStringLiteral("クリックすると答えをすべて表示します");

    ~BoardWindow() override;

    const Board& board() const { return board_; }

    // The answer heading gives up; a counter caption shows every answer
    // still hidden, and the play goes on.
    void lblGiveup_Click() { giveUpRequested(); }
    void Label2_Click() { revealSolutions(); }
    // A click on tile `tile` (1-based).
    virtual void lblKanjiP_Click(int tile) { (void)tile; }

protected:
    BoardWindow(const GameDefinition& definition, GameContext context, QWidget* parent);
    // What the two board games' definitions and help texts share: `item`,
    // the window's name and title; the help's line on the board and on the hint.
    static GameDefinition definitionOf(int item, const QString& windowName, const QString& title);
    static QString helpOf(const QString& title, const QString& boardLine, const QString& hintLine);
    // The game's constructor calls this last: the frame's opening, then the
    // hint on the sample board, then a word on a table that gives no board.
    void openWindow();

    // The game's rules.
    virtual std::optional<Board> drawBoard(const BoardIndex& index, int tiles, QString* why) const = 0;
    virtual void applyHint(Board& board, bool on) const = 0;
    virtual void markAnswer(Board& board, const BoardAnswer& answer, bool hintOn) const = 0;
    // The table a typed kanji may stand in for an answer of the same
    // components from; none when only the answer's own kanji counts.
    virtual const Dictionary* anyOrderTable() const { return nullptr; }

    Board& editBoard() { return board_; }
    void showColours();

    void clearQuestion() override;
    void nextQuestion() override;
    void showIdleSample() override;
    void checkAnswer(const QString& answer) override;
    void giveUp() override;
    void revealAtTimeOut() override;
    void clearAnswerLabel() override;
    bool canPlay(QString* reason) const override;
    QString sixthValue() const override { return QString::number(playTiles_); }
    QString noteSuffix() const override;
    void hintChanged() override;
    void countChanged() override;

private:
    int chosenTiles() const;
    bool hintOn() const;
    void drawSample();
    void showTiles(int count);
    void showCaptions();
    void showProgress(int found);  // lblKensu and the frame's caption
    void resetAnswerGrid();
    void revealSolutions();
    void addGridRow(const BoardAnswer& answer);
    // Each answer not found counts as wrong and joins the grid.
    void countMissedAsWrong(Verdict verdict);

    std::unique_ptr<BoardIndex> index_;
    Board board_;
    // Drawn when Start is pressed, so that a table that gives no board
    // refuses the play before the countdown; shown at its third step.
    mutable std::optional<Board> pending_;
    int playTiles_ = 0;
    QString sampleRefusal_;

    QGroupBox* fraGattai;
    std::array<QLabel*, Board::MaxTiles> lblKanjiP{};
    QLabel* lblKensu;
    QLabel* lblGiveup;
    Grid* msgKaitou;
};
