#pragma once
// The help tour: when it is on, each screen and window explains itself in an
// information box when it is entered. One object for the whole program run.
#include <QString>

class QWidget;

class HelpTour {
public:
    int flag = 0;  // 1 on, 0 off; from 設定.TXT
    QString text;  // what the next step shows
    bool introShown = false;

    // Shows `text` titled "ヘルプツアー" when the tour is on.
    void show(QWidget* parent) const;
    // Composes the text, then shows it.
    void show(QWidget* parent, const QString& composed)
    {
        text = composed;
        show(parent);
    }
};
