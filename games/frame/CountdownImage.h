#pragma once
// The three countdown pictures: signal lamps, red, yellow, then green.
#include <QPixmap>
#include <QSize>

QPixmap countdownImage(int step, QSize size);
