#include "records/AnswerFile.h"

#include "platform/RecordLine.h"
#include "platform/Sjis.h"
#include "records/GameItems.h"

#include <QDate>

#include <array>
#include <cstring>

namespace answerfile {

namespace {

const std::array<QString, 4>& verdictTexts()
{
    static const std::array<QString, 4> texts = {QStringLiteral("正解"), QStringLiteral("不正解"),
                                                 QStringLiteral("ギブアップ"), QStringLiteral("時間切れ")};
    return texts;
}

// The code page 932 bytes of the game names and verdicts.
struct ByteNames {
    std::array<QByteArray, items::Count> games;
    std::array<QByteArray, 4> verdicts;
    std::array<std::uint64_t, items::Count> gameKeys;
    std::array<std::uint64_t, 4> verdictKeys;
};
const ByteNames& byteNames()
{
    static const ByteNames names = [] {
        ByteNames n;
        for (int i = 0; i < items::Count; ++i) {
            n.games[size_t(i)] = sjis::encode(items::names()[i]).bytes;
            n.gameKeys[size_t(i)] = shortKey(n.games[size_t(i)]);
        }
        for (size_t i = 0; i < n.verdicts.size(); ++i) {
            n.verdicts[i] = sjis::encode(verdictTexts()[i]).bytes;
            n.verdictKeys[i] = shortKey(n.verdicts[i]);
        }
        return n;
    }();
    return names;
}

// The position of `bytes` among `names`, -1 when none.
template <size_t N>
int find(QByteArrayView bytes, const std::array<QByteArray, N>& names, const std::array<std::uint64_t, N>& keys)
{
    const std::uint64_t key = shortKey(bytes);
    for (size_t i = 0; i < N; ++i)
        if (keys[i] == key && (bytes.size() <= 7 || bytes == names[i]))
            return int(i);
    return -1;
}

// The items of a line as recordline::split takes them, the first `N` only;
// returns how many there are (at most N).
template <size_t N> int splitFirst(QByteArrayView line, std::array<QByteArrayView, N>& items)
{
    const char* p = line.data();
    const char* const end = p + line.size();
    size_t count = 0;
    for (;;) {
        while (p < end && (*p == ' ' || *p == '\t'))
            ++p;
        const char* start = p;
        const char* stop;
        if (p < end && *p == '"') {
            start = ++p;
            while (p < end && *p != '"')
                ++p;
            stop = p;
            while (p < end && *p != ',')
                ++p;
        } else {
            while (p < end && *p != ',')
                ++p;
            stop = p;
            while (stop > start && (stop[-1] == ' ' || stop[-1] == '\t'))
                --stop;
        }
        items[count++] = QByteArrayView(start, stop - start);
        if (p >= end || count == N)
            return int(count);
        ++p;  // the comma: another item follows, empty if the line ends here
    }
}

// Whether every byte sequence is one code page 932 can hold: ASCII, a
// half-width katakana, or a lead byte followed by a trail byte.
bool isCp932(QByteArrayView bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = p + bytes.size();
    while (p < end) {
        // Eight ASCII bytes at a time: most of a line is dates and quotes.
        if (end - p >= 8) {
            std::uint64_t word;
            std::memcpy(&word, p, 8);
            if ((word & 0x8080808080808080ull) == 0) {
                p += 8;
                continue;
            }
        }
        const unsigned char b = *p++;
        if (b < 0x80 || (b >= 0xA1 && b <= 0xDF))
            continue;
        if (!((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC)) || p == end)
            return false;
        const unsigned char t = *p++;
        if (t < 0x40 || t == 0x7F || t > 0xFC)
            return false;
    }
    return true;
}

int code(char c) { return static_cast<unsigned char>(c); }
int code(QChar c) { return c.unicode(); }

template <typename C> int digit(C c) { return code(c) >= '0' && code(c) <= '9' ? code(c) - '0' : -1; }

// The number of `n` digits at `p`, or -1.
template <typename C> int digits(const C* p, int n)
{
    int v = 0;
    for (int i = 0; i < n; ++i) {
        const int d = digit(p[i]);
        if (d < 0)
            return -1;
        v = v * 10 + d;
    }
    return v;
}

// Days from 1970/01/01 to a date of the proleptic Gregorian calendar.
int daysFromCivil(int y, int m, int d)
{
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

template <typename C> int dayOf(const C* p, qsizetype size)
{
    if (size != 10 || code(p[4]) != '/' || code(p[7]) != '/')
        return -1;
    const int y = digits(p, 4), m = digits(p + 5, 2), d = digits(p + 8, 2);
    if (y < 1970 || m < 1 || m > 12 || d < 1)
        return -1;
    static constexpr int Length[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    if (d > Length[m - 1] + (m == 2 && leap))
        return -1;
    return daysFromCivil(y, m, d);
}

bool isTime(QByteArrayView t)
{
    if (t.size() != 8 || t[2] != ':' || t[5] != ':')
        return false;
    const int h = digits(t.data(), 2), m = digits(t.data() + 3, 2), s = digits(t.data() + 6, 2);
    return h >= 0 && h < 24 && m >= 0 && m < 60 && s >= 0 && s < 60;
}

// Text typed by a player made fit for a quoted item of a code page 932 file.
QString storable(QStringView text)
{
    QString safe = recordline::safeText(text);
    const QString lost = sjis::unrepresentable(safe);
    if (lost.isEmpty())
        return safe;
    QString out;
    for (qsizetype i = 0; i < safe.size(); ++i) {
        const qsizetype n = safe[i].isHighSurrogate() && i + 1 < safe.size() ? 2 : 1;
        const QStringView ch = QStringView(safe).sliced(i, n);
        out += lost.contains(ch) ? QStringView(u"〓") : ch;
        i += n - 1;
    }
    return out;
}

}  // namespace

std::uint64_t shortKey(QByteArrayView bytes)
{
    std::uint64_t key = std::uint64_t(std::min<qsizetype>(bytes.size(), 31)) << 59;
    const qsizetype n = std::min<qsizetype>(bytes.size(), 7);
    for (qsizetype i = 0; i < n; ++i)
        key |= std::uint64_t(static_cast<unsigned char>(bytes[i])) << (8 * i);
    return key;
}

QString verdictText(Verdict verdict) { return verdictTexts()[size_t(verdict)]; }

int dayNumber(QByteArrayView date) { return dayOf(date.data(), date.size()); }

int dayNumber(QStringView date) { return dayOf(date.data(), date.size()); }

QString dateOfDay(int day) { return QDate(1970, 1, 1).addDays(day).toString(QStringLiteral("yyyy/MM/dd")); }

namespace {

// The items of a line in the form the program writes: the date and time at
// their places, every item quoted, a comma right after each closing quote,
// nothing after the eighth. Then every byte outside the items is ASCII, so
// checking the items' bytes checks the line. False for any other form,
// which the general reader then takes.
bool splitWritten(QByteArrayView line, std::array<QByteArrayView, 8>& items, int* count)
{
    const char* const p = line.data();
    const qsizetype n = line.size();
    if (n < 26 || p[0] != '"' || p[11] != '"' || p[12] != ',' || p[13] != '"' || p[22] != '"' || p[23] != ',')
        return false;
    items[0] = QByteArrayView(p + 1, 10);
    items[1] = QByteArrayView(p + 14, 8);
    qsizetype i = 24;
    int k = 2;
    for (;; ++i) {
        if (p[i] != '"')
            return false;
        const qsizetype start = ++i;
        while (i < n && p[i] != '"')
            ++i;
        if (i == n)
            return false;
        items[size_t(k)] = QByteArrayView(p + start, i - start);
        if (!isCp932(items[size_t(k++)]))
            return false;
        if (++i == n)
            break;
        if (p[i] != ',' || k == 8 || i + 1 == n)
            return false;
    }
    *count = k;
    return true;
}

}  // namespace

bool parseLine(QByteArrayView line, LineItems* out)
{
    std::array<QByteArrayView, 8> items;
    int count = 0;
    if (!splitWritten(line, items, &count)) {
        if (!isCp932(line))
            return false;
        count = splitFirst(line, items);
    }
    if (count < 6)
        return false;
    LineItems& r = *out;
    r.date = items[0];
    r.time = items[1];
    r.question = items[3];
    r.typed = items[4];
    r.found = count > 6 ? items[6] : QByteArrayView();
    r.missed = count > 7 ? items[7] : QByteArrayView();
    // Answers come a play at a time: most lines have the date of the line before.
    thread_local QByteArray lastDate;
    thread_local int lastDay = -1;
    if (r.date != lastDate) {
        lastDate = r.date.toByteArray();
        lastDay = dayNumber(r.date);
    }
    r.day = lastDay;
    if (r.day < 0 || !isTime(r.time) || r.question.isEmpty())
        return false;
    const ByteNames& names = byteNames();
    const int game = find(items[2], names.games, names.gameKeys);
    const int verdict = find(items[5], names.verdicts, names.verdictKeys);
    if (game < 0 || verdict < 0)
        return false;
    r.game = game + 1;
    r.verdict = Verdict(verdict);
    return true;
}

QString line(const Answer& a)
{
    return recordline::LineWriter()
        .quoted(a.date)
        .quoted(a.time)
        .quoted(items::names().value(a.game - 1))
        .quoted(storable(a.question))
        .quoted(storable(a.typed))
        .quoted(verdictText(a.verdict))
        .quoted(storable(a.found))
        .quoted(storable(a.missed))
        .text();
}

QByteArray encode(const std::vector<Answer>& answers)
{
    QString text;
    for (const Answer& a : answers)
        text += line(a);
    return sjis::encode(text).bytes;
}

Contents read(const QString& path)
{
    Contents c;
    const std::optional<QByteArray> bytes = textfile::readBytes(path);
    if (!bytes)
        return c;
    LineItems items;
    recordline::forEachLine(textfile::withoutBom(*bytes), [&](QByteArrayView line) {
        if (!parseLine(line, &items)) {
            ++c.damagedLines;
            return;
        }
        Answer a;
        a.date = QString::fromLatin1(items.date);
        a.time = QString::fromLatin1(items.time);
        a.game = items.game;
        a.question = sjis::decode(items.question);
        a.typed = sjis::decode(items.typed);
        a.verdict = items.verdict;
        a.found = sjis::decode(items.found);
        a.missed = sjis::decode(items.missed);
        c.answers.push_back(std::move(a));
    });
    return c;
}

}  // namespace answerfile
