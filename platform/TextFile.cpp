#include "platform/TextFile.h"

#include "platform/Sjis.h"

#include <QCryptographicHash>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace textfile {

std::optional<QByteArray> readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

namespace {
qint64 modifiedNs(const struct stat& st) { return qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec; }

// Reads up to `max` bytes from `fd`; stops early at the end of the file.
bool readUpTo(int fd, qint64 max, QByteArray& out)
{
    out.resize(qsizetype(max));
    qint64 got = 0;
    while (got < max) {
        const ssize_t n = ::read(fd, out.data() + got, size_t(max - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        got += n;
    }
    out.resize(qsizetype(got));
    return true;
}
}  // namespace

Loaded load(const QString& path, qint64 maxBytes)
{
    Loaded r;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        r.state = errno == ENOENT || errno == ENOTDIR ? ReadState::Missing : ReadState::Unreadable;
        return r;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        ::close(fd);
        r.state = ReadState::Unreadable;
        return r;
    }
    r.size = st.st_size;
    r.modified = modifiedNs(st);
    if (S_ISDIR(st.st_mode))
        r.state = ReadState::Folder;
    else if (st.st_size > maxBytes)
        r.state = ReadState::TooLarge;
    // One byte more than allowed tells a file that grew past the limit meanwhile.
    else if (!readUpTo(fd, maxBytes + 1, r.bytes))
        r.state = ReadState::Unreadable;
    else if (r.bytes.size() > maxBytes)
        r.state = ReadState::TooLarge;
    else
        r.state = ReadState::Ok;
    if (r.state != ReadState::Ok)
        r.bytes.clear();
    else
        r.size = r.bytes.size();
    ::close(fd);
    return r;
}

QString Loaded::problem(const QString& fileName) const
{
    switch (state) {
    case ReadState::Ok:
    case ReadState::Missing:
        return {};
    case ReadState::Unreadable:
        return QStringLiteral("%1 を読めません。").arg(fileName);
    case ReadState::Folder:
        return QStringLiteral("%1 はファイルではなくフォルダです。").arg(fileName);
    case ReadState::TooLarge:
        return QStringLiteral("%1 は大きすぎるため読み込めません（%2）。").arg(fileName, sizeText(size));
    }
    return {};
}

std::optional<QString> readHead(const QString& path, qint64 maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    if (bytes.size() > maxBytes) {
        // Cut after the last whole line, so that no character is cut in two.
        const qsizetype end = std::max(bytes.lastIndexOf('\n', maxBytes - 1), bytes.lastIndexOf('\r', maxBytes - 1));
        bytes.truncate(end < 0 ? 0 : end + 1);
    }
    return sjis::decode(withoutBom(bytes));
}

QString sizeText(qint64 bytes)
{
    if (bytes < 1024)
        return QStringLiteral("%1 バイト").arg(bytes);
    if (bytes < 1024 * 1024)
        return QStringLiteral("%1 KB").arg(double(bytes) / 1024, 0, 'f', 1);
    if (bytes < qint64(1024) * 1024 * 1024)
        return QStringLiteral("%1 MB").arg(double(bytes) / (1024 * 1024), 0, 'f', 1);
    return QStringLiteral("%1 GB").arg(double(bytes) / (1024.0 * 1024 * 1024), 0, 'f', 1);
}

Stamp stamp(const Loaded& loaded)
{
    Stamp s{loaded.state, loaded.size, loaded.modified, {}};
    if (loaded.ok())
        s.hash = QCryptographicHash::hash(loaded.bytes, QCryptographicHash::Sha256);
    return s;
}

QByteArrayView withoutBom(QByteArrayView bytes)
{
    return bytes.startsWith(QByteArrayView(Bom)) ? bytes.sliced(3) : bytes;
}

bool looksLikeUtf8(QByteArrayView bytes, qsizetype probe)
{
    // A byte order mark alone tells nothing: the reader drops it, and some
    // editors put one before code page 932 text too.
    bytes = withoutBom(bytes);
    const bool cut = bytes.size() > probe;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = p + std::min(bytes.size(), probe);
    bool wide = false;
    while (p < end) {
        const unsigned char b = *p;
        if (b < 0x80) {
            ++p;
            continue;
        }
        int follow;
        if (b >= 0xC2 && b <= 0xDF)
            follow = 1;
        else if (b >= 0xE0 && b <= 0xEF)
            follow = 2;
        else if (b >= 0xF0 && b <= 0xF4)
            follow = 3;
        else
            return false;
        if (end - p <= follow)
            return cut && wide;  // a character cut by the probe's end
        for (int i = 1; i <= follow; ++i)
            if ((p[i] & 0xC0) != 0x80)
                return false;
        wide = true;
        p += follow + 1;
    }
    return wide;
}

QString WriteResult::message(const QString& fileName) const
{
    if (!unrepresentable.isEmpty())
        return QStringLiteral("次の文字は保存できません：%1\r\n\r\n%2 には何も書き込んでいません。")
            .arg(unrepresentable, fileName);
    return QStringLiteral("%1 に書き込めませんでした。\r\n\r\n%2").arg(fileName, error);
}

QString reason(int errnum)
{
    switch (errnum) {
    case EACCES:
    case EPERM:
        return QStringLiteral("書き込みが許可されていません。");
    case EROFS:
        return QStringLiteral("読み取り専用の場所です。");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("ディスクの空きが足りません。");
    case EISDIR:
        return QStringLiteral("同じ名前のフォルダがあります。");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("フォルダが見つかりません。");
    case EIO:
        return QStringLiteral("ディスクの読み書きで障害が起きました。");
    case EFBIG:
        return QStringLiteral("ファイルが大きすぎます。");
    default:
        return QStringLiteral("書き込みに失敗しました（エラー番号 %1）。").arg(errnum);
    }
}

namespace {

// Encodes `text` and hands the bytes to `write`. Nothing is written when a
// character cannot be encoded.
template <typename Write> WriteResult encodeAndWrite(QStringView text, Write&& write)
{
    const sjis::Encoded enc = sjis::encode(text);
    if (!enc.ok()) {
        WriteResult result;
        result.unrepresentable = enc.unrepresentable;
        return result;
    }
    return write(QByteArrayView(enc.bytes));
}

WriteResult failed(int errnum)
{
    WriteResult r;
    r.error = reason(errnum);
    r.errnum = errnum;
    return r;
}

// The user took the write permission away: that holds for this program too,
// even where the system would let it write (as root, or by a rename).
WriteResult readOnly()
{
    WriteResult r;
    r.error = QStringLiteral("読み取り専用のファイルのため、書き換えていません。");
    return r;
}

WriteResult succeeded()
{
    WriteResult r;
    r.ok = true;
    return r;
}

// A write that stopped short without an error: the disk is full.
const QString ShortWrite = QStringLiteral("最後まで書き込めませんでした。ディスクの空きが足りない可能性があります。");

bool writeAll(int fd, QByteArrayView bytes, int* errnum)
{
    const char* p = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            *errnum = errno;
            return false;
        }
        if (n == 0) {
            *errnum = ENOSPC;
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}

// Makes a rename in `dir` durable.
void syncFolder(const QByteArray& dir)
{
    const int fd = ::open(dir.isEmpty() ? "." : dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

WriteResult replace(const QString& path, QStringView text)
{
    return encodeAndWrite(text, [&](QByteArrayView bytes) { return replaceBytes(path, bytes); });
}

WriteResult replaceBytes(const QString& path, QByteArrayView bytes)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat old {};
    const bool exists = ::stat(name.constData(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode))
        return failed(EISDIR);
    if (exists && !(old.st_mode & S_IWUSR))
        return readOnly();
    QByteArray temp = name + TemporarySuffix + "XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return failed(errno);
    int errnum = 0;
    bool ok = ::fchmod(fd, exists ? (old.st_mode & 07777) : newFileMode()) == 0 || (errnum = errno, false);
    ok = ok && writeAll(fd, bytes, &errnum);
    ok = ok && (::fsync(fd) == 0 || (errnum = errno, false));
    ok = (::close(fd) == 0 || (errnum = errno, false)) && ok;
    ok = ok && (::rename(temp.constData(), name.constData()) == 0 || (errnum = errno, false));
    if (!ok) {
        ::unlink(temp.constData());
        return failed(errnum);
    }
    const qsizetype slash = name.lastIndexOf('/');
    syncFolder(slash < 0 ? QByteArray() : name.left(slash + 1));
    return succeeded();
}

WriteResult append(const QString& path, QStringView text, qint64* oldSize)
{
    return encodeAndWrite(text, [&](QByteArrayView bytes) { return appendBytes(path, bytes, oldSize); });
}

WriteResult appendBytes(const QString& path, QByteArrayView bytes, qint64* oldSize)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat before {};
    const bool existed = ::stat(name.constData(), &before) == 0;
    if (existed && !S_ISDIR(before.st_mode) && !(before.st_mode & S_IWUSR))
        return readOnly();
    const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, newFileMode());
    if (fd < 0)
        return failed(errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int e = errno;
        ::close(fd);
        return failed(e);
    }
    const off_t size = st.st_size;
    if (oldSize)
        *oldSize = size;

    // A file cut inside its last line (a hand edit, or a write interrupted by
    // a crash) gets its line end first, so the new line is not glued to it.
    QByteArray out;
    out.reserve(bytes.size() + 2);
    if (size > 0) {
        char tail = 0;
        if (::pread(fd, &tail, 1, size - 1) == 1 && tail != '\n')
            out += tail == '\r' ? "\n" : "\r\n";
    }
    out += bytes;

    WriteResult result = succeeded();
    ssize_t n;
    do
        n = ::pwrite(fd, out.constData(), size_t(out.size()), size);
    while (n < 0 && errno == EINTR);
    if (n != ssize_t(out.size())) {
        result = n < 0 ? failed(errno) : WriteResult{false, {}, ShortWrite, ENOSPC};
    } else if (::fsync(fd) != 0) {
        result = failed(errno);
    }
    if (!result.ok) {
        // No fragment may stay behind for the next line to land on.
        if (::ftruncate(fd, size) == 0)
            ::fsync(fd);
    }
    ::close(fd);
    if (!result.ok && !existed && size == 0)
        ::unlink(name.constData());
    return result;
}

WriteResult undoAppend(const QString& path, qint64 size)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return failed(errno);
    int errnum = 0;
    const bool ok = (::ftruncate(fd, off_t(size)) == 0 && ::fsync(fd) == 0) || (errnum = errno, false);
    ::close(fd);
    return ok ? succeeded() : failed(errnum);
}

}  // namespace textfile
