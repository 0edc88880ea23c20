#pragma once
// 解答記録.TXT, the log of every judged answer: one line an answer, the
// answers of a play appended together when the play ends.
//
// A line holds eight items, all quoted: date, time, game, the question (the
// kanji or word asked; in the board and chain games the kanji typed), what
// was typed, the verdict (正解, 不正解, ギブアップ, 時間切れ for a question
// still open when the play ended) and, in 解体, the components found so far
// and those not found.
#include "platform/TextFile.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

enum class Verdict : std::uint8_t { Right, Wrong, GivenUp, TimedOut };

struct Answer {
    QString date;  // "yyyy/mm/dd"
    QString time;  // "hh:mm:ss"
    int game = 0;  // 1 合体 ... 7 しりとり
    QString question;
    QString typed;
    Verdict verdict = Verdict::Wrong;
    QString found;   // 解体: the components found, in slot order
    QString missed;  // 解体: the components not found
    bool operator==(const Answer&) const = default;
};

namespace answerfile {

inline const QString FileName = QStringLiteral("解答記録.TXT");

QString verdictText(Verdict verdict);

// Days since 1970/01/01 of a "yyyy/mm/dd" date; -1 for anything else or a
// day that does not exist.
int dayNumber(QByteArrayView date);
int dayNumber(QStringView date);
QString dateOfDay(int day);

// The first seven bytes and the count of `bytes` in one number: equal
// numbers are equal bytes when the count is at most seven.
std::uint64_t shortKey(QByteArrayView bytes);

// The items of one line as the readers take them, before any decoding.
struct LineItems {
    QByteArrayView date, time, question, typed, found, missed;
    int day = -1;
    int game = 0;
    Verdict verdict = Verdict::Wrong;
};
// False for a damaged line: bytes that are not code page 932, a date or time
// that is not one, an unknown game or verdict, no question. Items after the
// eighth are left for later versions of the file.
bool parseLine(QByteArrayView line, LineItems* items);

// The line of an answer, ended by CR LF. Characters code page 932 cannot hold
// (an emoji typed) become 〓, so that a play's answers are never refused.
QString line(const Answer& answer);
// The bytes of a play's answers, one line each.
QByteArray encode(const std::vector<Answer>& answers);

// Every answer of the file, decoded; a missing file holds none. Damaged
// lines are counted and left where they are.
struct Contents {
    std::vector<Answer> answers;
    int damagedLines = 0;
};
Contents read(const QString& path = FileName);

}  // namespace answerfile
