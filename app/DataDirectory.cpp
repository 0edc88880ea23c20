#include "app/DataDirectory.h"

#include "dictionary/Dictionary.h"
#include "platform/TextFile.h"
#include "records/GameItems.h"
#include "records/Nickname.h"
#include "records/RecordFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <unistd.h>

#ifndef FERNOA2_SOURCE_DATA_DIR
#define FERNOA2_SOURCE_DATA_DIR ""
#endif
#ifndef FERNOA2_INSTALL_DATA_DIR
#define FERNOA2_INSTALL_DATA_DIR ""
#endif

namespace datadir {

QStringList dataFiles()
{
    QStringList files = {recordfile::FileName,       nickname::FileName,        QStringLiteral("設定.TXT"),
                         QStringLiteral("メモ.TXT"), Dictionary::KanjiFileName, Dictionary::CompoundFileName};
    for (int i = 1; i <= items::Count; ++i)
        files << items::settingsFile(i) << items::historyFile(i);
    return files;
}

bool holdsData(const QString& folder)
{
    const QDir dir(folder);
    return dir.exists(recordfile::FileName) || dir.exists(Dictionary::KanjiFileName);
}

QString userFolder()
{
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return base + QStringLiteral("/fernoa2");
}

QString installedDataSet()
{
    const QStringList candidates = {QCoreApplication::applicationDirPath() + QStringLiteral("/../share/fernoa2"),
                                    QString::fromUtf8(FERNOA2_INSTALL_DATA_DIR),
                                    QString::fromUtf8(FERNOA2_SOURCE_DATA_DIR)};
    for (const QString& c : candidates)
        if (!c.isEmpty() && QFileInfo::exists(c + u'/' + Dictionary::KanjiFileName))
            return QDir(c).canonicalPath();
    return {};
}

bool seed(const QString& target, const QString& source, QString* error)
{
    QDir dir(target);
    for (const QString& name : dataFiles()) {
        const QString to = dir.filePath(name);
        if (QFileInfo::exists(to))
            continue;
        const QString from = source.isEmpty() ? QString() : QDir(source).filePath(name);
        bool ok = false;
        if (!from.isEmpty() && QFileInfo::exists(from)) {
            ok = QFile::copy(from, to);
            if (ok)  // installed files are read-only; the user's copies are not
                QFile::setPermissions(to, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                                              QFileDevice::ReadOther);
        } else {
            QFile empty(to);
            ok = empty.open(QIODevice::WriteOnly);
        }
        if (!ok) {
            if (error)
                *error = QStringLiteral("%1 を作成できませんでした。").arg(to);
            return false;
        }
    }
    return true;
}

QString prepare(const QString& workingDir, QString* error)
{
    if (holdsData(workingDir))
        return QDir(workingDir).absolutePath();
    const QString folder = userFolder();
    if (!QDir().mkpath(folder)) {
        if (error)
            *error = QStringLiteral("データフォルダ %1 を作成できませんでした。").arg(folder);
        return {};
    }
    if (!seed(folder, installedDataSet(), error))
        return {};
    return folder;
}

std::unique_ptr<QLockFile> lock(const QString& folder, QString* error)
{
    auto file = std::make_unique<QLockFile>(QDir(folder).filePath(QStringLiteral("fernoa2.lock")));
    // A lock left by a crashed copy is recognised by its process id and taken
    // over; a lock's age alone never makes it stale, however long a copy runs.
    file->setStaleLockTime(0);
    if (file->tryLock(0))
        return file;
    if (error) {
        // A lock left by a crashed copy cannot be taken over in a folder that
        // cannot be written either: that folder is the reason, not a copy.
        const QByteArray name = QFile::encodeName(folder);
        const bool writable = ::access(name.constData(), W_OK) == 0;
        const int reason = writable ? EIO : errno;
        if (file->error() == QLockFile::LockFailedError && writable) {
            *error = QStringLiteral("フェルノア２はこのデータフォルダで既に起動しています。\r\n%1").arg(folder);
        } else {
            *error = QStringLiteral("データフォルダ %1 に書き込めないため、起動できません。\r\n\r\n%2")
                         .arg(folder, textfile::reason(reason));
        }
    }
    return nullptr;
}

int removeStaleTemporaries(const QString& folder)
{
    // textfile::replace's temporary files: the data file's name, the
    // temporary suffix and six letters or digits.
    static const QRegularExpression tail(QStringLiteral("^[A-Za-z0-9]{6}$"));
    const QString suffix = QString::fromLatin1(textfile::TemporarySuffix);
    const QDir dir(folder);
    int removed = 0;
    for (const QString& name : dataFiles()) {
        const QString stem = name + suffix;
        const QStringList found = dir.entryList({stem + QStringLiteral("*")}, QDir::Files | QDir::Hidden);
        for (const QString& f : found) {
            if (f.startsWith(stem) && tail.match(QStringView(f).sliced(stem.size())).hasMatch() &&
                QFile::remove(dir.filePath(f)))
                ++removed;
        }
    }
    return removed;
}

QStringList foreignFiles(const QString& folder)
{
    const QDir dir(folder);
    QStringList found;
    for (const QString& name : dataFiles()) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        // The beginning tells: reading a large log whole would slow every start.
        if (textfile::looksLikeUtf8(file.read(64 * 1024 + 4), 64 * 1024))
            found << name;
    }
    return found;
}

QString foreignFilesMessage(const QStringList& files)
{
    if (files.isEmpty())
        return {};
    return QStringLiteral(
               "次のファイルは UTF-8 で書かれているようです。フェルノア２のファイルは Shift-JIS（CP932）です。\r\n"
               "このままでは文字化けして表示されます。\r\n\r\n%1\r\n\r\n"
               "ファイルは変換していません。テキストエディタで Shift-JIS として保存し直してください。")
        .arg(files.join(QStringLiteral("\r\n")));
}

QStringList folderFiles(const QString& folder)
{
    const QDir dir(folder);
    QStringList found;
    for (const QString& name : dataFiles())
        if (QFileInfo(dir.filePath(name)).isDir())
            found << name;
    return found;
}

QString folderFilesMessage(const QStringList& files)
{
    if (files.isEmpty())
        return {};
    return QStringLiteral("次のデータファイルはファイルではなくフォルダになっています。\r\n"
                          "その内容は読み込めず、保存もできません。\r\n\r\n%1\r\n\r\n"
                          "フォルダの名前を変えるか移動してから、フェルノア２を起動し直してください。")
        .arg(files.join(QStringLiteral("\r\n")));
}

}  // namespace datadir
