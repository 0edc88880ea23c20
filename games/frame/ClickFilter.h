#pragma once
// Lets a plain control (a label) act on a left click, as the give-up labels
// of the games do.
#include <functional>

class QWidget;

void onLeftClick(QWidget* control, std::function<void()> handler);
