#include "platform/FileStamp.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace filestamp {
namespace {

Stamp stampOf(const struct stat& st) { return Stamp{st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim}; }

bool same(const timespec& a, const timespec& b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; }

// Reads from `fd` until its end; false on an error.
bool readAll(int fd, off_t sizeHint, QByteArray& out)
{
    out.resize(qsizetype(sizeHint) + 1);
    qsizetype got = 0;
    for (;;) {
        if (got == out.size())
            out.resize(out.size() * 2);
        const ssize_t n = ::pread(fd, out.data() + got, size_t(out.size() - got), off_t(got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        got += n;
    }
    out.resize(got);
    return true;
}

}  // namespace

bool Stamp::operator==(const Stamp& o) const
{
    return device == o.device && inode == o.inode && size == o.size && same(modified, o.modified) &&
           same(changed, o.changed);
}

std::optional<Stamp> of(const QString& path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return std::nullopt;
    return stampOf(st);
}

std::optional<Stamped> read(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::optional<Stamped> result;
    for (int attempt = 0; attempt < 4; ++attempt) {
        struct stat before {};
        struct stat after {};
        Stamped s;
        if (::fstat(fd, &before) != 0 || !readAll(fd, before.st_size, s.bytes) || ::fstat(fd, &after) != 0)
            break;
        s.stamp = stampOf(before);
        const bool still = s.stamp == stampOf(after) && s.bytes.size() == before.st_size;
        if (!still)
            s.stamp.size = -1;
        result = std::move(s);
        if (still)
            break;
    }
    ::close(fd);
    return result;
}

}  // namespace filestamp
