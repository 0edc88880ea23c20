#include "games/frame/HistoryFile.h"

#include "platform/RecordLine.h"

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

std::vector<HistoryRow> read(const QString& path)
{
    std::vector<HistoryRow> rows;
    const std::optional<QString> text = textfile::read(path);
    if (!text)
        return rows;
    recordline::forEachLine(*text, [&](QStringView line) { rows.push_back(HistoryRow::parse(line)); });
    return rows;
}

textfile::WriteResult append(const QString& path, const HistoryRow& row, qint64* oldSize)
{
    return textfile::append(path, row.line(), oldSize);
}

textfile::WriteResult clear(const QString& path) { return textfile::replace(path, QString()); }

bool matchesTimeLimit(const HistoryRow& row, const QString& limitText)
{
    return row.seconds == limitText + QStringLiteral("秒");
}

bool matchesAnswerCount(const HistoryRow& row, long long count) { return row.ok + row.ng == count; }

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
