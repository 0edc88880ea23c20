// A game window played from the keyboard alone, and the frame's own timers
// left to run a play from Start to the time-out.
#include "gui/GameFixture.h"

#include <QTimer>

using KeyboardPlayTest = GameFixture;

TEST_F(KeyboardPlayTest, EnterStartsAnswersAndStartsAgainWhileEscGivesUp)
{
    open(QStringLiteral("2,60,\"答数\",1\r\n"));
    activate();
    EXPECT_EQ(QApplication::focusWidget(), find("cmdStart"));
    press(Qt::Key_Return);
    ASSERT_TRUE(window->play().countingDown());
    // The countdown's keys go to the answer box: a Space there leaves nothing.
    EXPECT_EQ(QApplication::focusWidget(), answerBox());
    press(Qt::Key_Space);
    EXPECT_EQ(returns, 0);
    EXPECT_TRUE(window->play().countingDown());

    for (int i = 0; i < 3; ++i)
        window->tmrStart_Timer();
    ASSERT_TRUE(window->play().playing());
    EXPECT_EQ(QApplication::focusWidget(), answerBox());
    typeAnswer(window->currentAnswer());
    EXPECT_EQ(window->play().okCount(), 1);
    escape();
    EXPECT_FALSE(window->play().running());
    EXPECT_EQ(window->play().ngCount(), 1);

    // An extra key just after the end, or one held down since before it,
    // starts nothing; a key pressed anew half a second on does.
    EXPECT_EQ(QApplication::focusWidget(), find("cmdStart"));
    press(Qt::Key_Return);
    clock.advance(499);
    press(Qt::Key_Space);
    clock.advance(1);
    for (int key : {Qt::Key_Return, Qt::Key_Space}) {
        QKeyEvent held(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(QApplication::focusWidget(), &held);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(QApplication::focusWidget(), &up);
    }
    EXPECT_FALSE(window->play().running());
    press(Qt::Key_Return);
    EXPECT_TRUE(window->play().countingDown());
    EXPECT_EQ(QApplication::focusWidget(), answerBox());
}

TEST_F(KeyboardPlayTest, TextTypedWhileAnAnswerIsJudgedIsKeptWhenTheJudgedTextGoes)
{
    open();
    activate();
    startPlay();
    // Wrong: the answer stays in the box a second, while the player goes on typing.
    typeAnswer(QStringLiteral("x"), [this] { commit(QStringLiteral("明")); });
    EXPECT_EQ(window->play().ngCount(), 1);
    EXPECT_EQ(answerBox()->text(), QStringLiteral("明"));

    // Give-up by ESC: what was in the box goes, what came after it stays.
    QTimer::singleShot(0, window, [this] { commit(QStringLiteral("日")); });
    escape();
    EXPECT_EQ(window->play().ngCount(), 2);
    EXPECT_EQ(answerBox()->text(), QStringLiteral("日"));

    // The player rubbed the judged text out and typed anew: their text stays.
    typeAnswer(QStringLiteral("y"), [this] { answerBox()->setText(QStringLiteral("土")); });
    EXPECT_EQ(answerBox()->text(), QStringLiteral("土"));
}

TEST_F(KeyboardPlayTest, TheWindowsOwnTimersRunAPlayFromStartToTheTimeOut)
{
    open();
    playByTheRealTimers([this] { typeAnswer(window->currentAnswer()); });
    EXPECT_EQ(window->play().result().okCount, 1);
    EXPECT_EQ(text("lblJikan"), QStringLiteral("0"));
    EXPECT_EQ(history::read(QStringLiteral("合体履歴.txt")).size(), 1u);
}

TEST_F(KeyboardPlayTest, ACompositionUnderWayWhenTheJudgedTextGoesStaysWithTheInputMethod)
{
    open();
    activate();
    startPlay();
    const auto cursorX = [this] { return answerBox()->inputMethodQuery(Qt::ImCursorRectangle).toRect().x(); };
    typeAnswer(QStringLiteral("x"), [this] {
        commit(QStringLiteral("明"));
        QInputMethodEvent compose(QStringLiteral("にち"), {});
        QCoreApplication::sendEvent(answerBox(), &compose);
    });
    ASSERT_EQ(window->play().ngCount(), 1);
    EXPECT_EQ(answerBox()->text(), QStringLiteral("明"));
    EXPECT_TRUE(answerBox()->composing());
    // The composition is still shown after 明: cancelling it moves the cursor back.
    const int withComposition = cursorX();
    QInputMethodEvent cancel;
    QCoreApplication::sendEvent(answerBox(), &cancel);
    EXPECT_LT(cursorX(), withComposition);

    // The input method commits where the player left off.
    QInputMethodEvent again(QStringLiteral("にち"), {});
    QCoreApplication::sendEvent(answerBox(), &again);
    QInputMethodEvent done;
    done.setCommitString(QStringLiteral("日"));
    QCoreApplication::sendEvent(answerBox(), &done);
    EXPECT_EQ(answerBox()->text(), QStringLiteral("明日"));
}

TEST_F(KeyboardPlayTest, ControlsClickedDuringAPlayGiveTheKeysBackToTheAnswerBox)
{
    open(QStringLiteral("5,60,\"答数\",1\r\n"));
    activate();
    startPlay();
    // Each control takes the focus with the click, and gives it back.
    for (const char* name : {"chkAs", "optMode_1", "optMode_0", "cmdRitu", "cmdAllDsp"}) {
        QTest::mouseClick(find<QWidget>(name), Qt::LeftButton);
        QCoreApplication::processEvents();
        EXPECT_EQ(QApplication::focusWidget(), answerBox()) << name;
    }
    auto* count = find<QComboBox>("cboKaisu");
    QTest::mouseClick(count, Qt::LeftButton);
    count->hidePopup();
    activate();
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), answerBox());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("a"));
    EXPECT_EQ(answerBox()->text(), QStringLiteral("a"));
    EXPECT_TRUE(window->play().playing());

    // The keyboard's way round the window is the player's own.
    QTest::keyClick(answerBox(), Qt::Key_Tab);
    QCoreApplication::processEvents();
    EXPECT_NE(QApplication::focusWidget(), answerBox());
}

TEST_F(KeyboardPlayTest, AButtonPressedDuringAPlayIsClickedWhenItsMouseButtonComesUp)
{
    open();
    activate();
    startPlay();
    // The window's events run between press and release, as on a desktop.
    auto* chart = find<QWidget>("cmdRitu");
    QTest::mousePress(chart, Qt::LeftButton);
    QCoreApplication::processEvents();
    QTest::mouseRelease(chart, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), answerBox());

    QTest::mousePress(find<QWidget>("cmdEnd"), Qt::LeftButton);
    QCoreApplication::processEvents();
    QTest::mouseRelease(find<QWidget>("cmdEnd"), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(returns, 1);
    EXPECT_FALSE(window->play().running());
}
