#pragma once
// The colour vocabulary of the program: the classic 16-colour palette, the
// pastel table, &HBBGGRR values, and twips.
#include <QColor>

namespace colors {

QColor qbColor(int index);         // 0..15
QColor pastel(int number);         // 1..16; invalid for other numbers
QColor fromBgr(unsigned int bgr);  // &HBBGGRR
inline const QColor white{255, 255, 255};

// 1440 twips to the inch, at the screen's logical resolution.
int twipsToPixels(int twips);

}  // namespace colors
