#pragma once
// A game window on a data directory the test prepares, with a manual clock
// and a seeded random source; the timers' handlers and the steps after an
// answer are run by the test instead of waiting for them.
#include "dictionary/Dictionary.h"
#include "games/frame/AnswerBox.h"
#include "games/frame/GameWindow.h"
#include "games/frame/HistoryArea.h"
#include "platform/Clock.h"
#include "platform/HelpTour.h"
#include "platform/Random.h"
#include "records/GameItems.h"
#include "support/TempDir.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

// Window is the game's window class, Item its item number.
template <typename Window, int Item> class GameWindowFixture : public DataDirTest {
protected:
    void SetUp() override
    {
        DataDirTest::SetUp();
        Clock::install(&clock);
        Random::instance().seed(1);
    }
    void TearDown() override
    {
        delete window.data();
        Clock::install(nullptr);
        DataDirTest::TearDown();
    }

    Window& open(const QString& settingsLine = {})
    {
        if (!settingsLine.isEmpty())
            writeText(items::settingsFile(Item), settingsLine);
        window = new Window(GameContext{dictionary, tour,
                                        [this](QWidget* w) {
                                            ++returns;
                                            w->close();
                                        },
                                        false});
        window->show();
        return *window;
    }

    template <typename T = QWidget> T* find(const char* name)
    {
        T* w = window->template findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString text(const char* label) { return find<QLabel>(label)->text(); }
    void click(const char* name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
    void choose(const char* combo, const QString& item)
    {
        auto* box = find<QComboBox>(combo);
        const int i = box->findText(item);
        ASSERT_GE(i, 0) << combo << " " << item.toStdString();
        box->setCurrentIndex(i);
        emit box->activated(i);
    }
    AnswerBox* answerBox() { return find<AnswerBox>("txtKaitou"); }

    // Start, then the countdown's steps until the first question stands.
    void startPlay()
    {
        click("cmdStart");
        for (int i = 0; i < 3 && !window->play().playing(); ++i)
            window->tmrStart_Timer();
        ASSERT_TRUE(window->play().playing());
    }
    // Japanese arrives through the input method: a composition, its commit,
    // then the Enter that answers.
    void commit(const QString& answer)
    {
        QInputMethodEvent compose(answer, {});
        QCoreApplication::sendEvent(answerBox(), &compose);
        QInputMethodEvent done;
        done.setCommitString(answer);
        QCoreApplication::sendEvent(answerBox(), &done);
        QCoreApplication::processEvents();
    }
    void typeAnswer(const QString& text)
    {
        commit(text);
        QTest::keyClick(answerBox(), Qt::Key_Return);
        runSteps();
    }
    // `during` runs inside the pause that the answer brings.
    void typeAnswer(const QString& text, const std::function<void()>& during)
    {
        commit(text);
        QTimer::singleShot(0, window, during);
        QTest::keyClick(answerBox(), Qt::Key_Return);
        runSteps();
    }
    void escape()
    {
        QTest::keyClick(answerBox(), Qt::Key_Escape);
        runSteps();
    }
    // What follows an answer, without the waits: pending events first (what
    // a test lets happen while the answer shows), then each step, the clock
    // moved on by its wait as that time would have gone by.
    void runSteps()
    {
        QCoreApplication::processEvents();
        while (window && window->answerSteps().waitingMs() >= 0) {
            clock.advance(window->answerSteps().waitingMs());
            window->answerSteps().runNow();
            QCoreApplication::processEvents();
        }
    }

    // The window as the player has it: active, keys going to the focus.
    void activate()
    {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }
    void press(int key) { QTest::keyClick(QApplication::focusWidget(), Qt::Key(key)); }

    // A time-mode play left to the window's own timers: Start, the first
    // question after the three countdown steps, and the time-out. The manual
    // clock is moved on once the play runs, so only the countdown is waited
    // for in real time.
    void playByTheRealTimers(const std::function<void()>& whilePlaying = {})
    {
        QTest::mouseClick(find<QAbstractButton>("optMode_1"), Qt::LeftButton);
        choose("cboJikan", QStringLiteral("10"));
        click("cmdStart");
        ASSERT_TRUE(window->play().countingDown());
        ASSERT_TRUE(window->play().timeMode());
        ASSERT_TRUE(QTest::qWaitFor([this] { return window->play().playing(); }, 5000));
        if (whilePlaying)
            whilePlaying();
        clock.advance(10000);
        ASSERT_TRUE(QTest::qWaitFor([this] { return !window->play().running(); }, 3000));
    }

    // `plays` time-mode plays each left to its time-out at its first
    // question: the questions asked, as the answer log has them. A question
    // left open moves no Leitner box, so each play draws by the same weights.
    QStringList questionsLeftOpen(int plays)
    {
        for (int i = 0; i < plays; ++i) {
            startPlay();
            clock.advance(int(window->play().timeLimit() * 1000));
            window->tmrBp_Timer();
        }
        QStringList asked;
        for (const Answer& a : answerfile::read().answers)
            if (a.verdict == Verdict::TimedOut)
                asked << a.question;
        return asked;
    }

    ManualClock clock{QDateTime(QDate(2024, 5, 1), QTime(21, 0, 0))};
    HelpTour tour;
    Dictionary dictionary;
    QPointer<Window> window;
    int returns = 0;
};
