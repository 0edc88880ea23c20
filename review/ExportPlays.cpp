#include "review/ExportPlays.h"

#include "export/ExportFile.h"
#include "export/LogExport.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/SaveDialog.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QPushButton>

namespace exportplays {
namespace {
const QString Title = QStringLiteral("書き出し");
// In the order of logexport::Format.
const QStringList Filters = {QStringLiteral("CSV (*.csv)"), QStringLiteral("JSON (*.json)")};
}  // namespace

QPushButton* makeButton(QWidget* parent)
{
    auto* b = new QPushButton(QStringLiteral("書き出し…"), parent);
    b->setObjectName(QStringLiteral("cmdExport"));
    b->setToolTip(QStringLiteral("一覧の記録を CSV または JSON のファイルに書き出します"));
    return b;
}

std::optional<QString> run(QWidget* parent, const RecordTable& log, std::optional<std::span<const int>> positions,
                           const QString& stem)
{
    const QString suggested = QDir::home().filePath(
        stem + Clock::instance().now().date().toString(QStringLiteral("_yyyyMMdd")) + QStringLiteral(".csv"));
    const auto choice = savedialog::ask(parent, QStringLiteral("dlgExport"), Title, suggested, Filters);
    if (!choice || choice->path.isEmpty())
        return std::nullopt;
    // The chosen filter decides only for a name without a known ending.
    const auto chosen = choice->filter == 1 ? logexport::Format::Json : logexport::Format::Csv;
    const QString target = logexport::withSuffix(choice->path, chosen);
    const auto format = logexport::formatFor(target);
    const QByteArray bytes = positions ? logexport::playLog(log, *positions, format) : logexport::playLog(log, format);
    if (const int errnum = logexport::writeTo(target, bytes)) {
        msgbox::warning(parent, Title,
                        QStringLiteral("%1 に書き込めませんでした。\r\n%2").arg(target, textfile::reason(errnum)));
        return std::nullopt;
    }
    const qsizetype count = positions ? qsizetype(positions->size()) : log.size();
    msgbox::information(parent, Title, QStringLiteral("%1 件の記録を書き出しました。\r\n%2").arg(count).arg(target));
    return target;
}

}  // namespace exportplays
