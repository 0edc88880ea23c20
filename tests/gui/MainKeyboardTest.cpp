// The main window from the keyboard, and what its day list shows at once.
#include "gui/MainFixture.h"
#include "platform/Grid.h"
#include "records/RecordFile.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>

namespace {
QString rec(const char* date, int minute, const char* note = "一")
{
    return QStringLiteral("\"%1\",\"09:%2:00\",\"解体\",30,\"%3\",\r\n")
        .arg(QString::fromLatin1(date))
        .arg(minute, 2, 10, QLatin1Char('0'))
        .arg(QString::fromUtf8(note));
}
}  // namespace

class MainKeyboardTest : public MainFixture {
protected:
    void activate()
    {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }
    void keyOn(QWidget* w, Qt::Key key)
    {
        w->setFocus();
        QTest::keyClick(w, key);
    }
};

TEST_F(MainKeyboardTest, NinePlaysShowWholeWithoutScrolling)
{
    QString text;
    for (int i = 0; i < 9; ++i)
        text += rec("2024/05/01", i);
    writeText(recordfile::FileName, text);
    start();
    QApplication::processEvents();
    auto* list = find<Grid>("msgDayList");
    ASSERT_EQ(list->rows(), 10);
    const QRect last = list->visualRect(list->model().index(8, 3));
    EXPECT_GE(last.top(), 0);
    EXPECT_LE(last.bottom(), list->viewport()->height());
    EXPECT_EQ(list->rowAt(0), 0);
    EXPECT_FALSE(list->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(list->verticalScrollBar()->isVisible());
}

TEST_F(MainKeyboardTest, CalendarKeysMoveTheDayViewAlong)
{
    writeText(recordfile::FileName, rec("2024/04/30", 1) + rec("2024/05/01", 2) + rec("2024/05/01", 3));
    start();
    activate();
    auto* list = find<Grid>("msgDayList");
    ASSERT_EQ(list->rows(), 3);
    QWidget* days = find("mtvmain")->findChild<QAbstractItemView*>();
    ASSERT_NE(days, nullptr);
    keyOn(days, Qt::Key_Left);
    EXPECT_EQ(window->dayView().calendar().value(), QDate(2024, 4, 30));
    EXPECT_EQ(list->rows(), 2);
    EXPECT_EQ(list->text(1, 1), QStringLiteral("09:01:00"));
    EXPECT_EQ(QApplication::focusWidget(), days);  // the next key still moves the day
    keyOn(days, Qt::Key_Left);
    EXPECT_EQ(list->rows(), 1);
}

TEST_F(MainKeyboardTest, EditRowsAreChosenAndDeletedFromTheKeyboard)
{
    writeText(recordfile::FileName, rec("2024/05/01", 1) + rec("2024/05/01", 2) + rec("2024/05/01", 3));
    start();
    activate();
    click("cmdSettei");
    auto* grid = find<Grid>("msgHenList");
    auto* del = find<QPushButton>("cmdRowDel");
    EXPECT_FALSE(del->isEnabled());
    keyOn(grid, Qt::Key_Down);
    keyOn(grid, Qt::Key_Down);
    EXPECT_TRUE(del->isEnabled());
    const int row = grid->row();
    ASSERT_GE(row, 1);
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), del);
    boxes.clear();
    QTest::keyClick(del, Qt::Key_Return);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("2024/05/01 09:0%1:00 解体 を削除します。よろしいですか？").arg(row));
    EXPECT_EQ(grid->rows(), 3);
}

TEST_F(MainKeyboardTest, EnterOnADiaryRowChoosesItForTheDiaryBox)
{
    writeText(recordfile::FileName, rec("2024/05/01", 1, "一") + rec("2024/05/01", 2, "二"));
    start();
    activate();
    click("cmdMemo");
    auto* grid = find<Grid>("msgMemoList");
    grid->setFocus();
    grid->setCurrentIndex(grid->model().index(1, 1));
    QTest::keyClick(grid, Qt::Key_Return);
    auto* box = find<QLineEdit>("txtMemo");
    EXPECT_EQ(box->text(), QStringLiteral("二"));
    EXPECT_EQ(QApplication::focusWidget(), box);
    EXPECT_TRUE(find<QPushButton>("cmdMemoHozon")->isEnabled());
}

TEST_F(MainKeyboardTest, EnterPressesTheFocusedToolbarAndGamePanelButtons)
{
    start();
    activate();
    keyOn(find<QPushButton>("cmdCale"), Qt::Key_Return);
    EXPECT_TRUE(find("fraCale")->isVisible());
    keyOn(find<QPushButton>("cmdGame"), Qt::Key_Enter);
    ASSERT_TRUE(find("fraGame")->isVisible());
    keyOn(find<QPushButton>("cmdModori"), Qt::Key_Return);
    EXPECT_FALSE(find("fraGame")->isVisible());
}
