#include "dictionary/KanjiLevel.h"

#include "dictionary/Readings.h"

QStringList KanjiLevel::names()
{
    QStringList out;
    for (int g = 1; g <= HighestGrade; ++g)
        out << KanjiLevel(g).name();
    out << KanjiLevel().name();
    return out;
}

KanjiLevel KanjiLevel::fromName(QStringView name)
{
    for (int g = 1; g <= HighestGrade; ++g)
        if (name == KanjiLevel(g).name())
            return KanjiLevel(g);
    return {};
}

QString KanjiLevel::name() const
{
    return all() ? QStringLiteral("常用すべて") : QStringLiteral("小学%1年").arg(grade_);
}

bool KanjiLevel::admits(QStringView text, const Readings& readings) const
{
    if (all())
        return true;
    if (text.isEmpty())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int g = readings.grade(text.sliced(i, 1));
        if (g < 1 || g > grade_)
            return false;
    }
    return true;
}

bool KanjiLevel::admits(QStringView text) const { return all() || admits(text, Readings::shipped()); }

Dictionary KanjiLevel::restrict(const Dictionary& dictionary, const Readings& readings) const
{
    if (all())
        return dictionary;
    std::vector<KanjiEntry> kanji;
    for (int i = 1; i <= dictionary.kanjiCount(); ++i)
        if (admits(dictionary.kansei(i), readings))
            kanji.push_back({dictionary.kansei(i), dictionary.kousei(i)});
    std::vector<QString> compounds;
    for (int j = 1; j <= dictionary.compoundCount(); ++j)
        if (admits(dictionary.compoundText(j), readings))
            compounds.push_back(dictionary.compound(j));
    Dictionary out;
    out.setTables(std::move(kanji), std::move(compounds));
    return out;
}

Dictionary KanjiLevel::restrict(const Dictionary& dictionary) const
{
    return all() ? dictionary : restrict(dictionary, Readings::shipped());
}

QString KanjiLevel::refusal() const
{
    return QStringLiteral("出題範囲「%1」の漢字だけでは、このゲームの問題が作れません。出題範囲を広げてください。")
        .arg(name());
}
