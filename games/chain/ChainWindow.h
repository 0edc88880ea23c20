#pragma once
// What the two chain games (連結, しりとり) share on screen: the cells
// lblKanjiP in rows on the board (and, for long words, a strip of small
// cells below it), the answer grid msgKaitou under its give-up heading, the
// count lblKensu, and a play that a give-up ends.
#include "games/chain/ChainBoard.h"
#include "games/frame/GameWindow.h"
#include "platform/GridModel.h"

#include <vector>

class Grid;
class QLabel;

struct ChainLayout {
    int boardCells = 48;  // cols × rows on the board
    int cols = 8;
    int stripCells = 0;  // small cells in one row below the board
    int cellPointSize = 20;
    std::vector<GridColumn> answerColumns;
};

class ChainWindow : public GameWindow {
    Q_OBJECT
public:
    static inline const QString GiveUpCaption = QStringLiteral("解答");

    // A click on the heading over the answer grid gives up, as the help text says.
    void lblGiveup_Click() { giveUpRequested(); }

    // The back colour a cell shows for a colour number of the chain.
    static QColor cellColour(int colourNumber);

protected:
    ChainWindow(const GameDefinition& definition, GameContext context, const ChainLayout& layout,
                QWidget* parent = nullptr);

    virtual const ChainBoard& chain() const = 0;
    // Whether a give-up has anything to count and store.
    virtual bool givenUpCounts() const = 0;

    void showIdleSample() override {}
    void giveUp() override;
    // The chain's end left open on screen.
    void revealAtTimeOut() override;
    QString sixthValue() const override { return QString::number(chain().cellIndex()); }
    QString noteSuffix() const override;
    void countChanged() override { showCells(); }

    // The answer grid back to its heading row.
    void resetAnswerGrid();
    // Which cells show: in the time mode the whole board, in count mode the
    // chosen number of cells; each shows what the chain holds.
    void showCells();
    void addAnswerRow(std::vector<QString> cells);
    // lblKensu: the right answers of the chain.
    void showKensu();
    // After an answer: the count labels, the input emptied, and the end of
    // the play when the chain `goesOn` no more.
    void answered(bool goesOn);
    bool timeModeShown() const;
    int cellTarget() const;

private:
    int boardCells_;
    std::vector<QLabel*> lblKanjiP;  // by cell number - 1
    QLabel* lblGiveup;
    QLabel* lblKensu;
    Grid* msgKaitou;
    std::vector<GridColumn> answerColumns_;
};
