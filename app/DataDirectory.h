#pragma once
// Where the program keeps its files. A working directory that holds the data
// files is used as it is (a self-contained copy); otherwise the user's data
// folder, created and seeded from the installed data set on first start.
#include <QLockFile>
#include <QString>
#include <QStringList>

#include <memory>

namespace datadir {

// The files of a data directory; the installed data set holds each.
QStringList dataFiles();

bool holdsData(const QString& folder);
// $XDG_DATA_HOME/fernoa2, by default ~/.local/share/fernoa2.
QString userFolder();
// The installed data set: beside the installed binary, or the source tree's
// data/ for a program run from its build folder.
QString installedDataSet();

// Chooses the folder, creating and seeding it when needed; returns the
// folder, or an empty string with `error` set.
QString prepare(const QString& workingDir, QString* error);

// Copies each data file that `target` lacks from `source` (an empty file
// when the data set lacks it too). Existing files are never replaced.
bool seed(const QString& target, const QString& source, QString* error);

// Takes the folder's lock, held while the returned object lives; nothing
// when another running copy of the program holds it.
std::unique_ptr<QLockFile> lock(const QString& folder);

}  // namespace datadir
