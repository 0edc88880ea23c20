#pragma once
// frmG4, the excavation game (発掘): a board of distinct component tiles;
// the player types every kanji that can be built from them.
#include "games/board/BoardWindow.h"

class ExcavationWindow : public BoardWindow {
    Q_OBJECT
public:
    static const GameDefinition& gameDefinition();
    static QString helpLines();

    explicit ExcavationWindow(GameContext context, QWidget* parent = nullptr);

protected:
    std::optional<Board> drawBoard(const BoardIndex& index, int tiles, QString* why) const override;
    void applyHint(Board& board, bool on) const override;
    void markAnswer(Board& board, const BoardAnswer& answer, bool hintOn) const override;
    QString helpText() const override { return helpLines(); }
};
