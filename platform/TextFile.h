#pragma once
// Whole-file reads and writes of the program's CP932 text files.
#include <QString>

#include <optional>

namespace textfile {

// The decoded text, or nothing when the file is missing or unreadable.
std::optional<QString> read(const QString& path);

// Larger files are refused by readBounded: the program's files are small,
// and a runaway file must not exhaust memory.
std::optional<QString> readBounded(const QString& path, qint64 maxBytes, bool* tooLarge);

struct WriteResult {
    bool ok = false;
    QString unrepresentable;  // characters CP932 cannot hold; nothing was written
    QString error;            // the system's reason when the write itself failed
    // A Japanese sentence for a warning box.
    QString message(const QString& fileName) const;
};

// Replaces the whole file: a temporary file is written and renamed over the
// old one, so an interruption leaves the old or the new file whole.
WriteResult replace(const QString& path, QStringView text);

// Replaces the whole file with `bytes` as they are, the same atomic way:
// puts back a file exactly as it was read.
WriteResult replaceBytes(const QString& path, const QByteArray& bytes);

// Appends to the file, creating it when absent.
WriteResult append(const QString& path, QStringView text);

}  // namespace textfile
