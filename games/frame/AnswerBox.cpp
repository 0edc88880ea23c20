#include "games/frame/AnswerBox.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTimer>

#include <algorithm>

AnswerBox::AnswerBox(QWidget* parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("txtKaitou"));
    setAttribute(Qt::WA_InputMethodEnabled);
}

void AnswerBox::inputMethodEvent(QInputMethodEvent* event)
{
    composing_ = !event->preeditString().isEmpty();
    preedit_ = event->preeditString();
    preeditAttributes_.clear();
    for (const QInputMethodEvent::Attribute& a : event->attributes()) {
        // Cursor and formats are relative to the composition; a selection is not.
        if (a.type == QInputMethodEvent::Cursor || a.type == QInputMethodEvent::TextFormat)
            preeditAttributes_.append(a);
    }
    if (!event->commitString().isEmpty()) {
        justCommitted_ = true;
        QTimer::singleShot(0, this, [this] { justCommitted_ = false; });
    }
    QLineEdit::inputMethodEvent(event);
}

void AnswerBox::focusOutEvent(QFocusEvent* event)
{
    composing_ = false;
    preedit_.clear();
    preeditAttributes_.clear();
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
    if (!judged_->isEmpty() && now.startsWith(*judged_))
        removeFront(int(judged_->size()));
    judged_ = QString();
}

void AnswerBox::removeFront(int count)
{
    if (!composing_) {
        const int cursor = cursorPosition();
        setText(text().mid(count));
        setCursorPosition(std::max(cursor - count, 0));
        return;
    }
    // setText and every cursor move would make the input method reset or
    // commit its composition. An input method event of our own replaces the
    // front of the text and shows the same composition again.
    QInputMethodEvent edit(preedit_, preeditAttributes_);
    edit.setCommitString(QString(), -cursorPosition(), count);
    inputMethodEvent(&edit);
}
