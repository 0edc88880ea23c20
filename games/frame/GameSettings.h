#pragma once
// A game's settings and its one-line settings file ("合体設定.txt"): answer
// count, time limit, (hint switch,) mode caption, auto-save.
#include "platform/TextFile.h"

#include <QString>

struct GameSettings {
    static inline const QString TimeModeCaption = QStringLiteral("秒数");
    // The time limits offered: 10, 20, ..., 180 seconds.
    static constexpr int TimeLimitStep = 10;
    static constexpr int MaxTimeLimit = 180;
    static bool isOfferedTimeLimit(float seconds);

    int answerTarget = 10;
    float timeLimit = 60;
    int hintOn = 0;  // only in the files of the games with a hint switch
    QString modeCaption = TimeModeCaption;
    int autoSave = 1;

    // A missing or unreadable file gives the defaults; so does a value that
    // would stop a play from ever ending (no answers) and a time limit that is
    // not one of those offered.
    static GameSettings read(const QString& path, bool withHint);
    QString line(bool withHint) const;
    // Truncates and rewrites the file whole.
    textfile::WriteResult write(const QString& path, bool withHint) const;
};
