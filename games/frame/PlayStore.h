#pragma once
// Storing a finished play: one record of the play record file and one row
// of the game's history file, both stamped with the same moment. A play is
// stored in both files or in neither; a kill between the two writes leaves
// the record without its history row, never a history row without its
// record (the log is what every total counts).
#include "games/frame/HistoryFile.h"
#include "games/frame/PlayFrame.h"

#include <QDateTime>
#include <QString>

namespace playstore {

HistoryRow historyRow(const PlayResult& play, const QDateTime& at);
QString recordLine(const PlayResult& play, const QDateTime& at, const QString& itemName);

struct Outcome {
    bool ok = false;
    QString failedFile;             // the file that could not be written
    textfile::WriteResult failure;  // why
    // The warning for a play that was not stored: which file, and why.
    QString message() const;
};

// Appends the record, then the history row; when the history row cannot be
// written, the record is taken back.
Outcome store(const PlayResult& play, const QDateTime& at, const QString& itemName, const QString& historyPath,
              const QString& recordPath);

}  // namespace playstore
