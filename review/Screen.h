#pragma once
#include <QFrame>
#include <QString>

// A screen of the main window: the window hides the others, calls prepare(),
// shows it, lets events run and gives its help-tour text.
class Screen : public QFrame {
    Q_OBJECT
public:
    using QFrame::QFrame;
    virtual void prepare();
    virtual QString helpTourText() const;
};
