#include "games/frame/GameSettings.h"

#include "platform/RecordLine.h"

#include <vector>

bool GameSettings::isOfferedTimeLimit(float seconds)
{
    // Compared as a whole number only when it is one: NaN and 3e38 are not.
    if (!(seconds >= TimeLimitStep && seconds <= MaxTimeLimit))
        return false;
    const int whole = int(seconds);
    return float(whole) == seconds && whole % TimeLimitStep == 0;
}

GameSettings GameSettings::read(const QString& path, bool withHint)
{
    GameSettings s;
    const std::optional<QString> text = textfile::readHead(path);
    if (!text)
        return s;
    std::vector<QStringView> items;
    recordline::split(recordline::firstLine(*text), items);
    const size_t expected = withHint ? 5 : 4;
    if (items.size() < expected)
        return s;
    size_t i = 0;
    const long long target = recordline::toInteger(items[i++]);
    const float limit = recordline::toFloat(items[i++]);
    if (withHint)
        s.hintOn = recordline::toInteger(items[i++]) != 0 ? 1 : 0;
    s.modeCaption = items[i++].toString();
    s.autoSave = recordline::toInteger(items[i++]) != 0 ? 1 : 0;
    if (target >= 1 && target <= 32767)
        s.answerTarget = int(target);
    if (isOfferedTimeLimit(limit))
        s.timeLimit = limit;
    return s;
}

QString GameSettings::line(bool withHint) const
{
    recordline::LineWriter w;
    w.num(answerTarget).num(timeLimit);
    if (withHint)
        w.num(hintOn);
    w.quoted(modeCaption).num(autoSave);
    return w.text();
}

textfile::WriteResult GameSettings::write(const QString& path, bool withHint) const
{
    return textfile::replace(path, line(withHint));
}
