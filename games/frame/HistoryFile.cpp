#include "games/frame/HistoryFile.h"

#include "platform/RecordLine.h"
#include "platform/Sjis.h"

#include <QFile>
#include <QFileInfo>

QString HistoryRow::line() const
{
    return recordline::LineWriter()
        .quoted(date)
        .quoted(time)
        .bare(answers)
        .num(ok)
        .num(ng)
        .bare(sixth)
        .quoted(accuracy)
        .quoted(rate)
        .quoted(seconds)
        .text();
}

HistoryRow HistoryRow::parse(QStringView line)
{
    std::vector<QStringView> items;
    recordline::split(line, items);
    items.resize(9);
    HistoryRow r;
    r.date = items[0].toString();
    r.time = items[1].toString();
    r.answers = items[2].toString();
    auto count = [](QStringView item) {
        const long long v = recordline::toInteger(item);
        return v > HistoryRow::MaxCount || v < -HistoryRow::MaxCount ? 0 : v;
    };
    r.ok = count(items[3]);
    r.ng = count(items[4]);
    r.sixth = recordline::number(recordline::toDouble(items[5]));
    r.accuracy = items[6].toString();
    r.rate = items[7].toString();
    r.seconds = items[8].toString();
    return r;
}

std::vector<QString> HistoryRow::cells(int number) const
{
    return {QString::number(number), date,  time,     answers, QString::number(ok),
            QString::number(ng),     sixth, accuracy, rate,    seconds};
}

namespace history {

bool isCut(QByteArrayView line)
{
    std::vector<QByteArrayView> items;
    recordline::split(line, items);
    if (items.size() < 9)
        return true;
    // The ninth item is quoted: a whole row ends in its closing quote.
    const QByteArrayView rest = line.sliced(recordline::afterItems(line, 8));
    const QByteArrayView last = rest.sliced(rest.startsWith(',') ? 1 : 0).trimmed();
    return last.size() < 2 || !last.startsWith('"') || !last.endsWith('"');
}

namespace {

// A count item as HistoryRow::parse reads it, from its bytes.
long long countOf(QByteArrayView item)
{
    for (const char c : item)
        if (static_cast<unsigned char>(c) >= 0x80)
            return 0;  // no digit of a count is beyond ASCII
    const long long v = recordline::toInteger(QString::fromLatin1(item));
    return v > HistoryRow::MaxCount || v < -HistoryRow::MaxCount ? 0 : v;
}

// Calls f(line) for each non-blank line of the file, reading it in pieces;
// f returns false to stop.
template <typename F> void forEachFileLine(const QString& path, F&& f)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    constexpr qint64 Piece = 1 << 20;
    QByteArray buffer;
    qsizetype pos = 0;   // where the unread lines of the buffer begin
    qsizetype scan = 0;  // how far the line being read was searched for its end
    bool atEnd = false;
    bool first = true;
    while (!atEnd) {
        const QByteArray more = file.read(Piece);
        atEnd = more.size() < Piece;
        buffer += more;
        if (first) {
            pos = buffer.size() - textfile::withoutBom(buffer).size();
            first = false;
        }
        for (;;) {
            qsizetype stop = std::max(pos, scan);
            while (stop < buffer.size() && buffer[stop] != '\r' && buffer[stop] != '\n')
                ++stop;
            // A line end may be cut between CR and LF by the piece's end.
            if (!atEnd && stop >= buffer.size() - 1) {
                scan = std::max(pos, stop - 1);
                break;
            }
            scan = 0;
            const QByteArrayView line = QByteArrayView(buffer).sliced(pos, stop - pos);
            if (!line.trimmed().isEmpty() && !f(line))
                return;
            if (stop < buffer.size() && buffer[stop] == '\r')
                ++stop;
            if (stop < buffer.size() && buffer[stop] == '\n')
                ++stop;
            pos = stop;
            if (pos >= buffer.size())
                break;
        }
        if (pos > 0) {
            buffer.remove(0, pos);
            scan = std::max<qsizetype>(0, scan - pos);
            pos = 0;
        }
    }
}

QString decoded(QByteArrayView item)
{
    for (const char c : item)
        if (static_cast<unsigned char>(c) >= 0x80)
            return sjis::decode(item);
    return QString::fromLatin1(item);
}

}  // namespace

std::shared_ptr<Listing> Listing::read(const QString& path, const Filter& filter)
{
    auto listing = std::make_shared<Listing>();
    // The rows listed are at most the file: room for them at once, not grown
    // row by row.
    const qint64 size = QFileInfo(path).size();
    listing->bytes_.reserve(qsizetype(std::min<qint64>(size, qint64(MaxListed) * 256)));
    listing->lines_.reserve(size_t(std::min<qint64>(size / 40 + 1, MaxListed)));
    const QByteArray limit = sjis::encode(filter.limitText + QStringLiteral("秒")).bytes;
    std::vector<QByteArrayView> items;
    forEachFileLine(path, [&](QByteArrayView line) {
        const bool cut = isCut(line);
        bool keep = filter.kind == Filter::Kind::All;
        if (!keep && !cut) {
            recordline::split(line, items);
            if (filter.kind == Filter::Kind::TimeLimit)
                keep = items[8] == QByteArrayView(limit);
            else
                keep = countOf(items[3]) + countOf(items[4]) == filter.count;
        }
        if (keep)
            listing->keep(line, cut);
        return listing->rows() < MaxListed;
    });
    return listing;
}

void Listing::keep(QByteArrayView line, bool damaged)
{
    lines_.push_back({bytes_.size(), line.size(), damaged});
    bytes_ += line;
}

QByteArrayView Listing::lineBytes(int i) const
{
    const Line& l = lines_[size_t(i)];
    return QByteArrayView(bytes_).sliced(l.start, l.length);
}

HistoryRow Listing::row(int i) const { return HistoryRow::parse(sjis::decode(lineBytes(i))); }

QString Listing::cell(int row, int col) const
{
    if (row != cachedRow_) {
        cachedCells_ = this->row(row).cells(row + 1);
        cachedRow_ = row;
    }
    return col >= 0 && col < int(cachedCells_.size()) ? cachedCells_[size_t(col)] : QString();
}

double Listing::value(int i, Column col) const
{
    QString text;
    if (col == Ok || col == Ng || col == Sixth) {
        // Counts and the sixth figure are shown converted: take the cell.
        text = cell(i, col);
    } else if (col > Number && col < Columns) {
        std::vector<QByteArrayView> items;
        recordline::split(lineBytes(i), items);
        text = size_t(col) <= items.size() ? decoded(items[size_t(col - 1)]) : QString();
    }
    return leadingNumber(text);
}

void Listing::add(const HistoryRow& row)
{
    QString line = row.line();
    line.chop(2);  // the line end
    keep(sjis::encode(line).bytes, false);
}

std::vector<HistoryRow> read(const QString& path)
{
    const std::shared_ptr<Listing> listing = Listing::read(path);
    std::vector<HistoryRow> rows;
    rows.reserve(size_t(listing->rows()));
    for (int i = 0; i < listing->rows(); ++i)
        rows.push_back(listing->row(i));
    return rows;
}

textfile::WriteResult append(const QString& path, const HistoryRow& row, qint64* oldSize)
{
    return textfile::append(path, row.line(), oldSize);
}

textfile::WriteResult clear(const QString& path) { return textfile::replace(path, QString()); }

double leadingNumber(QStringView text)
{
    qsizetype n = 0;
    while (n < text.size() && text[n] == u' ')
        ++n;
    const qsizetype start = n;
    if (n < text.size() && (text[n] == u'-' || text[n] == u'+'))
        ++n;
    while (n < text.size() && ((text[n] >= u'0' && text[n] <= u'9') || text[n] == u'.'))
        ++n;
    return recordline::toDouble(text.mid(start, n - start));
}

}  // namespace history
