#pragma once
// The box beside the components in which the answer shows (lblKanjiK):
// green when the player was right, red when wrong. It keeps its black
// outline while the text in it changes colour. It counts what it has been
// told to show, so that the end of a pause empties it only when nothing
// newer stands there.
#include <QColor>
#include <QString>

class QFrame;
class QLabel;
class QWidget;

class AnswerKanji {
public:
    static inline const QColor RightColor = QColor(0, 192, 0);
    static inline const QColor WrongColor = QColor(255, 0, 0);

    // A framed box `width` × 150 pixels in `parent`, its text at `pointSize`.
    AnswerKanji(QWidget* parent, int width, int pointSize);

    QFrame* frame() const { return frame_; }
    QLabel* label() const { return label_; }

    void show(const QString& text);  // in the colour it last had
    void show(const QString& text, const QColor& color);
    void empty();
    // Changes with every show() and empty().
    int shown() const { return shown_; }

private:
    QFrame* frame_;
    QLabel* label_;
    int shown_ = 0;
};
