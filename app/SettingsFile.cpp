#include "app/SettingsFile.h"

#include "platform/RecordLine.h"

namespace settingsfile {

int readHelpTourFlag(const QString& path)
{
    std::optional<QString> text = textfile::read(path);
    if (!text)
        return 0;
    int flag = 0;
    bool first = true;
    recordline::forEachLine(*text, [&](QStringView line) {
        if (!first)
            return;
        first = false;
        std::vector<QStringView> items;
        recordline::split(line, items);
        if (items.size() >= 2)
            flag = recordline::toInteger(items[1]) != 0 ? 1 : 0;
    });
    return flag;
}

textfile::WriteResult writeHelpTourFlag(int flag, const QString& path)
{
    return textfile::replace(path, recordline::LineWriter().quoted(u"ヘルプツアー").num(flag).text());
}

}  // namespace settingsfile
