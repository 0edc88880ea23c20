#pragma once
// The few values the main window's screens share. One object per load of
// the main window; the help tour lives for the whole program run.
#include "platform/HelpTour.h"

#include <QString>

struct MainState {
    HelpTour& tour;
    QString nickname;
    QString firstRecordDate;  // date of the first record; empty with no record
    bool noData = true;
};

#include "review/Screen.h"
