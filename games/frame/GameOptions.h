#pragma once
// ゲーム設定.txt: the options of the games that their own settings files
// (合体設定.txt ...) do not hold, one a line: the game's item name, the
// option's name and its value, each quoted:
//     "合体","苦手を優先","1"
// A new option is a new name. Lines the program does not know or cannot
// read are written back as they were, so nothing in the file is lost.
#include "platform/TextFile.h"

#include <QByteArray>
#include <QString>

#include <vector>

class GameOptions {
public:
    static inline const QString FileName = QStringLiteral("ゲーム設定.txt");
    // The tick that draws the questions the learner missed more often.
    static inline const QString PreferMisses = QStringLiteral("苦手を優先");

    // A missing or unreadable file sets no option: each has its default.
    static GameOptions read(const QString& path = FileName);

    // Option `name` of game `game` (1 合体 ... 7 しりとり); `fallback` when
    // the file does not set it.
    QString value(int game, const QString& name, const QString& fallback = {}) const;
    // "1" is on and "0" off; anything else is `fallback`.
    bool isOn(int game, const QString& name, bool fallback = false) const;
    void set(int game, const QString& name, const QString& value);
    void setOn(int game, const QString& name, bool on);

    // Replaces the file whole, atomically.
    textfile::WriteResult write(const QString& path = FileName) const;

private:
    struct Line {
        QByteArray bytes;  // as the file holds it, without its line end
        int game = 0;      // 0: a line the program does not read
        QString name;
        QString value;
    };
    std::vector<Line> lines_;
};
