#include "platform/HelpViewer.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace help {
namespace {
QStringList& paths()
{
    static QStringList p;
    return p;
}
QPointer<QTextBrowser>& window()
{
    static QPointer<QTextBrowser> w;
    return w;
}
}  // namespace

void setSearchPaths(const QStringList& folders) { paths() = folders; }

QString defaultTopic(const QString& helpFileName)
{
    const QString stem = QFileInfo(helpFileName).completeBaseName();
    for (const QString& folder : paths()) {
        const QString page = QDir(folder).filePath(stem + QStringLiteral("/index.html"));
        if (QFileInfo::exists(page))
            return page;
    }
    return {};
}

bool open(QWidget* owner, const QString& helpFileName)
{
    Q_UNUSED(owner);  // the help window outlives the main window, which is rebuilt often
    const QString page = defaultTopic(helpFileName);
    if (page.isEmpty())
        return false;
    if (!window()) {
        auto* w = new QTextBrowser;
        w->setObjectName(QStringLiteral("frmHelp"));
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->setOpenExternalLinks(false);
        w->setWindowTitle(QStringLiteral("フェルノア２ ヘルプ"));
        w->resize(760, 620);
        window() = w;
    }
    window()->setSource(QUrl::fromLocalFile(page));
    window()->show();
    window()->raise();
    window()->activateWindow();
    return true;
}

void closeAll()
{
    if (window())
        window()->close();
}

bool isOpen() { return window() && window()->isVisible(); }

}  // namespace help
