#include "games/frame/AnswerBox.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTimer>

AnswerBox::AnswerBox(QWidget* parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("txtKaitou"));
    setAttribute(Qt::WA_InputMethodEnabled);
}

void AnswerBox::inputMethodEvent(QInputMethodEvent* event)
{
    composing_ = !event->preeditString().isEmpty();
    if (!event->commitString().isEmpty()) {
        justCommitted_ = true;
        QTimer::singleShot(0, this, [this] { justCommitted_ = false; });
    }
    QLineEdit::inputMethodEvent(event);
}

void AnswerBox::focusOutEvent(QFocusEvent* event)
{
    composing_ = false;
    QLineEdit::focusOutEvent(event);
}

void AnswerBox::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        event->accept();
        if (!composing_ && !justCommitted_ && !text().isEmpty())
            emit enterPressed();
        return;
    }
    if (key == Qt::Key_Escape) {
        if (composing_) {
            QLineEdit::keyPressEvent(event);  // the input method cancels its composition
            return;
        }
        event->accept();
        emit escapePressed();
        return;
    }
    justCommitted_ = false;
    QLineEdit::keyPressEvent(event);
}

void AnswerBox::beginJudging(const QString& judged) { judged_ = judged; }

void AnswerBox::endJudging() { judged_.reset(); }

void AnswerBox::clear()
{
    if (!judged_) {
        QLineEdit::clear();
        return;
    }
    // A judged text the player has edited meanwhile is theirs now: left alone.
    const QString now = text();
    if (!judged_->isEmpty() && now.startsWith(*judged_)) {
        const QString typedAfter = now.mid(judged_->size());
        setText(typedAfter);
        setCursorPosition(int(typedAfter.size()));
    }
    judged_ = QString();
}
