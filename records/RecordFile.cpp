#include "records/RecordFile.h"

#include "platform/Grid.h"
#include "platform/RecordLine.h"
#include "platform/Sjis.h"

#include <QFile>

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
// The first item of a line, when it is the whole date `date` (quoted or bare).
bool startsWithDate(const char* p, const char* end, const QByteArray& date)
{
    while (p < end && (*p == ' ' || *p == '\t'))
        ++p;
    const bool quoted = p < end && *p == '"';
    if (quoted)
        ++p;
    if (end - p < date.size() || memcmp(p, date.constData(), size_t(date.size())) != 0)
        return false;
    p += date.size();
    if (quoted)
        return p < end && *p == '"';
    while (p < end && (*p == ' ' || *p == '\t'))
        ++p;
    return p == end || *p == ',' || *p == '\r';
}
}  // namespace

DayRecords readDay(const QString& date, const QString& path)
{
    DayRecords day;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        day.table = RecordTable::parse(QString());
        return day;
    }
    const QByteArray bytes = file.readAll();
    const QByteArray key = date.toLatin1();  // dates are plain ASCII
    QByteArray lines;
    const char* p = bytes.constData();
    const char* const end = p + bytes.size();
    bool first = true;
    while (p < end) {
        const char* eol = static_cast<const char*>(memchr(p, '\n', size_t(end - p)));
        const char* next = eol ? eol + 1 : end;
        const char* stop = eol ? eol : end;
        if (first) {
            const QString line = sjis::decode(QByteArrayView(p, stop - p));
            if (!line.trimmed().isEmpty()) {
                first = false;
                auto t = RecordTable::parse(line);
                if (!t->empty())
                    day.firstDate = t->records().front().date.toString();
            }
        }
        if (startsWithDate(p, stop, key)) {
            lines.append(p, stop - p);
            lines.append('\n');
        }
        p = next;
    }
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
