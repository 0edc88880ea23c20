#include "records/Nickname.h"

#include "platform/RecordLine.h"

namespace nickname {

QString read(const QString& path)
{
    std::optional<QString> text = textfile::readHead(path);
    if (!text)
        return {};
    std::vector<QStringView> items;
    recordline::split(recordline::firstLine(*text), items);
    return items.size() >= 2 ? items[1].toString() : QString();
}

textfile::WriteResult write(const QString& name, const QString& path)
{
    return textfile::replace(path, recordline::LineWriter().quoted(u"氏名").quoted(recordline::safeText(name)).text());
}

QString windowTitle(const QString& name)
{
    if (name.isEmpty())
        return QStringLiteral(" フェルノア２ ～字游");
    return name + QStringLiteral(" ") + QStringLiteral(" の フェルノア２ ～字游");
}

}  // namespace nickname
