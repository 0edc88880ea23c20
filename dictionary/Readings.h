#pragma once
// The grade, readings and meaning of each kanji and the reading and meaning
// of each compound, as shipped inside the program (data/読みと意味.TXT, made
// by the dictionary generator). Lines of code page 932:
//     時,2,ジ,とき,time, hour
//     生,1,セイ・ショウ,い.きる・う.まれる・なま,life, genuine, birth
//     会社,かいしゃ,company; corporation
// A kanji: its grade (1 to 6 at primary school, 8 for the jōyō kanji taught
// later), on readings, kun readings (okurigana after a dot) and meaning; a
// word of two or more characters: its reading and meaning. The meaning is
// the rest of the line. A kanji the user adds to the dictionary has no line.
// The generator writes the lines in the order of their keys.
//
// Loading reads no more than each line's key and grade: a line is decoded
// when it is shown, so the program's start-up does not wait for the table.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <vector>

class Readings {
public:
    static constexpr int LaterGrade = 8;

    // The table in the program's resources, read in place.
    static const Readings& shipped();
    // Lines that do not start with a key and a comma are left out; of two
    // lines with one key, the first counts.
    static Readings parse(QByteArray cp932);

    // 1..6, LaterGrade, or 0 when the kanji has no line.
    int grade(QStringView kanji) const;
    // What a game shows under the answer box after an answer: the kanji, its
    // on readings, a slash and its kun readings (okurigana in parentheses),
    // and its meaning, "時　ジ／とき　time, hour"; for a word, the word, its
    // reading and meaning, "会社　かいしゃ　company". Empty when there is no
    // line for it.
    QString line(QStringView answer) const;

    int kanjiCount() const { return kanjiCount_; }
    int wordCount() const { return int(entries_.size()) - kanjiCount_; }

private:
    struct Entry {
        QStringView key;               // into keys_
        qsizetype from = 0, size = 0;  // the line in bytes_
        int grade = 0;
    };
    const Entry* find(QStringView key) const;

    QByteArray bytes_;            // the file
    QString keys_;                // every line's key, decoded in one piece
    std::vector<Entry> entries_;  // by key
    int kanjiCount_ = 0;
};
