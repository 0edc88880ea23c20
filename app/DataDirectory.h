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

// Takes the folder's lock, held while the returned object lives. Nothing,
// with `error` set, when another running copy holds it ("already running") or
// when the lock cannot be made (the folder named, with the reason).
std::unique_ptr<QLockFile> lock(const QString& folder, QString* error);

// Removes the temporary files that a rewrite interrupted by a crash left
// beside a data file ("データ.TXT.new-a1B2c3"); call it while holding the lock.
// Returns how many were removed.
int removeStaleTemporaries(const QString& folder);

// The data files of the folder that a UTF-8 editor wrote (a byte order mark,
// or UTF-8 text beyond ASCII): the program reads them as code page 932 and
// would show them garbled.
QStringList foreignFiles(const QString& folder);
// The one warning about them; empty when there are none.
QString foreignFilesMessage(const QStringList& files);

// The data files of the folder that are folders: nothing can be read from
// them or written to them, and an empty log must not look like no plays.
QStringList folderFiles(const QString& folder);
QString folderFilesMessage(const QStringList& files);

}  // namespace datadir
