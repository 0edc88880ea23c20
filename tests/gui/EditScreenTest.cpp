#include "gui/MainFixture.h"
#include "platform/Grid.h"
#include "records/GameItems.h"
#include "records/Nickname.h"
#include "records/RecordFile.h"
#include "support/RecordGenerator.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>

namespace {
const QString R1 = QStringLiteral("\"2024/05/01\",\"09:00:00\",\"合体\",180.28,\"一\",\r\n");
const QString R2 = QStringLiteral("\"2024/05/01\",\"10:00:00\",\"解体\",60,\"二\",\r\n");
const QString R3 = QStringLiteral("\"2024/05/01\",\"11:00:00\",\"連結\",45.5,\"三, 四\",\r\n");
}  // namespace

class EditScreenTest : public MainFixture {
protected:
    Grid* enter()
    {
        start();
        click("cmdSettei");
        return find<Grid>("msgHenList");
    }
    void select(Grid* grid, int row)
    {
        QApplication::processEvents();
        const QRect r = grid->visualRect(grid->model().index(row - 1, 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, r.center());
    }
    // Deletes the grid's current row, as a click on a row and "個別削除" would.
    void cmdRowDelClick()
    {
        find<QPushButton>("cmdRowDel")->setEnabled(true);
        click("cmdRowDel");
    }
};

TEST_F(EditScreenTest, ListsEveryRecordAndDeleteNeedsASelection)
{
    writeText(recordfile::FileName, R1 + R2 + R3);
    Grid* grid = enter();
    ASSERT_EQ(grid->rows(), 4);
    EXPECT_EQ(grid->text(1, 4), QStringLiteral("180.28"));
    EXPECT_EQ(grid->text(3, 5), QStringLiteral("三, 四"));
    EXPECT_FALSE(find<QPushButton>("cmdRowDel")->isEnabled());
    select(grid, 2);
    EXPECT_TRUE(find<QPushButton>("cmdRowDel")->isEnabled());
}

TEST_F(EditScreenTest, DeletingTheSecondOfThreeKeepsPositionsAndRewritesTheRest)
{
    writeText(recordfile::FileName, R1 + R2 + R3);
    Grid* grid = enter();
    select(grid, 2);
    boxes.clear();
    click("cmdRowDel");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, QStringLiteral("クリア確認"));
    EXPECT_EQ(boxes[0].text, QStringLiteral("2024/05/01 10:00:00 解体 を削除します。よろしいですか？"));
    ASSERT_EQ(grid->rows(), 3);
    EXPECT_EQ(grid->text(1, 0), QStringLiteral("1"));
    EXPECT_EQ(grid->text(2, 0), QStringLiteral("3"));
    EXPECT_EQ(readText(recordfile::FileName),
              QStringLiteral("\"2024/05/01\",\"09:00:00\",\"合体\",180.28,\"一\",\"\"\r\n"
                             "\"2024/05/01\",\"11:00:00\",\"連結\",45.5,\"三, 四\",\"\"\r\n"));
    EXPECT_FALSE(find<QPushButton>("cmdRowDel")->isEnabled());
}

TEST_F(EditScreenTest, CancelLeavesTheFileUntouched)
{
    writeText(recordfile::FileName, R1 + R2);
    Grid* grid = enter();
    select(grid, 1);
    answer = false;
    click("cmdRowDel");
    EXPECT_EQ(grid->rows(), 3);
    EXPECT_EQ(readText(recordfile::FileName), R1 + R2);
    click("cmdNew1");
    EXPECT_EQ(readText(recordfile::FileName), R1 + R2);
}

TEST_F(EditScreenTest, DeletingTheOnlyRecordEmptiesTheFileWithoutAQuestion)
{
    writeText(recordfile::FileName, R1);
    Grid* grid = enter();
    EXPECT_EQ(find<Grid>("msgDayList")->rows(), 2);
    select(grid, 1);
    boxes.clear();
    click("cmdRowDel");
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(grid->rows(), 1);
    EXPECT_TRUE(readBytes(recordfile::FileName).isEmpty());
    EXPECT_EQ(find<Grid>("msgDayList")->rows(), 1);  // day view rebuilt
}

TEST_F(EditScreenTest, NewStartEmptiesLogsStoresTheNicknameAndEndsTheProgram)
{
    writeText(recordfile::FileName, R1);
    writeText(items::historyFile(7), QStringLiteral("x\r\n"));
    writeText(items::settingsFile(1), QStringLiteral("10,60,\"秒数\",1\r\n"));
    enter();
    bool ended = false;
    QObject::connect(window.data(), &MainWindow::programEndRequested, [&] { ended = true; });
    find<QLineEdit>("txtPriData")->setText(QString());
    boxes.clear();
    click("cmdNew1");
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].title, QStringLiteral("新規スタート準備完了"));
    EXPECT_TRUE(ended);
    EXPECT_TRUE(readBytes(recordfile::FileName).isEmpty());
    EXPECT_TRUE(readBytes(items::historyFile(7)).isEmpty());
    EXPECT_FALSE(readBytes(items::settingsFile(1)).isEmpty());
    EXPECT_EQ(readText(QStringLiteral("プライベート.txt")), QStringLiteral("\"氏名\",\"\"\r\n"));
}

TEST_F(EditScreenTest, RenamingSetsTheTitleAndReportsOnlyAWriteThatHappened)
{
    enter();
    find<QLineEdit>("txtPriData")->setText(QStringLiteral("花子"));
    boxes.clear();
    click("cmdPHozon1");
    EXPECT_EQ(window->windowTitle(), QStringLiteral("花子  の フェルノア２ ～字游"));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("保存が終了しました"));

    find<QLineEdit>("txtPriData")->setText(QStringLiteral("花😀"));
    boxes.clear();
    click("cmdPHozon1");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].kind, msgbox::Kind::Warning);
    EXPECT_TRUE(boxes[0].text.contains(QStringLiteral("😀")));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("花子  の フェルノア２ ～字游"));
    EXPECT_EQ(readText(QStringLiteral("プライベート.txt")), QStringLiteral("\"氏名\",\"花子\"\r\n"));
}

TEST_F(EditScreenTest, ANicknameTooLongForTheTitleIsRefusedNotCut)
{
    writeText(recordfile::FileName, R1);
    enter();
    auto* box = find<QLineEdit>("txtPriData");
    box->setText(QString(41, u'花'));
    EXPECT_EQ(box->text().size(), 41);  // nothing cut while typing or pasting
    boxes.clear();
    click("cmdPHozon1");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("名前は４０文字以内で入力してください。"));
    EXPECT_FALSE(QFile::exists(QStringLiteral("プライベート.txt")));
    EXPECT_EQ(window->windowTitle(), QStringLiteral(" フェルノア２ ～字游"));

    boxes.clear();
    click("cmdNew1");  // the new start stores the nickname too: nothing is deleted
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(readText(recordfile::FileName), R1);

    box->setText(QString(40, u'花'));
    click("cmdPHozon1");
    EXPECT_EQ(nickname::read(), QString(40, u'花'));
}

TEST_F(EditScreenTest, AFailedWriteIsReportedNotCelebrated)
{
    QDir().mkdir(QStringLiteral("プライベート.txt"));  // cannot be replaced by a file
    enter();
    find<QLineEdit>("txtPriData")->setText(QStringLiteral("花子"));
    boxes.clear();
    click("cmdPHozon1");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].kind, msgbox::Kind::Warning);
    EXPECT_NE(boxes[0].text, QStringLiteral("保存が終了しました"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral(" フェルノア２ ～字游"));
}

TEST_F(EditScreenTest, WorksPastThirtyTwoThousandRecords)
{
    writeText(recordfile::FileName, recordgen::text(40000));
    Grid* grid = enter();
    ASSERT_EQ(grid->rows(), 40001);
    EXPECT_EQ(grid->text(40000, 0), QStringLiteral("40000"));
    grid->setRow(39999);
    cmdRowDelClick();
    EXPECT_EQ(grid->rows(), 40000);
    EXPECT_EQ(grid->text(39999, 0), QStringLiteral("40000"));
    EXPECT_EQ(recordfile::read()->size(), 39999);
}
