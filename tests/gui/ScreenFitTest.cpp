// Every window fits a 1024 by 768 screen and opens whole on the screen of
// the window it comes from; so does the help. Run on two screens side by
// side: a wide one first, then a 1024 by 768 one.
#include "app/Shell.h"
#include "dictionary/DictionaryWindow.h"
#include "games/combine/CombineWindow.h"
#include "games/compound/CompoundWindow.h"
#include "games/dismantle/DismantleWindow.h"
#include "games/excavation/ExcavationWindow.h"
#include "games/landfill/LandfillWindow.h"
#include "games/link/LinkWindow.h"
#include "games/shiritori/ShiritoriWindow.h"
#include "platform/Clock.h"
#include "platform/HelpViewer.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {
QScreen* smallScreen()
{
    for (QScreen* s : QGuiApplication::screens())
        if (s->size() == QSize(1024, 768))
            return s;
    return nullptr;
}
}  // namespace

class ScreenFitTest : public DataDirTest {
protected:
    void SetUp() override
    {
        DataDirTest::SetUp();
        Clock::install(&clock);
        writeText(Dictionary::KanjiFileName, QStringLiteral("時,日土寸\r\n計,言十\r\n"));
        writeText(Dictionary::CompoundFileName, QStringLiteral("時計\r\n"));
        tour.introShown = true;
        registerWindows();
    }
    void TearDown() override
    {
        delete shell.otherWindow();
        delete shell.mainWindow();
        Clock::install(nullptr);
        DataDirTest::TearDown();
    }
    void registerWindows()
    {
        const auto back = [](Shell& s) { return [&s](QWidget* w) { s.returnToMain(w); }; };
        shell.registerGame(1, [back](Shell& s) -> QWidget* {
            return new CombineWindow(GameContext{s.dictionary(), s.tour(), back(s)});
        });
        shell.registerGame(2, [back](Shell& s) -> QWidget* {
            return new DismantleWindow(GameContext{s.dictionary(), s.tour(), back(s)});
        });
        shell.registerGame(3, [back](Shell& s) -> QWidget* {
            return new CompoundWindow(GameContext{s.dictionary(), s.tour(), back(s)});
        });
        shell.registerGame(4, [back](Shell& s) -> QWidget* {
            return new ExcavationWindow(GameContext{s.dictionary(), s.tour(), back(s)});
        });
        shell.registerGame(5, [back](Shell& s) -> QWidget* {
            return new LandfillWindow(GameContext{s.dictionary(), s.tour(), back(s)});
        });
        shell.registerGame(6, [back](Shell& s) -> QWidget* {
            return new LinkWindow(GameContext{s.dictionary(), s.tour(), back(s)});
        });
        shell.registerGame(7, [back](Shell& s) -> QWidget* {
            return new ShiritoriWindow(GameContext{s.dictionary(), s.tour(), back(s)});
        });
        shell.registerDictionaryWindow([back](Shell& s) -> QWidget* {
            return new DictionaryWindow(DictionaryWindowContext{s.dictionary(), back(s), {}, {}});
        });
    }
    QPushButton* mainButton(const char* name)
    {
        return shell.mainWindow()->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    // The window and its frame lie inside the screen's available area.
    static void expectWhollyOn(QWidget* w, QScreen* screen, const char* what)
    {
        ASSERT_NE(w, nullptr) << what;
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w)) << what;
        EXPECT_EQ(w->screen(), screen) << what;
        const QRect area = screen->availableGeometry();
        EXPECT_TRUE(area.contains(w->frameGeometry()))
            << what << " at " << w->frameGeometry().x() << "," << w->frameGeometry().y() << " "
            << w->frameGeometry().width() << "x" << w->frameGeometry().height();
    }
    void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    ManualClock clock{QDateTime(QDate(2024, 5, 1), QTime(21, 0, 0))};
    HelpTour tour;
    Shell shell;
};

TEST_F(ScreenFitTest, TheMainWindowWithItsGamePanelFitsASmallScreen)
{
    QScreen* small = smallScreen();
    ASSERT_NE(small, nullptr) << "run with the two-screen offscreen set-up";
    shell.showMain(small);
    expectWhollyOn(shell.mainWindow(), small, "frmMain");
    QTest::mouseClick(mainButton("cmdGame"), Qt::LeftButton);
    const QSize need = shell.mainWindow()->minimumSizeHint();
    EXPECT_LE(need.width(), 1024 - 16);
    EXPECT_LE(need.height(), 768 - 44);
    expectWhollyOn(shell.mainWindow(), small, "frmMain with fraGame");
}

TEST_F(ScreenFitTest, EveryGameAndTheDictionaryOpenWholeOnTheMainWindowsScreenAndComeBackThere)
{
    QScreen* small = smallScreen();
    ASSERT_NE(small, nullptr);
    const char* buttons[] = {"cmdG1", "cmdG2", "cmdG3", "cmdG4", "cmdG5", "cmdG6", "cmdG7", "cmdSub"};
    for (const char* button : buttons) {
        for (QScreen* screen : {QGuiApplication::primaryScreen(), small}) {
            if (!shell.mainWindow())
                shell.showMain(screen);
            shell.mainWindow()->setScreen(screen);
            shell.mainWindow()->move(screen->availableGeometry().topLeft() + QPoint(40, 40));
            ASSERT_EQ(shell.mainWindow()->screen(), screen);
            QTest::mouseClick(mainButton("cmdGame"), Qt::LeftButton);
            QTest::mouseClick(mainButton(button), Qt::LeftButton);
            settle();
            QWidget* opened = shell.otherWindow();
            expectWhollyOn(opened, screen, button);
            shell.returnToMain(opened);
            settle();
            expectWhollyOn(shell.mainWindow(), screen, "frmMain after the return");
        }
    }
}

TEST_F(ScreenFitTest, NoReviewScreenMakesTheMainWindowWiderThanTheScreen)
{
    // Enough plays for every table and chart to fill up.
    QString log;
    for (int d = 0; d < 400; ++d)
        log += QStringLiteral("\"%1\",\"10:00:00\",\"熟語合体\",61.5,\"秒数 : 61.5   答数 : 9\",\r\n")
                   .arg(QDate(2023, 4, 1).addDays(d).toString(QStringLiteral("yyyy/MM/dd")));
    writeText(QStringLiteral("データ.TXT"), log);
    const char* screens[] = {"cmdCale", "cmdSyuukei", "cmdTaijyu", "cmdRentai", "cmdBunseki",
                             "cmdMemo", "cmdSettei",  "cmdMain",   "cmdGame"};
    for (QScreen* screen : {smallScreen(), QGuiApplication::primaryScreen()}) {
        ASSERT_NE(screen, nullptr);
        shell.showMain(screen);
        for (bool panel : {false, true}) {
            for (const char* button : screens) {
                if (panel)
                    QTest::mouseClick(mainButton("cmdGame"), Qt::LeftButton);
                QTest::mouseClick(mainButton(button), Qt::LeftButton);
                QCoreApplication::processEvents();
                expectWhollyOn(shell.mainWindow(), screen, button);
            }
        }
        delete shell.mainWindow();
        settle();
    }
}

TEST_F(ScreenFitTest, HelpOpensWholeOnTheScreenItIsAskedFromAtThePageOfThatScreenOrGame)
{
    QScreen* small = smallScreen();
    ASSERT_NE(small, nullptr);
    QDir().mkpath(QStringLiteral("FernoaHelp"));
    writeText(QStringLiteral("FernoaHelp/index.html"), QStringLiteral("<p>index</p>"));
    writeText(QStringLiteral("FernoaHelp/screens.html"), QStringLiteral("<p><a name=\"calendar\">calendar</a></p>"));
    writeText(QStringLiteral("FernoaHelp/games.html"), QStringLiteral("<p><a name=\"compound\">compound</a></p>"));
    help::setSearchPaths({QDir::currentPath()});
    const auto helpWindow = [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == u"frmHelp" && w->isVisible())
                return qobject_cast<QTextBrowser*>(w);
        return static_cast<QTextBrowser*>(nullptr);
    };

    shell.showMain(small);
    QTest::mouseClick(mainButton("cmdCale"), Qt::LeftButton);
    QTest::mouseClick(mainButton("cmdHelp"), Qt::LeftButton);
    QTextBrowser* shown = helpWindow();
    expectWhollyOn(shown, small, "frmHelp");
    EXPECT_EQ(shown->source().fileName(), QStringLiteral("screens.html"));
    EXPECT_EQ(shown->source().fragment(), QStringLiteral("calendar"));
    help::closeAll();

    QTest::mouseClick(mainButton("cmdGame"), Qt::LeftButton);
    QTest::mouseClick(mainButton("cmdG3"), Qt::LeftButton);
    settle();
    QWidget* game = shell.otherWindow();
    ASSERT_NE(game, nullptr);
    game->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(game));
    QTest::keyClick(game, Qt::Key_F1);
    shown = helpWindow();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->source().fileName(), QStringLiteral("games.html"));
    EXPECT_EQ(shown->source().fragment(), QStringLiteral("compound"));
    help::closeAll();
    help::setSearchPaths({});
}
