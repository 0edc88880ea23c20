#pragma once
// The seven games, named by their item names in their fixed order.
#include <QString>
#include <QStringList>

namespace items {

inline constexpr int Count = 7;
// 合体, 解体, 熟語合体, 発掘, 埋立, 連結, しりとり
const QStringList& names();
// 1-based position of an item name, 0 for none.
int indexOf(QStringView name);
QString settingsFile(int item);  // "合体設定.txt"
QString historyFile(int item);   // "合体履歴.txt"

}  // namespace items
