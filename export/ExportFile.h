#pragma once
// Where an export goes: the file the command line names or the one the save
// dialog chose.
#include "export/LogExport.h"

#include <QByteArrayView>
#include <QString>

namespace logexport {

// Writes `bytes` to `target`: a file is replaced atomically (a temporary
// file, then a rename), a pipe or a device (/dev/stdout) is written as it is.
// Gives 0, or the errno of what failed.
int writeTo(const QString& target, QByteArrayView bytes);

// The name a save dialog's choice is written to: kept when it ends in ".csv"
// or ".json" (any case), else given the chosen format's ending, so that an
// export never replaces the program's own .TXT files.
QString withSuffix(const QString& name, Format format);

}  // namespace logexport
