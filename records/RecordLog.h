#pragma once
// The play log parsed once and shared by every screen that shows it.
//
// recordlog::current() gives the records of データ.TXT as the file holds them
// at the moment of the call. The parsed table is kept and handed out again
// while the file is unchanged (same file, size, modification and change
// time), so entering the record list, the notes, the edit screen or an
// analysis view after another costs no reading. Tables are immutable and
// shared: a screen holds its table for as long as it shows it.
//
// The parse need not wait for the first screen: start-up reads the file's
// bytes for the day view (bytes()), and once the main window stands,
// parseInBackground() parses those same bytes on a worker thread. A screen
// entered before it ends waits for it instead of parsing again. The
// program's own writes keep the parsed log current without a new parse of
// the file: an append adds the appended lines' records, a rewrite hands over
// the bytes it wrote; both on the worker thread.
#include "records/RecordFile.h"

#include <functional>
#include <memory>

namespace recordlog {

std::shared_ptr<const RecordTable> current(const QString& path = recordfile::FileName);

// The file's bytes as they are now (empty when it is missing), read once
// and kept for the parse that follows.
QByteArray bytes(const QString& path = recordfile::FileName);

// Parses the log on a worker thread unless the kept table is current.
void parseInBackground(const QString& path = recordfile::FileName);
// Returns once the worker has done what it was given.
void waitForWorker();
// Runs `job` on the worker after what it was given before, with the kept
// table when it holds the file as it is then (not at all otherwise): for
// work every screen over the whole log would do first.
void whenParsed(std::function<void(const std::shared_ptr<const RecordTable>&)> job,
                const QString& path = recordfile::FileName);

// Whether the kept table holds the file as it is now: before an append,
// whether the table may simply grow by the appended lines.
bool holdsCurrent(const QString& path = recordfile::FileName);
// The program appended to the file, which was `oldSize` bytes long: the kept
// table, when it held the file before (`heldBefore`), gains the records of
// the appended lines.
void appended(const QString& path, qint64 oldSize, bool heldBefore);
// The program replaced the file by `bytes`: they become the kept table.
void replaced(const QString& path, QByteArray bytes);

// Drops the kept table; the next current() reads the file again.
void forget();

}  // namespace recordlog
