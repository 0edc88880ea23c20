#include "records/RecordFile.h"

#include "platform/Grid.h"
#include "platform/RecordLine.h"
#include "platform/Sjis.h"
#include "records/RecordGrid.h"
#include "records/RecordLog.h"

#include <algorithm>
#include <cstring>

namespace {

void addRecord(std::vector<RecordView>& records, QStringView line, std::vector<QStringView>& items)
{
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

std::shared_ptr<const RecordTable> RecordTable::parseBytes(QByteArray bytes)
{
    auto table = std::make_shared<RecordTable>();
    table->fromBytes_ = true;
    table->bytes_ = std::move(bytes);
    const QByteArrayView all(table->bytes_);
    table->prefix_ = all.size() - textfile::withoutBom(all).size();
    const QByteArrayView body = all.sliced(table->prefix_);
    bool clean = true;
    table->buffer_ = sjis::decode(body, &clean);

    const size_t lines = size_t(std::count(body.begin(), body.end(), '\n')) + 1;
    table->records_.reserve(lines);
    table->lines_.reserve(lines);
    std::vector<QStringView> items;
    items.reserve(8);
    // Line ends are ASCII bytes that never sit inside a two-byte character,
    // so the lines of the bytes and of the decoded text correspond one to one.
    const char* b = body.data();
    const char* const bEnd = b + body.size();
    const QChar* t = table->buffer_.constData();
    const QChar* const tEnd = t + table->buffer_.size();
    while (b < bEnd && t < tEnd) {
        const char* bStop = lineEnd(b, bEnd);
        const QChar* tStop = lineEnd(t, tEnd);
        const QStringView line(t, tStop - t);
        if (!line.trimmed().isEmpty()) {
            addRecord(table->records_, line, items);
            table->lines_.push_back({qsizetype(b - all.data()), qsizetype(bStop - b),
                                     !clean && line.contains(QChar(0xFFFD)),
                                     bEnd - bStop >= 2 && bStop[0] == '\r' && bStop[1] == '\n'});
        }
        b = nextLine(bStop, bEnd);
        t = nextLine(tStop, tEnd);
    }
    return table;
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

textfile::WriteResult append(const QString& line, const QString& path)
{
    recordlog::forget();
    return textfile::append(path, line);
}

namespace {

using Col = RecordGridSource::Column;

// A record line in the form a rewrite gives it, from the row's cells. A
// double quote cannot stand inside a quoted item: in a hand-made record's
// date, time or item it becomes ＂ as in a note, so the record reads back as
// it was written.
QString rewrittenLine(const GridModel& m, int r)
{
    return recordline::LineWriter()
        .quoted(recordline::safeText(m.cell(r, Col::Date)))
        .quoted(recordline::safeText(m.cell(r, Col::Time)))
        .quoted(recordline::safeText(m.cell(r, Col::Item)))
        .num(recordline::toFloat(m.cell(r, Col::Seconds)))
        .quoted(recordline::safeText(m.cell(r, Col::Note)))
        .quoted(u"")
        .text();
}

// A text item's bytes as a rewrite writes them between quotes: a double
// quote (only a bare item of a hand-made line holds one) becomes ＂.
void appendQuotedItem(QByteArray& out, QByteArrayView item)
{
    static const QByteArray quote = sjis::encode(recordline::safeText(u"\"")).bytes;
    for (qsizetype from = 0; from < item.size();) {
        const qsizetype at = item.indexOf('"', from);
        const qsizetype stop = at < 0 ? item.size() : at;
        out += item.sliced(from, stop - from);
        if (at < 0)
            break;
        out += quote;
        from = at + 1;
    }
}

// Record p of the table in the rewrite form, straight from its bytes: the
// items are cut where the decoded line would be cut, since quotes, commas
// and spaces never sit inside a two-byte character.
void appendRewritten(QByteArray& out, const RecordTable& table, int p, std::vector<QByteArrayView>& items)
{
    const QByteArrayView line = table.lineBytes(p);
    if (table.damaged(p)) {  // kept as it was read
        out += line;
        out += "\r\n";
        return;
    }
    recordline::split(line, items);
    items.resize(std::max<size_t>(items.size(), 6));
    out += '"';
    appendQuotedItem(out, items[0]);
    out += "\",\"";
    appendQuotedItem(out, items[1]);
    out += "\",\"";
    appendQuotedItem(out, items[2]);
    out += "\",";
    char number[recordline::NumberBufferSize];
    out.append(number, recordline::number(table.records()[size_t(p)].seconds, number));
    out += ",\"";
    appendQuotedItem(out, items[4]);
    out += "\",\"\"\r\n";
}

// How a clean line stands against the rewrite form.
enum class Form {
    Rewrite,   // "date","time","item",seconds,"note","" exactly
    Appended,  // as a game appends it: the same, ending in a bare comma
    Other,
};

// Tells the form on the line's bytes: quotes and commas never sit inside a
// two-byte character. The seconds must stand as the rewrite writes them.
Form formOf(QByteArrayView line, float seconds)
{
    const char* p = line.data();
    const char* const end = p + line.size();
    const auto expect = [&](char c) {
        if (p == end || *p != c)
            return false;
        ++p;
        return true;
    };
    const auto quoted = [&] {
        if (!expect('"'))
            return false;
        const void* close = std::memchr(p, '"', size_t(end - p));
        if (!close)
            return false;
        p = static_cast<const char*>(close) + 1;
        return true;
    };
    for (int i = 0; i < 3; ++i)
        if (!quoted() || !expect(','))
            return Form::Other;
    char number[recordline::NumberBufferSize];
    const qsizetype n = recordline::number(seconds, number);
    if (end - p < n || std::memcmp(p, number, size_t(n)) != 0)
        return Form::Other;
    p += n;
    if (!expect(',') || !quoted() || !expect(','))
        return Form::Other;
    if (p == end)
        return Form::Appended;
    if (end - p == 2 && p[0] == '"' && p[1] == '"')
        return Form::Rewrite;
    return Form::Other;
}

// Lines that go out as the file holds them, CR LF included. Consecutive
// ones that lie together in the file are copied in one piece.
class Run {
public:
    explicit Run(QByteArray& out) : out_(out) {}
    // Adds `line`, followed in the file by CR LF.
    void add(QByteArrayView line)
    {
        if (line.data() != end_) {
            flush();
            begin_ = line.data();
        }
        end_ = line.data() + line.size() + 2;
    }
    void flush()
    {
        if (begin_ != end_)
            out_.append(begin_, end_ - begin_);
        begin_ = end_ = nullptr;
    }

private:
    QByteArray& out_;
    const char* begin_ = nullptr;
    const char* end_ = nullptr;
};

// Record p, unchanged, in the rewrite form.
void appendUnchanged(QByteArray& out, Run& run, const RecordTable& table, int p, std::vector<QByteArrayView>& items)
{
    const QByteArrayView line = table.lineBytes(p);
    const Form form = table.damaged(p) ? Form::Rewrite : formOf(line, table.records()[size_t(p)].seconds);
    if (form == Form::Rewrite && table.endsInCrLf(p)) {
        run.add(line);
        return;
    }
    run.flush();
    if (form == Form::Rewrite) {
        out += line;
        out += "\r\n";
    } else if (form == Form::Appended) {
        out += line;
        out += "\"\"\r\n";
    } else {
        appendRewritten(out, table, p, items);
    }
}

// A damaged record that the user changed: where its damage lies in an item
// that is not replaced, the change is refused, naming the record.
QString damagedRecordError(const GridModel& m, int r, const RecordTable& table, int p)
{
    std::vector<QByteArrayView> items;
    recordline::split(table.lineBytes(p), items);
    items.resize(std::max<size_t>(items.size(), 6));
    for (int col = Col::Date; col <= Col::Note; ++col) {
        if (!m.edited(r, col) && sjis::decode(items[size_t(col - 1)]).contains(QChar(0xFFFD))) {
            const RecordView& v = table.records()[size_t(p)];
            return QStringLiteral("%1 件目の記録（%2 %3 %4）には Shift-JIS として読めないバイトがあるため、"
                                  "この記録は変更できません。ファイルはそのままです。")
                .arg(QString::number(p + 1), v.date.toString(), v.time.toString(), v.item.toString());
        }
    }
    return {};
}

}  // namespace

textfile::WriteResult rewriteFromGrid(const Grid& grid, const QString& path)
{
    return rewriteFromGrid(grid.model(), path);
}

textfile::WriteResult rewriteFromGrid(const GridModel& m, const QString& path)
{
    const auto* source = dynamic_cast<const RecordGridSource*>(m.source().get());
    const RecordTable* table = source && source->table().hasBytes() ? &source->table() : nullptr;
    QByteArray out;
    if (table) {
        // Lines grow by at most the quotes and the spare a rewrite adds.
        out.reserve(table->byteSize() + qsizetype(m.dataRows()) * 8);
        out += table->prefix();
    }
    std::vector<QByteArrayView> items;
    items.reserve(8);
    std::vector<bool> edited(table ? size_t(table->size()) : 0);
    for (int p : m.editedSourceRows(Col::Date, Col::Note))
        if (p >= 0 && size_t(p) < edited.size())
            edited[size_t(p)] = true;
    Run run(out);
    for (int r = 0; r < m.dataRows(); ++r) {
        const int p = table ? m.sourceRow(r) : -1;
        if (p >= 0 && !edited[size_t(p)]) {
            appendUnchanged(out, run, *table, p, items);
            continue;
        }
        run.flush();
        if (p >= 0 && table->damaged(p)) {
            const QString error = damagedRecordError(m, r, *table, p);
            if (!error.isEmpty()) {
                textfile::WriteResult refused;
                refused.error = error;
                return refused;
            }
        }
        const sjis::Encoded line = sjis::encode(rewrittenLine(m, r));
        if (!line.ok()) {
            textfile::WriteResult refused;
            refused.unrepresentable = line.unrepresentable;
            return refused;
        }
        out += line.bytes;
    }
    run.flush();
    // A damaged line kept as read may begin with the bytes of a byte order
    // mark; moved to the start of the file, it would lose them to the next
    // reader. A blank line before it keeps it whole.
    if (table && table->prefix().isEmpty() && out.startsWith(textfile::Bom))
        out.prepend("\r\n");
    recordlog::forget();
    return textfile::replaceBytes(path, out);
}

textfile::WriteResult truncate(const QString& path)
{
    recordlog::forget();
    return textfile::replace(path, QString());
}

QString secondsText(float seconds) { return recordline::number(seconds); }

}  // namespace recordfile
