#include "platform/RecordLine.h"

#include <charconv>
#include <cmath>

namespace recordline {

namespace {
// The item starting at `i` (spaces before it skipped); `i` is left on the
// comma after it, or at the line end.
template <typename View> View nextItem(View line, qsizetype& i)
{
    const qsizetype n = line.size();
    while (i < n && (line[i] == ' ' || line[i] == '\t'))
        ++i;
    if (i < n && line[i] == '"') {
        const qsizetype start = ++i;
        while (i < n && line[i] != '"')
            ++i;
        const View item = line.sliced(start, i - start);
        if (i < n)
            ++i;  // closing quote
        // Anything between the closing quote and the comma is dropped.
        while (i < n && line[i] != ',')
            ++i;
        return item;
    }
    const qsizetype start = i;
    while (i < n && line[i] != ',')
        ++i;
    qsizetype stop = i;
    while (stop > start && (line[stop - 1] == ' ' || line[stop - 1] == '\t'))
        --stop;
    return line.sliced(start, stop - start);
}

template <typename View> void splitItems(View line, std::vector<View>& items)
{
    items.clear();
    qsizetype i = 0;
    for (;;) {
        items.push_back(nextItem(line, i));
        if (i >= line.size())
            return;
        ++i;  // the comma: another item follows, empty if the line ends here
    }
}
}  // namespace

void split(QStringView line, std::vector<QStringView>& items) { splitItems(line, items); }

void split(QByteArrayView line, std::vector<QByteArrayView>& items) { splitItems(line, items); }

QByteArrayView firstItem(QByteArrayView line)
{
    qsizetype i = 0;
    return nextItem(line, i);
}

qsizetype afterItems(QByteArrayView line, int count)
{
    qsizetype i = 0;
    for (int k = 0; k < count && i < line.size(); ++k) {
        if (k > 0)
            ++i;  // the comma before the item
        nextItem(line, i);
    }
    return i;
}

QStringView firstLine(QStringView text)
{
    QStringView first;
    bool found = false;
    forEachLine(text, [&](QStringView line) {
        if (!found)
            first = line, found = true;
    });
    return first;
}

namespace {
template <typename T> qsizetype shortest(T value, char (&buf)[NumberBufferSize])
{
    if (!std::isfinite(value)) {
        buf[0] = '0';
        return 1;
    }
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    if (ec != std::errc() || (end - buf == 2 && buf[0] == '-' && buf[1] == '0')) {
        buf[0] = '0';
        return 1;
    }
    return end - buf;
}

template <typename T> QString shortest(T value)
{
    char buf[NumberBufferSize];
    return QString::fromLatin1(buf, shortest(value, buf));
}
}  // namespace

QString number(double value) { return shortest(value); }
QString number(float value) { return shortest(value); }
qsizetype number(float value, char (&buf)[NumberBufferSize]) { return shortest(value, buf); }
QString number(long long value) { return QString::number(value); }

double toDouble(QStringView item)
{
    // Numbers in the files are short and plain; parsing them from a stack
    // buffer keeps reading a large record file free of allocations.
    item = item.trimmed();
    char buf[64];
    if (item.isEmpty() || item.size() >= qsizetype(sizeof buf))
        return 0.0;
    qsizetype n = 0;
    for (QChar c : item) {
        if (c.unicode() >= 0x80)
            return 0.0;
        buf[n++] = char(c.unicode());
    }
    const char* first = buf;
    if (*first == '+')
        ++first;
    double v = 0;
    auto [ptr, ec] = std::from_chars(first, buf + n, v);
    if (ec != std::errc() || ptr != buf + n || !std::isfinite(v))
        return 0.0;
    return v;
}

float toFloat(QStringView item)
{
    double v = toDouble(item);
    if (std::fabs(v) > 3.0e38)
        return 0.0f;
    return static_cast<float>(v);
}

long long toInteger(QStringView item)
{
    double v = toDouble(item);
    if (std::fabs(v) > 9.0e18)
        return 0;
    return std::llround(v);
}

QString safeText(QStringView text)
{
    QString s = text.toString();
    s.replace(u'"', QChar(0xFF02));
    s.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    s.replace(u'\r', u' ');
    s.replace(u'\n', u' ');
    return s;
}

void LineWriter::separate()
{
    if (!first_)
        line_ += u',';
    first_ = false;
}

LineWriter& LineWriter::quoted(QStringView text)
{
    separate();
    line_ += u'"';
    line_ += text;
    line_ += u'"';
    return *this;
}

LineWriter& LineWriter::bare(QStringView text)
{
    separate();
    line_ += text;
    return *this;
}

LineWriter& LineWriter::empty()
{
    separate();
    return *this;
}

}  // namespace recordline
