#pragma once
// Modal message boxes with a fixed Japanese text and title. Tests install a
// responder that answers them and records what was asked.
#include <QString>

#include <functional>

class QWidget;

namespace msgbox {

enum class Kind { Confirm, Warning, Information };

// Warning with OK and Cancel; true when OK.
bool confirm(QWidget* parent, const QString& title, const QString& text);
void warning(QWidget* parent, const QString& title, const QString& text);
void information(QWidget* parent, const QString& title, const QString& text);

// Answers every box instead of the user while installed (true = OK).
using Responder = std::function<bool(Kind, const QString& title, const QString& text)>;
void setResponder(Responder responder);  // an empty function restores real boxes

}  // namespace msgbox
