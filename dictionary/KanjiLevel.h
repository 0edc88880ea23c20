#pragma once
// The level a game is played at ("出題範囲"): the kanji of the first school
// grades (小学1年 … 小学6年), or every kanji of the dictionary (常用すべて, the
// default). A game draws its questions, boards and start kanji from the
// kanji at or below the level; what the player types is judged against the
// whole dictionary as before. A kanji without a grade (one the user added)
// belongs to 常用すべて only.
#include "dictionary/Dictionary.h"

#include <QString>
#include <QStringList>
#include <QStringView>

class Readings;

class KanjiLevel {
public:
    static constexpr int All = 0;
    static constexpr int HighestGrade = 6;
    // The option's name in the games' options file.
    static inline const QString OptionName = QStringLiteral("出題範囲");

    // The levels in the order a list offers them: 小学1年 … 小学6年, 常用すべて.
    static QStringList names();
    // The level of a name; 常用すべて for a name that is none.
    static KanjiLevel fromName(QStringView name);

    KanjiLevel() = default;
    // Grades 1..6; anything else is every kanji.
    explicit KanjiLevel(int grade) : grade_(grade >= 1 && grade <= HighestGrade ? grade : All) {}

    int grade() const { return grade_; }
    bool all() const { return grade_ == All; }
    QString name() const;
    // Its position in names().
    int index() const { return all() ? HighestGrade : grade_ - 1; }

    // Whether every character of `text` is a kanji of a grade at or below
    // the level (always, at 常用すべて).
    bool admits(QStringView text, const Readings& readings) const;
    bool admits(QStringView text) const;
    // The kanji entries and the compounds whose kanji the level admits, in
    // their order: what a game draws from.
    Dictionary restrict(const Dictionary& dictionary, const Readings& readings) const;
    Dictionary restrict(const Dictionary& dictionary) const;

    // Why Start is refused when the level leaves a game nothing to ask.
    QString refusal() const;

private:
    int grade_ = All;
};
