#pragma once
// "書き出し…" (cmdExport) of the record list and the range view: the plays the
// screen lists, written as CSV or JSON to a file the user chooses, by the
// same export the command line's --export-log makes.
#include "records/RecordFile.h"

#include <QString>

#include <optional>
#include <span>

class QPushButton;
class QWidget;

namespace exportplays {

QPushButton* makeButton(QWidget* parent);

// Asks for a file (proposing `stem` and today's date as its name) and writes
// the records of `log` at `positions` (0-based, file order), or every record
// when none are given; says how many went out, or why nothing could be
// written. Gives the path written, or nothing.
std::optional<QString> run(QWidget* parent, const RecordTable& log, std::optional<std::span<const int>> positions,
                           const QString& stem);

}  // namespace exportplays
