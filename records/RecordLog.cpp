#include "records/RecordLog.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace recordlog {
namespace {

struct Stamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    timespec modified{};
    timespec changed{};
    bool operator==(const Stamp& o) const
    {
        return device == o.device && inode == o.inode && size == o.size && modified.tv_sec == o.modified.tv_sec &&
               modified.tv_nsec == o.modified.tv_nsec && changed.tv_sec == o.changed.tv_sec &&
               changed.tv_nsec == o.changed.tv_nsec;
    }
};

struct Kept {
    QString path;
    Stamp stamp;
    std::shared_ptr<const RecordTable> table;
};

Kept& kept()
{
    static Kept k;
    return k;
}

}  // namespace

std::shared_ptr<const RecordTable> current(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    struct stat st {};
    if (::stat(QFile::encodeName(absolute).constData(), &st) != 0) {
        forget();
        return recordfile::read(path);  // missing: empty
    }
    const Stamp stamp{st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim};
    Kept& k = kept();
    if (k.table && k.path == absolute && k.stamp == stamp)
        return k.table;
    // Stamped before reading: a change during the read makes the next call
    // read again.
    k = Kept{absolute, stamp, recordfile::read(path)};
    return k.table;
}

void forget() { kept() = Kept{}; }

}  // namespace recordlog
