#include "records/RecordFile.h"

#include "platform/Grid.h"
#include "platform/RecordLine.h"
#include "platform/Sjis.h"

#include <cstring>

std::shared_ptr<const RecordTable> RecordTable::parse(QString text)
{
    auto table = std::make_shared<RecordTable>();
    table->buffer_ = std::move(text);
    const QString& buffer = table->buffer_;
    std::vector<QStringView> items;
    items.reserve(8);
    table->records_.reserve(size_t(buffer.size() / 64));
    recordline::forEachLine(QStringView(buffer), [&](QStringView line) {
        recordline::split(line, items);
        items.resize(std::max<size_t>(items.size(), 6));
        RecordView r;
        r.date = items[0];
        r.time = items[1];
        r.item = items[2];
        r.secondsText = items[3];
        r.seconds = recordline::toFloat(items[3]);
        r.note = items[4];
        r.spare = items[5];
        table->records_.push_back(r);
    });
    return table;
}

namespace recordfile {

std::shared_ptr<const RecordTable> read(const QString& path)
{
    std::optional<QString> text = textfile::read(path);
    return RecordTable::parse(text ? std::move(*text) : QString());
}

namespace {
// The first item of a line as bytes, taken as the line reader takes it:
// spaces before it skipped, a quoted item up to its closing quote (or the
// line end), a bare one up to the next comma without trailing spaces. Quotes,
// commas, spaces and line ends are ASCII bytes that code page 932 never uses
// inside a two-byte character, so this is the decoded item's byte form.
QByteArrayView firstItem(QByteArrayView line)
{
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (i < n && (line[i] == ' ' || line[i] == '\t'))
        ++i;
    if (i < n && line[i] == '"') {
        const qsizetype start = ++i;
        while (i < n && line[i] != '"')
            ++i;
        return line.sliced(start, i - start);
    }
    const qsizetype start = i;
    while (i < n && line[i] != ',')
        ++i;
    while (i > start && (line[i - 1] == ' ' || line[i - 1] == '\t'))
        --i;
    return line.sliced(start, i - start);
}

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
    DayRecords day;
    const std::optional<QByteArray> file = textfile::readBytes(path);
    const QByteArrayView bytes = file ? textfile::withoutBom(*file) : QByteArrayView();
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
        if (sameText(firstItem(line), key)) {
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

textfile::WriteResult append(const QString& line, const QString& path) { return textfile::append(path, line); }

textfile::WriteResult rewriteFromGrid(const Grid& grid, const QString& path)
{
    const GridModel& m = grid.model();
    QString out;
    out.reserve(m.dataRows() * 80);
    for (int r = 0; r < m.dataRows(); ++r) {
        recordline::LineWriter()
            .quoted(m.cell(r, 1))
            .quoted(m.cell(r, 2))
            .quoted(m.cell(r, 3))
            .num(recordline::toFloat(m.cell(r, 4)))
            .quoted(recordline::safeText(m.cell(r, 5)))
            .quoted(u"")
            .appendTo(out);
    }
    return textfile::replace(path, out);
}

textfile::WriteResult truncate(const QString& path) { return textfile::replace(path, QString()); }

QString secondsText(float seconds) { return recordline::number(seconds); }

}  // namespace recordfile
