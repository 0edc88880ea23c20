#include "gui/MainFixture.h"
#include "platform/Grid.h"
#include "records/MemoFile.h"
#include "records/RecordFile.h"
#include "review/NotesScreen.h"

#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {
QString rec(int n, const QString& note)
{
    return QStringLiteral("\"2024/05/01\",\"09:%1:00\",\"合体\",180.28,\"%2\",\r\n")
        .arg(n, 2, 10, QLatin1Char('0'))
        .arg(note);
}
QString recs(int count)
{
    QString out;
    for (int i = 1; i <= count; ++i)
        out += rec(i, QStringLiteral("秒数 : 180.28   答数 : %1").arg(i));
    return out;
}
}  // namespace

class NotesTest : public MainFixture {
protected:
    Grid* enter()
    {
        if (!window)
            start();
        click("cmdMemo");
        return find<Grid>("msgMemoList");
    }
    void select(int row)
    {
        Grid* g = find<Grid>("msgMemoList");
        g->scrollTo(g->model().index(row - 1, 5));
        QApplication::processEvents();
        const QRect r = g->visualRect(g->model().index(row - 1, 1));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, r.center());
    }
    void type(const QString& text)
    {
        auto* box = find<QLineEdit>("txtMemo");
        box->setText(text);
        QTest::keyClick(box, Qt::Key_Return);
    }
    QPushButton* save() { return find<QPushButton>("cmdMemoHozon"); }
};

TEST_F(NotesTest, ChoosingARecordPutsItsNoteInTheBoxAndEnablesSaving)
{
    writeText(recordfile::FileName, recs(3));
    Grid* g = enter();
    ASSERT_EQ(g->rows(), 4);
    EXPECT_EQ(g->text(0, 5), QStringLiteral("一言日記"));
    EXPECT_EQ(g->topRow(), 1);
    EXPECT_FALSE(save()->isEnabled());
    select(2);
    EXPECT_EQ(find<QLineEdit>("txtMemo")->text(), QStringLiteral("秒数 : 180.28   答数 : 2"));
    EXPECT_TRUE(save()->isEnabled());
    EXPECT_EQ(g->currentIndex().column(), 5);
}

TEST_F(NotesTest, FifteenRecordsFitSixteenScrollToTheNewest)
{
    writeText(recordfile::FileName, recs(15));
    Grid* g = enter();
    QApplication::processEvents();
    EXPECT_EQ(g->topRow(), 1);
    EXPECT_TRUE(g->viewport()->rect().contains(g->visualRect(g->model().index(14, 0))));
    click("cmdMain");
    writeText(recordfile::FileName, recs(16));
    g = enter();
    QApplication::processEvents();
    EXPECT_GT(g->topRow(), 1);
    EXPECT_TRUE(g->viewport()->rect().contains(g->visualRect(g->model().index(15, 0))));
}

TEST_F(NotesTest, SavingRewritesOnlyTheChosenNoteAndQuotesCannotBreakTheLine)
{
    writeText(recordfile::FileName, recs(2) + QStringLiteral("\"2024/05/02\",\"10:00:00\",\"発掘\",60.5,\"秒数 : 60.5  "
                                                             " 答数 : 14   コマ数 : 18   ヒント有り\",\r\n"));
    enter();
    const auto before = recordfile::read();
    select(2);
    type(QStringLiteral("今日は \"調子\" 良し, 明日も"));
    const QString stored = QStringLiteral("今日は ＂調子＂ 良し, 明日も");
    const auto after = recordfile::read();
    ASSERT_EQ(after->size(), 3);
    for (int i = 0; i < 3; ++i) {
        const RecordView& a = before->records()[size_t(i)];
        const RecordView& b = after->records()[size_t(i)];
        EXPECT_EQ(before->date(a), after->date(b));
        EXPECT_EQ(before->time(a), after->time(b));
        EXPECT_EQ(before->item(a), after->item(b));
        EXPECT_EQ(a.seconds, b.seconds);
        EXPECT_EQ(after->note(b), i == 1 ? stored : before->note(a));
        EXPECT_TRUE(after->text(b, RecordTable::Field::Spare).isEmpty());
    }
    EXPECT_EQ(find<Grid>("msgMemoList")->text(2, 5), stored);
    // No message; the box keeps its text and the note can be saved again.
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(save()->isEnabled());
    EXPECT_EQ(find<QLineEdit>("txtMemo")->text(), QStringLiteral("今日は \"調子\" 良し, 明日も"));

    // A line break would start a new record: it becomes a space.
    type(QStringLiteral("一行目\n二行目"));
    const auto typed = recordfile::read();
    EXPECT_EQ(typed->note(typed->records()[1]), u"一行目 二行目");

    find<QLineEdit>("txtMemo")->setText(QString());
    click("cmdMemoHozon");
    const auto emptied = recordfile::read();
    ASSERT_EQ(emptied->size(), 3);
    EXPECT_TRUE(emptied->note(emptied->records()[1]).isEmpty());
    EXPECT_EQ(emptied->note(emptied->records()[2]), before->note(before->records()[2]));
}

TEST_F(NotesTest, UnrepresentableDiaryTextIsRefusedByNameAndNothingIsWritten)
{
    writeText(recordfile::FileName, recs(2));
    enter();
    const QByteArray before = readBytes(recordfile::FileName);
    select(1);
    type(QStringLiteral("楽しい😀☺"));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].kind, msgbox::Kind::Warning);
    EXPECT_TRUE(boxes[0].text.contains(QStringLiteral("😀☺")));
    EXPECT_EQ(readBytes(recordfile::FileName), before);
    EXPECT_EQ(find<Grid>("msgMemoList")->text(1, 5), QStringLiteral("秒数 : 180.28   答数 : 1"));
    EXPECT_EQ(find<QLineEdit>("txtMemo")->text(), QStringLiteral("楽しい😀☺"));  // nothing lost
}

TEST_F(NotesTest, AFailedRewriteLeavesTheGridShowingWhatTheFileHolds)
{
    writeText(recordfile::FileName, recs(2));
    enter();
    select(1);
    // The file cannot be replaced: a directory stands in its place.
    ASSERT_TRUE(QFile::remove(path(recordfile::FileName)));
    ASSERT_TRUE(QDir(path(QString())).mkdir(recordfile::FileName));
    type(QStringLiteral("書けない"));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].kind, msgbox::Kind::Warning);
    EXPECT_EQ(find<Grid>("msgMemoList")->text(1, 5), QStringLiteral("秒数 : 180.28   答数 : 1"));
}

TEST_F(NotesTest, ADamagedRecordIsNamedWhenChangedAndBlocksNoOtherSave)
{
    // The second record's time holds bytes that are not Shift-JIS.
    writeBytes(recordfile::FileName, cp932(rec(1, QStringLiteral("一"))) +
                                         "\"2024/05/01\",\"09:\x81\x7F\",\"x\",5,\"n2\",\r\n" +
                                         cp932(rec(3, QStringLiteral("三"))));
    enter();
    select(2);
    type(QStringLiteral("直したい"));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.contains(QStringLiteral("2 件目"))) << boxes[0].text.toStdString();
    EXPECT_EQ(find<Grid>("msgMemoList")->text(2, 5), QStringLiteral("n2"));

    select(3);
    type(QStringLiteral("三日目"));
    EXPECT_EQ(boxes.size(), 1u);  // saved without a word
    const QByteArray file = readBytes(recordfile::FileName);
    EXPECT_TRUE(file.contains("\"2024/05/01\",\"09:\x81\x7F\",\"x\",5,\"n2\",\r\n"));  // as it was read
    const auto third = recordfile::read();
    EXPECT_EQ(third->note(third->records()[2]), u"三日目");
}

TEST_F(NotesTest, EnterBeforeChoosingARecordChangesNothing)
{
    writeText(recordfile::FileName, recs(2));
    const QByteArray before = readBytes(recordfile::FileName);
    enter();
    type(QStringLiteral("どこにも"));
    click("cmdMemoHozon");
    EXPECT_EQ(readBytes(recordfile::FileName), before);
    // Leaving and entering again forgets the chosen row.
    select(1);
    click("cmdMain");
    enter();
    EXPECT_FALSE(save()->isEnabled());
    EXPECT_EQ(find<NotesScreen>("fraMemo")->diaryRow(), 0);
    type(QStringLiteral("どこにも"));
    EXPECT_EQ(readBytes(recordfile::FileName), before);
}

TEST_F(NotesTest, MemoIsReadWhenTheScreenOpensAndSavedAsTyped)
{
    writeText(memofile::FileName, QStringLiteral("一\r\n二\r\n\r\n"));
    start();
    auto* box = find<QPlainTextEdit>("txtKizuki");
    EXPECT_TRUE(box->toPlainText().isEmpty());  // start-up reads only what it shows
    enter();
    EXPECT_EQ(box->toPlainText(), QStringLiteral("一\n二\n"));
    box->setPlainText(QStringLiteral("\"三\", 四\n五\u00A0六"));
    click("cmdKizukiHozon");
    ASSERT_EQ(boxes.size(), 1u);  // the no-break space has no place in the code page
    EXPECT_TRUE(boxes[0].text.contains(QChar(0x00A0)));
    EXPECT_EQ(readText(memofile::FileName), QStringLiteral("一\r\n二\r\n\r\n"));

    box->setPlainText(QStringLiteral("\"三\", 四\n五 六\n"));
    click("cmdKizukiHozon");
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_EQ(readText(memofile::FileName), QStringLiteral("\"三\", 四\r\n五 六\r\n\r\n"));
    // Entering the screen again does not read the file again.
    box->setPlainText(QStringLiteral("未保存"));
    click("cmdMain");
    enter();
    EXPECT_EQ(box->toPlainText(), QStringLiteral("未保存"));
    // A new main window reads it.
    delete window.data();
    start();
    enter();
    EXPECT_EQ(find<QPlainTextEdit>("txtKizuki")->toPlainText(), QStringLiteral("\"三\", 四\n五 六\n"));
}

TEST_F(NotesTest, AMemoFileTooLargeOrReadOnlyIsNeverSavedOver)
{
    const QByteArray big(memofile::MaxBytes + 1, 'a');
    writeBytes(memofile::FileName, big);
    enter();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.startsWith(QStringLiteral("メモ.TXT は大きすぎるため読み込めません（2.0 MB）。")));
    EXPECT_FALSE(find<QPushButton>("cmdKizukiHozon")->isEnabled());
    EXPECT_TRUE(find<QPlainTextEdit>("txtKizuki")->isReadOnly());

    delete window.data();
    boxes.clear();
    writeText(memofile::FileName, QStringLiteral("前のメモ\r\n"));
    QFile::setPermissions(path(memofile::FileName), QFileDevice::ReadOwner);
    enter();
    find<QPlainTextEdit>("txtKizuki")->setPlainText(QStringLiteral("新しいメモ"));
    click("cmdKizukiHozon");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.contains(memofile::FileName) && boxes[0].text.contains(QStringLiteral("読み取り専用")));
    EXPECT_EQ(readText(memofile::FileName), QStringLiteral("前のメモ\r\n"));
    EXPECT_EQ(find<QPlainTextEdit>("txtKizuki")->toPlainText(), QStringLiteral("新しいメモ"));  // kept to try again
}

TEST_F(NotesTest, TheScreenExplainsItselfWhenTheTourIsOn)
{
    tour.introShown = true;
    start();
    tour.flag = 1;
    enter();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, QStringLiteral("ヘルプツアー"));
    EXPECT_TRUE(
        boxes[0].text.startsWith(QStringLiteral("一回一回の記録ごとにちょっとしたコメントを残すことができます。\r\n")));
}
