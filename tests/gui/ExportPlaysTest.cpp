// 書き出し… on the record list and the range view: what each screen lists
// goes out, through the save dialog the fixture answers.
#include "gui/MainFixture.h"
#include "platform/Grid.h"
#include "records/RecordFile.h"

#include <QListWidget>

namespace {
// Plays on Sunday 2024/04/28 and Monday 2024/04/29; the third line's note
// holds a byte that is not code page 932.
QByteArray log()
{
    return cp932(QStringLiteral("\"2024/04/28\",\"09:00:00\",\"合体\",60,\"秒数 : 60, 答数 : 3\",\r\n"
                                "\"2024/04/28\",\"10:00:00\",\"解体\",30,\"よし\",\r\n")) +
           QByteArray("\"2024/04/29\",\"11:00:00\",\"\x8D\x87\x91\xCC\",45.5,\"x\xFF\",\r\n");
}
}  // namespace

class ExportPlaysTest : public MainFixture {
protected:
    void SetUp() override
    {
        MainFixture::SetUp();
        writeBytes(recordfile::FileName, log());
        start();
    }
    void enter(const char* button, const char* screen)
    {
        click("cmdMain");
        click(button);
        screen_ = find(screen);
    }
    // Both screens have one; the one of the screen entered.
    void exportPlays()
    {
        auto* b = screen_->findChild<QPushButton*>(QStringLiteral("cmdExport"));
        ASSERT_NE(b, nullptr);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    QWidget* screen_ = nullptr;
};

TEST_F(ExportPlaysTest, EachScreenExportsWhatItLists)
{
    // The record list, sorted by seconds, exports the whole log in file order.
    enter("cmdBunseki", "fraBunseki");
    click("cmdSort3");
    saveAs = savedialog::Choice{path(QStringLiteral("all.csv")), 0};
    exportPlays();
    ASSERT_EQ(saveAsked.size(), 1u);
    EXPECT_TRUE(saveAsked[0].endsWith(QStringLiteral("/記録_20240501.csv"))) << saveAsked[0].toStdString();
    EXPECT_EQ(readBytes(QStringLiteral("all.csv")),
              QByteArray("date,time,game,seconds,note,diary,damaged\r\n"
                         "2024-04-28,09:00:00,合体,60,\"秒数 : 60, 答数 : 3\",,false\r\n"
                         "2024-04-28,10:00:00,解体,30,,よし,false\r\n"
                         "2024-04-29,11:00:00,合体,45.5,,x\xEF\xBF\xBD,true\r\n"));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].kind, msgbox::Kind::Information);
    EXPECT_TRUE(boxes[0].text.startsWith(QStringLiteral("3 件の記録を書き出しました。")));

    // The range view filtered to 合体 exports its two plays; JSON chosen for
    // a name typed without an ending.
    enter("cmdTaijyu", "fraTaijyu");
    auto* items = find<QListWidget>("lstAct2");
    items->setCurrentRow(0);
    emit items->itemClicked(items->item(0));
    ASSERT_EQ(find<Grid>("msgBunseki")->rows(), 3);
    saveAs = savedialog::Choice{path(QStringLiteral("range")), 1};
    exportPlays();
    EXPECT_EQ(readBytes(QStringLiteral("range.json")),
              QByteArray("[\n{\"date\":\"2024-04-28\",\"time\":\"09:00:00\",\"game\":\"合体\",\"seconds\":60,"
                         "\"note\":\"秒数 : 60, 答数 : 3\",\"diary\":\"\",\"damaged\":false},\n"
                         "{\"date\":\"2024-04-29\",\"time\":\"11:00:00\",\"game\":\"合体\",\"seconds\":45.5,"
                         "\"note\":\"\",\"diary\":\"x\xEF\xBF\xBD\",\"damaged\":true}\n]\n"));
    EXPECT_TRUE(boxes.back().text.startsWith(QStringLiteral("2 件の記録を書き出しました。")));
    // Sunday only, then a weekday: the list and the export shrink together.
    click("cmdWeek_1");
    saveAs = savedialog::Choice{path(QStringLiteral("monday.csv")), 1};  // the typed ending decides
    exportPlays();
    EXPECT_EQ(readBytes(QStringLiteral("monday.csv")),
              QByteArray("date,time,game,seconds,note,diary,damaged\r\n"
                         "2024-04-29,11:00:00,合体,45.5,,x\xEF\xBF\xBD,true\r\n"));
}

TEST_F(ExportPlaysTest, TheLogIsNeverReplacedAndAFailedWriteSaysWhy)
{
    enter("cmdBunseki", "fraBunseki");
    // A cancelled dialog writes nothing and says nothing.
    exportPlays();
    EXPECT_TRUE(boxes.empty());

    // The play log chosen as the target: the export goes beside it.
    saveAs = savedialog::Choice{path(recordfile::FileName), 0};
    exportPlays();
    EXPECT_EQ(readBytes(recordfile::FileName), log());
    EXPECT_TRUE(readBytes(recordfile::FileName + QStringLiteral(".csv")).startsWith("date,time,game"));

    boxes.clear();
    saveAs = savedialog::Choice{path(QStringLiteral("no such folder/plays.csv")), 0};
    exportPlays();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].kind, msgbox::Kind::Warning);
    EXPECT_TRUE(boxes[0].text.contains(QStringLiteral("plays.csv に書き込めませんでした。")))
        << boxes[0].text.toStdString();
}
