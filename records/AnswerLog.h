#pragma once
// The answer log kept in memory, compact: twelve bytes an answer and each
// distinct question text once. It is read from the file once in a run;
// the program's own appends (answerlog::append) add their answers to the
// kept log, so a play never makes the file be read again.
//
// Reading is a function of the file alone (AnswerLog::readFile), so it can
// run on any thread; the kept copy is handed out as an immutable snapshot.
// Once the main window stands, readInBackground() reads the file on a worker
// thread, so the first screen that needs the log finds it read.
#include "platform/FileStamp.h"
#include "records/AnswerFile.h"

#include <QString>

#include <array>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

class AnswerLog {
public:
    struct Entry {
        quint32 question;    // text id
        quint32 components;  // 解体: the component found (正解) or those not found (ギブアップ); else 0
        quint16 day;         // days since 1970/01/01
        quint8 game;         // 1 合体 ... 7 しりとり
        quint8 flags;
        Verdict verdict() const { return Verdict(flags & 3); }
        // The answer ends its question with all of it answered: a right
        // answer, and in 解体 the one that found the last component.
        bool completes() const { return flags & 4; }
    };

    AnswerLog();

    // The whole file, read in pieces through a small buffer; a missing file
    // holds no answer. `stamp`, when given, receives the stamp of the very
    // bytes read: the file is read again when a write landed during the
    // read, and one that kept changing gets a stamp of size -1.
    static std::shared_ptr<AnswerLog> readFile(const QString& path, filestamp::Stamp* stamp = nullptr);
    // Only the end of the file, from the last line before day `fromDay` on
    // (the whole file when the log is in date order and that day is in it):
    // enough for one day's figures without reading a long log.
    static std::shared_ptr<AnswerLog> readTail(const QString& path, int fromDay);

    // Adds the lines of `bytes`; the last may be without its line end.
    void addBytes(QByteArrayView bytes);

    const std::vector<Entry>& entries() const { return entries_; }
    int size() const { return int(entries_.size()); }
    int damagedLines() const { return damaged_; }
    // Whether no entry is dated before the one ahead of it (a clock set
    // back breaks the order): then a period's answers are the log's end.
    bool inDayOrder() const { return inDayOrder_; }

    // The whole log's figures, kept up as lines are added, so that they
    // never need a walk over every answer.
    struct Totals {
        int tries = 0;     // answers judged (a question still open at the end is none)
        int misses = 0;    // wrong answers and give-ups
        int lastDay = -1;  // the last day it was asked, open or judged
    };
    // Of text `id` asked in game `game` (1 合体 ... 7 しりとり).
    const Totals& totals(quint32 id, int game) const { return totals_[size_t(id) * Slots + size_t(game)]; }
    // Of the 解体 answers naming components text `id` (the one found, or
    // those left at a give-up): each one a try, a give-up a miss.
    const Totals& componentTotals(quint32 id) const { return totals_[size_t(id) * Slots]; }
    struct WeekTotals {
        int monday = 0;                        // days since 1970/01/01
        std::array<int, 8> tries{}, misses{};  // by game, as in Totals; [0] unused
    };
    // The weeks with an answer, oldest first.
    const std::vector<WeekTotals>& weeks() const { return weeks_; }

    // The text of id `id`; id 0 is the empty text.
    const QString& text(quint32 id) const { return texts_[id]; }
    int textCount() const { return int(texts_.size()); }
    // The id of `text`, 0 when no answer holds it.
    quint32 idOf(QStringView text) const;

private:
    static constexpr size_t Slots = 8;  // a text's totals: [0] as components, [1..7] by game

    void addLine(QByteArrayView line);
    void count(const Entry& e);
    quint32 intern(QByteArrayView bytes);

    std::vector<Entry> entries_;
    std::vector<QString> texts_;
    std::vector<QByteArray> bytes_;  // the code page 932 form of each text
    // Texts of up to seven bytes (nearly every question) by shortKey in an
    // open table of (key, id) slots; longer ones by views into bytes_.
    std::vector<std::pair<std::uint64_t, quint32>> shortIds_;
    size_t shortCount_ = 0;
    std::unordered_map<std::string_view, quint32> longIds_;
    std::vector<Totals> totals_;  // Slots a text
    std::vector<WeekTotals> weeks_;
    int damaged_ = 0;
    bool inDayOrder_ = true;
};

namespace answerlog {

// The log of the file at `path`: the kept one while the file is as the
// program left it, otherwise read anew and kept. Waits for a read the worker
// is doing rather than reading a second time.
std::shared_ptr<const AnswerLog> current(const QString& path = answerfile::FileName);
// Reads the log on a worker thread and keeps it, unless the kept one is current.
void readInBackground(const QString& path = answerfile::FileName);
// Returns once the worker has done what it was given.
void waitForWorker();
// The kept log when there is one for `path` and the file is unchanged;
// otherwise only the file's end from day `fromDay` on (AnswerLog::readTail).
std::shared_ptr<const AnswerLog> since(int fromDay, const QString& path = answerfile::FileName);

// Appends the answers of a play in one write, with the safety of every
// append (TextFile), and adds them to the kept log, after a read the worker
// is doing. Nothing is written for no answers.
textfile::WriteResult append(const std::vector<Answer>& answers, const QString& path = answerfile::FileName);

// Drops the kept log.
void forget();

}  // namespace answerlog
