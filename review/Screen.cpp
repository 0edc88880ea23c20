#include "review/Screen.h"

void Screen::prepare() {}

QString Screen::helpTourText() const { return {}; }
