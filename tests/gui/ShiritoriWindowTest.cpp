// frmG7 played through its controls: words written onto the cells, the
// strip below the board, a count-mode play to its end, and the per-second
// figure that counts characters.
#include "games/shiritori/ShiritoriWindow.h"

#include "games/frame/HistoryFile.h"
#include "gui/GameWindowFixture.h"
#include "platform/Grid.h"
#include "records/RecordFile.h"

namespace {
const QString HistoryFile = QStringLiteral("しりとり履歴.txt");
const QString Start = QStringLiteral("始");
// A word of `length` characters that begins with `first`.
QString word(const QString& first, int length) { return first + QString(length - 1, u'語'); }
}  // namespace

class ShiritoriWindowTest : public GameWindowFixture<ShiritoriWindow, 7> {
protected:
    void SetUp() override
    {
        GameWindowFixture::SetUp();
        dictionary.setTables({{Start, QStringLiteral("女台")}}, {});
    }
    QLabel* cell(int n) { return window->findChild<QLabel*>(QStringLiteral("lblKanjiP_%1").arg(n)); }
    QColor back(int n) { return cell(n)->palette().color(QPalette::Window); }
    bool shown(int n) { return cell(n)->isVisibleTo(window); }
    Grid* answers() { return find<Grid>("msgKaitou"); }
};

TEST_F(ShiritoriWindowTest, CountModePlayWritesWordsCellByCellAndEndsWithOneCellLeft)
{
    open(QStringLiteral("9,60,\"マス数\",1\r\n"));
    EXPECT_EQ(window->objectName(), QStringLiteral("frmG7"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("しりとりタイピング"));
    EXPECT_EQ(answers()->model().columns()[0].header, QStringLiteral("入力履歴"));
    EXPECT_EQ(find<QComboBox>("cboKaisu2")->count(), 68);
    EXPECT_TRUE(shown(9));
    EXPECT_FALSE(shown(10));
    EXPECT_FALSE(shown(64));

    startPlay();
    EXPECT_EQ(text("lblKanjiP_1"), Start);
    // The full-width space an input method types after a commit is no
    // character of the word: the board never ends in a blank cell.
    typeAnswer(QStringLiteral("始業式　"));
    EXPECT_EQ(text("lblKanjiP_2") + text("lblKanjiP_3") + text("lblKanjiP_4"), QStringLiteral("始業式"));
    EXPECT_TRUE(text("lblKanjiP_5").isEmpty());
    EXPECT_EQ(back(4), QColor(255, 192, 192));
    EXPECT_EQ(answers()->text(1, 0), QStringLiteral("始業式"));
    typeAnswer(QStringLiteral("業務"));  // does not begin with 式
    EXPECT_EQ(text("lblNg"), QStringLiteral("1"));
    typeAnswer(QStringLiteral("式　部"));  // not a word
    EXPECT_EQ(text("lblNg"), QStringLiteral("2"));
    EXPECT_TRUE(text("lblKanjiP_5").isEmpty());
    typeAnswer(QStringLiteral("式部"));
    EXPECT_EQ(back(6), QColor(255, 224, 192));
    EXPECT_EQ(text("lblKensu"), QStringLiteral("2件"));
    clock.advance(5000);
    typeAnswer(QStringLiteral("部品"));  // cell 8: one of the nine left free
    EXPECT_FALSE(window->play().playing());
    EXPECT_TRUE(text("lblKanjiP_9").isEmpty());
    // Seven characters typed in five seconds.
    EXPECT_EQ(text("lblByou"), QStringLiteral("1.40/秒"));
    EXPECT_EQ(text("lblRitu"), QStringLiteral("60.0%"));
    const auto rows = history::read(HistoryFile);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].sixth, QStringLiteral("8"));
    EXPECT_EQ(rows[0].rate, QStringLiteral("1.40/秒"));
    EXPECT_TRUE(readText(recordfile::FileName).contains(QStringLiteral("秒数 : 5.0   答数 : 5   マス数 : 8")));
}

TEST_F(ShiritoriWindowTest, ALongWordRunsIntoTheStripAndOneTooLongForTheCellsLeftIsWrong)
{
    open(QStringLiteral("9,60,\"秒数\",1\r\n"));
    startPlay();
    EXPECT_TRUE(shown(63));
    typeAnswer(word(Start, 61));
    EXPECT_EQ(window->rules().cellIndex(), 62);
    EXPECT_GE(answers()->rows(), 2);

    typeAnswer(word(QStringLiteral("語"), 23));
    EXPECT_EQ(text("lblNg"), QStringLiteral("1"));
    EXPECT_TRUE(text("lblKanjiP_63").isEmpty());

    typeAnswer(QStringLiteral("語尾長"));
    EXPECT_FALSE(window->play().playing());
    EXPECT_EQ(text("lblKanjiP_63"), QStringLiteral("語"));
    EXPECT_EQ(text("lblKanjiP_65"), QStringLiteral("長"));
    EXPECT_TRUE(shown(64) && shown(65));
    EXPECT_FALSE(shown(66));
    EXPECT_EQ(history::read(HistoryFile).at(0).sixth, QStringLiteral("65"));

    startPlay();  // nothing of the last play's strip is left
    EXPECT_TRUE(text("lblKanjiP_65").isEmpty());
    EXPECT_FALSE(shown(65));
}

TEST_F(ShiritoriWindowTest, InCountModeAWordLongerThanTheChosenCellsLeftIsWrong)
{
    open(QStringLiteral("18,60,\"マス数\",1\r\n"));
    startPlay();
    typeAnswer(word(Start, 14));
    ASSERT_EQ(window->rules().cellIndex(), 15);
    // Three cells left: twelve characters, committed by the input method, do not fit.
    typeAnswer(word(QStringLiteral("語"), 12));
    EXPECT_EQ(text("lblNg"), QStringLiteral("1"));
    EXPECT_EQ(window->rules().cellIndex(), 15);
    EXPECT_TRUE(window->play().playing());
    typeAnswer(word(QStringLiteral("語"), 3));
    EXPECT_FALSE(window->play().playing());
    EXPECT_EQ(history::read(HistoryFile).at(0).sixth, QStringLiteral("18"));
}

TEST_F(ShiritoriWindowTest, GiveUpOrTimeOutAfterOnlyWrongWordsStoresNothingAndTimeOutCountsCharacters)
{
    open(QStringLiteral("9,10,\"秒数\",1\r\n"));
    startPlay();
    typeAnswer(QStringLiteral("業務"));
    escape();
    EXPECT_FALSE(window->play().running());
    EXPECT_TRUE(text("lblByou").isEmpty());
    EXPECT_TRUE(text("lblRitu").isEmpty());
    EXPECT_TRUE(history::read(HistoryFile).empty());

    startPlay();
    typeAnswer(QStringLiteral("業務"));
    clock.advance(10000);
    window->tmrBp_Timer();
    EXPECT_FALSE(window->play().running());
    EXPECT_TRUE(find<QPushButton>("cmdStart")->isEnabled());
    EXPECT_TRUE(text("lblByou").isEmpty());
    EXPECT_TRUE(history::read(HistoryFile).empty());
    EXPECT_TRUE(readText(recordfile::FileName).isEmpty());

    playByTheRealTimers([this] {
        typeAnswer(QStringLiteral("始業式"));
        typeAnswer(QStringLiteral("式"));
    });
    EXPECT_EQ(text("lblByou"), QStringLiteral("0.40/秒"));  // four characters in ten seconds
    EXPECT_EQ(text("lblRitu"), QStringLiteral("100.0%"));
    EXPECT_EQ(history::read(HistoryFile).at(0).sixth, QStringLiteral("5"));
}

TEST_F(ShiritoriWindowTest, TheWordsTypedAndTheLastCharacterLeftOpenGoToTheAnswerLog)
{
    open(QStringLiteral("9,10,\"秒数\",0\r\n"));
    startPlay();
    typeAnswer(QStringLiteral("始業式"));
    typeAnswer(QStringLiteral("業務"));
    commit(QStringLiteral("式"));
    clock.advance(10000);
    window->tmrBp_Timer();
    ASSERT_FALSE(window->play().running());
    EXPECT_EQ(
        readBytes(answerfile::FileName),
        cp932(QStringLiteral("\"2024/05/01\",\"21:00:00\",\"しりとり\",\"始業式\",\"始業式\",\"正解\",\"\",\"\"\r\n"
                             "\"2024/05/01\",\"21:00:00\",\"しりとり\",\"業務\",\"業務\",\"不正解\",\"\",\"\"\r\n"
                             "\"2024/05/01\",\"21:00:10\",\"しりとり\",\"式\",\"式\",\"時間切れ\",\"\",\"\"\r\n")));
}
