#pragma once
// The play log and the answer log written out for other programs: UTF-8 CSV with a header line
// (RFC 4180: CR LF line ends, a field quoted when it holds a comma, a double
// quote or a line break, quotes doubled), or a JSON array of one object a
// record. Fields: date (yyyy-mm-dd), time, game, seconds (a number), note
// (the summary the game wrote), diary (the one-line diary the learner put in
// its place), and damaged (true for a line whose bytes are not all code page 932:
// its fields go out as they were read).
#include "records/AnswerFile.h"
#include "records/RecordFile.h"

#include <QByteArray>
#include <QStringView>

#include <functional>
#include <span>

namespace logexport {

enum class Format { Csv, Json };

// One play as it goes out; the texts are views valid during the write.
struct Play {
    QStringView date;  // "yyyy/mm/dd" goes out as "yyyy-mm-dd", anything else as it stands
    QStringView time;
    QStringView game;
    float seconds = 0;
    QStringView note;
    QStringView diary;
    bool damaged = false;
};

// `count` plays, asked for one at a time in order.
QByteArray plays(qsizetype count, const std::function<Play(qsizetype)>& play, Format format);

// JSON for a file name ending in ".json" (any case), CSV for any other.
Format formatFor(QStringView fileName);

// Every record of the log, in file order.
QByteArray playLog(const RecordTable& log, Format format);
// The given records of the log (0-based positions), in the order given.
QByteArray playLog(const RecordTable& log, std::span<const int> positions, Format format);

// The answer log as read, one answer a record: date, time, game, question,
// typed, verdict (正解, 不正解, ギブアップ, 時間切れ), found and missed (the
// components of a 解体 question).
QByteArray answers(const std::vector<Answer>& answers, Format format);

}  // namespace logexport
