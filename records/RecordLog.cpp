#include "records/RecordLog.h"

#include "platform/FileStamp.h"
#include "platform/SerialWorker.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <functional>
#include <mutex>
#include <optional>
#include <unistd.h>
#include <utility>

namespace recordlog {
namespace {

using filestamp::Stamp;

std::optional<Stamp> stampOf(const QString& absolute) { return filestamp::of(absolute); }

// The file's bytes and the stamp they were read at; empty bytes when it
// cannot be read.
filestamp::Stamped readStamped(const QString& absolute)
{
    if (std::optional<filestamp::Stamped> read = filestamp::read(absolute))
        return std::move(*read);
    return {};
}

QString absolutePath(const QString& path) { return QFileInfo(path).absoluteFilePath(); }

// The file's bytes from `from` to `to`, or nothing when they cannot all be read.
std::optional<QByteArray> readRange(const QString& absolute, qint64 from, qint64 to)
{
    const int fd = ::open(QFile::encodeName(absolute).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    QByteArray out(to - from, Qt::Uninitialized);
    qint64 done = 0;
    while (done < out.size()) {
        const ssize_t n = ::pread(fd, out.data() + done, size_t(out.size() - done), off_t(from + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
    }
    ::close(fd);
    if (done != out.size())
        return std::nullopt;
    return out;
}

struct Kept {
    QString path;
    Stamp stamp;
    std::shared_ptr<RecordTable> table;
    // Whether the table went to a screen or a job since it was kept. Set
    // under the mutex, so that an append that finds it unset may grow the
    // table where it is: nobody else ever looked at it. Once it is set, the
    // append grows a copy.
    bool handedOut = false;
    bool holds(const QString& absolute, const Stamp& now) const { return table && path == absolute && stamp == now; }
    std::shared_ptr<const RecordTable> handOut()
    {
        handedOut = true;
        return table;
    }
};

// The bytes bytes() read, until a parse takes them over.
struct Read {
    QString path;
    Stamp stamp;
    QByteArray bytes;
    bool valid = false;
};

struct State {
    std::mutex mutex;  // guards kept and read; never held while parsing
    Kept kept;
    Read read;
    // The jobs that parse the log and keep it current. Declared last: at
    // exit it is destroyed first, waiting for its jobs, while the rest still
    // stands.
    SerialWorker worker;
};

State& state()
{
    static State s;
    return s;
}

void post(std::function<void()> job) { state().worker.post(std::move(job)); }

// Parses `bytes`, the file as it was at `stamp`, and keeps the table, as
// handed out when `handedOut`.
std::shared_ptr<const RecordTable> keepParsed(const QString& absolute, const Stamp& stamp, QByteArray bytes,
                                              bool handedOut)
{
    std::shared_ptr<RecordTable> table = RecordTable::parseBytes(std::move(bytes));
    State& s = state();
    const std::lock_guard lock(s.mutex);
    s.kept = Kept{absolute, stamp, table, handedOut};
    if (s.read.valid && s.read.path == absolute && s.read.stamp == stamp)
        s.read = Read{};
    return table;
}

}  // namespace

void waitForWorker() { state().worker.wait(); }

std::shared_ptr<const RecordTable> current(const QString& path)
{
    waitForWorker();
    const QString absolute = absolutePath(path);
    const std::optional<Stamp> stamp = stampOf(absolute);
    State& s = state();
    if (!stamp) {
        forget();
        return recordfile::read(path);  // missing: empty
    }
    filestamp::Stamped read;
    {
        const std::lock_guard lock(s.mutex);
        if (s.kept.holds(absolute, *stamp))
            return s.kept.handOut();
        if (s.read.valid && s.read.path == absolute && s.read.stamp == *stamp)
            read = {*stamp, s.read.bytes};
        else
            read = readStamped(absolute);
        s.kept = Kept{};
    }
    // The table handed out is the one parsed here: by the time it is kept,
    // the worker may already have taken it to grow.
    return keepParsed(absolute, read.stamp, std::move(read.bytes), true);
}

QByteArray bytes(const QString& path)
{
    const QString absolute = absolutePath(path);
    const std::optional<Stamp> stamp = stampOf(absolute);
    if (!stamp)
        return {};
    State& s = state();
    {
        const std::lock_guard lock(s.mutex);
        if (s.kept.holds(absolute, *stamp))
            return s.kept.handOut()->bytes();  // they share the table's storage
        if (s.read.valid && s.read.path == absolute && s.read.stamp == *stamp)
            return s.read.bytes;
    }
    filestamp::Stamped read = readStamped(absolute);
    const std::lock_guard lock(s.mutex);
    s.read = Read{absolute, read.stamp, read.bytes, true};
    return read.bytes;
}

void parseInBackground(const QString& path)
{
    post([absolute = absolutePath(path)] {
        const std::optional<Stamp> stamp = stampOf(absolute);
        if (!stamp)
            return;
        State& s = state();
        std::optional<filestamp::Stamped> read;
        {
            const std::lock_guard lock(s.mutex);
            if (s.kept.holds(absolute, *stamp))
                return;
            if (s.read.valid && s.read.path == absolute && s.read.stamp == *stamp)
                read = filestamp::Stamped{*stamp, s.read.bytes};
        }
        if (!read)
            read = readStamped(absolute);
        keepParsed(absolute, read->stamp, std::move(read->bytes), false);
    });
}

void whenParsed(std::function<void(const std::shared_ptr<const RecordTable>&)> job, const QString& path)
{
    post([absolute = absolutePath(path), job = std::move(job)] {
        std::shared_ptr<const RecordTable> table;
        if (const std::optional<Stamp> stamp = stampOf(absolute)) {
            State& s = state();
            const std::lock_guard lock(s.mutex);
            if (s.kept.holds(absolute, *stamp))
                table = s.kept.handOut();
        }
        if (table)
            job(table);
    });
}

bool holdsCurrent(const QString& path)
{
    waitForWorker();
    const QString absolute = absolutePath(path);
    const std::optional<Stamp> stamp = stampOf(absolute);
    State& s = state();
    const std::lock_guard lock(s.mutex);
    return stamp && s.kept.holds(absolute, *stamp);
}

void appended(const QString& path, qint64 oldSize, bool heldBefore)
{
    const QString absolute = absolutePath(path);
    const std::optional<Stamp> stamp = stampOf(absolute);
    if (!heldBefore || !stamp) {
        forget();
        return;
    }
    post([absolute, oldSize, stamp = *stamp] {
        State& s = state();
        std::shared_ptr<RecordTable> table;
        bool handedOut = false;
        {
            const std::lock_guard lock(s.mutex);
            if (s.kept.path == absolute && s.kept.stamp.size == oldSize) {
                table = std::move(s.kept.table);
                handedOut = s.kept.handedOut;
            }
            s.kept = Kept{};
            s.read = Read{};
        }
        if (!table)
            return;
        // A table nobody was given grows where it is; one a screen may still
        // show stays as the screen saw it.
        if (handedOut)
            table = std::make_shared<RecordTable>(*table);
        const std::optional<QByteArray> tail = readRange(absolute, oldSize, stamp.size);
        if (!tail || !table->appendLines(*tail))
            return;  // the next current() parses the whole file
        const std::lock_guard lock(s.mutex);
        s.kept = Kept{absolute, stamp, std::move(table)};
    });
}

void replaced(const QString& path, QByteArray bytes)
{
    const QString absolute = absolutePath(path);
    const std::optional<Stamp> stamp = stampOf(absolute);
    if (!stamp) {
        forget();
        return;
    }
    post([absolute, stamp = *stamp, bytes = std::move(bytes)] {
        State& s = state();
        {
            const std::lock_guard lock(s.mutex);
            s.kept = Kept{};
            s.read = Read{};
        }
        keepParsed(absolute, stamp, bytes, false);
    });
}

void forget()
{
    waitForWorker();
    State& s = state();
    const std::lock_guard lock(s.mutex);
    s.kept = Kept{};
    s.read = Read{};
}

}  // namespace recordlog
