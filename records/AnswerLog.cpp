#include "records/AnswerLog.h"

#include "platform/FileStamp.h"
#include "platform/RecordLine.h"
#include "platform/SerialWorker.h"
#include "platform/Sjis.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int Dismantle = 2;  // the game whose answers name components

struct Fd {
    int fd;
    explicit Fd(const QString& path) : fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC)) {}
    ~Fd()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

ssize_t readSome(int fd, char* to, size_t n, qint64 offset)
{
    ssize_t got;
    do
        got = ::pread(fd, to, n, off_t(offset));
    while (got < 0 && errno == EINTR);
    return got;
}

}  // namespace

AnswerLog::AnswerLog() : shortIds_(1024)
{
    texts_.emplace_back();
    bytes_.emplace_back();
}

namespace {
size_t hashOf(std::uint64_t key) { return size_t((key * 0x9E3779B97F4A7C15ull) >> 40); }
}  // namespace

quint32 AnswerLog::intern(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return 0;
    const auto add = [&] {
        const quint32 id = quint32(texts_.size());
        bytes_.emplace_back(bytes.toByteArray());
        texts_.push_back(sjis::decode(bytes));
        return id;
    };
    if (bytes.size() > 7) {
        const std::string_view key(bytes.data(), size_t(bytes.size()));
        const auto found = longIds_.find(key);
        if (found != longIds_.end())
            return found->second;
        const quint32 id = add();
        longIds_.emplace(std::string_view(bytes_.back().constData(), key.size()), id);
        return id;
    }
    const std::uint64_t key = answerfile::shortKey(bytes);
    const size_t mask = shortIds_.size() - 1;
    size_t i = hashOf(key) & mask;
    while (shortIds_[i].first != 0) {
        if (shortIds_[i].first == key)
            return shortIds_[i].second;
        i = (i + 1) & mask;
    }
    const quint32 id = add();
    shortIds_[i] = {key, id};
    if (++shortCount_ * 2 > shortIds_.size()) {
        std::vector<std::pair<std::uint64_t, quint32>> old(shortIds_.size() * 2);
        old.swap(shortIds_);
        const size_t grown = shortIds_.size() - 1;
        for (const auto& slot : old) {
            if (slot.first == 0)
                continue;
            size_t j = hashOf(slot.first) & grown;
            while (shortIds_[j].first != 0)
                j = (j + 1) & grown;
            shortIds_[j] = slot;
        }
    }
    return id;
}

quint32 AnswerLog::idOf(QStringView text) const
{
    if (text.isEmpty())
        return 0;
    const sjis::Encoded e = sjis::encode(text);
    if (!e.ok())
        return 0;
    if (e.bytes.size() > 7) {
        const auto found = longIds_.find(std::string_view(e.bytes.constData(), size_t(e.bytes.size())));
        return found == longIds_.end() ? 0 : found->second;
    }
    const std::uint64_t key = answerfile::shortKey(e.bytes);
    const size_t mask = shortIds_.size() - 1;
    for (size_t i = hashOf(key) & mask; shortIds_[i].first != 0; i = (i + 1) & mask)
        if (shortIds_[i].first == key)
            return shortIds_[i].second;
    return 0;
}

void AnswerLog::addLine(QByteArrayView line)
{
    answerfile::LineItems items;
    if (!answerfile::parseLine(line, &items) || items.day > 0xFFFF) {
        ++damaged_;
        return;
    }
    const bool dismantle = items.game == Dismantle;
    const bool right = items.verdict == Verdict::Right;
    Entry e;
    e.question = intern(items.question);
    e.components = !dismantle                          ? 0
                   : right                             ? intern(items.typed)
                   : items.verdict == Verdict::GivenUp ? intern(items.missed)
                                                       : 0;
    e.day = quint16(items.day);
    e.game = quint8(items.game);
    e.flags = quint8(int(items.verdict) | (right && (!dismantle || items.missed.isEmpty()) ? 4 : 0));
    if (!entries_.empty() && e.day < entries_.back().day)
        inDayOrder_ = false;
    entries_.push_back(e);
    count(e);
}

void AnswerLog::count(const Entry& e)
{
    if (totals_.size() < texts_.size() * Slots)
        totals_.resize(texts_.size() * Slots);
    const Verdict v = e.verdict();
    const bool judged = v != Verdict::TimedOut;
    const bool miss = v == Verdict::Wrong || v == Verdict::GivenUp;
    Totals& t = totals_[e.question * Slots + e.game];
    t.tries += judged;
    t.misses += miss;
    t.lastDay = std::max(t.lastDay, int(e.day));
    if (e.components != 0) {
        Totals& c = totals_[e.components * Slots];
        ++c.tries;
        c.misses += v == Verdict::GivenUp;
        c.lastDay = std::max(c.lastDay, int(e.day));
    }
    const int monday = e.day - (e.day + 3) % 7;  // 1970/01/01 was a Thursday
    auto w = weeks_.end();
    if (weeks_.empty() || weeks_.back().monday != monday) {
        w = std::lower_bound(weeks_.begin(), weeks_.end(), monday,
                             [](const WeekTotals& x, int m) { return x.monday < m; });
        if (w == weeks_.end() || w->monday != monday)
            w = weeks_.insert(w, WeekTotals{monday, {}, {}});
    } else {
        w = std::prev(weeks_.end());
    }
    w->tries[e.game] += judged;
    w->misses[e.game] += miss;
}

void AnswerLog::addBytes(QByteArrayView bytes)
{
    recordline::forEachLine(bytes, [&](QByteArrayView line) { addLine(line); });
}

namespace {

filestamp::Stamp stampOf(const struct stat& st) { return {st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim}; }

// Reads `fd` from its start to its end into `log`; the count of bytes read.
qint64 readInto(int fd, AnswerLog& log)
{
    // Whole lines go to the parser as the buffer fills; a line cut by the
    // buffer's end moves to its start and waits for the rest. The buffer is
    // reused, so a long log costs no more memory than its entries.
    std::vector<char> buffer(256 * 1024);
    size_t have = 0;
    qint64 offset = 0;
    bool atStart = true;
    for (;;) {
        if (have == buffer.size())
            buffer.resize(buffer.size() * 2);  // one line longer than the buffer
        const ssize_t got = readSome(fd, buffer.data() + have, buffer.size() - have, offset);
        const bool end = got <= 0;
        have += size_t(std::max<ssize_t>(got, 0));
        offset += std::max<ssize_t>(got, 0);
        QByteArrayView view(buffer.data(), qsizetype(have));
        if (atStart) {
            if (have < 3 && !end)
                continue;
            view = textfile::withoutBom(view);
            atStart = false;
        }
        qsizetype cut = view.size();
        if (!end) {
            while (cut > 0 && view[cut - 1] != '\n' && view[cut - 1] != '\r')
                --cut;
        }
        log.addBytes(view.first(cut));
        const size_t rest = size_t(view.size() - cut);
        std::memmove(buffer.data(), view.data() + cut, rest);
        have = rest;
        if (end)
            return offset;
    }
}

}  // namespace

std::shared_ptr<AnswerLog> AnswerLog::readFile(const QString& path, filestamp::Stamp* stamp)
{
    Fd file(path);
    if (file.fd < 0) {
        if (stamp)  // a file that cannot be opened holds no answer while it stays so
            *stamp = filestamp::of(path).value_or(filestamp::Stamp{});
        return std::make_shared<AnswerLog>();
    }
    // Stamped before and after through the descriptor: a write that landed
    // in between means the bytes may be no state the file was ever in.
    std::shared_ptr<AnswerLog> log;
    for (int attempt = 0; attempt < 4; ++attempt) {
        struct stat before {};
        struct stat after {};
        if (::fstat(file.fd, &before) != 0)
            break;
        log = std::make_shared<AnswerLog>();
        log->entries_.reserve(size_t(before.st_size / 48));
        const qint64 read = readInto(file.fd, *log);
        const bool still = ::fstat(file.fd, &after) == 0 && stampOf(before) == stampOf(after) && read == before.st_size;
        if (stamp) {
            *stamp = stampOf(before);
            if (!still)
                stamp->size = -1;
        }
        if (still)
            break;
    }
    if (!log) {
        if (stamp)
            *stamp = filestamp::Stamp{};
        log = std::make_shared<AnswerLog>();
    }
    return log;
}

std::shared_ptr<AnswerLog> AnswerLog::readTail(const QString& path, int fromDay)
{
    Fd file(path);
    struct stat st {};
    if (file.fd < 0 || ::fstat(file.fd, &st) != 0)
        return std::make_shared<AnswerLog>();
    const qint64 size = st.st_size;
    for (qint64 span = 64 * 1024;; span *= 4) {
        const qint64 from = std::max<qint64>(0, size - span);
        QByteArray bytes(qsizetype(size - from), Qt::Uninitialized);
        qint64 have = 0;
        while (have < bytes.size()) {
            const ssize_t got = ::pread(file.fd, bytes.data() + have, size_t(bytes.size() - have), from + have);
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                break;
            have += got;
        }
        bytes.truncate(qsizetype(have));
        QByteArrayView view(bytes);
        if (from > 0) {
            // The first line may be cut: it starts after the first line end.
            qsizetype i = 0;
            while (i < view.size() && view[i] != '\n' && view[i] != '\r')
                ++i;
            view = view.sliced(i);
        } else {
            view = textfile::withoutBom(view);
        }
        auto log = std::make_shared<AnswerLog>();
        log->addBytes(view);
        if (from == 0 || (!log->entries_.empty() && log->entries_.front().day < fromDay))
            return log;
    }
}

namespace answerlog {
namespace {

using filestamp::Stamp;

// The stamp of the file now; size -1 when it is missing.
Stamp stampNow(const QString& absolutePath) { return filestamp::of(absolutePath).value_or(Stamp{}); }

struct Kept {
    QString path;
    Stamp stamp;
    std::shared_ptr<AnswerLog> log;
    // How many of the log's hand-outs are still held. Counted under the
    // mutex, so that an append that finds none may grow the log where it is:
    // a screen's last look at it happened before.
    int handedOut = 0;
};

struct State {
    std::mutex mutex;  // guards kept; never held while the whole file is read
    Kept kept;
    // The read beside the window. Declared last: at exit it is destroyed
    // first, waiting for the read, while the rest still stands.
    SerialWorker worker;
};

State& state()
{
    static State s;
    return s;
}

// Whether the kept log is the one of `absolutePath` as the file is now;
// the caller holds the mutex.
bool keptFor(const QString& absolutePath, const Stamp& now)
{
    const Kept& k = state().kept;
    return k.log && k.path == absolutePath && k.stamp == now;
}

// The kept log for a screen; the caller holds the mutex.
std::shared_ptr<const AnswerLog> handOut()
{
    Kept& k = state().kept;
    ++k.handedOut;
    return std::shared_ptr<const AnswerLog>(k.log.get(), [log = k.log](const AnswerLog*) mutable {
        {
            State& s = state();
            const std::lock_guard lock(s.mutex);
            if (s.kept.log == log)
                --s.kept.handedOut;
        }
        log.reset();
    });
}

// Reads the file and keeps the log with the stamp of the bytes it was read from.
std::shared_ptr<AnswerLog> readAndKeep(const QString& absolute)
{
    Stamp stamp;
    auto log = AnswerLog::readFile(absolute, &stamp);
    State& s = state();
    const std::lock_guard lock(s.mutex);
    s.kept = Kept{absolute, stamp, log};
    return log;
}

}  // namespace

void waitForWorker() { state().worker.wait(); }

std::shared_ptr<const AnswerLog> current(const QString& path)
{
    waitForWorker();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    {
        const std::lock_guard lock(state().mutex);
        if (keptFor(absolute, stampNow(absolute)))
            return handOut();
    }
    const std::shared_ptr<AnswerLog> log = readAndKeep(absolute);
    const std::lock_guard lock(state().mutex);
    // Kept no more (another thread's append failed meanwhile): nobody grows it.
    return state().kept.log == log ? handOut() : log;
}

void readInBackground(const QString& path)
{
    // Made before the job is given, so that the job's copy is the last
    // holder of the text when the job lets it go.
    const QString absolute = QFileInfo(path).absoluteFilePath();
    state().worker.post([absolute] {
        {
            const std::lock_guard keptLock(state().mutex);
            if (keptFor(absolute, stampNow(absolute)))
                return;
        }
        readAndKeep(absolute);
    });
}

std::shared_ptr<const AnswerLog> since(int fromDay, const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    {
        const std::lock_guard lock(state().mutex);
        if (keptFor(absolute, stampNow(absolute)))
            return handOut();
    }
    return AnswerLog::readTail(absolute, fromDay);
}

textfile::WriteResult append(const std::vector<Answer>& answers, const QString& path)
{
    if (answers.empty())
        return textfile::WriteResult{true, {}, {}};
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QByteArray bytes = answerfile::encode(answers);
    // The worker's read ends first: a log read before the write would be
    // kept with a stamp the file no longer has, and read again.
    waitForWorker();
    State& s = state();
    const std::lock_guard lock(s.mutex);
    const bool keep = keptFor(absolute, stampNow(absolute));
    const textfile::WriteResult result = textfile::appendBytes(absolute, bytes);
    Kept& k = s.kept;
    if (!keep || !result.ok) {
        k = Kept{};
        return result;
    }
    // A screen may still hold the log as it was: it keeps its snapshot.
    if (k.handedOut > 0) {
        k.log = std::make_shared<AnswerLog>(*k.log);
        k.handedOut = 0;
    }
    k.log->addBytes(bytes);
    k.stamp = stampNow(absolute);
    return result;
}

void forget()
{
    waitForWorker();
    State& s = state();
    const std::lock_guard lock(s.mutex);
    s.kept = Kept{};
}

}  // namespace answerlog
