#pragma once
// A working directory holding the shipped data set and a generated record
// file of the given size, a few plays a day or spread over `days` days.
#include "platform/Sjis.h"
#include "support/RecordGenerator.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class BenchDir {
public:
    explicit BenchDir(int records, int days = 0)
    {
        previous_ = QDir::currentPath();
        const QDir data(QStringLiteral(FERNOA2_DATA_DIR));
        for (const QString& f : data.entryList(QDir::Files))
            QFile::copy(data.filePath(f), dir_.filePath(f));
        QFile out(dir_.filePath(QStringLiteral("データ.TXT")));
        out.open(QIODevice::WriteOnly | QIODevice::Truncate);
        out.write(sjis::encode(days > 0 ? recordgen::spread(records, days) : recordgen::text(records)).bytes);
        out.close();
        QDir::setCurrent(dir_.path());
    }
    ~BenchDir() { QDir::setCurrent(previous_); }

private:
    QTemporaryDir dir_;
    QString previous_;
};
