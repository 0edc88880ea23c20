#include "gui/MainFixture.h"
#include "platform/Grid.h"
#include "records/RecordFile.h"

namespace {
QString rec(const char* time, const char* item, const char* seconds)
{
    return QStringLiteral("\"2024/05/01\",\"%1\",\"%2\",%3,\"秒数 : %3   答数 : 3\",\r\n")
        .arg(QString::fromUtf8(time), QString::fromUtf8(item), QString::fromLatin1(seconds));
}
}  // namespace

class RecordListTest : public MainFixture {
protected:
    Grid* enter()
    {
        click("cmdBunseki");
        return find<Grid>("msgIchiran");
    }
    QStringList seconds(Grid* g)
    {
        QStringList out;
        for (int r = 1; r < g->rows(); ++r)
            out << g->text(r, 4);
        return out;
    }
};

TEST_F(RecordListTest, TheScreenExplainsItselfOnceWhenEntered)
{
    writeText(recordfile::FileName, rec("09:00:00", "合体", "60"));
    tour.introShown = true;
    start();
    tour.flag = 1;
    boxes.clear();
    Grid* g = enter();
    EXPECT_TRUE(find("fraBunseki")->isVisible());
    EXPECT_FALSE(find("fraMain")->isVisible());
    EXPECT_EQ(g->rows(), 2);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, QStringLiteral("ヘルプツアー"));
    EXPECT_TRUE(boxes[0].text.startsWith(QStringLiteral("プレイしたデータを一覧表示しています。\r\n\r\n")));
    boxes.clear();
    enter();  // already visible: nothing happens
    EXPECT_TRUE(boxes.empty());
}

TEST_F(RecordListTest, DirectionsOutliveLeavingTheScreenButNotTheMainWindow)
{
    writeText(recordfile::FileName,
              rec("09:00:00", "合体", "30") + rec("10:00:00", "解体", "10") + rec("11:00:00", "連結", "20"));
    start();
    Grid* g = enter();
    click("cmdSort3");
    EXPECT_EQ(seconds(g), QStringList({"10", "20", "30"}));
    click("cmdMain");
    // A play stored meanwhile shows on return, in file order.
    QFile f(path(recordfile::FileName));
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write(cp932(rec("12:00:00", "合体", "5")));
    f.close();
    g = enter();
    EXPECT_EQ(seconds(g), QStringList({"30", "10", "20", "5"}));
    click("cmdSort3");
    EXPECT_EQ(seconds(g), QStringList({"30", "20", "10", "5"}));  // the second press: descending

    // A new main window, as after a game, starts every button ascending again.
    delete window.data();
    start();
    g = enter();
    click("cmdSort3");
    EXPECT_EQ(seconds(g), QStringList({"5", "10", "20", "30"}));
}
