#include "platform/MessageBox.h"

#include <QMessageBox>

namespace msgbox {
namespace {
Responder& responder()
{
    static Responder r;
    return r;
}

bool show(QWidget* parent, Kind kind, const QString& title, const QString& text)
{
    if (responder())
        return responder()(kind, title, text);
    QMessageBox box(kind == Kind::Information ? QMessageBox::Information : QMessageBox::Warning, title, text,
                    QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);  // texts quote file contents
    if (kind == Kind::Confirm) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
    }
    return box.exec() == QMessageBox::Ok;
}
}  // namespace

bool confirm(QWidget* parent, const QString& title, const QString& text)
{
    return show(parent, Kind::Confirm, title, text);
}

void warning(QWidget* parent, const QString& title, const QString& text) { show(parent, Kind::Warning, title, text); }

void information(QWidget* parent, const QString& title, const QString& text)
{
    show(parent, Kind::Information, title, text);
}

void setResponder(Responder r) { responder() = std::move(r); }

}  // namespace msgbox
