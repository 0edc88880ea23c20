#pragma once
// frmG7, the shiritori game (しりとり): from one kanji, the player types
// words that each begin with the last character on the board; each word is
// written onto the board, one character a cell.
#include "games/chain/ChainWindow.h"
#include "games/shiritori/ShiritoriChain.h"

class ShiritoriWindow : public ChainWindow {
    Q_OBJECT
public:
    static const GameDefinition& gameDefinition();
    static QString helpLines();

    explicit ShiritoriWindow(GameContext context, QWidget* parent = nullptr);

    const ShiritoriChain& rules() const { return rules_; }

protected:
    void clearQuestion() override { clearShiritoriCells(); }
    void nextQuestion() override { startShiritoriChain(); }
    void checkAnswer(const QString& answer) override;
    QString helpText() const override { return helpLines(); }
    bool canPlay(QString* reason) const override;
    // The per-second figure counts characters, not answers.
    int rateNumerator() const override { return rules_.typedChars(); }
    const ChainBoard& chain() const override { return rules_.board(); }
    bool givenUpCounts() const override { return rules_.typedChars() > 0; }
    void revealAtTimeOut() override;

private:
    void startShiritoriChain();
    void clearShiritoriCells();

    ShiritoriChain rules_;
};
