#pragma once
// The item list lstAct2: the seven games in their fixed order, filled once
// at start-up. The views take their item names from it.
#include <QStringList>

class QListWidget;

namespace itemlist {

void fillItemList(QListWidget& lstAct2);
// A copy of the list's entries, in list order.
QStringList loadItemNames(const QListWidget& lstAct2);

}  // namespace itemlist
