#pragma once
// Telling whether a file changed since it was read, without reading it again.
#include <QByteArray>
#include <QString>

#include <optional>
#include <sys/stat.h>

namespace filestamp {

// What the file system says of a file: which file it is (device, inode), its
// size and when its contents and its state last changed. Two equal stamps
// mean the same bytes for every write that goes through the file system.
struct Stamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;  // -1: no stamp matches it (see Stamped)
    timespec modified{};
    timespec changed{};
    bool operator==(const Stamp& o) const;
};

// The file's stamp now, or nothing when it is missing.
std::optional<Stamp> of(const QString& path);

// Bytes together with the stamp they were read at.
struct Stamped {
    Stamp stamp;
    QByteArray bytes;
};
// Reads the whole file and stamps what was read: the stamp is taken before
// and after the read through the same descriptor, and the file is read again
// when a write landed in between, so the bytes are the file at that stamp.
// A file that kept changing through every try is given with a stamp of size
// -1, which matches no stamp. Nothing when the file cannot be read.
std::optional<Stamped> read(const QString& path);

}  // namespace filestamp
