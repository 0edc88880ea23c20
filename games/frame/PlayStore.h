#pragma once
// Storing a finished play: one row of the game's history file and one
// record of the play record file, both stamped with the same moment. A play
// is stored in both files or in neither.
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

// Appends the history row, then the record; when the record cannot be
// written, the history row is taken back.
Outcome store(const PlayResult& play, const QDateTime& at, const QString& itemName, const QString& historyPath,
              const QString& recordPath);

}  // namespace playstore
