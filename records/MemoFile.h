#pragma once
// メモ.TXT, the free memo: the text of the memo box, lines ended by CR LF,
// followed by one CR LF.
#include "platform/TextFile.h"

#include <QString>

namespace memofile {

inline const QString FileName = QStringLiteral("メモ.TXT");

// The memo as the box holds it: lines joined by "\n", without the line break
// that saving adds at the end. A missing or empty file is an empty memo.
QString read(const QString& path = FileName);

// Replaces the file with `text` (lines separated by "\n", "\r\n" or "\r").
// Characters code page 932 cannot hold are refused and nothing is written.
textfile::WriteResult write(const QString& text, const QString& path = FileName);

// The file's text for a memo, and the memo for a file's text; parse(format(t))
// gives back t for every t whose line breaks are "\n".
QString format(QStringView memo);
QString parse(QStringView fileText);

}  // namespace memofile
