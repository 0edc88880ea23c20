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
    switch (kind) {
    case Kind::Confirm:
        return QMessageBox::warning(parent, title, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) ==
               QMessageBox::Ok;
    case Kind::Warning:
        QMessageBox::warning(parent, title, text);
        return true;
    case Kind::Information:
        QMessageBox::information(parent, title, text);
        return true;
    }
    return false;
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
