#include "records/RecordFile.h"

#include "platform/Grid.h"
#include "platform/RecordLine.h"

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

QString appendedLine(const QString& date, const QString& time, const QString& item, double seconds,
                     const QString& note)
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
