#pragma once
// Every label of the program shows its text as plain text. Texts come from
// data files (dictionary entries, nicknames, notes); a label left to guess
// would render "<b>大</b>" as markup, or fetch what an <img> names.
class QApplication;
class QLabel;

namespace plaintext {
// Sets every label to plain text as it is first shown.
void install(QApplication& app);
// A label whose text is the program's own markup (a link), never data.
void keepMarkup(QLabel* label);
}  // namespace plaintext
