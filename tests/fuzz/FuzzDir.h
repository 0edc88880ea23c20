#pragma once
// Fuzz targets that go through files work in a private folder in memory.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstdlib>
#include <unistd.h>

namespace fuzzdir {

// Makes and enters the folder once per process.
inline void enter()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    char name[] = "/dev/shm/fernoa2-fuzz-XXXXXX";
    if (!mkdtemp(name))
        std::abort();
    if (chdir(name) != 0)
        std::abort();
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
