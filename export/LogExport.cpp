#include "export/LogExport.h"

#include "platform/RecordLine.h"
#include "records/GameItems.h"

#include <algorithm>
#include <cstring>

namespace logexport {
namespace {

// The export grows in one buffer written through a pointer: a field at a
// time, room for its longest form is made first, so a log of 100,000 records
// costs no allocation per field.
class Sink {
public:
    explicit Sink(qsizetype expected) { bytes_.resize(std::max<qsizetype>(expected, 256)); }

    void ascii(const char* s, qsizetype n)
    {
        std::copy_n(s, n, room(n));
        used_ += n;
    }
    template <size_t N> void ascii(const char (&s)[N]) { ascii(s, N - 1); }

    void csvField(QStringView s)
    {
        const bool quote =
            std::any_of(s.begin(), s.end(), [](QChar c) { return c == u',' || c == u'"' || c == u'\r' || c == u'\n'; });
        if (!quote) {
            utf8(s, Escape::None);
            return;
        }
        ascii("\"");
        utf8(s, Escape::Csv);
        ascii("\"");
    }

    void jsonString(QStringView s)
    {
        ascii("\"");
        utf8(s, Escape::Json);
        ascii("\"");
    }

    void date(QStringView d)
    {
        // "yyyy/mm/dd" goes out as "yyyy-mm-dd"; anything else as read.
        const auto digit = [&](int i) { return d[i] >= u'0' && d[i] <= u'9'; };
        if (d.size() == 10 && d[4] == u'/' && d[7] == u'/' && digit(0) && digit(1) && digit(2) && digit(3) &&
            digit(5) && digit(6) && digit(8) && digit(9)) {
            const bool quoted = format_ == Format::Json;
            if (quoted)
                ascii("\"");
            char* p = room(10);
            for (int i = 0; i < 10; ++i)
                p[i] = (i == 4 || i == 7) ? '-' : char(d[i].unicode());
            used_ += 10;
            if (quoted)
                ascii("\"");
        } else {
            text(d);
        }
    }

    void seconds(float value)
    {
        char buf[recordline::NumberBufferSize];
        ascii(buf, recordline::number(value, buf));
    }

    void boolean(bool value)
    {
        if (value)
            ascii("true");
        else
            ascii("false");
    }

    void setFormat(Format f) { format_ = f; }
    // A text field in the sink's format.
    void text(QStringView s)
    {
        if (format_ == Format::Csv)
            csvField(s);
        else
            jsonString(s);
    }

    QByteArray take()
    {
        bytes_.truncate(used_);
        return std::move(bytes_);
    }

private:
    enum class Escape { None, Csv, Json };

    char* room(qsizetype n)
    {
        if (used_ + n > bytes_.size())
            bytes_.resize(std::max(bytes_.size() * 2, used_ + n));
        return bytes_.data() + used_;
    }

    // UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
    void utf8(QStringView s, Escape escape)
    {
        // The longest form of one UTF-16 unit is a JSON "\u001f": six bytes.
        char* const start = room(s.size() * 6);
        char* p = start;
        const char16_t* u = s.utf16();
        const qsizetype n = s.size();
        for (qsizetype i = 0; i < n; ++i) {
            const char16_t c = u[i];
            if (c < 0x80) {
                if (escape == Escape::Csv && c == u'"') {
                    *p++ = '"';
                } else if (escape == Escape::Json && (c < 0x20 || c == u'"' || c == u'\\')) {
                    *p++ = '\\';
                    switch (c) {
                    case u'"':
                        *p++ = '"';
                        break;
                    case u'\\':
                        *p++ = '\\';
                        break;
                    case u'\n':
                        *p++ = 'n';
                        break;
                    case u'\r':
                        *p++ = 'r';
                        break;
                    case u'\t':
                        *p++ = 't';
                        break;
                    case u'\b':
                        *p++ = 'b';
                        break;
                    case u'\f':
                        *p++ = 'f';
                        break;
                    default:
                        static constexpr char hex[] = "0123456789abcdef";
                        *p++ = 'u';
                        *p++ = '0';
                        *p++ = '0';
                        *p++ = hex[c >> 4];
                        *p++ = hex[c & 15];
                        continue;
                    }
                    continue;
                }
                *p++ = char(c);
            } else if (c < 0x800) {
                *p++ = char(0xC0 | (c >> 6));
                *p++ = char(0x80 | (c & 0x3F));
            } else if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(u[i + 1])) {
                const char32_t cp = QChar::surrogateToUcs4(c, u[++i]);
                *p++ = char(0xF0 | (cp >> 18));
                *p++ = char(0x80 | ((cp >> 12) & 0x3F));
                *p++ = char(0x80 | ((cp >> 6) & 0x3F));
                *p++ = char(0x80 | (cp & 0x3F));
            } else {
                const char16_t v = QChar::isSurrogate(c) ? char16_t(0xFFFD) : c;
                *p++ = char(0xE0 | (v >> 12));
                *p++ = char(0x80 | ((v >> 6) & 0x3F));
                *p++ = char(0x80 | (v & 0x3F));
            }
        }
        used_ += p - start;
    }

    QByteArray bytes_;
    qsizetype used_ = 0;
    Format format_ = Format::Csv;
};

void csvRecord(Sink& out, const Play& r)
{
    out.date(r.date);
    out.ascii(",");
    out.csvField(r.time);
    out.ascii(",");
    out.csvField(r.game);
    out.ascii(",");
    out.seconds(r.seconds);
    out.ascii(",");
    out.csvField(r.note);
    out.ascii(",");
    out.csvField(r.diary);
    out.ascii(",");
    out.boolean(r.damaged);
    out.ascii("\r\n");
}

void jsonRecord(Sink& out, const Play& r)
{
    out.ascii("{\"date\":");
    out.date(r.date);
    out.ascii(",\"time\":");
    out.jsonString(r.time);
    out.ascii(",\"game\":");
    out.jsonString(r.game);
    out.ascii(",\"seconds\":");
    out.seconds(r.seconds);
    out.ascii(",\"note\":");
    out.jsonString(r.note);
    out.ascii(",\"diary\":");
    out.jsonString(r.diary);
    out.ascii(",\"damaged\":");
    out.boolean(r.damaged);
    out.ascii("}");
}

QByteArray write(qsizetype count, const std::function<Play(qsizetype)>& play, Format format, qsizetype expected)
{
    Sink out(expected + count * (format == Format::Json ? 96 : 24) + 64);
    out.setFormat(format);
    if (format == Format::Csv) {
        out.ascii("date,time,game,seconds,note,diary,damaged\r\n");
        for (qsizetype i = 0; i < count; ++i)
            csvRecord(out, play(i));
    } else {
        out.ascii("[\n");
        for (qsizetype i = 0; i < count; ++i) {
            if (i > 0)
                out.ascii(",\n");
            jsonRecord(out, play(i));
        }
        if (count > 0)
            out.ascii("\n");
        out.ascii("]\n");
    }
    return out.take();
}

void answerRecord(Sink& out, Format format, const Answer& a)
{
    const QStringList& games = items::names();
    const QString verdict = answerfile::verdictText(a.verdict);
    struct Field {
        const char* name;
        QStringView text;
    };
    const Field fields[] = {{"time", a.time},
                            {"game", a.game >= 1 && a.game <= games.size() ? QStringView(games[a.game - 1]) : u""},
                            {"question", a.question},
                            {"typed", a.typed},
                            {"verdict", verdict},
                            {"found", a.found},
                            {"missed", a.missed}};
    if (format == Format::Csv) {
        out.date(a.date);
        for (const Field& f : fields) {
            out.ascii(",");
            out.csvField(f.text);
        }
        out.ascii("\r\n");
        return;
    }
    out.ascii("{\"date\":");
    out.date(a.date);
    for (const Field& f : fields) {
        out.ascii(",\"");
        out.ascii(f.name, qsizetype(std::strlen(f.name)));
        out.ascii("\":");
        out.jsonString(f.text);
    }
    out.ascii("}");
}

Play fromLog(const RecordTable& log, int i)
{
    // A game's note always begins with its seconds; any other text in its
    // place is the learner's one-line diary.
    // The texts of the play asked for last: each play is written before the
    // next is asked for.
    thread_local QString date, time, item, text;
    const RecordView& r = log.records()[size_t(i)];
    date = log.date(r);
    time = log.time(r);
    item = log.item(r);
    text = log.note(r);
    const bool gameNote = text.startsWith(u"秒数 : ");
    const QStringView note = gameNote ? QStringView(text) : QStringView();
    const QStringView diary = gameNote ? QStringView() : QStringView(text);
    return {date, time, item, r.seconds, note, diary, log.damaged(i)};
}

}  // namespace

Format formatFor(QStringView fileName)
{
    return fileName.endsWith(u".json", Qt::CaseInsensitive) ? Format::Json : Format::Csv;
}

QByteArray plays(qsizetype count, const std::function<Play(qsizetype)>& play, Format format)
{
    return write(count, play, format, 0);
}

QByteArray playLog(const RecordTable& log, Format format)
{
    // UTF-8 of the decoded text is at most half again the code page 932
    // bytes.
    return write(
        log.size(), [&](qsizetype i) { return fromLog(log, int(i)); }, format, log.byteSize() * 3 / 2);
}

QByteArray playLog(const RecordTable& log, std::span<const int> positions, Format format)
{
    std::vector<int> valid;
    valid.reserve(positions.size());
    for (int i : positions)
        if (i >= 0 && i < log.size())
            valid.push_back(i);
    return write(
        qsizetype(valid.size()), [&](qsizetype k) { return fromLog(log, valid[size_t(k)]); }, format,
        log.byteSize() * 3 / 2 * qsizetype(valid.size()) / std::max(1, log.size()));
}

QByteArray answers(const std::vector<Answer>& list, Format format)
{
    qsizetype expected = 64;
    for (const Answer& a : list)
        expected += (a.question.size() + a.typed.size() + a.found.size() + a.missed.size()) * 3 + 128;
    Sink out(expected);
    out.setFormat(format);
    if (format == Format::Csv) {
        out.ascii("date,time,game,question,typed,verdict,found,missed\r\n");
        for (const Answer& a : list)
            answerRecord(out, format, a);
        return out.take();
    }
    out.ascii("[\n");
    for (size_t i = 0; i < list.size(); ++i) {
        if (i > 0)
            out.ascii(",\n");
        answerRecord(out, format, list[i]);
    }
    if (!list.empty())
        out.ascii("\n");
    out.ascii("]\n");
    return out.take();
}

}  // namespace logexport
