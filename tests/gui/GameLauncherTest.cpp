// From the game panel to 合体 and back: the main window gives way to the
// game window, and comes back rebuilt with the new play in its day view.
#include "app/Shell.h"
#include "gui/GameFixture.h"
#include "platform/Grid.h"

class GameLauncherTest : public GameFixture {
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        writeText(Dictionary::KanjiFileName, QStringLiteral("時,日土寸\r\n"));
        writeText(Dictionary::CompoundFileName, QStringLiteral("時計\r\n"));
        writeText(QStringLiteral("合体設定.txt"), QStringLiteral("1,60,\"答数\",1\r\n"));
        shell.registerGame(1, [](Shell& s) -> QWidget* {
            return new CombineWindow(GameContext{s.dictionary(), s.tour(), [&s](QWidget* w) { s.returnToMain(w); }});
        });
        shell.showMain();
    }
    void TearDown() override
    {
        delete shell.otherWindow();
        delete shell.mainWindow();
        GameFixture::TearDown();
    }
    QPushButton* mainButton(const char* name)
    {
        return shell.mainWindow()->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    CombineWindow* openCombine()
    {
        QTest::mouseClick(mainButton("cmdGame"), Qt::LeftButton);
        QTest::mouseClick(mainButton("cmdG1"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return qobject_cast<CombineWindow*>(shell.otherWindow());
    }
    void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    Shell shell;
};

TEST_F(GameLauncherTest, OnlyTheBuiltGameIsOffered)
{
    QTest::mouseClick(mainButton("cmdGame"), Qt::LeftButton);
    EXPECT_TRUE(mainButton("cmdG1")->isEnabled());
    for (const char* name : {"cmdG2", "cmdG3", "cmdG4", "cmdG5", "cmdG6", "cmdG7"})
        EXPECT_FALSE(mainButton(name)->isEnabled()) << name;
}

TEST_F(GameLauncherTest, APlayStoredInTheGameShowsInTheRebuiltDayView)
{
    QPointer<QWidget> firstMain = shell.mainWindow();
    window = openCombine();
    ASSERT_TRUE(window);
    EXPECT_TRUE(firstMain.isNull());
    EXPECT_TRUE(window->isVisible());

    startPlay();
    clock.advance(4000);
    typeAnswer(window->currentAnswer());
    ASSERT_FALSE(window->play().running());

    click("cmdEnd");
    settle();
    EXPECT_TRUE(window.isNull());
    ASSERT_NE(shell.mainWindow(), nullptr);
    EXPECT_TRUE(shell.mainWindow()->isVisible());
    auto* list = shell.mainWindow()->findChild<Grid*>(QStringLiteral("msgDayList"));
    ASSERT_EQ(list->rows(), 2);
    QStringList cells;
    for (int c = 0; c < list->cols(); ++c)
        cells << list->text(1, c);
    EXPECT_TRUE(cells.contains(QStringLiteral("合体"))) << cells.join(u'|').toStdString();
    EXPECT_TRUE(cells.contains(QStringLiteral("21:00:04"))) << cells.join(u'|').toStdString();
}

TEST_F(GameLauncherTest, ClosingTheGameByItsFrameBringsTheMainWindowBack)
{
    window = openCombine();
    ASSERT_TRUE(window);
    window->close();
    settle();
    EXPECT_TRUE(window.isNull());
    ASSERT_NE(shell.mainWindow(), nullptr);
    EXPECT_TRUE(shell.mainWindow()->isVisible());
}
