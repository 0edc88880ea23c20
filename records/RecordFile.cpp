#include "records/RecordFile.h"

#include "platform/RecordLine.h"
#include "platform/Sjis.h"
#include "records/RecordLog.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

// Whether a seconds item reads as a number that no play can take: negative,
// above ten million, infinite or not a number. Such a value must not reach
// a total, where it would overflow, nor be written back changed.
bool absurdSeconds(QStringView item)
{
    item = item.trimmed();
    char buf[64];
    if (item.isEmpty() || item.size() >= qsizetype(sizeof buf))
        return false;
    qsizetype n = 0;
    for (QChar c : item) {
        if (c.unicode() >= 0x80)
            return false;
        buf[n++] = char(c.unicode());
    }
    const char* first = buf[0] == '+' ? buf + 1 : buf;
    double v = 0;
    const auto [end, ec] = std::from_chars(first, buf + n, v);
    if (end != buf + n)
        return false;
    return ec == std::errc::result_out_of_range || !std::isfinite(v) || v < 0 || v > 1e7;
}

void addRecord(std::vector<RecordView>& records, QStringView line, std::vector<QStringView>& items)
{
    recordline::split(line, items);
    RecordView r;
    r.cut = items.size() < 6;
    items.resize(std::max<size_t>(items.size(), 6));
    r.date = items[0];
    r.time = items[1];
    r.item = items[2];
    r.secondsText = items[3];
    r.counted = !absurdSeconds(items[3]);
    r.seconds = r.counted ? recordline::toFloat(items[3]) : 0.0f;
    r.note = items[4];
    r.spare = items[5];
    records.push_back(r);
}

// The position of the first CR or LF from `p` on, or `end`.
template <typename C> const C* lineEnd(const C* p, const C* end)
{
    while (p < end && *p != C('\r') && *p != C('\n'))
        ++p;
    return p;
}

template <typename C> const C* nextLine(const C* p, const C* end)
{
    if (p < end && *p == C('\r'))
        ++p;
    if (p < end && *p == C('\n'))
        ++p;
    return p;
}

}  // namespace

std::shared_ptr<const RecordTable> RecordTable::parse(QString text)
{
    auto table = std::make_shared<RecordTable>();
    table->buffer_ = std::move(text);
    const QString& buffer = table->buffer_;
    std::vector<QStringView> items;
    items.reserve(8);
    table->records_.reserve(size_t(std::count(buffer.cbegin(), buffer.cend(), u'\n')) + 1);
    recordline::forEachLine(QStringView(buffer), [&](QStringView line) { addRecord(table->records_, line, items); });
    return table;
}

std::shared_ptr<RecordTable> RecordTable::parseBytes(QByteArray bytes)
{
    auto table = std::make_shared<RecordTable>();
    table->fromBytes_ = true;
    table->bytes_ = std::move(bytes);
    const QByteArrayView all(table->bytes_);
    table->prefix_ = all.size() - textfile::withoutBom(all).size();
    const QByteArrayView body = all.sliced(table->prefix_);
    bool clean = true;
    table->buffer_ = sjis::decode(body, &clean);
    // A few plays appended later find room.
    const size_t lines = size_t(std::count(body.begin(), body.end(), '\n')) + 16;
    table->records_.reserve(lines);
    table->lines_.reserve(lines);
    table->addLines(table->prefix_, table->buffer_, clean);
    return table;
}

bool RecordTable::appendLines(QByteArrayView tail)
{
    if (!fromBytes_ || !bytes_.endsWith('\n'))
        return false;
    const qsizetype from = bytes_.size();
    bytes_.append(tail);
    bool clean = true;
    appended_.push_back(sjis::decode(tail, &clean));
    addLines(from, appended_.back(), clean);
    return true;
}

void RecordTable::addLines(qsizetype from, const QString& text, bool clean)
{
    std::vector<QStringView> items;
    items.reserve(8);
    // Line ends are ASCII bytes that never sit inside a two-byte character,
    // so the lines of the bytes and of the decoded text correspond one to one.
    const char* const all = bytes_.constData();
    const char* b = all + from;
    const char* const bEnd = all + bytes_.size();
    const QChar* t = text.constData();
    const QChar* const tEnd = t + text.size();
    while (b < bEnd && t < tEnd) {
        const char* bStop = lineEnd(b, bEnd);
        const QChar* tStop = lineEnd(t, tEnd);
        const QStringView line(t, tStop - t);
        if (!line.trimmed().isEmpty()) {
            addRecord(records_, line, items);
            lines_.push_back({qsizetype(b - all), qsizetype(bStop - b),
                              (!clean && line.contains(QChar(0xFFFD))) || !records_.back().counted,
                              bEnd - bStop >= 2 && bStop[0] == '\r' && bStop[1] == '\n'});
        }
        b = nextLine(bStop, bEnd);
        t = nextLine(tStop, tEnd);
    }
}

QByteArrayView RecordTable::lineBytes(int i) const
{
    if (!fromBytes_ || i < 0 || i >= size())
        return {};
    const Line& l = lines_[size_t(i)];
    return QByteArrayView(bytes_).sliced(l.start, l.length);
}

namespace recordfile {

std::shared_ptr<const RecordTable> read(const QString& path)
{
    std::optional<QByteArray> bytes = textfile::readBytes(path);
    return RecordTable::parseBytes(bytes ? std::move(*bytes) : QByteArray());
}

namespace {
// Whether `item` decodes to `text`; ASCII is compared without decoding.
bool sameText(QByteArrayView item, QStringView text)
{
    for (qsizetype i = 0; i < item.size(); ++i) {
        if (static_cast<unsigned char>(item[i]) >= 0x80)
            return sjis::decode(item) == text;
        if (i >= text.size() || text[i].unicode() != static_cast<unsigned char>(item[i]))
            return false;
    }
    return item.size() == text.size();
}

// Calls f(line) for each line of `bytes`, split where the line reader splits
// its decoded text: at CR LF, LF or CR.
template <typename F> void forEachByteLine(QByteArrayView bytes, F&& f)
{
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    while (p < end) {
        const char* q = p;
        while (q < end && *q != '\n' && *q != '\r')
            ++q;
        f(QByteArrayView(p, q - p));
        if (q < end && *q == '\r')
            ++q;
        if (q < end && *q == '\n')
            ++q;
        p = q;
    }
}
}  // namespace

DayRecords readDay(const QString& date, const QString& path)
{
    return dayRecords(textfile::readBytes(path).value_or(QByteArray()), date);
}

DayRecords dayRecords(QByteArrayView file, const QString& date)
{
    DayRecords day;
    const QByteArrayView bytes = textfile::withoutBom(file);
    const QStringView key = date;
    QByteArray lines;
    bool first = true;
    forEachByteLine(bytes, [&](QByteArrayView line) {
        if (first) {
            auto t = RecordTable::parse(sjis::decode(line));
            if (!t->empty()) {
                first = false;
                day.firstDate = t->records().front().date.toString();
            }
        }
        if (sameText(recordline::firstItem(line), key)) {
            lines.append(line);
            lines.append("\r\n");
        }
    });
    day.table = RecordTable::parse(sjis::decode(lines));
    return day;
}

QString appendedLine(const QString& date, const QString& time, const QString& item, double seconds, const QString& note)
{
    return recordline::LineWriter()
        .quoted(date)
        .quoted(time)
        .quoted(item)
        .num(seconds)
        .quoted(recordline::safeText(note))
        .empty()
        .text();
}

QString playNote(const QString& secondsText, long long answers, const QString& suffix)
{
    return QStringLiteral("秒数 : ") + secondsText + QStringLiteral("   答数 : ") + QString::number(answers) + suffix;
}

textfile::WriteResult append(const QString& line, const QString& path, qint64* oldSize)
{
    const bool held = recordlog::holdsCurrent(path);
    qint64 before = 0;
    const textfile::WriteResult w = textfile::append(path, line, &before);
    if (oldSize)
        *oldSize = before;
    if (w.ok)
        recordlog::appended(path, before, held);
    else
        recordlog::forget();
    return w;
}

textfile::WriteResult truncate(const QString& path)
{
    const textfile::WriteResult w = textfile::replace(path, QString());
    if (w.ok)
        recordlog::replaced(path, {});
    else
        recordlog::forget();
    return w;
}

QString secondsText(float seconds) { return recordline::number(seconds); }

QString shownSeconds(const RecordView& r) { return r.counted ? secondsText(r.seconds) : r.secondsText.toString(); }

}  // namespace recordfile
