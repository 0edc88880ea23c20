#pragma once
// A combine game window on a data directory the test prepares, with a
// manual clock and a seeded random source; the timers' handlers are called
// by the test instead of waiting for them.
#include "dictionary/Dictionary.h"
#include "games/combine/CombineWindow.h"
#include "games/frame/AnswerBox.h"
#include "games/frame/HistoryArea.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "records/HelpTour.h"
#include "support/TempDir.h"

#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

class GameFixture : public DataDirTest {
protected:
    void SetUp() override
    {
        DataDirTest::SetUp();
        Clock::install(&clock);
        Random::instance().seed(1);
        PlayFrame::gameMode = 1;
        dictionary.setTables({{QStringLiteral("時"), QStringLiteral("日土寸")}}, {});
    }
    void TearDown() override
    {
        delete window.data();
        Clock::install(nullptr);
        PlayFrame::gameMode = 1;
        DataDirTest::TearDown();
    }

    CombineWindow& open(const QString& settingsLine = {})
    {
        if (!settingsLine.isEmpty())
            writeText(QStringLiteral("合体設定.txt"), settingsLine);
        window = new CombineWindow(GameContext{dictionary, tour,
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
        T* w = window->findChild<T*>(QString::fromLatin1(name));
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
    }
    void escape() { QTest::keyClick(answerBox(), Qt::Key_Escape); }

    ManualClock clock{QDateTime(QDate(2024, 5, 1), QTime(21, 0, 0))};
    HelpTour tour;
    Dictionary dictionary;
    QPointer<CombineWindow> window;
    int returns = 0;
};
