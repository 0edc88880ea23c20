// frmG3 played through its controls: the shuffled components with and
// without the hint, right and wrong words, give-up, the characters counted
// into the history, a dictionary with nothing to set, and the way there from
// the game panel and back to the day view.
#include "games/compound/CompoundWindow.h"

#include "app/Shell.h"
#include "games/frame/HistoryFile.h"
#include "gui/GameWindowFixture.h"
#include "platform/Grid.h"
#include "records/RecordFile.h"
#include "support/ExpectedColours.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>

namespace {
const QString HistoryFile = QStringLiteral("熟語合体履歴.txt");
const QString SettingsFile = QStringLiteral("熟語合体設定.txt");
QString s(const char16_t* text) { return QString::fromUtf16(text); }
}  // namespace

class CompoundWindowTest : public GameWindowFixture<CompoundWindow, 3> {
protected:
    void SetUp() override
    {
        GameWindowFixture::SetUp();
        dictionary.setTables({{s(u"時"), s(u"日土寸")}, {s(u"計"), s(u"言十")}}, {s(u"時計")});
    }
    QLabel* part(int i) { return window->findChild<QLabel*>(QStringLiteral("lblKanjiP_%1").arg(i)); }
    QLabel* partShowing(const QString& component) { return part(int(window->question().parts.indexOf(component)) + 1); }
    static QColor back(QLabel* l) { return l->palette().color(QPalette::Window); }
    static QColor ink(QLabel* l) { return l->palette().color(QPalette::WindowText); }
    void expectHintColours()
    {
        for (const QString& c : {s(u"日"), s(u"土"), s(u"寸")}) {
            EXPECT_EQ(back(partShowing(c)), rgb::FirstKanjiHint) << c.toStdString();
            EXPECT_EQ(ink(partShowing(c)), QColor(Qt::white));
        }
        for (const QString& c : {s(u"言"), s(u"十")})
            EXPECT_EQ(back(partShowing(c)), rgb::SecondKanjiHint) << c.toStdString();
    }
    void expectPlainColours()
    {
        for (int i = 1; i <= 5; ++i) {
            EXPECT_EQ(back(part(i)), QColor(Qt::white)) << i;
            EXPECT_EQ(ink(part(i)), QColor(Qt::black)) << i;
        }
    }
    QString reversed(const QString& word) { return QString(word[1]) + word[0]; }
};

TEST_F(CompoundWindowTest, OpensWithTheSampleWordAndTheStoredHint)
{
    open(QStringLiteral("3,60,1,\"答数\",1\r\n"));
    EXPECT_EQ(window->objectName(), QStringLiteral("frmG3"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("熟語合体タイピング"));
    EXPECT_EQ(find<QGroupBox>("fraGattai")->title(), QStringLiteral("漢字構成部品"));
    EXPECT_EQ(find<QPushButton>("cmdMoji")->text(), QStringLiteral("文字数"));
    EXPECT_EQ(find<QCheckBox>("chkHint")->text(), QStringLiteral("ヒント有り"));
    EXPECT_TRUE(find<QCheckBox>("chkHint")->isChecked());
    EXPECT_EQ(text("lblKanjiK"), s(u"時計"));
    for (int i = 1; i <= CompoundQuestion::MaxComponents; ++i)
        EXPECT_EQ(part(i)->isVisible(), i <= 5) << i;
    expectHintColours();
    EXPECT_EQ(readBytes(SettingsFile), cp932(QStringLiteral("3,60,1,\"答数\",1\r\n")));
    EXPECT_TRUE(CompoundWindow::helpLines().startsWith(
        QStringLiteral("このゲームは『熟語合体タイピング』です。\r\n\r\n４～１２文字")));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(CompoundWindowTest, CountModePlayTakesTheReversedWordAndStoresTheCharactersTyped)
{
    dictionary.setTables({{s(u"会"), s(u"人云")}, {s(u"社"), s(u"示土")}}, {s(u"会社"), s(u"社会")});
    open(QStringLiteral("3,60,0,\"答数\",1\r\n"));
    startPlay();
    EXPECT_TRUE(text("lblKanjiK").isEmpty());
    clock.advance(2000);

    // Both words have the shown components: the other one is right too,
    // and shows as typed.
    const QString word = window->currentAnswer();
    QString during;
    QColor colour;
    typeAnswer(reversed(word), [&] {
        during = text("lblKanjiK");
        colour = ink(find<QLabel>("lblKanjiK"));
    });
    EXPECT_EQ(during, reversed(word));
    EXPECT_EQ(colour, rgb::RightAnswer);
    EXPECT_EQ(text("lblOk"), QStringLiteral("1"));
    EXPECT_TRUE(text("lblKanjiK").isEmpty());

    typeAnswer(s(u"会社員"));  // not a word of the dictionary: wrong, three characters
    EXPECT_EQ(text("lblNg"), QStringLiteral("1"));
    EXPECT_EQ(window->typedChars(), 5);

    // The give-up that reaches the count ends the play with the characters
    // typed so far (five, not the three answers).
    escape();
    EXPECT_FALSE(window->play().playing());
    EXPECT_EQ(text("lblKanjiK"), window->currentAnswer());
    EXPECT_EQ(ink(find<QLabel>("lblKanjiK")), rgb::WrongAnswer);
    EXPECT_EQ(window->typedChars(), 5);
    EXPECT_EQ(text("lblJikan"), QStringLiteral("3.7"));
    EXPECT_EQ(text("lblByou"), QStringLiteral("1.35/秒"));
    EXPECT_EQ(readBytes(HistoryFile),
              cp932(QStringLiteral("\"2024/05/01\",\"21:00:03\",3,1,2,5,\"33.3%\",\"1.35/秒\",\"3.7秒\"\r\n")));
    EXPECT_EQ(readBytes(recordfile::FileName),
              cp932(QStringLiteral("\"2024/05/01\",\"21:00:03\",\"熟語合体\",3.7,\"秒数 : 3.7   答数 : 3\",\r\n")));
}

TEST_F(CompoundWindowTest, HintFollowsTheBoxAtOnceDuringAPlayAndMarksTheStoredNote)
{
    open(QStringLiteral("1,60,0,\"答数\",1\r\n"));
    startPlay();
    expectPlainColours();
    find<QCheckBox>("chkHint")->click();
    expectHintColours();
    EXPECT_EQ(readBytes(SettingsFile), cp932(QStringLiteral("1,60,1,\"答数\",1\r\n")));

    clock.advance(1500);
    typeAnswer(s(u"時計"));
    EXPECT_FALSE(window->play().playing());
    EXPECT_EQ(readBytes(recordfile::FileName),
              cp932(QStringLiteral(
                  "\"2024/05/01\",\"21:00:01\",\"熟語合体\",1.5,\"秒数 : 1.5   答数 : 1   ヒント有り\",\r\n")));

    find<QCheckBox>("chkHint")->click();
    expectPlainColours();
    EXPECT_EQ(readBytes(SettingsFile), cp932(QStringLiteral("1,60,0,\"答数\",1\r\n")));
}

TEST_F(CompoundWindowTest, AfterAClickOnTheHintBoxDuringAPlayTheNextKeysGoToTheAnswer)
{
    open(QStringLiteral("2,60,0,\"答数\",1\r\n"));
    activate();
    startPlay();
    auto* hint = find<QCheckBox>("chkHint");
    const QPoint onTheBox(8, hint->height() / 2);
    QTest::mouseClick(hint, Qt::LeftButton, {}, onTheBox);
    QCoreApplication::processEvents();
    EXPECT_TRUE(find<QCheckBox>("chkHint")->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), answerBox());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("ab"));
    EXPECT_EQ(answerBox()->text(), QStringLiteral("ab"));

    // Outside a play the box keeps the focus it was given.
    escape();
    escape();
    ASSERT_FALSE(window->play().running());
    QTest::mouseClick(hint, Qt::LeftButton, {}, onTheBox);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), hint);
}

TEST_F(CompoundWindowTest, TheWordBoxGivesUpOnlyInPlayAndTheTimeOutRevealsTheLastWord)
{
    open(QStringLiteral("10,10,0,\"秒数\",1\r\n"));
    answerBox()->setText(QStringLiteral("abc"));
    QTest::mouseClick(find<QLabel>("lblKanjiK"), Qt::LeftButton);
    EXPECT_TRUE(answerBox()->text().isEmpty());
    EXPECT_EQ(text("lblKanjiK"), s(u"時計"));

    startPlay();
    QTest::mouseClick(find<QLabel>("lblKanjiK"), Qt::LeftButton);
    runSteps();
    EXPECT_EQ(window->play().ngCount(), 1);
    EXPECT_EQ(window->typedChars(), 0);
    EXPECT_TRUE(text("lblKanjiK").isEmpty());  // the next word waits

    clock.advance(10000);
    window->tmrBp_Timer();
    EXPECT_FALSE(window->play().playing());
    EXPECT_EQ(text("lblKanjiK"), s(u"時計"));
    EXPECT_EQ(text("lblByou"), QStringLiteral("0.00/秒"));
    EXPECT_EQ(history::read(HistoryFile).at(0).sixth, QStringLiteral("0"));
}

TEST_F(CompoundWindowTest, WordsWithAKanjiMissingAreNeverSetAndWithNoneStartIsRefused)
{
    dictionary.setTables({{s(u"時"), s(u"日土寸")}}, {s(u"時計"), s(u"時")});
    open();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, CompoundWindow::NoWordsText);
    EXPECT_TRUE(text("lblKanjiK").isEmpty());
    EXPECT_FALSE(part(1)->isVisible());
    click("cmdStart");
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].text, CompoundWindow::NoWordsText);
    EXPECT_FALSE(window->play().running());
    EXPECT_TRUE(find<QPushButton>("cmdStart")->isEnabled());
}

// From the game panel's 熟語合体 to the game and back to the day view.

class CompoundLauncherTest : public CompoundWindowTest {
protected:
    void SetUp() override
    {
        CompoundWindowTest::SetUp();
        writeText(Dictionary::KanjiFileName, QStringLiteral("時,日土寸\r\n計,言十\r\n"));
        writeText(Dictionary::CompoundFileName, QStringLiteral("時計\r\n"));
        writeText(SettingsFile, QStringLiteral("1,60,0,\"答数\",1\r\n"));
        shell.registerGame(3, [](Shell& s) -> QWidget* {
            return new CompoundWindow(GameContext{s.dictionary(), s.tour(), [&s](QWidget* w) { s.returnToMain(w); }});
        });
        shell.showMain();
    }
    void TearDown() override
    {
        delete shell.otherWindow();
        delete shell.mainWindow();
        CompoundWindowTest::TearDown();
    }
    QPushButton* mainButton(const char* name)
    {
        return shell.mainWindow()->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    Shell shell;
};

TEST_F(CompoundLauncherTest, APlayOfTheGameShowsInTheRebuiltDayView)
{
    QTest::mouseClick(mainButton("cmdGame"), Qt::LeftButton);
    EXPECT_EQ(mainButton("cmdG3")->text(), QStringLiteral("熟語合体"));
    QTest::mouseClick(mainButton("cmdG3"), Qt::LeftButton);
    settle();
    window = qobject_cast<CompoundWindow*>(shell.otherWindow());
    ASSERT_TRUE(window);
    EXPECT_EQ(text("lblKanjiK"), s(u"時計"));

    startPlay();
    clock.advance(4000);
    typeAnswer(s(u"時計"));
    ASSERT_FALSE(window->play().running());
    click("cmdEnd");
    settle();
    EXPECT_TRUE(window.isNull());
    auto* list = shell.mainWindow()->findChild<Grid*>(QStringLiteral("msgDayList"));
    ASSERT_EQ(list->rows(), 2);
    QStringList cells;
    for (int c = 0; c < list->cols(); ++c)
        cells << list->text(1, c);
    EXPECT_TRUE(cells.contains(QStringLiteral("熟語合体"))) << cells.join(u'|').toStdString();
}

TEST_F(CompoundWindowTest, TheWindowsOwnTimersRunAPlayFromStartToTheTimeOut)
{
    open(QStringLiteral("10,60,0,\"答数\",1\r\n"));
    playByTheRealTimers([this] {
        EXPECT_EQ(window->question().parts.size(), 5);
        typeAnswer(s(u"時計"));
    });
    EXPECT_EQ(window->play().result().okCount, 1);
    EXPECT_EQ(text("lblJikan"), QStringLiteral("0"));
    EXPECT_EQ(text("lblKanjiK"), s(u"時計"));  // the word on the board at the time-out
    const auto rows = history::read(HistoryFile);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].seconds, QStringLiteral("10秒"));
    EXPECT_EQ(rows[0].sixth, QStringLiteral("2"));
}

TEST_F(CompoundWindowTest, TheRightColumnWithTheHintBoxGivesEveryControlItsHeight)
{
    open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    // Nothing in the column, the settings box's controls included, is
    // squeezed below the height it needs, nor laid over its neighbour.
    std::vector<QWidget*> controls;
    for (QWidget* w : find("fraRight")->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->isVisible())
            controls.push_back(w);
    for (QWidget* w : find("fraGameSettei")->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        controls.push_back(w);
    for (QWidget* w : controls) {
        EXPECT_GE(w->height(), w->minimumSizeHint().height()) << w->objectName().toStdString();
        for (QWidget* other : controls) {
            if (other != w && other->parentWidget() == w->parentWidget()) {
                EXPECT_FALSE(w->geometry().intersects(other->geometry()))
                    << w->objectName().toStdString() << " " << other->objectName().toStdString();
            }
        }
    }
}

TEST_F(CompoundWindowTest, EveryWordJudgedGoesToTheAnswerLogWhenThePlayEndsUnsaved)
{
    open(QStringLiteral("10,10,0,\"秒数\",0\r\n"));
    startPlay();
    typeAnswer(s(u"時計"));
    typeAnswer(s(u"計時"));
    escape();
    commit(s(u"時"));
    clock.advance(10000);
    window->tmrBp_Timer();
    ASSERT_FALSE(window->play().playing());
    EXPECT_FALSE(QFile::exists(path(HistoryFile)));
    EXPECT_EQ(readBytes(answerfile::FileName),
              cp932(s(u"\"2024/05/01\",\"21:00:00\",\"熟語合体\",\"時計\",\"時計\",\"正解\",\"\",\"\"\r\n"
                      u"\"2024/05/01\",\"21:00:00\",\"熟語合体\",\"時計\",\"計時\",\"不正解\",\"\",\"\"\r\n"
                      u"\"2024/05/01\",\"21:00:01\",\"熟語合体\",\"時計\",\"\",\"ギブアップ\",\"\",\"\"\r\n"
                      u"\"2024/05/01\",\"21:00:12\",\"熟語合体\",\"時計\",\"時\",\"時間切れ\",\"\",\"\"\r\n")));
}

TEST_F(CompoundWindowTest, WithTheMissesTickTheWordMissedComesBack)
{
    dictionary.setTables(
        {{s(u"時"), s(u"日土寸")}, {s(u"計"), s(u"言十")}, {s(u"会"), s(u"人云")}, {s(u"社"), s(u"示土")}},
        {s(u"時計"), s(u"会社")});
    writeText(answerfile::FileName,
              s(u"\"2024/04/30\",\"20:00:00\",\"熟語合体\",\"時計\",\"会社\",\"不正解\",\"\",\"\"\r\n"
                u"\"2024/04/30\",\"20:00:01\",\"熟語合体\",\"会社\",\"会社\",\"正解\",\"\",\"\"\r\n"
                u"\"2024/04/30\",\"20:00:02\",\"熟語合体\",\"会社\",\"会社\",\"正解\",\"\",\"\"\r\n"));
    open(QStringLiteral("10,10,0,\"秒数\",0\r\n"));
    find<QCheckBox>("chkNigate")->click();
    EXPECT_GE(questionsLeftOpen(20).count(s(u"時計")), 17);
}
