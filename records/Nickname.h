#pragma once
// The user's nickname, kept in プライベート.txt as the line "氏名","name".
#include "platform/TextFile.h"

#include <QString>

namespace nickname {

inline const QString FileName = QStringLiteral("プライベート.txt");
// The longest nickname taken, in characters: it heads the window title.
constexpr int MaxLength = 40;
inline const QString TooLongText = QStringLiteral("名前は４０文字以内で入力してください。");

QString read(const QString& path = FileName);  // empty when missing
textfile::WriteResult write(const QString& name, const QString& path = FileName);
// The main window's title for a nickname.
QString windowTitle(const QString& name);

}  // namespace nickname
