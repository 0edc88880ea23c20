#include "games/frame/AnswerKanji.h"

#include "games/frame/GameWindow.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>

AnswerKanji::AnswerKanji(QWidget* parent, int width, int pointSize)
{
    frame_ = new QFrame(parent);
    frame_->setObjectName(QStringLiteral("fraKanjiK"));
    frame_->setFrameShape(QFrame::Box);
    frame_->setFixedSize(width, 150);
    auto* layout = new QHBoxLayout(frame_);
    layout->setContentsMargins(1, 1, 1, 1);
    label_ = new QLabel(frame_);
    label_->setObjectName(QStringLiteral("lblKanjiK"));
    QFont font = label_->font();
    font.setPointSize(pointSize);
    label_->setFont(font);
    label_->setAlignment(Qt::AlignCenter);
    label_->setAutoFillBackground(true);
    GameWindow::setLabelColor(label_, QPalette::Window, Qt::white);
    layout->addWidget(label_);
}

void AnswerKanji::show(const QString& text)
{
    ++shown_;
    label_->setText(text);
}

void AnswerKanji::show(const QString& text, const QColor& color)
{
    show(text);
    GameWindow::setLabelColor(label_, QPalette::WindowText, color);
}

void AnswerKanji::empty()
{
    ++shown_;
    label_->clear();
}
