#include "app/SettingsFile.h"

#include "platform/RecordLine.h"

namespace settingsfile {

int readHelpTourFlag(const QString& path)
{
    std::optional<QString> text = textfile::readHead(path);
    if (!text)
        return 0;
    std::vector<QStringView> items;
    recordline::split(recordline::firstLine(*text), items);
    return items.size() >= 2 && recordline::toInteger(items[1]) != 0 ? 1 : 0;
}

textfile::WriteResult writeHelpTourFlag(int flag, const QString& path)
{
    return textfile::replace(path, recordline::LineWriter().quoted(u"ヘルプツアー").num(flag).text());
}

}  // namespace settingsfile
