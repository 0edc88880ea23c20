#include "review/RecordListScreen.h"

#include "platform/Grid.h"
#include "records/RecordFile.h"
#include "review/RecordGrid.h"
#include "support/RecordGenerator.h"
#include "support/TempDir.h"

#include <QFontMetrics>
#include <QStringList>

#include <numeric>
#include <random>
#include <string>

namespace {
QString rec(int day, const QString& item, const QString& seconds, const QString& note)
{
    return QStringLiteral("\"2024/05/%1\",\"09:00:00\",\"%2\",%3,\"%4\",\r\n")
        .arg(day, 2, 10, QLatin1Char('0'))
        .arg(item, seconds, note);
}
}  // namespace

class RecordListScreenTest : public DataDirTest {
protected:
    RecordListScreen& load(const QString& file)
    {
        writeText(recordfile::FileName, file);
        screen.prepare();
        return screen;
    }
    QStringList column(int col)
    {
        QStringList out;
        for (int r = 1; r < screen.grid().rows(); ++r)
            out << screen.grid().text(r, col);
        return out;
    }
    QStringList positions() { return column(0); }

    RecordListScreen screen;
};

TEST_F(RecordListScreenTest, ListsEveryRecordInFileOrderWithShortestSeconds)
{
    load(rec(1, QStringLiteral("合体"), QStringLiteral("180.28"), QStringLiteral("秒数 : 180.28, 答数 : 9")) +
         rec(2, QStringLiteral("しりとり"), QStringLiteral("60.0"), QString()));
    Grid& g = screen.grid();
    ASSERT_EQ(g.rows(), 3);
    EXPECT_EQ(g.text(0, 0), QStringLiteral("回"));
    EXPECT_EQ(g.text(0, 5), QStringLiteral("一言日記"));
    EXPECT_EQ(positions(), QStringList({"1", "2"}));
    EXPECT_EQ(g.text(1, 1), QStringLiteral("2024/05/01"));
    EXPECT_EQ(g.text(1, 4), QStringLiteral("180.28"));
    EXPECT_EQ(g.text(2, 4), QStringLiteral("60"));
    EXPECT_EQ(g.text(1, 5), QStringLiteral("秒数 : 180.28, 答数 : 9"));
}

TEST_F(RecordListScreenTest, NumericColumnsCompareAsNumbersAndAlternate)
{
    // Eleven records, so that position 10 and 11 would sort before 2 as text,
    // and seconds 9 and 100 would sort wrongly as text against 60.
    QString file;
    const char* secs[] = {"60", "9", "180.28", "100", "59.5", "61", "7", "8", "10", "11", "12"};
    for (int i = 0; i < 11; ++i)
        file += rec(i + 1, QStringLiteral("合体"), QString::fromLatin1(secs[i]), QString());
    load(file);

    screen.sortRecordList(3);  // 秒数: shortest first
    EXPECT_EQ(column(4), QStringList({"7", "8", "9", "10", "11", "12", "59.5", "60", "61", "100", "180.28"}));
    screen.sortRecordList(3);  // then longest first
    EXPECT_EQ(column(4).first(), QStringLiteral("180.28"));
    EXPECT_EQ(column(4).last(), QStringLiteral("7"));
    // Rows move whole: position 3 is the 180.28 play.
    EXPECT_EQ(screen.grid().text(1, 0), QStringLiteral("3"));
    EXPECT_EQ(screen.grid().text(1, 1), QStringLiteral("2024/05/03"));

    screen.sortRecordList(1);  // 回 restores file order
    EXPECT_EQ(positions(), QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"}));
    screen.sortRecordList(1);  // and then its reverse
    EXPECT_EQ(positions(), QStringList({"11", "10", "9", "8", "7", "6", "5", "4", "3", "2", "1"}));
}

TEST_F(RecordListScreenTest, TextColumnsCompareByCharacterCode)
{
    load(rec(1, QStringLiteral("連結"), QStringLiteral("1"), QStringLiteral("abc")) +
         rec(2, QStringLiteral("合体"), QStringLiteral("2"), QStringLiteral("Abd")) +
         rec(3, QStringLiteral("しりとり"), QStringLiteral("3"), QStringLiteral("秒数 : 3   答数 : 2")) +
         rec(4, QStringLiteral("解体"), QStringLiteral("4"), QStringLiteral("秒数 : 3   答数 : 10")) +
         rec(5, QStringLiteral("合体"), QStringLiteral("5"), QString()));
    screen.sortRecordList(2);  // 項目: し (U+3057) < 合 (U+5408) < 解 (U+89E3) < 連 (U+9023)
    EXPECT_EQ(column(3), QStringList({"しりとり", "合体", "合体", "解体", "連結"}));
    screen.sortRecordList(4);  // 一言日記: empty first, upper case before lower
    EXPECT_EQ(column(5), QStringList({"", "Abd", "abc", "秒数 : 3   答数 : 10", "秒数 : 3   答数 : 2"}));
    screen.sortRecordList(4);
    EXPECT_EQ(column(5).first(), QStringLiteral("秒数 : 3   答数 : 2"));
}

TEST_F(RecordListScreenTest, EachButtonKeepsItsOwnDirectionAcrossReloads)
{
    load(rec(1, QStringLiteral("解体"), QStringLiteral("30"), QString()) +
         rec(2, QStringLiteral("合体"), QStringLiteral("10"), QString()) +
         rec(3, QStringLiteral("連結"), QStringLiteral("20"), QString()));
    screen.sortRecordList(2);
    screen.sortRecordList(2);
    EXPECT_FALSE(screen.sortDescendingNext(2));
    screen.sortRecordList(1);
    EXPECT_EQ(positions(), QStringList({"1", "2", "3"}));  // 項目 twice, 回 once: file order
    screen.sortRecordList(3);
    EXPECT_TRUE(screen.sortDescendingNext(3));
    EXPECT_TRUE(screen.sortDescendingNext(1));
    EXPECT_FALSE(screen.sortDescendingNext(4));

    screen.prepare();  // entering the screen again
    EXPECT_EQ(positions(), QStringList({"1", "2", "3"}));
    screen.sortRecordList(3);  // continues with descending
    EXPECT_EQ(column(4), QStringList({"30", "20", "10"}));
}

TEST_F(RecordListScreenTest, EmptyFileGivesAHeaderOnlyGridThatSortsLeaveAlone)
{
    load(QString());
    for (int b = 1; b <= 4; ++b)
        screen.sortRecordList(b);
    EXPECT_EQ(screen.grid().rows(), 1);
}

TEST_F(RecordListScreenTest, ThePositionColumnShowsTheLargestPositionWhole)
{
    writeText(recordfile::FileName, recordgen::text(12345));
    Grid grid(QStringLiteral("msgTest"));
    grid.setColumns({{QStringLiteral("回"), 200, Qt::AlignRight},
                     {QStringLiteral("日付"), 1400, Qt::AlignHCenter},
                     {QStringLiteral("時間"), 1100, Qt::AlignHCenter},
                     {QStringLiteral("項目"), 2150, Qt::AlignLeft},
                     {QStringLiteral("秒数"), 850, Qt::AlignRight},
                     {QStringLiteral("一言日記"), 4880, Qt::AlignLeft}});
    recordgrid::load(grid);
    ASSERT_EQ(grid.text(12345, 0), QStringLiteral("12345"));
    EXPECT_GT(grid.columnWidth(0), QFontMetrics(grid.font()).horizontalAdvance(QStringLiteral("12345")));
}
