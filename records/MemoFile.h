#pragma once
// メモ.TXT, the free memo: the text of the memo box, lines ended by CR LF,
// followed by one CR LF.
#include "platform/TextFile.h"

#include <QString>

namespace memofile {

inline const QString FileName = QStringLiteral("メモ.TXT");

// A memo is typed by hand: a larger file is refused rather than frozen on.
inline constexpr qint64 MaxBytes = 2 * 1024 * 1024;

struct Memo {
    // As the box holds it: lines joined by "\n", without the line break that
    // saving adds at the end. A missing or empty file is an empty memo.
    QString text;
    // Why the file was not read (too large, unreadable, a folder), naming
    // it; empty when it was. A memo not read must not be saved over.
    QString problem;
};
Memo read(const QString& path = FileName);

// Replaces the file with `text` (lines separated by "\n", "\r\n" or "\r").
// Characters code page 932 cannot hold are refused and nothing is written.
textfile::WriteResult write(const QString& text, const QString& path = FileName);

// The file's text for a memo, and the memo for a file's text; parse(format(t))
// gives back t for every t whose line breaks are "\n".
QString format(QStringView memo);
QString parse(QStringView fileText);

}  // namespace memofile
