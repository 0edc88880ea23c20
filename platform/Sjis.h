#pragma once
// Code page 932 (Shift-JIS as Windows writes it) is the only encoding of the
// program's data files. All conversion goes through here.
#include <QByteArray>
#include <QString>
#include <QStringView>

namespace sjis {

// Decodes CP932 bytes. A byte sequence that is not CP932 becomes U+FFFD and
// decoding goes on with the next byte, so a damaged file never stops a reader.
QString decode(QByteArrayView bytes);
// The same; `clean` tells whether every byte was CP932.
QString decode(QByteArrayView bytes, bool* clean);

// Whether every byte is CP932 (decode would give no U+FFFD of its own),
// found without decoding.
bool isClean(QByteArrayView bytes);

struct Encoded {
    QByteArray bytes;
    QString unrepresentable;  // each character CP932 cannot hold, once, in order
    bool ok() const { return unrepresentable.isEmpty(); }
};

// Encodes to CP932. When a character cannot be written, `bytes` is empty and
// the offending characters are listed instead: nothing is silently dropped.
Encoded encode(QStringView text);

// The characters of `text` that CP932 cannot hold (empty when all can).
QString unrepresentable(QStringView text);

}  // namespace sjis
