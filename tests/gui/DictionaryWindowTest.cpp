// frmSub driven through its controls, and reached from the game panel: an
// entry registered there is what the next game draws.
#include "dictionary/DictionaryWindow.h"

#include "app/Shell.h"
#include "games/combine/CombineWindow.h"
#include "platform/Clock.h"
#include "platform/Grid.h"
#include "review/NigateScreen.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

class DictionaryWindowTest : public DataDirTest {
protected:
    void SetUp() override
    {
        DataDirTest::SetUp();
        writeText(Dictionary::KanjiFileName, QStringLiteral("明,日月\r\n時,日土寸\r\n寺,土寸\r\n日,日\r\n"));
        writeText(Dictionary::CompoundFileName, QStringLiteral("時間\r\n明日\r\n"));
    }
    void TearDown() override
    {
        delete window.data();
        DataDirTest::TearDown();
    }
    DictionaryWindow& open()
    {
        dictionary.load();
        window =
            new DictionaryWindow(DictionaryWindowContext{dictionary,
                                                         [this](QWidget* w) {
                                                             ++returns;
                                                             w->close();
                                                         },
                                                         [this](QWidget*, const QString& text) { tourTexts << text; },
                                                         {}});
        window->show();
        QApplication::setActiveWindow(window);
        return *window;
    }
    template <typename T = QWidget> T* find(const char* name)
    {
        T* w = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void click(const char* name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
    void type(const char* box, const QString& text)
    {
        auto* e = find<QLineEdit>(box);
        e->setFocus();
        e->setText(text);
    }
    void enter(const char* box, const QString& text)
    {
        type(box, text);
        QTest::keyClick(find<QLineEdit>(box), Qt::Key_Return);
    }
    QStringList column(const char* grid, int col)
    {
        auto* g = find<Grid>(grid);
        QStringList out;
        for (int r = 1; r < g->rows(); ++r)
            out << g->text(r, col);
        return out;
    }
    bool enabled(const char* name) { return find<QPushButton>(name)->isEnabled(); }

    Dictionary dictionary;
    QPointer<DictionaryWindow> window;
    int returns = 0;
    QStringList tourTexts;
};

TEST_F(DictionaryWindowTest, OpensWithSortedGridsAndNothingSelected)
{
    open();
    EXPECT_EQ(window->objectName(), QStringLiteral("frmSub"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("辞書参照＆編集"));
    EXPECT_EQ(column("msgKanji", 0), (QStringList{"寺", "日", "明", "時"}));
    EXPECT_EQ(column("msgKanji", 1), (QStringList{"土寸", "日", "日月", "日土寸"}));
    EXPECT_EQ(column("msgJyukugo", 0), (QStringList{"明日", "時間"}));
    EXPECT_EQ(column("msgBuhin", 0), column("msgKanji", 0));
    EXPECT_EQ(find<QLabel>("lblKensu")->text(), QStringLiteral("4件"));
    for (const char* b : {"cmdChg", "cmdDel", "cmdDel2", "cmdUndo"})
        EXPECT_FALSE(enabled(b)) << b;
    EXPECT_TRUE(enabled("cmdNew") && enabled("cmdNew2"));
    QCoreApplication::processEvents();
    ASSERT_EQ(tourTexts.size(), 1);
    EXPECT_TRUE(tourTexts[0].startsWith(QStringLiteral("このゲームで利用している「漢字辞書」")));
}

TEST_F(DictionaryWindowTest, FindSelectChangeAndUndoByCtrlZOutsideTheTextBoxes)
{
    open();
    const QByteArray before = readBytes(Dictionary::KanjiFileName);
    enter("txtInp", QStringLiteral("時"));
    EXPECT_EQ(find<Grid>("msgKanji")->row(), 4);
    EXPECT_EQ(find<QLineEdit>("txtKansei")->text(), QStringLiteral("時"));
    EXPECT_EQ(find<QLineEdit>("txtKousei")->text(), QStringLiteral("日土寸"));
    EXPECT_TRUE(enabled("cmdChg") && enabled("cmdDel"));

    type("txtKousei", QStringLiteral("日寺"));
    click("cmdChg");
    EXPECT_EQ(column("msgKanji", 1).last(), QStringLiteral("日寺"));
    EXPECT_TRUE(find<QLineEdit>("txtKousei")->text().isEmpty());
    EXPECT_FALSE(enabled("cmdChg"));
    EXPECT_TRUE(enabled("cmdUndo"));

    // In a text box Ctrl+Z is the box's own.
    type("txtInp", QStringLiteral("abc"));
    QTest::keyClick(find<QLineEdit>("txtInp"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(column("msgKanji", 1).last(), QStringLiteral("日寺"));

    auto* grid = find<Grid>("msgKanji");
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(column("msgKanji", 1).last(), QStringLiteral("日土寸"));
    EXPECT_EQ(readBytes(Dictionary::KanjiFileName), before);
    EXPECT_FALSE(enabled("cmdUndo"));
    // The grid getting the focus back (as when the message box closes)
    // chooses no entry: one press of 変更 must not change the first one.
    find<QLineEdit>("txtInp")->setFocus();
    grid->setFocus();
    EXPECT_TRUE(find<QLineEdit>("txtKansei")->text().isEmpty());
    EXPECT_TRUE(find<QLineEdit>("txtKousei")->text().isEmpty());
    EXPECT_FALSE(enabled("cmdChg") || enabled("cmdDel"));
}

TEST_F(DictionaryWindowTest, AClickedRowIsDeletedAndTheCompoundSectionRegisters)
{
    open();
    auto* grid = find<Grid>("msgKanji");
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model().index(0, 1)).center());
    EXPECT_EQ(find<QLineEdit>("txtKansei")->text(), QStringLiteral("寺"));
    // The arrow keys choose a row too.
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(find<QLineEdit>("txtKansei")->text(), QStringLiteral("日"));
    QTest::keyClick(grid, Qt::Key_Up);
    EXPECT_EQ(find<QLineEdit>("txtKousei")->text(), QStringLiteral("土寸"));
    click("cmdDel");
    EXPECT_EQ(column("msgKanji", 0), (QStringList{"日", "明", "時"}));
    EXPECT_EQ(column("msgBuhin", 0), (QStringList{"日", "明", "時"}));  // the search list follows

    type("txtJyukugo", QStringLiteral("日時"));
    click("cmdNew2");
    EXPECT_EQ(column("msgJyukugo", 0), (QStringList{"日時", "明日", "時間"}));
    EXPECT_TRUE(find<QLineEdit>("txtJyukugo")->text().isEmpty());

    enter("txtInp2", QStringLiteral("明日"));
    EXPECT_TRUE(enabled("cmdDel2"));
    click("cmdDel2");
    EXPECT_EQ(column("msgJyukugo", 0), (QStringList{"日時", "時間"}));
}

TEST_F(DictionaryWindowTest, NarrowingStepByStepAndShowingAllAgain)
{
    open();
    enter("txtInp3", QStringLiteral("土"));
    EXPECT_EQ(find<QLabel>("lblKensu")->text(), QStringLiteral("2件"));
    EXPECT_TRUE(find<QLineEdit>("txtInp3")->text().isEmpty());
    enter("txtInp3", QStringLiteral("日"));
    EXPECT_EQ(column("msgBuhin", 0), (QStringList{"時"}));
    EXPECT_EQ(find<QLabel>("lblKensu")->text(), QStringLiteral("1件"));
    click("cmdAllDsp");
    EXPECT_EQ(find<QLabel>("lblKensu")->text(), QStringLiteral("4件"));
}

TEST_F(DictionaryWindowTest, LookingUpFindsAKanjiAWordOrTheKanjiBuiltOfAComponent)
{
    open();
    window->lookUp(QStringLiteral("時"));
    EXPECT_EQ(find<Grid>("msgKanji")->row(), 4);
    EXPECT_EQ(find<QLineEdit>("txtKousei")->text(), QStringLiteral("日土寸"));
    window->lookUp(QStringLiteral("明日"));
    EXPECT_EQ(find<Grid>("msgJyukugo")->row(), 1);
    window->lookUp(QStringLiteral("寸"));  // no entry of its own: what it builds
    EXPECT_EQ(column("msgBuhin", 0), (QStringList{"寺", "時"}));
    EXPECT_TRUE(boxes.empty());
}

class DictionaryFromPanelTest : public DictionaryWindowTest {
protected:
    void TearDown() override
    {
        delete shell.otherWindow();
        delete shell.mainWindow();
        Clock::install(nullptr);
        DictionaryWindowTest::TearDown();
    }
    QPushButton* mainButton(const char* name)
    {
        return shell.mainWindow()->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    QWidget* openFromPanel(const char* button)
    {
        QTest::mouseClick(mainButton("cmdGame"), Qt::LeftButton);
        QTest::mouseClick(mainButton(button), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return shell.otherWindow();
    }

    ManualClock clock{QDateTime(QDate(2024, 5, 1), QTime(21, 0, 0))};
    Shell shell;
};

TEST_F(DictionaryFromPanelTest, ADoubleClickOnTheNigateScreenOpensTheDictionaryAtTheKanji)
{
    Clock::install(&clock);
    writeText(QStringLiteral("解答記録.TXT"),
              QStringLiteral("\"2024/05/01\",\"20:00:00\",\"合体\",\"明\",\"朋\",\"不正解\",\"\",\"\"\r\n"));
    shell.registerDictionaryWindow([](Shell& s) -> QWidget* {
        return new DictionaryWindow(
            DictionaryWindowContext{s.dictionary(), [&s](QWidget* w) { s.returnToMain(w); }, {}, {}});
    });
    shell.showMain();
    QTest::mouseClick(mainButton("cmdNigate"), Qt::LeftButton);
    auto* nigate = shell.mainWindow()->findChild<NigateScreen*>(QStringLiteral("fraNigate"));
    ASSERT_TRUE(nigate && nigate->isVisible());
    nigate->msgNigate_DblClick(1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    window = qobject_cast<DictionaryWindow*>(shell.otherWindow());
    ASSERT_TRUE(window);
    EXPECT_EQ(shell.mainWindow(), nullptr);
    EXPECT_EQ(find<QLineEdit>("txtKansei")->text(), QStringLiteral("明"));
    EXPECT_EQ(find<Grid>("msgKanji")->row(), 3);
}

TEST_F(DictionaryFromPanelTest, AGameOpenedAfterARegistrationDrawsTheNewEntry)
{
    // No entry with three components: the game's sample can only be the new one.
    writeText(Dictionary::KanjiFileName, QStringLiteral("明,日月\r\n日,日\r\n"));
    Clock::install(&clock);
    shell.registerGame(1, [](Shell& s) -> QWidget* {
        return new CombineWindow(GameContext{s.dictionary(), s.tour(), [&s](QWidget* w) { s.returnToMain(w); }});
    });
    shell.registerDictionaryWindow([](Shell& s) -> QWidget* {
        return new DictionaryWindow(
            DictionaryWindowContext{s.dictionary(), [&s](QWidget* w) { s.returnToMain(w); }, {}, {}});
    });
    shell.showMain();

    window = qobject_cast<DictionaryWindow*>(openFromPanel("cmdSub"));
    ASSERT_TRUE(window);
    EXPECT_EQ(shell.mainWindow(), nullptr);
    type("txtKansei", QStringLiteral("晶"));
    type("txtKousei", QStringLiteral("日日日"));
    click("cmdNew");
    EXPECT_EQ(shell.dictionary().kanjiCount(), 3);
    click("cmdEnd");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    ASSERT_NE(shell.mainWindow(), nullptr);

    auto* game = qobject_cast<CombineWindow*>(openFromPanel("cmdG1"));
    ASSERT_TRUE(game);
    EXPECT_EQ(game->currentAnswer(), QStringLiteral("晶"));
}
