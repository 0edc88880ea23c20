#pragma once
// Whole-file reads and writes of the program's CP932 text files.
#include <QByteArray>
#include <QString>

#include <optional>

namespace textfile {

// The file's bytes as they are, or nothing when it is missing or unreadable.
std::optional<QByteArray> readBytes(const QString& path);

// The decoded text, or nothing when the file is missing or unreadable. A
// UTF-8 byte order mark at the start is not part of the text.
std::optional<QString> read(const QString& path);

// Larger files are refused by readBounded: the program's files are small,
// and a runaway file must not exhaust memory.
std::optional<QString> readBounded(const QString& path, qint64 maxBytes, bool* tooLarge);

// The UTF-8 byte order mark some editors put at the start of a file.
inline constexpr char Bom[] = "\xEF\xBB\xBF";
// The bytes after a leading byte order mark.
QByteArrayView withoutBom(QByteArrayView bytes);

// True when the bytes were not written in code page 932 as the program
// writes them but by a UTF-8 editor: they start with a byte order mark, or
// they are valid UTF-8 and hold characters beyond ASCII. Only the first
// `probe` bytes are looked at.
bool looksLikeUtf8(QByteArrayView bytes, qsizetype probe = 64 * 1024);

struct WriteResult {
    bool ok = false;
    QString unrepresentable;  // characters CP932 cannot hold; nothing was written
    QString error;            // why the write failed, in Japanese
    // A Japanese sentence for a warning box.
    QString message(const QString& fileName) const;
};

// What a replace's temporary file adds to the file's name, before six random
// letters and digits ("データ.TXT.new-a1B2c3").
inline constexpr char TemporarySuffix[] = ".new-";

// Replaces the whole file: a temporary file beside it is
// written, synced and renamed over the old one, so an interruption leaves the
// old or the new file whole. The file keeps its permissions.
WriteResult replace(const QString& path, QStringView text);
WriteResult replaceBytes(const QString& path, QByteArrayView bytes);

// Appends to the file, creating it when absent. A file that does not end in
// a line end gets CR LF first, so that the appended line stands on its own;
// the whole addition is one write, synced to disk. A short or failed write is
// undone (the file is cut back to its old length) and reported. `oldSize`,
// when given, receives the length before the append, for undoAppend.
WriteResult append(const QString& path, QStringView text, qint64* oldSize = nullptr);
WriteResult appendBytes(const QString& path, QByteArrayView bytes, qint64* oldSize = nullptr);

// Cuts the file back to `size` bytes and syncs it: takes back an append
// whose companion write failed.
WriteResult undoAppend(const QString& path, qint64 size);

// The system's reason for a failed file operation, in Japanese.
QString reason(int errnum);

}  // namespace textfile
