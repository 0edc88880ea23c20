#pragma once
// The 苦手 screen fraNigate: the kanji, words and components the learner
// misses most over a chosen period and game, each with its misses, tries,
// miss rate and the last day it was asked; a click on a heading sorts by
// that column. Below, the share of misses week by week. A double click on
// a row asks for it in the dictionary window.
#include "analysis/NigateTally.h"
#include "review/Screen.h"

#include <array>
#include <memory>

class AnswerLog;
class Chart;
class Grid;
class QComboBox;
class QLabel;
class QRadioButton;

class NigateScreen : public Screen {
    Q_OBJECT
public:
    explicit NigateScreen(QWidget* parent = nullptr);

    // Takes the answer log as it is now (read by the worker once the main
    // window stood, or on the first visit) and shows it; a screen left lets
    // go of it, so that a play's answers join the log where it is.
    void prepare() override;
    QString helpTourText() const override;

    // The period: 0 the last 30 days, 1 the last 90, 2 the whole log.
    void optKikan_Click(int index);
    // The game: 0 every game, 1 合体 ... 7 しりとり.
    void cboGame_Click(int index);
    // A click on a column heading: sorted by it, the most first; again, the
    // other way.
    void msgNigate_HeaderClick(int col);
    void msgNigate_DblClick(int row);

    Grid& grid() { return *msgNigate; }
    Chart& chart() { return *mcrNigate; }
    const NigateTally& tally() const { return *tally_; }

signals:
    // A kanji, word or component to show in the dictionary window.
    void dictionaryRequested(const QString& text);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void rebuild();

    std::shared_ptr<const AnswerLog> log_;
    // Shared with the grid and the chart, which answer from it when drawn.
    std::shared_ptr<const NigateTally> tally_ = std::make_shared<NigateTally>();
    int period_ = 0;
    int game_ = 0;
    int sortedBy_ = -1;
    bool ascending_ = false;
    std::array<QRadioButton*, 3> optKikan{};
    QComboBox* cboGame;
    QLabel* lblNigateKei;
    Grid* msgNigate;
    Chart* mcrNigate;
};
