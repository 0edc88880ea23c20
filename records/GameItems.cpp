#include "records/GameItems.h"

namespace items {

const QStringList& names()
{
    // Never destroyed: the log's worker may still be parsing while the
    // program exits.
    static const auto* list = new QStringList{
        QStringLiteral("合体"), QStringLiteral("解体"), QStringLiteral("熟語合体"), QStringLiteral("発掘"),
        QStringLiteral("埋立"), QStringLiteral("連結"), QStringLiteral("しりとり")};
    return *list;
}

int indexOf(QStringView name)
{
    const QStringList& list = names();
    for (int i = 0; i < list.size(); ++i)
        if (list[i] == name)
            return i + 1;
    return 0;
}

QString settingsFile(int item) { return names().value(item - 1) + QStringLiteral("設定.txt"); }

QString historyFile(int item) { return names().value(item - 1) + QStringLiteral("履歴.txt"); }

}  // namespace items
