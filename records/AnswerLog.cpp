#include "records/AnswerLog.h"

#include "platform/FileStamp.h"
#include "platform/RecordLine.h"
#include "platform/Sjis.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
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

ssize_t readSome(int fd, char* to, size_t n)
{
    ssize_t got;
    do
        got = ::read(fd, to, n);
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
    entries_.push_back(e);
}

void AnswerLog::addBytes(QByteArrayView bytes)
{
    recordline::forEachLine(bytes, [&](QByteArrayView line) { addLine(line); });
}

std::shared_ptr<AnswerLog> AnswerLog::readFile(const QString& path)
{
    auto log = std::make_shared<AnswerLog>();
    Fd file(path);
    if (file.fd < 0)
        return log;
    struct stat st {};
    if (::fstat(file.fd, &st) == 0)
        log->entries_.reserve(size_t(st.st_size / 48));
    // Whole lines go to the parser as the buffer fills; a line cut by the
    // buffer's end moves to its start and waits for the rest. The buffer is
    // reused, so a long log costs no more memory than its entries.
    std::vector<char> buffer(256 * 1024);
    size_t have = 0;
    bool atStart = true;
    for (;;) {
        if (have == buffer.size())
            buffer.resize(buffer.size() * 2);  // one line longer than the buffer
        const ssize_t got = readSome(file.fd, buffer.data() + have, buffer.size() - have);
        const bool end = got <= 0;
        have += size_t(std::max<ssize_t>(got, 0));
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
        log->addBytes(view.first(cut));
        const size_t rest = size_t(view.size() - cut);
        std::memmove(buffer.data(), view.data() + cut, rest);
        have = rest;
        if (end)
            break;
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
Stamp stampOf(const QString& absolutePath) { return filestamp::of(absolutePath).value_or(Stamp{}); }

struct Kept {
    QString path;
    Stamp stamp;
    std::shared_ptr<AnswerLog> log;
};

Kept& kept()
{
    static Kept k;
    return k;
}

// The kept log when it is the one of `absolutePath` as the file is now.
std::shared_ptr<AnswerLog> keptFor(const QString& absolutePath, const Stamp& now)
{
    const Kept& k = kept();
    return k.log && k.path == absolutePath && k.stamp == now ? k.log : nullptr;
}

}  // namespace

std::shared_ptr<const AnswerLog> current(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    // Stamped before reading: a change during the read makes the next call
    // read again.
    const Stamp now = stampOf(absolute);
    if (auto log = keptFor(absolute, now))
        return log;
    kept() = Kept{absolute, now, AnswerLog::readFile(absolute)};
    return kept().log;
}

std::shared_ptr<const AnswerLog> since(int fromDay, const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (auto log = keptFor(absolute, stampOf(absolute)))
        return log;
    return AnswerLog::readTail(absolute, fromDay);
}

textfile::WriteResult append(const std::vector<Answer>& answers, const QString& path)
{
    if (answers.empty())
        return textfile::WriteResult{true, {}, {}};
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QByteArray bytes = answerfile::encode(answers);
    const bool keep = keptFor(absolute, stampOf(absolute)) != nullptr;
    const textfile::WriteResult result = textfile::appendBytes(absolute, bytes);
    if (!keep || !result.ok) {
        forget();
        return result;
    }
    Kept& k = kept();
    // A screen may still hold the log as it was: it keeps its snapshot.
    if (k.log.use_count() > 1)
        k.log = std::make_shared<AnswerLog>(*k.log);
    k.log->addBytes(bytes);
    k.stamp = stampOf(absolute);
    return result;
}

void forget() { kept() = Kept{}; }

}  // namespace answerlog
