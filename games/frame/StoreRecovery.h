#pragma once
// What a kill in the middle of storing a play can leave, put right at
// start-up while the data folder's lock is held and before anything reads the
// files:
// - a last line of データ.TXT or of a history file without its line end is an
//   unfinished write: it keeps its bytes and gets its line end, and reads as
//   a record cut short (listed as written, counted in no total);
// - a history row newer than the log's last record of its game was stored
//   without its record (an older program wrote the history first) and is
//   dropped. Only a history written after the log is looked at: a record
//   the user deleted from the log leaves an older log behind, not a newer one.
#include <QString>
#include <QStringList>

namespace storerecovery {

struct Result {
    QStringList finishedFiles;  // given the line end of their last line
    int droppedRows = 0;
};

// The files of `folder` (the working directory when empty).
Result recover(const QString& folder = {});

}  // namespace storerecovery
