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

WriteResult replace(const QString& path, QStringView text)
{
    WriteResult result;
    sjis::Encoded enc = sjis::encode(text);
    if (!enc.ok()) {
        result.unrepresentable = enc.unrepresentable;
        return result;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.error = file.errorString();
        return result;
    }
    if (file.write(enc.bytes) != enc.bytes.size()) {
        result.error = file.errorString();
        file.cancelWriting();
        return result;
    }
    if (!file.commit()) {
        result.error = file.errorString();
        return result;
    }
    result.ok = true;
    return result;
}

WriteResult append(const QString& path, QStringView text)
{
    WriteResult result;
    sjis::Encoded enc = sjis::encode(text);
    if (!enc.ok()) {
        result.unrepresentable = enc.unrepresentable;
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        result.error = file.errorString();
        return result;
    }
    // One write call for the whole line keeps a partial line unlikely; flush
    // reports a full disk here rather than at close.
    if (file.write(enc.bytes) != enc.bytes.size() || !file.flush()) {
        result.error = file.errorString();
        return result;
    }
    result.ok = true;
    return result;
}

}  // namespace textfile
