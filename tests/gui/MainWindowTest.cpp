#include "app/Shell.h"
#include "gui/MainFixture.h"
#include "platform/Grid.h"
#include "platform/HelpViewer.h"
#include "records/RecordFile.h"
#include "review/DayPictures.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QSet>

namespace {
QString rec(const char* date, const char* time, const char* item, const char* seconds)
{
    return QStringLiteral("\"%1\",\"%2\",\"%3\",%4,\"秒数 : %4   答数 : 3\",\r\n")
        .arg(QString::fromUtf8(date), QString::fromUtf8(time), QString::fromUtf8(item), QString::fromLatin1(seconds));
}
}  // namespace

using MainWindowTest = MainFixture;

TEST_F(MainWindowTest, EmptyLogShowsTheRestingFaceWhiteLampsAndTheDefaultCaption)
{
    start();
    EXPECT_EQ(window->objectName(), QStringLiteral("frmMain"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral(" フェルノア２ ～字游"));
    EXPECT_TRUE(find("imgNashi")->isVisible());
    EXPECT_FALSE(find("imgkana")->isVisible());
    EXPECT_EQ(find<QLabel>("lblMHyouka")->text(), QStringLiteral("今日の脳も健康元気"));
    for (const char* lamp : {"shpLed_1", "shpLed_7"})
        EXPECT_EQ(find<Lamp>(lamp)->color(), QColor(Qt::white));
    EXPECT_TRUE(window->state().firstRecordDate.isEmpty());
    EXPECT_TRUE(find("fraMain")->isVisible());
    EXPECT_FALSE(find("fraGame")->isVisible());
}

TEST_F(MainWindowTest, DayWithTwoKindsListsThemInItemOrderWithSmileAndTwoLamps)
{
    writeText(recordfile::FileName,
              rec("2024/04/30", "08:00:00", "発掘", "60") + rec("2024/05/01", "09:00:00", "連結", "40") +
                  rec("2024/05/01", "10:00:00", "合体", "10.5") + rec("2024/05/01", "11:00:00", "合体", "10.5"));
    start();
    auto* list = find<Grid>("msgDayList");
    auto* total = find<Grid>("msgDayTotal");
    ASSERT_EQ(list->rows(), 4);
    EXPECT_EQ(list->text(1, 1), QStringLiteral("09:00:00"));
    EXPECT_EQ(list->text(3, 3), QStringLiteral("10.5"));
    ASSERT_EQ(total->rows(), 3);
    EXPECT_EQ(total->text(1, 1), QStringLiteral("合体"));
    EXPECT_EQ(total->text(1, 3), QStringLiteral("21"));
    EXPECT_EQ(total->text(2, 1), QStringLiteral("連結"));
    EXPECT_EQ(find<QLabel>("lblDayTotal")->text(), QStringLiteral("0:01:01"));
    EXPECT_TRUE(find("imgniko")->isVisible());
    EXPECT_FALSE(find("imgNashi")->isVisible());
    EXPECT_EQ(find<Lamp>("shpLed_2")->color(), QColor(0xFF, 0xE0, 0xC0));
    EXPECT_EQ(find<Lamp>("shpLed_3")->color(), QColor(Qt::white));
    auto* label = find<QLabel>("lblMHyouka");
    EXPECT_EQ(label->text(), QStringLiteral("2 種類の脳刺激"));
    EXPECT_EQ(label->palette().color(QPalette::Window), QColor(0xFF, 0xE0, 0xC0));
    EXPECT_EQ(window->state().firstRecordDate, QStringLiteral("2024/04/30"));
}

TEST_F(MainWindowTest, TenPlaysScrollToTheLastAndNineStartAtTheFirst)
{
    QString text;
    for (int i = 0; i < 10; ++i)
        text += rec("2024/05/01", "09:00:00", "解体", "30");
    writeText(recordfile::FileName, text);
    start();
    window->resize(1080, 720);
    QApplication::processEvents();
    auto* list = find<Grid>("msgDayList");
    EXPECT_GT(list->topRow(), 1);

    writeText(recordfile::FileName, text.left(text.size() / 10 * 9));
    window->dayView().rebuildMainScreen();
    QApplication::processEvents();
    EXPECT_EQ(list->topRow(), 1);
}

TEST_F(MainWindowTest, ScreenButtonsShowOneScreenAndMainDoesNotRebuild)
{
    writeText(recordfile::FileName, rec("2024/05/01", "09:00:00", "解体", "30"));
    start();
    click("cmdSettei");
    EXPECT_TRUE(find("fraSettei")->isVisible());
    EXPECT_FALSE(find("fraMain")->isVisible());
    writeText(recordfile::FileName, QString());  // changed behind the day view's back
    click("cmdMain");
    EXPECT_TRUE(find("fraMain")->isVisible());
    EXPECT_EQ(find<Grid>("msgDayList")->rows(), 2);  // shown, not rebuilt
    click("cmdMain");
    EXPECT_EQ(find<Grid>("msgDayList")->rows(), 2);
}

TEST_F(MainWindowTest, HelpTourIntroductionOnFirstLoadOnlyAndToggleWritesTheFile)
{
    writeText(QStringLiteral("設定.TXT"), QStringLiteral("\"ヘルプツアー\",1\r\n"));
    start();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, QStringLiteral("ヘルプツアー"));
    EXPECT_TRUE(boxes[0].text.startsWith(QStringLiteral("フェルノアに興味をもっていただき")));
    // How to switch Japanese input on, and where the README tells more.
    EXPECT_TRUE(boxes[0].text.contains(QStringLiteral("Ctrl+Space")));
    EXPECT_TRUE(boxes[0].text.contains(QStringLiteral("「Typing Japanese」")));
    EXPECT_TRUE(find<QCheckBox>("chkHelp")->isChecked());

    // Coming back from a game builds a new main window: no introduction.
    delete window.data();
    boxes.clear();
    start();
    EXPECT_TRUE(boxes.empty());

    click("cmdSettei");  // a screen explains itself while the tour is on
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.startsWith(QStringLiteral("これまでのデータを全部削除して")));

    boxes.clear();
    QTest::mouseClick(find<QCheckBox>("chkHelp"), Qt::LeftButton);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, QStringLiteral("ヘルプツアーＯＦＦ"));
    EXPECT_EQ(readText(QStringLiteral("設定.TXT")), QStringLiteral("\"ヘルプツアー\",0\r\n"));
}

TEST_F(MainWindowTest, GamePanelMovesTheCalendarToTodayFirst)
{
    writeText(recordfile::FileName, rec("2024/04/30", "08:00:00", "発掘", "60"));
    start();
    window->dayView().calendar().setValue(QDate(2024, 4, 30));
    window->dayView().rebuildMainScreen();
    EXPECT_EQ(find<Grid>("msgDayList")->rows(), 2);
    click("cmdGame");
    EXPECT_TRUE(find("fraGame")->isVisible());
    EXPECT_EQ(window->dayView().calendar().value(), QDate(2024, 5, 1));
    EXPECT_EQ(find<Grid>("msgDayList")->rows(), 1);
    click("cmdModori");
    EXPECT_FALSE(find("fraGame")->isVisible());
}

TEST_F(MainWindowTest, EveryGameButtonShowsItsOwnPictureBesideItsCaption)
{
    start();
    click("cmdGame");
    QSet<qint64> pictures;
    for (const char* name : {"cmdG1", "cmdG2", "cmdG3", "cmdG4", "cmdG5", "cmdG6", "cmdG7"}) {
        auto* button = find<QPushButton>(name);
        EXPECT_FALSE(button->icon().isNull()) << name;
        EXPECT_FALSE(button->text().isEmpty()) << name;
        const QImage image = button->icon().pixmap(button->iconSize()).toImage();
        EXPECT_EQ(image.size(), button->iconSize()) << name;
        pictures.insert(qHash(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes())));
    }
    EXPECT_EQ(pictures.size(), 7);  // no two games share a picture
}

TEST_F(MainWindowTest, AMissingDictionaryIsReportedInJapanese)
{
    QFile::remove(path(Dictionary::KanjiFileName));
    start();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes[0].kind, msgbox::Kind::Warning);
    EXPECT_TRUE(boxes[0].text.contains(Dictionary::KanjiFileName));
    EXPECT_EQ(dictionary.kanjiCount(), 0);
}

TEST_F(MainWindowTest, HelpOpensOurPagesAndClosingTheLastWindowClosesIt)
{
    QDir().mkpath(QStringLiteral("FernoaHelp"));
    writeText(QStringLiteral("FernoaHelp/index.html"), QStringLiteral("<p>help</p>"));
    help::setSearchPaths({QDir::currentPath()});
    Shell shell;
    MainWindow* main = shell.showMain();
    QTest::mouseClick(main->findChild<QPushButton*>(QStringLiteral("cmdHelp")), Qt::LeftButton);
    EXPECT_TRUE(help::isOpen());
    QPointer<MainWindow> alive(main);
    main->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
    EXPECT_FALSE(help::isOpen());
    help::setSearchPaths({});
}

TEST_F(MainWindowTest, ScreensStillToComeExplainThemselvesOnTheHelpTour)
{
    writeText(QStringLiteral("設定.TXT"), QStringLiteral("\"ヘルプツアー\",1\r\n"));
    tour.introShown = true;
    start();
    click("cmdSyuukei");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("プレイしたデータを月別、日別の集計結果で見ることができます。\r\n\r\n"));
    click("cmdCale");
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_TRUE(boxes[1].text.startsWith(QStringLiteral("実施状況を色と数字で把握できるカレンダーです。")));
    EXPECT_TRUE(find("fraCale")->isVisible());
    EXPECT_FALSE(find("fraSyuukei")->isVisible());
}

TEST_F(MainWindowTest, TodaysMostMissedKanjiStandOnTheDayViewAndHideWithoutMisses)
{
    start();
    EXPECT_FALSE(find("lblNigate")->isVisibleTo(window));
    delete window.data();
    const auto line = [](const char* date, const char* question, const char* verdict) {
        return QStringLiteral("\"%1\",\"20:00:00\",\"合体\",\"%2\",\"x\",\"%3\",\"\",\"\"\r\n")
            .arg(QString::fromUtf8(date), QString::fromUtf8(question), QString::fromUtf8(verdict));
    };
    writeText(QStringLiteral("解答記録.TXT"), line("2024/04/30", "森", "不正解") + line("2024/05/01", "林", "不正解") +
                                                  line("2024/05/01", "木", "ギブアップ") +
                                                  line("2024/05/01", "木", "不正解") +
                                                  line("2024/05/01", "日", "正解"));
    start();
    auto* label = find<QLabel>("lblNigate");
    EXPECT_TRUE(label->isVisibleTo(window));
    EXPECT_EQ(label->text(), QStringLiteral("苦手：木 林"));
}
