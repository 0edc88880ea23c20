#include "dictionary/DictionaryFiles.h"

#include "dictionary/Dictionary.h"

#include <QFile>

DictionaryFiles::DictionaryFiles(QString folder) : folder_(std::move(folder)) {}

const QString& DictionaryFiles::name(File file)
{
    return file == File::Kanji ? Dictionary::KanjiFileName : Dictionary::CompoundFileName;
}

QString DictionaryFiles::path(File file) const { return Dictionary::filePath(folder_, name(file)); }

std::optional<DictionaryFiles::Snapshot> DictionaryFiles::snapshot(File file) const
{
    QFile f(path(file));
    if (!f.exists())
        return Snapshot{file, std::nullopt};
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return std::nullopt;
    return Snapshot{file, std::move(bytes)};
}

textfile::WriteResult DictionaryFiles::remember(std::optional<Snapshot> before, textfile::WriteResult result)
{
    // A failed write left the file as it was: the previous undo still fits.
    if (result.ok)
        undo_ = std::move(before);
    return result;
}

textfile::WriteResult DictionaryFiles::append(File file, const QString& line)
{
    std::optional<Snapshot> before = snapshot(file);
    // The append itself gives a last line without its line end one first.
    return remember(std::move(before), textfile::append(path(file), line + QStringLiteral("\r\n")));
}

textfile::WriteResult DictionaryFiles::replace(File file, QByteArrayView bytes)
{
    std::optional<Snapshot> before = snapshot(file);
    return remember(std::move(before), textfile::replaceBytes(path(file), bytes));
}

textfile::Stamp DictionaryFiles::stampNow(File file) const
{
    return textfile::stamp(textfile::load(path(file), Dictionary::MaxFileBytes));
}

textfile::WriteResult DictionaryFiles::undo()
{
    textfile::WriteResult result;
    if (!undo_) {
        result.error = QStringLiteral("元に戻せる変更がありません。");
        return result;
    }
    const QString target = path(undo_->file);
    if (undo_->bytes) {
        result = textfile::replaceBytes(target, *undo_->bytes);
    } else {
        QFile f(target);
        result.ok = !f.exists() || f.remove();
        if (!result.ok)
            result.error = f.errorString();
    }
    if (result.ok)
        undo_.reset();
    return result;
}
