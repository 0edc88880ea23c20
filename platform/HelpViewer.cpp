#include "platform/HelpViewer.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace help {
namespace {
// The help window. It shows only pages and pictures inside the help folder;
// web and mail links go to the desktop's browser and mail program, and
// anything else (another local file, an absolute path) is not followed.
class HelpBrowser : public QTextBrowser {
public:
    explicit HelpBrowser(QString folder) : folder_(std::move(folder)) {}
    void setFolder(QString folder) { folder_ = std::move(folder); }

protected:
    void doSetSource(const QUrl& url, QTextDocument::ResourceType type) override
    {
        const QUrl target = source().isValid() ? source().resolved(url) : url;
        if (isInside(target)) {
            QTextBrowser::doSetSource(target, type);
            return;
        }
        const QString scheme = target.scheme();
        if (scheme == u"http" || scheme == u"https" || scheme == u"mailto")
            QDesktopServices::openUrl(target);
    }
    QVariant loadResource(int type, const QUrl& name) override
    {
        const QUrl target = source().isValid() ? source().resolved(name) : name;
        return isInside(target) ? QTextBrowser::loadResource(type, target) : QVariant();
    }

private:
    bool isInside(const QUrl& url) const
    {
        if (!url.isLocalFile() || folder_.isEmpty())
            return false;
        const QString file = QFileInfo(url.toLocalFile()).canonicalFilePath();  // no .. or links out
        return !file.isEmpty() && file.startsWith(folder_ + u'/');
    }
    QString folder_;  // canonical
};

QStringList& paths()
{
    static QStringList p;
    return p;
}
QPointer<HelpBrowser>& window()
{
    static QPointer<HelpBrowser> w;
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
    const QString folder = QFileInfo(page).canonicalPath();
    if (window()) {
        window()->setFolder(folder);
    } else {
        auto* w = new HelpBrowser(folder);
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
