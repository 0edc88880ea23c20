#include "analysis/DatedPlays.h"

#include "records/RecordFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <sys/stat.h>

namespace dates {

std::optional<QDate> parse(QStringView text)
{
    if (text.size() != 10 || text[4] != u'/' || text[7] != u'/')
        return std::nullopt;
    int parts[3] = {0, 0, 0};
    int part = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i == 4 || i == 7) {
            ++part;
            continue;
        }
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        parts[part] = parts[part] * 10 + (c - u'0');
    }
    const QDate date(parts[0], parts[1], parts[2]);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

int monthsBetween(const QDate& a, const QDate& b) { return (b.year() - a.year()) * 12 + (b.month() - a.month()); }

int weekday(const QDate& date) { return date.dayOfWeek() % 7 + 1; }

}  // namespace dates

DatedPlays DatedPlays::from(const RecordTable& table, const QStringList& itemNames)
{
    DatedPlays out;
    out.plays_.reserve(size_t(table.size()));
    std::int64_t lo = 0, hi = 0;
    // The log holds a few days' plays in a row: the previous line's date
    // answers most lookups without parsing.
    QStringView lastText;
    std::int64_t lastDay = 0;
    for (const RecordView& r : table.records()) {
        std::int64_t day;
        if (!lastText.isEmpty() && r.date == lastText) {
            day = lastDay;
        } else {
            const std::optional<QDate> date = dates::parse(r.date);
            if (!date)
                continue;
            day = date->toJulianDay();
            lastText = r.date;
            lastDay = day;
        }
        int item = 0;
        for (qsizetype i = 0; i < itemNames.size(); ++i) {
            if (itemNames[i] == r.item) {
                item = int(i) + 1;
                break;
            }
        }
        if (out.plays_.empty()) {
            lo = hi = day;
        } else {
            lo = std::min(lo, day);
            hi = std::max(hi, day);
        }
        out.plays_.push_back({day, item, double(r.seconds)});
    }
    if (!out.plays_.empty()) {
        out.first_ = QDate::fromJulianDay(lo);
        out.last_ = QDate::fromJulianDay(hi);
    }
    return out;
}

namespace {
// What identifies one state of the log file: a rewrite replaces the file (a
// new inode), an append changes its size, any write its modification time.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    timespec modified{};
    bool operator==(const FileStamp& o) const
    {
        return device == o.device && inode == o.inode && size == o.size && modified.tv_sec == o.modified.tv_sec &&
               modified.tv_nsec == o.modified.tv_nsec;
    }
};

std::optional<FileStamp> stamp(const QString& path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return std::nullopt;
    return FileStamp{st.st_dev, st.st_ino, st.st_size, st.st_mtim};
}
}  // namespace

DatedPlays DatedPlays::read(const QStringList& itemNames)
{
    // Switching between the calendar and the tables, or between the tables'
    // options, reads the log again only when it was written in between.
    static struct {
        QString path;
        QStringList names;
        std::optional<FileStamp> stamp;
        DatedPlays plays;
    } last;
    const QString path = QFileInfo(recordfile::FileName).absoluteFilePath();
    const std::optional<FileStamp> now = stamp(path);
    if (now && last.stamp && *now == *last.stamp && path == last.path && itemNames == last.names)
        return last.plays;
    DatedPlays plays = from(*recordfile::read(), itemNames);
    last = {path, itemNames, now, plays};
    return plays;
}
