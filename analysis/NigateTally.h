#pragma once
// The 苦手 figures from the answer log: the kanji, words and components the
// learner misses most, and the share of misses week by week.
//
// Every judged answer is a try of its question, and a wrong answer or a
// give-up a miss; a question still open when the play ended is neither.
// In 解体 each component found is a try of that component, and each one left
// at a give-up a try and a miss. 熟語合体 asks words; the other games count
// where their question is one kanji.
#include <QString>
#include <QStringList>

#include <vector>

class AnswerLog;

struct NigateRow {
    enum class Kind { Kanji, Compound, Component };
    Kind kind = Kind::Kanji;
    QString text;
    int misses = 0;
    int tries = 0;
    int lastDay = -1;  // the last day it was asked, in days since 1970/01/01
    double missRate() const { return tries > 0 ? double(misses) / tries : 0; }
};

struct WeekRate {
    int monday = 0;  // the week's Monday, in days since 1970/01/01
    int tries = 0;
    int misses = 0;
    double missRate() const { return tries > 0 ? double(misses) / tries : 0; }
};

struct NigateFilter {
    int days = 0;  // the last `days` days to today; 0 for the whole log
    int game = 0;  // 1 合体 ... 7 しりとり; 0 for every game
};

struct NigateTally {
    std::vector<NigateRow> rows;  // what was missed at least once, most misses first
    std::vector<WeekRate> weeks;  // the weeks with tries, oldest first
};

NigateTally tallyNigate(const AnswerLog& log, int today, const NigateFilter& filter);

// The kanji missed most on day `day`, at most `count`, most misses first
// (the one missed first on a tie).
QStringList mostMissedKanji(const AnswerLog& log, int day, int count);

// Whether `text` is one kanji.
bool isKanji(QStringView text);
