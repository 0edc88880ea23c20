// frmG5 played through its controls: found kanji blacken their tiles and
// the hint renumbers the rest, a tile click whitens one tile, the hint box
// recolours the whole board, and give-up and time-out count every hidden
// kanji not found.
#include "games/landfill/LandfillWindow.h"

#include "games/frame/HistoryFile.h"
#include "gui/GameWindowFixture.h"
#include "platform/Grid.h"
#include "records/RecordFile.h"
#include "support/ExpectedColours.h"

#include <QCheckBox>
#include <QGroupBox>

namespace {
QString s(const char* utf8) { return QString::fromUtf8(utf8); }
const QString HistoryFile = s("埋立履歴.txt");

// Two components each: a twelve-tile board hides six of them.
const std::vector<KanjiEntry> Pairs = {
    {s("困"), s("口木")}, {s("明"), s("日月")}, {s("信"), s("亻言")}, {s("好"), s("女子")}, {s("男"), s("田力")},
    {s("林"), s("木木")}, {s("休"), s("亻木")}, {s("岩"), s("山石")}, {s("加"), s("力口")}, {s("口"), s("口")}};
}  // namespace

class LandfillWindowTest : public GameWindowFixture<LandfillWindow, 5> {
protected:
    void SetUp() override
    {
        GameWindowFixture::SetUp();
        dictionary.setTables(Pairs, {});
    }
    QLabel* tile(int i) { return window->findChild<QLabel*>(QStringLiteral("lblKanjiP_%1").arg(i)); }
    QColor back(int i) { return tile(i)->palette().color(QPalette::Window); }
    const std::vector<BoardSolution>& hidden() { return window->board().solutions(); }
    // Tiles (1-based) in the given colour.
    std::vector<int> tilesIn(const QColor& c)
    {
        std::vector<int> list;
        for (int i = 1; i <= window->board().tileCount(); ++i)
            if (back(i) == c)
                list.push_back(i);
        return list;
    }
    // Whether the tiles in hint colour `number` show exactly `kousei`.
    bool colouredAs(int number, const QString& kousei)
    {
        QStringList shown;
        for (int i : tilesIn(rgb::pastel(number)))
            shown << tile(i)->text();
        QStringList parts = Dictionary::components(kousei);
        shown.sort();
        parts.sort();
        return shown == parts;
    }
    Grid* answerGrid() { return find<Grid>("msgKaitou"); }
};

TEST_F(LandfillWindowTest, OpensOnASampleWhoseHiddenKanjiEachHaveTheirHintColour)
{
    open(QStringLiteral("12,60,1,\"秒数\",1\r\n"));
    EXPECT_EQ(window->objectName(), s("frmG5"));
    EXPECT_EQ(window->windowTitle(), s("埋立タイピング"));
    ASSERT_EQ(hidden().size(), 6u);
    EXPECT_EQ(answerGrid()->rows(), 7);
    EXPECT_EQ(text("lblKensu"), s("0 / 6件"));
    for (int j = 0; j < 6; ++j)
        EXPECT_TRUE(colouredAs(j + 1, hidden()[size_t(j)].kousei)) << j;
    EXPECT_TRUE(LandfillWindow::helpLines().contains(s("正解ごとに黒く塗りつぶされます。")));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(LandfillWindowTest, EveryFoundKanjiBlackensItsTilesUntilTheBoardIsUsedUp)
{
    open(QStringLiteral("12,60,1,\"コマ数\",1\r\n"));
    startPlay();
    const std::vector<BoardSolution> h = hidden();
    ASSERT_EQ(h.size(), 6u);

    typeAnswer(h[1].kanji);
    EXPECT_EQ(tilesIn(rgb::Black).size(), 2u);
    // The others are numbered again from 1.
    EXPECT_TRUE(colouredAs(1, h[0].kousei));
    EXPECT_TRUE(colouredAs(2, h[2].kousei));
    EXPECT_EQ(text("lblKensu"), s("1 / 6件"));

    // A dictionary kanji that is not hidden is wrong, buildable or not.
    for (const KanjiEntry& e : Pairs)
        if (e.kansei != e.kousei && std::none_of(h.begin(), h.end(), [&](auto& x) { return x.kanji == e.kansei; })) {
            typeAnswer(e.kansei);
            break;
        }
    EXPECT_EQ(text("lblNg"), s("1"));

    clock.advance(20000);
    for (size_t j : {0, 2, 3, 4, 5})
        typeAnswer(h[j].kanji);
    EXPECT_FALSE(window->play().playing());
    EXPECT_EQ(tilesIn(rgb::Black).size(), 12u);
    EXPECT_TRUE(readText(recordfile::FileName)
                    .contains(s("\"埋立\",20,\"秒数 : 20.0   答数 : 7   コマ数 : 12   ヒント有り\"")));
    EXPECT_EQ(history::read(HistoryFile).at(0).sixth, s("12"));
}

TEST_F(LandfillWindowTest, ATileClickWhitensOneTileAndTheHintBoxRecoloursTheWholeBoard)
{
    // Played on the window's own timers, from the countdown to the time-out.
    open(QStringLiteral("12,60,1,\"秒数\",1\r\n"));
    std::vector<BoardSolution> h;
    playByTheRealTimers([&] {
        h = hidden();
        typeAnswer(h[0].kanji);
        const std::vector<int> black = tilesIn(rgb::Black);
        ASSERT_EQ(black.size(), 2u);
        QTest::mouseClick(tile(black[0]), Qt::LeftButton);
        EXPECT_EQ(back(black[0]), rgb::White);
        EXPECT_EQ(window->play().answers(), 1);

        // The hint box never un-solves: the found kanji's black stays, off
        // and on, and the hint colours only the kanji still hidden.
        find<QCheckBox>("chkHint")->click();
        EXPECT_EQ(tilesIn(rgb::White).size(), 11u);
        EXPECT_EQ(tilesIn(rgb::Black), std::vector<int>{black[1]});
        find<QCheckBox>("chkHint")->click();
        EXPECT_TRUE(colouredAs(1, h[1].kousei));
        EXPECT_EQ(tilesIn(rgb::Black), std::vector<int>{black[1]});
        typeAnswer(h[1].kanji);
        EXPECT_EQ(tilesIn(rgb::Black).size(), 3u);
        EXPECT_TRUE(colouredAs(1, h[2].kousei));
    });
    EXPECT_EQ(window->play().ngCount(), 4);
    EXPECT_EQ(answerGrid()->rows(), 7);
    EXPECT_EQ(history::read(HistoryFile).at(0).seconds, s("10秒"));
}

TEST_F(LandfillWindowTest, ATableThatCannotFillTheBoardRefusesThePlay)
{
    dictionary.setTables({{s("結"), s("糸士口")}, {s("口"), s("口")}}, {});
    open(QStringLiteral("12,60,0,\"秒数\",1\r\n"));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.contains(s("ちょうど埋められない")));
    click("cmdStart");
    EXPECT_EQ(boxes.size(), 2u);
    EXPECT_FALSE(window->play().running());
}

TEST_F(LandfillWindowTest, TheKanjiTypedAndEveryOneLeftHiddenAtTheTimeOutGoToTheAnswerLog)
{
    open(QStringLiteral("12,10,1,\"秒数\",1\r\n"));
    startPlay();
    const std::vector<BoardSolution> h = hidden();
    typeAnswer(h[2].kanji);
    clock.advance(10000);
    window->tmrBp_Timer();
    ASSERT_FALSE(window->play().playing());
    QString expected = s("\"2024/05/01\",\"21:00:00\",\"埋立\",\"%1\",\"%1\",\"正解\",\"\",\"\"\r\n").arg(h[2].kanji);
    for (size_t j : {0, 1, 3, 4, 5})
        expected += s("\"2024/05/01\",\"21:00:10\",\"埋立\",\"%1\",\"\",\"時間切れ\",\"\",\"\"\r\n").arg(h[j].kanji);
    EXPECT_EQ(readBytes(answerfile::FileName), cp932(expected));
}
