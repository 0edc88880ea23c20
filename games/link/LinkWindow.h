#pragma once
// frmG6, the link game (連結): from one kanji, the player types another
// that shares a component with it, and the chain fills up to 48 cells.
#include "games/chain/ChainWindow.h"
#include "games/link/LinkChain.h"

class LinkWindow : public ChainWindow {
    Q_OBJECT
public:
    static const GameDefinition& gameDefinition();
    static QString helpLines();
    static inline const QString NoLinkText =
        QStringLiteral("漢字辞書に部品を共有する漢字の組がないため、ゲームを始められません。");

    explicit LinkWindow(GameContext context, QWidget* parent = nullptr);

    const LinkChain& rules() const { return rules_; }

protected:
    void clearQuestion() override { clearLinkCells(); }
    void nextQuestion() override { startLinkChain(); }
    void checkAnswer(const QString& answer) override;
    QString helpText() const override { return helpLines(); }
    bool canPlay(QString* reason) const override;
    const ChainBoard& chain() const override { return rules_.board(); }
    bool givenUpCounts() const override { return play().answers() > 0; }

private:
    // The entries a chain may start from that the level admits.
    std::vector<int> levelStarts() const;
    void startLinkChain();
    void clearLinkCells();

    LinkChain rules_;
};
