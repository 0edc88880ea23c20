#pragma once
// 設定.TXT: the help-tour flag, as the line "ヘルプツアー",1
#include "platform/TextFile.h"

#include <QString>

namespace settingsfile {

inline const QString FileName = QStringLiteral("設定.TXT");

int readHelpTourFlag(const QString& path = FileName);  // 0 when missing
textfile::WriteResult writeHelpTourFlag(int flag, const QString& path = FileName);

}  // namespace settingsfile
