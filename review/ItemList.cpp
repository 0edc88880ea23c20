#include "review/ItemList.h"

#include "records/GameItems.h"

#include <QListWidget>

namespace itemlist {

void fillItemList(QListWidget& lstAct2)
{
    lstAct2.clear();
    lstAct2.addItems(items::names());
}

QStringList loadItemNames(const QListWidget& lstAct2)
{
    QStringList names;
    names.reserve(lstAct2.count());
    for (int i = 0; i < lstAct2.count(); ++i)
        names << lstAct2.item(i)->text();
    return names;
}

}  // namespace itemlist
