// The history area of a game window: listing, the two filters, the chart
// buttons and their colours, the two layouts, clearing.
#include "gui/GameFixture.h"
#include "platform/ButtonFace.h"
#include "platform/Chart.h"
#include "platform/Colors.h"
#include "platform/Grid.h"
#include "support/ExpectedColours.h"

#include <QCheckBox>
#include <QFile>
#include <QFrame>
#include <QScrollBar>

namespace {
const QString HistoryFile = QStringLiteral("合体履歴.txt");
QString row(const char* time, int ok, int ng, const char* accuracy, const char* rate, const char* seconds)
{
    return QStringLiteral("\"2024/04/30\",\"%1\",%2,%3,%4,%2,\"%5\",\"%6\",\"%7\"\r\n")
        .arg(QString::fromLatin1(time))
        .arg(ok + ng)
        .arg(ok)
        .arg(ng)
        .arg(QString::fromUtf8(accuracy), QString::fromUtf8(rate), QString::fromUtf8(seconds));
}
}  // namespace

class GameHistoryTest : public GameFixture {
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        writeText(HistoryFile, row("10:00:00", 8, 2, "80.0%", "0.17/秒", "60秒") +
                                   row("11:00:00", 10, 2, "83.3%", "0.20/秒", "60秒") +
                                   row("12:00:00", 9, 1, "90.0%", "0.28/秒", "35.2秒") +
                                   row("13:00:00", 4, 0, "100.0%", "0.13/秒", "30秒"));
    }
    Grid* grid() { return find<Grid>("msgRireki"); }
    QColor face(const char* button) { return buttonface::get(find<QPushButton>(button)); }
    int frameTop() { return find<QFrame>("fraRireki")->geometry().top(); }
    // Compact, the frame stands just below the reading line under the answer box.
    int compactTop() { return find("lblYomi")->geometry().bottom() + colors::twipsToPixels(30); }
    // The grid's height for its rows: without a horizontal scroll bar's room
    // below them, where the columns are wider than the grid.
    int rowsHeight()
    {
        QCoreApplication::processEvents();
        const QScrollBar* bar = grid()->horizontalScrollBar();
        return grid()->height() - (bar->maximum() > 0 ? bar->sizeHint().height() : 0);
    }
};

TEST_F(GameHistoryTest, OpensListingEveryRowCompactWithNoChartChosen)
{
    open();
    ASSERT_EQ(grid()->rows(), 5);
    EXPECT_EQ(grid()->text(0, 6), QStringLiteral("文字数"));
    EXPECT_EQ(grid()->text(0, 9), QStringLiteral("表示秒数"));
    EXPECT_EQ(grid()->text(3, 0), QStringLiteral("3"));
    EXPECT_EQ(grid()->text(3, 9), QStringLiteral("35.2秒"));
    EXPECT_EQ(face("cmdAllDsp"), rgb::LightYellow);
    EXPECT_EQ(find<QPushButton>("cmdMoji")->text(), QStringLiteral("文字数"));
    EXPECT_NEAR(frameTop(), compactTop(), 2);
    EXPECT_EQ(rowsHeight(), colors::twipsToPixels(2955));
    EXPECT_FALSE(find("mcrRireki")->isVisible());
    EXPECT_FALSE(find("mcrRireki2")->isVisible());
}

TEST_F(GameHistoryTest, FiltersListAndNumberOnlyTheirRows)
{
    open();
    choose("cboJikan2", QStringLiteral("60"));
    ASSERT_EQ(grid()->rows(), 3);
    EXPECT_EQ(grid()->text(2, 0), QStringLiteral("2"));
    EXPECT_EQ(grid()->text(2, 2), QStringLiteral("11:00:00"));
    EXPECT_EQ(face("cmdAllDsp"), buttonface::systemFace());
    EXPECT_TRUE(find<QComboBox>("cboKaisu2")->currentText().isEmpty());

    choose("cboKaisu2", QStringLiteral("10"));  // both modes
    ASSERT_EQ(grid()->rows(), 3);
    EXPECT_EQ(grid()->text(2, 9), QStringLiteral("35.2秒"));
    EXPECT_TRUE(find<QComboBox>("cboJikan2")->currentText().isEmpty());

    click("cmdAllDsp");
    EXPECT_EQ(grid()->rows(), 5);
    EXPECT_EQ(face("cmdAllDsp"), rgb::LightYellow);
}

TEST_F(GameHistoryTest, ChartButtonsDrawTheListedRowsAndEnlargeTheArea)
{
    open();
    click("cmdRitu");
    auto* one = find<Chart>("mcrRireki");
    EXPECT_TRUE(one->isVisible());
    EXPECT_FALSE(find("mcrRireki2")->isVisible());
    ASSERT_EQ(one->pointCount(), 4);
    EXPECT_DOUBLE_EQ(one->value(2), 83.3);
    EXPECT_DOUBLE_EQ(one->axisTop(), 100);  // accuracy reads against the whole scale
    EXPECT_EQ(face("cmdRitu"), rgb::LightCyan);
    EXPECT_EQ(frameTop(), colors::twipsToPixels(1350));
    EXPECT_EQ(rowsHeight(), colors::twipsToPixels(3590));

    click("cmdByou");
    EXPECT_DOUBLE_EQ(one->value(3), 0.28);
    EXPECT_EQ(face("cmdRitu"), buttonface::systemFace());
    click("cmdPByou");
    EXPECT_DOUBLE_EQ(one->value(3), 35.2);
    click("cmdMoji");
    EXPECT_DOUBLE_EQ(one->value(4), 4);

    click("cmdKaitou");
    auto* two = find<Chart>("mcrRireki2");
    EXPECT_TRUE(two->isVisible());
    EXPECT_FALSE(one->isVisible());
    ASSERT_EQ(two->pointCount(), 4);
    EXPECT_DOUBLE_EQ(two->value(1, 2), 10);
    EXPECT_DOUBLE_EQ(two->value(2, 2), 2);
    EXPECT_DOUBLE_EQ(two->axisTop(), 10);  // answers step in whole numbers
    EXPECT_DOUBLE_EQ(two->axisStep(), 2);

    click("cmdJisyo");  // the spare button changes nothing
    EXPECT_EQ(face("cmdKaitou"), rgb::LightCyan);
    EXPECT_EQ(face("cmdJisyo"), buttonface::systemFace());

    choose("cboJikan2", QStringLiteral("60"));  // a filter redraws the chosen chart
    EXPECT_EQ(two->pointCount(), 2);
}

TEST_F(GameHistoryTest, AStoredPlayJoinsTheFilteredListRedrawsTheChartAndCompactsTheArea)
{
    open(QStringLiteral("1,60,\"答数\",1\r\n"));
    choose("cboJikan2", QStringLiteral("60"));
    click("cmdRitu");
    startPlay();
    EXPECT_NEAR(frameTop(), compactTop(), 2);  // Start compacts
    typeAnswer(window->currentAnswer());
    ASSERT_EQ(grid()->rows(), 4);
    EXPECT_EQ(grid()->text(3, 0), QStringLiteral("3"));
    EXPECT_EQ(grid()->text(3, 7), QStringLiteral("100.0%"));
    EXPECT_EQ(find<Chart>("mcrRireki")->pointCount(), 3);
    EXPECT_NEAR(frameTop(), compactTop(), 2);
    EXPECT_EQ(history::read(HistoryFile).size(), 5u);
}

TEST_F(GameHistoryTest, ClearAsksFirstAndEmptiesOnlyTheHistory)
{
    writeText(QStringLiteral("データ.TXT"), QStringLiteral("\"2024/04/30\",\"10:00:00\",\"合体\",60,\"x\",\r\n"));
    open();
    click("cmdRitu");
    const QByteArray before = readBytes(HistoryFile);
    answer = false;
    click("cmdClear");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].kind, msgbox::Kind::Confirm);
    EXPECT_EQ(boxes[0].title, QStringLiteral("クリア確認"));
    EXPECT_EQ(boxes[0].text, QStringLiteral("履歴データをクリアします。よろしいですか？"));
    EXPECT_EQ(readBytes(HistoryFile), before);
    EXPECT_EQ(grid()->rows(), 5);

    answer = true;
    click("cmdClear");
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[2].kind, msgbox::Kind::Information);
    EXPECT_EQ(boxes[2].title, QStringLiteral("クリア終了"));
    EXPECT_EQ(boxes[2].text, QStringLiteral("履歴データをクリアしました"));
    EXPECT_TRUE(QFile::exists(path(HistoryFile)));
    EXPECT_TRUE(readBytes(HistoryFile).isEmpty());
    EXPECT_EQ(grid()->rows(), 1);
    EXPECT_EQ(find<Chart>("mcrRireki")->pointCount(), 0);
    EXPECT_FALSE(readBytes(QStringLiteral("データ.TXT")).isEmpty());
    click("cmdAllDsp");
    EXPECT_EQ(grid()->rows(), 1);
}

TEST_F(GameHistoryTest, AMissingHistoryFileListsTheHeaderOnly)
{
    QFile::remove(path(HistoryFile));
    open();
    EXPECT_EQ(grid()->rows(), 1);
    click("cmdKaitou");
    EXPECT_EQ(find<Chart>("mcrRireki2")->pointCount(), 0);
}

TEST_F(GameHistoryTest, TheNewestRowAndTheAutoSaveCaptionShowWholeInTheCompactLayout)
{
    QString many;
    for (int i = 0; i < 20; ++i)
        many += row("14:00:00", 9, 1, "90.0%", "0.28/秒", "35.2秒");
    writeText(HistoryFile, many);
    open(QStringLiteral("2,60,\"答数\",0\r\n"));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    QCoreApplication::processEvents();
    Grid* g = grid();
    const QRect newest = g->visualRect(g->QTableView::model()->index(g->rows() - 2, 0));
    EXPECT_TRUE(g->viewport()->rect().contains(newest)) << newest.y() << "+" << newest.height();
    // A horizontal scroll bar, where the columns need one, lies below the rows and inside the frame.
    EXPECT_TRUE(find("fraRireki")->rect().contains(g->geometry()));

    // Laid out compact (by Start) while a filter lists none, then all listed
    // again and scrolled to the end: whole too.
    choose("cboJikan2", QStringLiteral("60"));
    ASSERT_EQ(g->rows(), 1);
    click("cmdStart");
    click("cmdAllDsp");
    QCoreApplication::processEvents();
    g->setTopRow(g->rows() - 1);
    QCoreApplication::processEvents();
    const QRect again = g->visualRect(g->QTableView::model()->index(g->rows() - 2, 0));
    EXPECT_TRUE(g->viewport()->rect().contains(again)) << again.y() << "+" << again.height();

    auto* autoSave = find<QCheckBox>("chkAs");
    EXPECT_EQ(autoSave->text(), QStringLiteral("自動保存"));
    EXPECT_GE(autoSave->width(), autoSave->sizeHint().width());
}
