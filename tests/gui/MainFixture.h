#pragma once
// A main window started on a data directory the test prepares.
#include "app/MainWindow.h"
#include "dictionary/Dictionary.h"
#include "platform/Clock.h"
#include "platform/MonthCalendar.h"
#include "review/DayView.h"
#include "support/TempDir.h"

#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <memory>

class MainFixture : public DataDirTest {
protected:
    void SetUp() override
    {
        DataDirTest::SetUp();
        Clock::install(&clock);
        writeText(Dictionary::KanjiFileName, QStringLiteral("時,日土寸\r\n"));
        writeText(Dictionary::CompoundFileName, QStringLiteral("時計\r\n"));
    }
    void TearDown() override
    {
        delete window.data();
        Clock::install(nullptr);
        DataDirTest::TearDown();
    }
    MainWindow& start()
    {
        window = new MainWindow(tour, dictionary);
        window->startUp();
        return *window;
    }
    template <typename T = QWidget> T* find(const char* name)
    {
        T* w = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void click(const char* name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }

    ManualClock clock{QDateTime(QDate(2024, 5, 1), QTime(21, 0, 0))};
    HelpTour tour;
    Dictionary dictionary;
    QPointer<MainWindow> window;
};
