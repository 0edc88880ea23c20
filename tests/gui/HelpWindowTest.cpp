// The help window keeps to the help folder.
#include "platform/HelpViewer.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <QTextBrowser>

namespace {
// Stands in for the desktop's browser.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};
}  // namespace

class HelpWindowTest : public DataDirTest {
protected:
    void SetUp() override
    {
        DataDirTest::SetUp();
        QDir().mkpath(QStringLiteral("FernoaHelp"));
        writeText(QStringLiteral("FernoaHelp/index.html"), QStringLiteral("<p>index</p>"));
        writeText(QStringLiteral("FernoaHelp/games.html"), QStringLiteral("<p>games</p>"));
        writeText(QStringLiteral("secret.txt"), QStringLiteral("secret"));
        help::setSearchPaths({QDir::currentPath()});
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        ASSERT_TRUE(help::open(nullptr, QStringLiteral("FernoaHelp.chm")));
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == u"frmHelp")
                browser = qobject_cast<QTextBrowser*>(w);
        ASSERT_NE(browser, nullptr);
    }
    void TearDown() override
    {
        help::closeAll();
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        help::setSearchPaths({});
        DataDirTest::TearDown();
    }
    QString shown() const { return browser->toPlainText().trimmed(); }

    UrlCatcher catcher;
    QTextBrowser* browser = nullptr;
};

TEST_F(HelpWindowTest, FollowsLinksWithinTheHelpFolderOnly)
{
    EXPECT_EQ(shown(), QStringLiteral("index"));
    browser->setSource(QUrl(QStringLiteral("games.html")));
    EXPECT_EQ(shown(), QStringLiteral("games"));

    const QString secret = QDir::current().absoluteFilePath(QStringLiteral("secret.txt"));
    for (const QUrl& url : {QUrl::fromLocalFile(secret), QUrl(QStringLiteral("../secret.txt")),
                            QUrl::fromLocalFile(QStringLiteral("/etc/passwd"))}) {
        browser->setSource(url);
        EXPECT_EQ(shown(), QStringLiteral("games")) << url.toString().toStdString();
    }
}

TEST_F(HelpWindowTest, WebLinksGoToTheDesktopsBrowser)
{
    browser->setSource(QUrl(QStringLiteral("https://example.org/kanji")));
    EXPECT_EQ(shown(), QStringLiteral("index"));
    ASSERT_EQ(catcher.urls.size(), 1);
    EXPECT_EQ(catcher.urls[0], QUrl(QStringLiteral("https://example.org/kanji")));
}

TEST_F(HelpWindowTest, CtrlFFindsOnThePageFromTheTopAndRoundAgain)
{
    writeText(QStringLiteral("FernoaHelp/parts.html"),
              QStringLiteral("<p>水 sanzui</p><p>心 risshinben</p><p>人 ninben</p>"));
    browser->setSource(QUrl(QStringLiteral("parts.html")));
    auto* box = browser->findChild<QLineEdit*>(QStringLiteral("txtFind"));
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(box->isVisible());
    QTest::keyClick(browser, Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(box->isVisible());

    QTest::keyClicks(box, QStringLiteral("ben"));
    EXPECT_EQ(browser->textCursor().selectedText(), QStringLiteral("ben"));
    const int first = browser->textCursor().position();
    QTest::keyClick(box, Qt::Key_Return);
    const int second = browser->textCursor().position();
    EXPECT_GT(second, first);
    QTest::keyClick(box, Qt::Key_Return);  // no third: round to the first again
    EXPECT_EQ(browser->textCursor().position(), first);

    QTest::keyClicks(box, QStringLiteral("x"));
    EXPECT_FALSE(browser->textCursor().hasSelection());
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_FALSE(box->isVisible());
}

#include "HelpWindowTest.moc"
