#pragma once
// Fuzz targets that go through files work in a private folder in memory.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstdlib>
#include <unistd.h>

namespace fuzzdir {

// Makes and enters the folder once per process; a run that ends normally
// removes it (one that stops on a finding leaves it, to look at).
inline void enter()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    static char name[] = "/dev/shm/fernoa2-fuzz-XXXXXX";
    if (!mkdtemp(name))
        std::abort();
    if (chdir(name) != 0)
        std::abort();
    std::atexit([] { QDir(QString::fromLocal8Bit(name)).removeRecursively(); });
}

inline void write(const QString& name, QByteArrayView bytes)
{
    QFile f(name);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    f.write(bytes.data(), bytes.size());
}

inline QByteArray read(const QString& name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace fuzzdir
