#include "export/ExportFile.h"

#include "platform/TextFile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace logexport {

int writeTo(const QString& target, QByteArrayView bytes)
{
    const QFileInfo info(target);
    if (info.exists() && !info.isDir() && !info.isFile()) {
        // A rename would take the pipe or device away from its reader.
        QFile out(target);
        errno = 0;
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes.data(), bytes.size()) != bytes.size())
            return errno ? errno : EIO;
        return 0;
    }
    const textfile::WriteResult r = textfile::replaceBytes(target, bytes);
    return r.ok ? 0 : (r.errnum ? r.errnum : EIO);
}

QString withSuffix(const QString& name, Format format)
{
    if (name.endsWith(u".csv", Qt::CaseInsensitive) || name.endsWith(u".json", Qt::CaseInsensitive))
        return name;
    return name + (format == Format::Json ? QStringLiteral(".json") : QStringLiteral(".csv"));
}

}  // namespace logexport
