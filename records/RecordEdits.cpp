#include "records/RecordEdits.h"

#include "platform/RecordLine.h"
#include "platform/Sjis.h"
#include "records/RecordLog.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace {

// A record line in the form a rewrite gives it. A double quote cannot stand
// inside a quoted item: in a hand-made record's date, time or item it
// becomes ＂ as in a note, so the record reads back as it was written.
QString rewrittenLine(const PlayRecord& r)
{
    return recordline::LineWriter()
        .quoted(recordline::safeText(r.date))
        .quoted(recordline::safeText(r.time))
        .quoted(recordline::safeText(r.item))
        .num(r.seconds)
        .quoted(recordline::safeText(r.note))
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

// A change to a damaged record: where the damage lies in an item the
// change keeps, it is refused, naming the record.
QString damagedRecordError(const PlayRecord& r, const RecordTable& table, int p)
{
    std::vector<QByteArrayView> items;
    recordline::split(table.lineBytes(p), items);
    items.resize(std::max<size_t>(items.size(), 6));
    const RecordView& v = table.records()[size_t(p)];
    const QChar bad(0xFFFD);
    const bool badSeconds = sjis::decode(items[3]).contains(bad) || !v.counted;
    if (!r.date.contains(bad) && !r.time.contains(bad) && !r.item.contains(bad) && !r.note.contains(bad) &&
        !(badSeconds && r.seconds == v.seconds))
        return {};
    const QString record = QStringLiteral("%1 件目の記録（%2 %3 %4）")
                               .arg(QString::number(p + 1), table.date(v), table.time(v), table.item(v));
    if (v.counted || sjis::decode(table.lineBytes(p)).contains(bad))
        return record + QStringLiteral("には Shift-JIS として読めないバイトがあるため、"
                                       "この記録は変更できません。ファイルはそのままです。");
    return record +
           QStringLiteral("の秒数「%1」は記録として読めないため、この記録は変更できません。ファイルはそのままです。")
               .arg(table.text(v, RecordTable::Field::Seconds));
}

}  // namespace

RecordEdits::RecordEdits(std::shared_ptr<const RecordTable> table) : table_(std::move(table))
{
    order_.resize(size_t(table_->size()));
    std::iota(order_.begin(), order_.end(), 0);
}

void RecordEdits::setOrder(std::vector<int> positions)
{
    std::erase_if(positions, [&](int p) { return p < 0 || p >= table_->size(); });
    order_ = std::move(positions);
}

void RecordEdits::remove(int position)
{
    const auto at = std::find(order_.begin(), order_.end(), position);
    if (at != order_.end())
        order_.erase(at);
}

PlayRecord RecordEdits::record(int p) const
{
    if (const auto c = changes_.find(p); c != changes_.end())
        return c->second;
    if (p < 0 || p >= table_->size())
        return {};
    const RecordView& v = table_->records()[size_t(p)];
    return {table_->date(v), table_->time(v), table_->item(v), v.seconds, table_->note(v)};
}

QString RecordEdits::note(int p) const
{
    if (const auto c = changes_.find(p); c != changes_.end())
        return c->second.note;
    return p >= 0 && p < table_->size() ? table_->note(table_->records()[size_t(p)]) : QString();
}

std::optional<PlayRecord> RecordEdits::change(int p) const
{
    const auto c = changes_.find(p);
    return c == changes_.end() ? std::nullopt : std::optional<PlayRecord>(c->second);
}

void RecordEdits::setChange(int p, std::optional<PlayRecord> record)
{
    if (!record)
        changes_.erase(p);
    else if (p >= 0 && p < table_->size())
        changes_[p] = std::move(*record);
}

void RecordEdits::setNote(int p, const QString& note)
{
    PlayRecord r = record(p);
    r.note = note;
    setChange(p, std::move(r));
}

textfile::WriteResult RecordEdits::save(const QString& path) const
{
    const RecordTable& table = *table_;
    QByteArray out;
    // Lines grow by at most the quotes and the spare a rewrite adds.
    out.reserve(table.byteSize() + qsizetype(order_.size()) * 8);
    out += table.prefix();
    std::vector<QByteArrayView> items;
    items.reserve(8);
    Run run(out);
    for (int p : order_) {
        const auto c = changes_.find(p);
        if (c == changes_.end()) {
            appendUnchanged(out, run, table, p, items);
            continue;
        }
        run.flush();
        const PlayRecord r = c == changes_.end() ? record(p) : c->second;
        if (table.damaged(p)) {
            const QString error = damagedRecordError(r, table, p);
            if (!error.isEmpty()) {
                textfile::WriteResult refused;
                refused.error = error;
                return refused;
            }
        }
        const sjis::Encoded line = sjis::encode(rewrittenLine(r));
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
    if (table.prefix().isEmpty() && out.startsWith(textfile::Bom))
        out.prepend("\r\n");
    const textfile::WriteResult w = textfile::replaceBytes(path, out);
    if (w.ok)
        recordlog::replaced(path, std::move(out));
    else
        recordlog::forget();
    return w;
}
