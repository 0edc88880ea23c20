#pragma once
// txtKaitou, the answer box. Enter and ESC are reported instead of typed.
// Japanese is typed through the desktop's input method: the Enter that
// commits a composition belongs to the input method and is not an answer,
// whether the input method swallows that key or passes it on after the commit.
#include <QInputMethodEvent>
#include <QLineEdit>

#include <optional>

class AnswerBox : public QLineEdit {
    Q_OBJECT
public:
    explicit AnswerBox(QWidget* parent = nullptr);
    bool composing() const { return composing_; }

    // While an answer or a give-up is worked through, the player may already
    // type the next answer. Between these two calls clear() takes away only
    // the judged text at the front of the box, once; what was typed after it
    // stays. Outside them clear() empties the box.
    void beginJudging(const QString& judged);
    void endJudging();
    void clear();

signals:
    // Enter on committed, non-empty text.
    void enterPressed();
    void escapePressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Takes the first `count` characters away and leaves a composition in
    // progress as it is: the input method keeps what the player is typing.
    void removeFront(int count);

    bool composing_ = false;
    // The composition as the input method last showed it, to show it again
    // after the text around it changed.
    QString preedit_;
    QList<QInputMethodEvent::Attribute> preeditAttributes_;
    // Set by a commit and cleared once the events of that moment are through:
    // an Enter arriving with the commit is the input method's.
    bool justCommitted_ = false;
    // The text being judged; empty once cleared, unset outside a judgement.
    std::optional<QString> judged_;
};
