#pragma once
// Lets a plain control (a label) act on a left click, as the give-up labels
// of the games do; and tells when a control takes the focus from a click.
#include <functional>

class QWidget;

void onLeftClick(QWidget* control, std::function<void()> handler);

// `handler` runs when `control` gets the keyboard focus by a mouse click
// (once the mouse button is up again), or gets it back when a popup it
// opened (a list to choose from) closes.
void onClickFocus(QWidget* control, std::function<void()> handler);
