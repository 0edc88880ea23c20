#include "platform/MessageBox.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace msgbox {
namespace {
constexpr int TitleBarButtonsPx = 140;

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
    // A short text makes a narrow box whose title bar cuts the title
    // ("登…了"): the box is at least as wide as its title and the window
    // buttons beside it.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int titleWidth = QFontMetrics(box.font()).horizontalAdvance(title) * 5 / 4 + TitleBarButtonsPx;
        grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0,
                      1, grid->columnCount());
    }
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
