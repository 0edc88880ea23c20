#pragma once
// Where a top-level window opens: on a given screen, inside the part of it
// that windows may use, its frame included, and centred there.
#include <QMargins>

class QScreen;
class QWidget;

namespace windowplace {

// The frame a window has, or, before it has been shown, the frame a
// desktop's window manager is likely to give it (on the generous side, so
// that a window placed by it fits).
QMargins frameOf(const QWidget* window);

// Shrinks `window` to fit the available area of `screen` with its frame, as
// far as its minimum size allows, and centres it there; `screen` null means
// the primary screen.
void fitAndCentre(QWidget* window, QScreen* screen);

}  // namespace windowplace
