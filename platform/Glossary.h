#pragma once
// The captions of the program's windows explained for a learner who cannot
// read them yet: each caption's reading in kana and a short English gloss,
// "とうすう — number of answers", shown as the control's tooltip.
#include <QString>
#include <QStringView>

class QWidget;

namespace glossary {

// The reading and gloss of `caption` (spaces and a mnemonic's & aside);
// empty for a caption with none (a number, kana only, or not a caption).
QString of(QStringView caption);

// What game `item` (1 合体 … 7 しりとり) asks, in one English sentence,
// after the game's reading: the game buttons' tooltip.
QString gameTip(int item);

// Gives `control` the tooltip `tip`, which explain() then leaves as it is.
void setTip(QWidget* control, const QString& tip);

// Every label, button and group box inside `root` whose caption has a gloss
// gets it as its tooltip, on a line after the tooltip it already has. A
// control explained before is left as it is, so that calling it again
// after more controls were made adds nothing twice.
void explain(QWidget* root);

}  // namespace glossary
