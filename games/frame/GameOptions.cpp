#include "games/frame/GameOptions.h"

#include "platform/RecordLine.h"
#include "platform/Sjis.h"
#include "records/GameItems.h"

GameOptions GameOptions::read(const QString& path)
{
    GameOptions options;
    const std::optional<QByteArray> bytes = textfile::readBytes(path);
    if (!bytes)
        return options;
    std::vector<QStringView> items;
    recordline::forEachLine(textfile::withoutBom(*bytes), [&](QByteArrayView raw) {
        Line line;
        line.bytes = raw.toByteArray();
        bool clean = false;
        const QString text = sjis::decode(raw, &clean);
        recordline::split(text, items);
        if (clean && items.size() >= 3 && !items[1].isEmpty()) {
            line.game = items::indexOf(items[0]);
            line.name = items[1].toString();
            line.value = items[2].toString();
        }
        options.lines_.push_back(std::move(line));
    });
    return options;
}

QString GameOptions::value(int game, const QString& name, const QString& fallback) const
{
    // The last line of an option counts, as it would after a hand edit that
    // added one.
    for (auto it = lines_.rbegin(); it != lines_.rend(); ++it)
        if (it->game != 0 && it->game == game && it->name == name)
            return it->value;
    return fallback;
}

bool GameOptions::isOn(int game, const QString& name, bool fallback) const
{
    const QString v = value(game, name);
    return v == u"1" ? true : v == u"0" ? false : fallback;
}

void GameOptions::set(int game, const QString& name, const QString& value)
{
    const sjis::Encoded e = sjis::encode(recordline::LineWriter()
                                             .quoted(items::names().value(game - 1))
                                             .quoted(recordline::safeText(name))
                                             .quoted(recordline::safeText(value))
                                             .text()
                                             .chopped(2));
    if (game < 1 || game > items::Count || !e.ok())
        return;
    Line line{e.bytes, game, name, value};
    for (auto it = lines_.rbegin(); it != lines_.rend(); ++it)
        if (it->game == game && it->name == name) {
            *it = std::move(line);
            return;
        }
    lines_.push_back(std::move(line));
}

void GameOptions::setOn(int game, const QString& name, bool on)
{
    set(game, name, on ? QStringLiteral("1") : QStringLiteral("0"));
}

textfile::WriteResult GameOptions::write(const QString& path) const
{
    QByteArray bytes;
    for (const Line& line : lines_)
        bytes += line.bytes + "\r\n";
    return textfile::replaceBytes(path, bytes);
}
