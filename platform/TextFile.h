#pragma once
// Whole-file reads and writes of the program's CP932 text files.
#include <QByteArray>
#include <QString>

#include <optional>

namespace textfile {

// The file's bytes as they are, or nothing when it is missing or unreadable.
// Whole, without a limit: only for files the program itself keeps small.
std::optional<QByteArray> readBytes(const QString& path);

// What a bounded read found. No file is read whole without a limit: a
// runaway file must neither freeze the program nor exhaust its memory.
enum class ReadState { Ok, Missing, Unreadable, Folder, TooLarge };
struct Loaded {
    ReadState state = ReadState::Missing;
    QByteArray bytes;   // the whole file, when Ok
    qint64 size = 0;    // the file's size, also when too large
    qint64 modified = 0;  // nanoseconds since the epoch
    bool ok() const { return state == ReadState::Ok; }
    // Why the file was not read, a Japanese sentence naming it (and its
    // size when it is too large); empty when it was read or is missing.
    QString problem(const QString& fileName) const;
};
// The file's bytes when it holds at most `maxBytes`.
Loaded load(const QString& path, qint64 maxBytes);

// The decoded text of at most the first `maxBytes` bytes, cut after the last
// whole line when the file is longer; nothing when it is missing or
// unreadable. For the files whose first line is all they hold. A UTF-8 byte
// order mark at the start is not part of the text.
std::optional<QString> readHead(const QString& path, qint64 maxBytes = 64 * 1024);

// A file's size as a person reads it: "512 バイト", "12.3 KB", "100.0 MB".
QString sizeText(qint64 bytes);

// What a file held when it was read: a later write can tell whether someone
// else changed it since.
struct Stamp {
    ReadState state = ReadState::Missing;
    qint64 size = 0;
    qint64 modified = 0;
    QByteArray hash;
    bool operator==(const Stamp&) const = default;
};
Stamp stamp(const Loaded& loaded);

// The UTF-8 byte order mark some editors put at the start of a file.
inline constexpr char Bom[] = "\xEF\xBB\xBF";
// The bytes after a leading byte order mark.
QByteArrayView withoutBom(QByteArrayView bytes);

// True when the bytes were not written in code page 932 as the program
// writes them but by a UTF-8 editor: after a byte order mark, if any, they
// are valid UTF-8 and hold characters beyond ASCII. Only the first `probe`
// bytes are looked at.
bool looksLikeUtf8(QByteArrayView bytes, qsizetype probe = 64 * 1024);

struct WriteResult {
    bool ok = false;
    QString unrepresentable;  // characters CP932 cannot hold; nothing was written
    QString error;            // why the write failed, in Japanese
    int errnum = 0;           // the system's error number for it
    // A Japanese sentence for a warning box.
    QString message(const QString& fileName) const;
};

// What a replace's temporary file adds to the file's name, before six random
// letters and digits ("データ.TXT.new-a1B2c3").
inline constexpr char TemporarySuffix[] = ".new-";

// Replaces the whole file: a temporary file beside it is
// written, synced and renamed over the old one, so an interruption leaves the
// old or the new file whole. The file keeps its permissions. A file the user
// made read-only (no write permission for its owner) is never replaced or
// appended to: the write is refused and the file stays as it is.
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
