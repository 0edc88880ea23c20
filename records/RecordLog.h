#pragma once
// The play log parsed once and shared by every screen that shows it.
//
// recordlog::current() gives the records of データ.TXT as the file holds them
// at the moment of the call. The parsed table is kept and handed out again
// while the file is unchanged (same file, size, modification and change
// time), so entering the record list, the notes, the edit screen or an
// analysis view after another costs no reading. The program's own writes
// through recordfile drop the kept table. Tables are immutable and shared:
// a screen holds its table for as long as it shows it.
#include "records/RecordFile.h"

#include <memory>

namespace recordlog {

std::shared_ptr<const RecordTable> current(const QString& path = recordfile::FileName);

// Drops the kept table; the next current() reads the file again.
void forget();

}  // namespace recordlog
