#include "records/RecordFile.h"

#include "platform/RecordLine.h"
#include "platform/Sjis.h"
#include "records/GameItems.h"
#include "records/RecordLog.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>

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

// The seconds item's value, or nothing when it is no number a play can
// take. An item that is no number at all reads as 0, as it always has.
std::optional<float> secondsOf(QByteArrayView item)
{
    bool ascii = true;
    for (char c : item)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    const QString text = ascii ? QString::fromLatin1(item) : sjis::decode(item);
    if (absurdSeconds(text))
        return std::nullopt;
    return recordline::toFloat(text);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// yyyymmdd of a date written "yyyy/mm/dd" in ASCII digits, else 0.
quint32 packedDate(QByteArrayView d)
{
    if (d.size() != 10 || d[4] != '/' || d[7] != '/')
        return 0;
    quint32 v = 0;
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (!isDigit(d[i]))
            return 0;
        v = v * 10 + quint32(d[i] - '0');
    }
    return v;
}

// The number the time item starts with, as its first two characters read.
qint8 hourOf(QByteArrayView t)
{
    const QByteArrayView two = t.first(std::min<qsizetype>(2, t.size()));
    for (char c : two)
        if (static_cast<unsigned char>(c) >= 0x80)
            return -1;
    bool ok = false;
    const int h = QString::fromLatin1(two).toInt(&ok);
    return ok && h >= 0 && h <= 99 ? qint8(h) : qint8(-1);
}

// The 1-based game whose name the item's bytes are, or 0.
quint8 gameOf(QByteArrayView item)
{
    // Never destroyed: the log's worker may still be parsing while the
    // program exits.
    static const auto* names = [] {
        auto* out = new std::vector<QByteArray>;
        for (const QString& n : items::names())
            out->push_back(sjis::encode(n).bytes);
        return out;
    }();
    for (size_t i = 0; i < names->size(); ++i)
        if (item == (*names)[i])
            return quint8(i + 1);
    return 0;
}

RecordView parseLine(QByteArrayView line, std::vector<QByteArrayView>& items)
{
    recordline::split(line, items);
    RecordView r;
    r.cut = items.size() < 6;
    items.resize(std::max<size_t>(items.size(), 6));
    r.date = packedDate(items[0]);
    r.hour = hourOf(items[1]);
    r.item = gameOf(items[2]);
    const std::optional<float> seconds = secondsOf(items[3]);
    r.counted = seconds.has_value();
    r.seconds = seconds.value_or(0.0f);
    r.damaged = !r.counted || !sjis::isClean(line);
    return r;
}

// The position of the first CR or LF from `p` on, or `end`.
const char* lineEnd(const char* p, const char* end)
{
    while (p < end && *p != '\r' && *p != '\n')
        ++p;
    return p;
}

const char* nextLine(const char* p, const char* end)
{
    if (p < end && *p == '\r')
        ++p;
    if (p < end && *p == '\n')
        ++p;
    return p;
}

}  // namespace

static_assert(sizeof(RecordView) <= 24);

std::shared_ptr<const RecordTable> RecordTable::parse(QStringView text)
{
    sjis::Encoded encoded = sjis::encode(text);
    if (encoded.ok())
        return parseLines(std::move(encoded.bytes));
    // A character the code page lacks stands as a byte no code page 932
    // text holds, which reads back as U+FFFD.
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype len = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const sjis::Encoded one = sjis::encode(text.mid(i, len));
        bytes += one.ok() ? one.bytes : QByteArray("\xFF");
        i += len - 1;
    }
    return parseLines(std::move(bytes));
}

std::shared_ptr<RecordTable> RecordTable::parseBytes(QByteArray bytes)
{
    const qsizetype prefix = bytes.size() - textfile::withoutBom(bytes).size();
    return parse(std::move(bytes), prefix);
}

std::shared_ptr<RecordTable> RecordTable::parseLines(QByteArray bytes) { return parse(std::move(bytes), 0); }

std::shared_ptr<RecordTable> RecordTable::parse(QByteArray bytes, qsizetype prefix)
{
    auto table = std::make_shared<RecordTable>();
    table->bytes_ = std::move(bytes);
    const QByteArrayView all(table->bytes_);
    table->prefix_ = prefix;
    const QByteArrayView body = all.sliced(table->prefix_);
    // A few plays appended later find room.
    table->records_.reserve(size_t(std::count(body.begin(), body.end(), '\n')) + 16);
    table->addLines(table->prefix_);
    return table;
}

bool RecordTable::appendLines(QByteArrayView tail)
{
    if (!bytes_.endsWith('\n'))
        return false;
    const qsizetype from = bytes_.size();
    bytes_.append(tail);
    addLines(from);
    return true;
}

void RecordTable::addLines(qsizetype from)
{
    std::vector<QByteArrayView> items;
    items.reserve(8);
    const char* const all = bytes_.constData();
    const char* b = all + from;
    const char* const end = all + bytes_.size();
    while (b < end) {
        const char* stop = lineEnd(b, end);
        const QByteArrayView line(b, stop - b);
        if (!line.trimmed().isEmpty()) {
            RecordView r = parseLine(line, items);
            r.start = qint64(b - all);
            r.length = quint32(line.size());
            r.crlf = end - stop >= 2 && stop[0] == '\r' && stop[1] == '\n';
            records_.push_back(r);
        }
        b = nextLine(stop, end);
    }
}

QByteArrayView RecordTable::lineBytes(int i) const
{
    if (i < 0 || i >= size())
        return {};
    return lineBytes(records_[size_t(i)]);
}

QString RecordTable::text(const RecordView& r, Field f) const
{
    if (f == Field::Item && r.item != 0)
        return items::names()[r.item - 1];  // shared, not copied
    QString scratch;
    const QStringView v = view(r, f, scratch);
    return v.data() == scratch.constData() ? scratch : v.toString();
}

QStringView RecordTable::view(const RecordView& r, Field f, QString& scratch) const
{
    if (f == Field::Date && r.date != 0) {
        scratch.resize(10);
        QChar* out = scratch.data();
        quint32 v = r.date;
        for (int i : {9, 8, 6, 5, 3, 2, 1, 0}) {
            out[i] = QChar(u'0' + v % 10);
            v /= 10;
        }
        out[4] = out[7] = u'/';
        return scratch;
    }
    if (f == Field::Item && r.item != 0)
        return items::names()[r.item - 1];
    thread_local std::vector<QByteArrayView> items;
    recordline::split(lineBytes(r), items);
    const size_t i = size_t(f);
    scratch = i < items.size() ? sjis::decode(items[i]) : QString();
    return scratch;
}

bool RecordTable::sameDate(const RecordView& a, const RecordView& b) const
{
    if (a.date != 0 || b.date != 0)
        return a.date == b.date;
    QString x, y;
    return view(a, Field::Date, x) == view(b, Field::Date, y);
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
            auto t = RecordTable::parseLines(line.toByteArray());
            if (!t->empty()) {
                first = false;
                day.firstDate = t->date(t->records().front());
            }
        }
        if (sameText(recordline::firstItem(line), key)) {
            lines.append(line);
            lines.append("\r\n");
        }
    });
    day.table = RecordTable::parseLines(std::move(lines));
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

QString shownSeconds(const RecordTable& table, const RecordView& r)
{
    return r.counted ? secondsText(r.seconds) : table.text(r, RecordTable::Field::Seconds);
}

}  // namespace recordfile
