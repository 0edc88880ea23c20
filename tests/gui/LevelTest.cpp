// The level each game is played at (cboLevel) and the reading line under
// the answer box (lblYomi), through the game windows: what each game draws
// within a level, the refusal of a level too small, the choices kept in
// ゲーム設定.txt, and the line after an answer.
#include "games/combine/CombineWindow.h"
#include "games/compound/CompoundWindow.h"
#include "games/dismantle/DismantleWindow.h"
#include "games/excavation/ExcavationWindow.h"
#include "games/frame/GameOptions.h"
#include "games/landfill/LandfillWindow.h"
#include "games/link/LinkWindow.h"
#include "games/shiritori/ShiritoriWindow.h"
#include "gui/GameWindowFixture.h"

#include <QCheckBox>

using namespace Qt::StringLiterals;

namespace {
// Grades as the shipped readings give them: 木 林 森 休 男 村 1, 時 計 明 岩
// 体 2, 困 寸 6. 呆 has no line at all.
const std::vector<KanjiEntry> Mixed = {{u"木"_s, u"木"_s},   {u"時"_s, u"日土寸"_s}, {u"林"_s, u"木木"_s},
                                       {u"困"_s, u"口木"_s}, {u"森"_s, u"木木木"_s}, {u"計"_s, u"言十"_s}};

template <typename Window, int Item> class LevelTest : public GameWindowFixture<Window, Item> {
protected:
    using Fixture = GameWindowFixture<Window, Item>;
    Window& openAt(const QString& level)
    {
        Fixture::writeText(GameOptions::FileName,
                           u"\"%1\",\"出題範囲\",\"%2\"\r\n"_s.arg(items::names()[Item - 1], level));
        return Fixture::open();
    }
    QString yomi() { return Fixture::text("lblYomi"); }
    // Start refused: a warning naming the level, and no play.
    void expectRefusal(const QString& level)
    {
        Fixture::click("cmdStart");
        EXPECT_FALSE(Fixture::window->play().running());
        ASSERT_FALSE(Fixture::boxes.empty());
        EXPECT_TRUE(Fixture::boxes.back().text.contains(u"「"_s + level + u"」"_s))
            << Fixture::boxes.back().text.toStdString();
    }
};

using CombineLevel = LevelTest<CombineWindow, 1>;
using DismantleLevel = LevelTest<DismantleWindow, 2>;
using CompoundLevel = LevelTest<CompoundWindow, 3>;
using ExcavationLevel = LevelTest<ExcavationWindow, 4>;
using LandfillLevel = LevelTest<LandfillWindow, 5>;
using LinkLevel = LevelTest<LinkWindow, 6>;
using ShiritoriLevel = LevelTest<ShiritoriWindow, 7>;
}  // namespace

TEST_F(CombineLevel, ALevelOfOneKanjiAsksOnlyItAndEachAnswerShowsItsReading)
{
    dictionary.setTables(Mixed, {});
    openAt(u"小学1年"_s);
    EXPECT_EQ(find<QComboBox>("cboLevel")->currentText(), u"小学1年"_s);
    EXPECT_TRUE(find<QCheckBox>("chkYomi")->isChecked());
    startPlay();
    // 林 and 森: the only questions of grade 1 (木 is its own component).
    for (int i = 0; i < 6; ++i) {
        const QString asked = window->currentAnswer();
        EXPECT_TRUE(asked == u"林"_s || asked == u"森"_s) << asked.toStdString();
        typeAnswer(asked);
        EXPECT_TRUE(yomi().startsWith(asked + u"　"_s)) << yomi().toStdString();
    }

    choose("cboLevel", u"小学2年"_s);  // a running play keeps its level
    const QString asked = window->currentAnswer();
    typeAnswer(u"困"_s);  // wrong: the line shows the kanji asked
    EXPECT_EQ(yomi(), asked == u"林"_s ? u"林　リン／はやし　grove, forest"_s : u"森　シン／もり　forest, woods"_s);
}

TEST_F(CombineLevel, TheLineShowsTheKanjiAnsweredOrGivenUpAndNothingForAKanjiWithoutData)
{
    dictionary.setTables({{u"時"_s, u"日土寸"_s}, {u"呆"_s, u"口木"_s}, {u"束"_s, u"木口"_s}}, {});
    open(u"30,60,\"答数\",1\r\n"_s);
    startPlay();
    for (int i = 0; i < 8; ++i) {
        const QString asked = window->currentAnswer();
        if (asked == u"時"_s) {
            escape();
            EXPECT_EQ(yomi(), u"時　ジ／とき　time, hour"_s);
        } else {
            // Another kanji of the same components is right, and its own line shows.
            typeAnswer(asked == u"呆"_s ? u"束"_s : u"呆"_s);
            EXPECT_EQ(yomi(), asked == u"呆"_s
                                  ? u"束　ソク／たば・たば(ねる)・つか　bundle, sheaf, ream, tie in bundles"_s
                                  : QString());
        }
    }
    find<QCheckBox>("chkYomi")->click();
    typeAnswer(u"時"_s);
    EXPECT_TRUE(yomi().isEmpty());
    EXPECT_TRUE(readText(GameOptions::FileName).contains(u"\"合体\",\"読みと意味\",\"0\""_s));
}

TEST_F(CombineLevel, ALevelThatLeavesNoQuestionRefusesStartNamingIt)
{
    dictionary.setTables({{u"時"_s, u"日土寸"_s}, {u"木"_s, u"木"_s}}, {});
    open();
    choose("cboLevel", u"小学1年"_s);
    expectRefusal(u"小学1年"_s);
    choose("cboLevel", u"小学2年"_s);
    startPlay();
    EXPECT_EQ(window->currentAnswer(), u"時"_s);
}

TEST_F(CombineLevel, TheChoicesAreKeptPerGameAndADamagedFileOpensAtTheDefaultsLosingNothing)
{
    dictionary.setTables(Mixed, {});
    const QByteArray kept = cp932(u"\"解体\",\"出題範囲\",\"小学3年\"\r\n\"合体\",\"出題範囲\",\"小学9年\"\r\n"_s) +
                            "\"\x82\xA0\xFF\",\"\r\n";
    writeBytes(GameOptions::FileName, kept);
    open();
    EXPECT_EQ(find<QComboBox>("cboLevel")->currentText(), u"常用すべて"_s);
    EXPECT_EQ(find<QComboBox>("cboLevel")->count(), 7);
    EXPECT_EQ(window->level().grade(), 0);
    EXPECT_TRUE(find<QCheckBox>("chkYomi")->isChecked());
    EXPECT_EQ(readBytes(GameOptions::FileName), kept);  // opening writes nothing

    choose("cboLevel", u"小学2年"_s);
    find<QCheckBox>("chkYomi")->click();
    delete window.data();
    const QString back = readText(GameOptions::FileName);
    EXPECT_TRUE(back.startsWith(u"\"解体\",\"出題範囲\",\"小学3年\"\r\n\"合体\",\"出題範囲\",\"小学2年\"\r\n"_s));
    EXPECT_TRUE(readBytes(GameOptions::FileName).contains("\"\x82\xA0\xFF\",\"\r\n"));
    open();
    EXPECT_EQ(find<QComboBox>("cboLevel")->currentText(), u"小学2年"_s);
    EXPECT_FALSE(find<QCheckBox>("chkYomi")->isChecked());
}

TEST_F(DismantleLevel, ALevelOfOneKanjiAsksOnlyItAndALevelOfNoneRefusesStart)
{
    dictionary.setTables({{u"木"_s, u"木"_s}, {u"時"_s, u"日土寸"_s}, {u"林"_s, u"木木"_s}, {u"困"_s, u"口木"_s}}, {});
    openAt(u"小学1年"_s);
    startPlay();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(window->question().kanji(), u"林"_s);
        escape();
        EXPECT_EQ(yomi(), u"林　リン／はやし　grove, forest"_s);
    }
    delete window.data();
    dictionary.setTables({{u"時"_s, u"日土寸"_s}, {u"困"_s, u"口木"_s}}, {});
    openAt(u"小学1年"_s);
    expectRefusal(u"小学1年"_s);
}

TEST_F(CompoundLevel, WordsAreAskedWhenBothKanjiAreWithinTheLevelAndShowTheirReading)
{
    dictionary.setTables(Mixed, {u"森林"_s, u"時計"_s, u"困木"_s});
    openAt(u"小学1年"_s);
    startPlay();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(window->currentAnswer(), u"森林"_s);
        typeAnswer(u"森林"_s);
        EXPECT_EQ(yomi(), u"森林　しんりん　forest; woods"_s);
    }
    delete window.data();
    dictionary.setTables(Mixed, {u"時計"_s, u"困木"_s});
    openAt(u"小学1年"_s);
    boxes.clear();  // the window said so on opening too
    expectRefusal(u"小学1年"_s);
    choose("cboLevel", u"小学2年"_s);
    startPlay();
    EXPECT_EQ(window->currentAnswer(), u"時計"_s);
}

namespace {
// Two components each; 明 岩 体 of grade 2, 男 林 休 村 of 1, the rest above.
const std::vector<KanjiEntry> Pairs = {{u"困"_s, u"口木"_s}, {u"明"_s, u"日月"_s}, {u"信"_s, u"亻言"_s},
                                       {u"好"_s, u"女子"_s}, {u"男"_s, u"田力"_s}, {u"林"_s, u"木木"_s},
                                       {u"休"_s, u"亻木"_s}, {u"岩"_s, u"山石"_s}, {u"加"_s, u"力口"_s},
                                       {u"体"_s, u"亻本"_s}, {u"村"_s, u"木寸"_s}, {u"口"_s, u"口"_s}};
const QString Grade2 = u"明岩体男林休村"_s;
}  // namespace

TEST_F(ExcavationLevel, EveryHiddenKanjiIsWithinTheLevel)
{
    dictionary.setTables(Pairs, {});
    openAt(u"小学2年"_s);
    for (int play = 0; play < 4; ++play) {
        startPlay();
        ASSERT_FALSE(window->board().solutions().empty());
        for (const BoardSolution& s : window->board().solutions())
            EXPECT_TRUE(Grade2.contains(s.kanji)) << s.kanji.toStdString();
        escape();  // gives up: ends the play, the last kanji revealed on the line
        EXPECT_TRUE(Grade2.contains(yomi().left(1))) << yomi().toStdString();
    }
    dictionary.setTables({{u"困"_s, u"口木"_s}, {u"信"_s, u"亻言"_s}}, {});
    delete window.data();
    openAt(u"小学2年"_s);
    boxes.clear();
    expectRefusal(u"小学2年"_s);
}

TEST_F(LandfillLevel, EveryHiddenKanjiIsWithinTheLevel)
{
    dictionary.setTables(Pairs, {});
    openAt(u"小学2年"_s);
    for (int play = 0; play < 4; ++play) {
        startPlay();
        ASSERT_FALSE(window->board().solutions().empty());
        for (const BoardSolution& s : window->board().solutions())
            EXPECT_TRUE(Grade2.contains(s.kanji)) << s.kanji.toStdString();
        escape();
    }
    delete window.data();
    openAt(u"小学1年"_s);  // four kanji: not the twelve tiles a board needs
    boxes.clear();
    expectRefusal(u"小学1年"_s);
}

TEST_F(LinkLevel, TheChainStartsWithinTheLevelAndGoesOnWithAnyKanji)
{
    dictionary.setTables({{u"困"_s, u"口木"_s}, {u"呆"_s, u"口木"_s}, {u"林"_s, u"木木"_s}, {u"品"_s, u"口口口"_s}},
                         {});
    openAt(u"小学1年"_s);
    for (int play = 0; play < 3; ++play) {
        startPlay();
        EXPECT_EQ(window->rules().current(), u"林"_s);
        typeAnswer(u"困"_s);  // above the level, still a link
        EXPECT_EQ(window->rules().current(), u"困"_s);
        EXPECT_EQ(yomi(), u"困　コン／こま(る)　quandary, become distressed, annoyed"_s);
        escape();
    }
    dictionary.setTables({{u"困"_s, u"口木"_s}, {u"呆"_s, u"口木"_s}}, {});
    delete window.data();
    openAt(u"小学1年"_s);
    boxes.clear();
    expectRefusal(u"小学1年"_s);
}

TEST_F(ShiritoriLevel, TheChainStartsWithinTheLevel)
{
    dictionary.setTables({{u"始"_s, u"女台"_s}, {u"林"_s, u"木木"_s}, {u"困"_s, u"口木"_s}}, {});
    openAt(u"小学1年"_s);
    for (int play = 0; play < 3; ++play) {
        startPlay();
        EXPECT_EQ(window->rules().board().text(1), u"林"_s);
        escape();
    }
    dictionary.setTables({{u"始"_s, u"女台"_s}}, {});
    delete window.data();
    openAt(u"小学2年"_s);
    boxes.clear();
    expectRefusal(u"小学2年"_s);
}
