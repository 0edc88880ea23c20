#include "platform/TextFile.h"

#include "platform/Sjis.h"

#include <QFile>
#include <QSaveFile>

namespace textfile {

std::optional<QString> read(const QString& path)
{
    return readBounded(path, std::numeric_limits<qint64>::max(), nullptr);
}

std::optional<QString> readBounded(const QString& path, qint64 maxBytes, bool* tooLarge)
{
    if (tooLarge)
        *tooLarge = false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (file.size() > maxBytes) {
        if (tooLarge)
            *tooLarge = true;
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return sjis::decode(bytes);
}

QString WriteResult::message(const QString& fileName) const
{
    if (!unrepresentable.isEmpty())
        return QStringLiteral("次の文字は保存できません：%1\r\n\r\n%2 には何も書き込んでいません。")
            .arg(unrepresentable, fileName);
    return QStringLiteral("%1 に書き込めませんでした。\r\n\r\n%2").arg(fileName, error);
}

namespace {
// Encodes `text` and hands the bytes to `write`, which returns whether the
// write succeeded and sets the file's reason when not. Nothing is written
// when a character cannot be encoded.
template <typename Write> WriteResult encodeAndWrite(QStringView text, Write&& write)
{
    WriteResult result;
    const sjis::Encoded enc = sjis::encode(text);
    if (!enc.ok()) {
        result.unrepresentable = enc.unrepresentable;
        return result;
    }
    result.ok = write(enc.bytes, result.error);
    return result;
}
}  // namespace

namespace {
bool writeWhole(const QString& path, const QByteArray& bytes, QString& error)
{
    QSaveFile file(path);
    bool ok = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    if (!ok)
        file.cancelWriting();
    ok = ok && file.commit();
    if (!ok)
        error = file.errorString();
    return ok;
}
}  // namespace

WriteResult replace(const QString& path, QStringView text)
{
    return encodeAndWrite(text,
                          [&](const QByteArray& bytes, QString& error) { return writeWhole(path, bytes, error); });
}

WriteResult replaceBytes(const QString& path, const QByteArray& bytes)
{
    WriteResult result;
    result.ok = writeWhole(path, bytes, result.error);
    return result;
}

WriteResult append(const QString& path, QStringView text)
{
    return encodeAndWrite(text, [&](const QByteArray& bytes, QString& error) {
        QFile file(path);
        // One write call for the whole line keeps a partial line unlikely;
        // flush reports a full disk here rather than at close.
        const bool ok =
            file.open(QIODevice::WriteOnly | QIODevice::Append) && file.write(bytes) == bytes.size() && file.flush();
        if (!ok)
            error = file.errorString();
        return ok;
    });
}

}  // namespace textfile
