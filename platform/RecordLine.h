#pragma once
// The comma-separated line form of every data file: text items in double
// quotes (nothing escaped inside), numbers bare, lines ended by CR LF.
#include <QString>
#include <QStringView>

#include <cstring>
#include <vector>

namespace recordline {

// Splits one line (without its line end) into items. The views point into
// `line`. A quoted item runs to its closing quote (or the line end when the
// quote is never closed), a bare one to the next comma; spaces before an item
// are skipped and trailing spaces of a bare item dropped. A line ending in a
// comma has an empty last item.
void split(QStringView line, std::vector<QStringView>& items);
// The same on a line's code page 932 bytes: quotes, commas, spaces and tabs
// never sit inside a two-byte character, so the items are the byte forms of
// the decoded line's items.
void split(QByteArrayView line, std::vector<QByteArrayView>& items);
// The first item of a line's bytes, as split() takes it, without splitting
// the rest.
QByteArrayView firstItem(QByteArrayView line);
// Where the items after the first `count` begin: the position of the comma
// that ends item `count`, or the line's length when the line has no more.
qsizetype afterItems(QByteArrayView line, int count);

// Calls f(QStringView line) for every non-blank line of `text`; lines end in
// CR LF, LF or CR, and the last one may have no line end.
template <typename F> void forEachLine(QStringView text, F&& f)
{
    const QChar* p = text.data();
    const QChar* end = p + text.size();
    while (p < end) {
        const QChar* start = p;
        while (p < end && *p != u'\r' && *p != u'\n')
            ++p;
        QStringView line(start, p - start);
        if (p < end && *p == u'\r')
            ++p;
        if (p < end && *p == u'\n')
            ++p;
        if (!line.trimmed().isEmpty())
            f(line);
    }
}

// The same on a file's bytes, with the line ends found a machine word at a
// time: lines end in CR LF, LF or CR. Lines that hold only spaces are left out.
template <typename F> void forEachLine(QByteArrayView bytes, F&& f)
{
    const auto line = [&](const char* from, const char* to) {
        // Lines mostly start with a quote; only one that does not may be blank.
        if (from < to && (*from == '"' || !QByteArrayView(from, to - from).trimmed().isEmpty()))
            f(QByteArrayView(from, to - from));
    };
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    while (p < end) {
        // Find the LF, then any lone CR before it.
        const void* lf = std::memchr(p, '\n', size_t(end - p));
        const char* stop = lf ? static_cast<const char*>(lf) : end;
        const char* const next = lf ? stop + 1 : end;
        if (stop > p && stop[-1] == '\r')
            --stop;
        while (const void* cr = std::memchr(p, '\r', size_t(stop - p))) {
            line(p, static_cast<const char*>(cr));
            p = static_cast<const char*>(cr) + 1;
        }
        line(p, stop);
        p = next;
    }
}

// The first non-blank line of `text` (empty when there is none): the one line
// of the settings and nickname files.
QStringView firstLine(QStringView text);

// Numbers as the files hold them: "." decimal point, shortest form that reads
// back the same value, never an exponent (60, 180.28).
QString number(double value);
QString number(float value);
// number(float) written into `buf` without allocating; returns its length.
inline constexpr int NumberBufferSize = 64;
qsizetype number(float value, char (&buf)[NumberBufferSize]);
QString number(long long value);
inline QString number(int value) { return number(static_cast<long long>(value)); }

// Reads a bare number; anything unreadable is 0.
double toDouble(QStringView item);
float toFloat(QStringView item);
long long toInteger(QStringView item);

// Text a user typed, made safe for a quoted item: a double quote cannot be
// escaped in this line form, so it becomes the full-width ＂, and line breaks
// become spaces.
QString safeText(QStringView text);

// Builds one line item by item; text() ends it with CR LF.
class LineWriter {
public:
    LineWriter& quoted(QStringView text);
    LineWriter& bare(QStringView text);
    LineWriter& num(double value) { return bare(number(value)); }
    LineWriter& num(float value) { return bare(number(value)); }
    LineWriter& num(long long value) { return bare(number(value)); }
    LineWriter& num(int value) { return bare(number(value)); }
    LineWriter& empty();  // nothing after the comma: a line ending in a bare comma
    QString text() const { return line_ + QStringLiteral("\r\n"); }
    void appendTo(QString& out) const
    {
        out += line_;
        out += u"\r\n";
    }

private:
    void separate();
    QString line_;
    bool first_ = true;
};

}  // namespace recordline
