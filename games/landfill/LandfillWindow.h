#pragma once
// frmG5, the landfill game (埋立): a board filled exactly by the components
// of a few hidden kanji; each one found blackens its tiles.
#include "games/board/BoardWindow.h"

class LandfillWindow : public BoardWindow {
    Q_OBJECT
public:
    static const GameDefinition& gameDefinition();
    static QString helpLines();

    explicit LandfillWindow(GameContext context, QWidget* parent = nullptr);

    // The tile turns white, whatever its colour; nothing else changes.
    void lblKanjiP_Click(int tile) override;

protected:
    std::optional<Board> drawBoard(const BoardIndex& index, int tiles, QString* why) const override;
    void applyHint(Board& board, bool on) const override;
    void markAnswer(Board& board, const BoardAnswer& answer, bool hintOn) const override;
    const Dictionary* anyOrderTable() const override { return &dictionary(); }
    QString helpText() const override { return helpLines(); }
};
