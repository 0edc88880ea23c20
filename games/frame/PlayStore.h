#pragma once
// Storing a finished play: one row of the game's history file and one
// record of the play record file, both stamped with the same moment.
#include "games/frame/HistoryFile.h"
#include "games/frame/PlayFrame.h"

#include <QDateTime>
#include <QString>

namespace playstore {

HistoryRow historyRow(const PlayResult& play, const QDateTime& at);
QString recordLine(const PlayResult& play, const QDateTime& at, const QString& itemName);

struct Outcome {
    textfile::WriteResult history;
    textfile::WriteResult record;
};
// Appends both lines; the history row first.
Outcome store(const PlayResult& play, const QDateTime& at, const QString& itemName, const QString& historyPath,
              const QString& recordPath);

}  // namespace playstore
