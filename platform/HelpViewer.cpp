#include "platform/HelpViewer.h"

#include "platform/WindowPlacement.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

namespace help {
namespace {
// The help window. It shows only pages and pictures inside the help folder;
// web and mail links go to the desktop's browser and mail program, and
// anything else (another local file, an absolute path) is not followed.
class HelpBrowser : public QTextBrowser {
public:
    explicit HelpBrowser(QString folder) : folder_(std::move(folder))
    {
        // The find box: Ctrl+F shows it along the bottom, typing finds from
        // the top of the page, Enter the next place, Esc hides it.
        find_ = new QLineEdit(this);
        find_->setObjectName(QStringLiteral("txtFind"));
        find_->setPlaceholderText(QStringLiteral("ページ内を検索（Enter で次へ、Esc で閉じる）"));
        find_->setClearButtonEnabled(true);
        find_->hide();
        find_->installEventFilter(this);
        connect(find_, &QLineEdit::textEdited, this, [this] { findText(true); });
        connect(find_, &QLineEdit::returnPressed, this, [this] { findText(false); });
    }
    void setFolder(QString folder) { folder_ = std::move(folder); }

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        if (e->matches(QKeySequence::Find)) {
            showFind();
            return;
        }
        QTextBrowser::keyPressEvent(e);
    }
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (watched == find_ && e->type() == QEvent::KeyPress) {
            const auto* k = static_cast<QKeyEvent*>(e);
            if (k->key() == Qt::Key_Escape) {
                find_->hide();
                setViewportMargins(0, 0, 0, 0);
                setFocus();
                return true;
            }
            if (k->matches(QKeySequence::Find)) {
                find_->selectAll();
                return true;
            }
        }
        return QTextBrowser::eventFilter(watched, e);
    }
    void resizeEvent(QResizeEvent* e) override
    {
        QTextBrowser::resizeEvent(e);
        placeFind();
    }
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
    void showFind()
    {
        find_->show();
        placeFind();
        find_->setFocus();
        find_->selectAll();
    }
    void placeFind()
    {
        if (!find_->isVisible())
            return;
        const int h = find_->sizeHint().height();
        setViewportMargins(0, 0, 0, h);
        const QRect r = contentsRect();
        const int scroll = horizontalScrollBar()->isVisible() ? horizontalScrollBar()->height() : 0;
        find_->setGeometry(r.left(), r.bottom() - h - scroll + 1, r.width(), h);
    }
    // From the top of the page while the text is typed, else from the
    // current find on, round to the top again at the end.
    void findText(bool fromTop)
    {
        const QString text = find_->text();
        if (fromTop) {
            QTextCursor c = textCursor();
            c.movePosition(QTextCursor::Start);
            setTextCursor(c);
        }
        bool found = text.isEmpty() || find(text);
        if (!found && !fromTop) {
            QTextCursor c = textCursor();
            c.movePosition(QTextCursor::Start);
            setTextCursor(c);
            found = find(text);
        }
        find_->setStyleSheet(found ? QString() : QStringLiteral("background: #FFC0C0;"));
    }

    bool isInside(const QUrl& url) const
    {
        if (!url.isLocalFile() || folder_.isEmpty())
            return false;
        const QString file = QFileInfo(url.toLocalFile()).canonicalFilePath();  // no .. or links out
        return !file.isEmpty() && file.startsWith(folder_ + u'/');
    }
    QString folder_;  // canonical
    QLineEdit* find_ = nullptr;
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

bool open(QWidget* owner, const QString& helpFileName, const QString& page)
{
    const QString index = defaultTopic(helpFileName);
    if (index.isEmpty())
        return false;
    const QString folder = QFileInfo(index).canonicalPath();
    QUrl target = QUrl::fromLocalFile(index);
    if (!page.isEmpty()) {
        const QUrl wanted = target.resolved(QUrl(page));
        if (QFileInfo::exists(wanted.toLocalFile()))
            target = wanted;
    }
    // Not the owner's child: the help window outlives the main window,
    // which is rebuilt often.
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
        windowplace::fitAndCentre(w, owner ? owner->screen() : nullptr);
    }
    window()->setSource(target);
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
