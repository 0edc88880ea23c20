#include "records/Nickname.h"

#include "platform/RecordLine.h"

namespace nickname {

QString read(const QString& path)
{
    std::optional<QString> text = textfile::read(path);
    if (!text)
        return {};
    QString name;
    bool first = true;
    recordline::forEachLine(*text, [&](QStringView line) {
        if (!first)
            return;
        first = false;
        std::vector<QStringView> items;
        recordline::split(line, items);
        if (items.size() >= 2)
            name = items[1].toString();
    });
    return name;
}

textfile::WriteResult write(const QString& name, const QString& path)
{
    return textfile::replace(
        path, recordline::LineWriter().quoted(u"氏名").quoted(recordline::safeText(name)).text());
}

QString windowTitle(const QString& name)
{
    if (name.isEmpty())
        return QStringLiteral(" フェルノア２ ～字游");
    return name + QStringLiteral(" ") + QStringLiteral(" の フェルノア２ ～字游");
}

}  // namespace nickname
