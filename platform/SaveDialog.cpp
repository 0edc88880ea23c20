#include "platform/SaveDialog.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace savedialog {
namespace {

Responder& responder()
{
    static Responder r;
    return r;
}

// "CSV (*.csv)" -> "csv"
QString suffixOf(const QString& filter)
{
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
    return m.hasMatch() ? m.captured(1) : QString();
}

}  // namespace

std::optional<Choice> ask(QWidget* parent, const QString& objectName, const QString& title, const QString& suggested,
                          const QStringList& filters)
{
    if (responder())
        return responder()(title, suggested, filters);
    QFileDialog dialog(parent, title);
    dialog.setObjectName(objectName);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.selectFile(suggested);
    if (!filters.isEmpty())
        dialog.setDefaultSuffix(suffixOf(filters.first()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(suffixOf(filter));
        // The proposed name follows the chosen format.
        const QStringList chosen = dialog.selectedFiles();
        if (!chosen.isEmpty()) {
            QFileInfo info(chosen.first());
            if (!info.suffix().isEmpty() && !info.isDir())
                dialog.selectFile(info.completeBaseName() + u'.' + suffixOf(filter));
        }
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return Choice{dialog.selectedFiles().first(), int(filters.indexOf(dialog.selectedNameFilter()))};
}

void setResponder(Responder r) { responder() = std::move(r); }

}  // namespace savedialog
