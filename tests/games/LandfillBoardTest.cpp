// The landfill board without a window: boards filled exactly, never with
// one tile left over and never for ever; blackening, the per-kanji hint and
// its renumbering; a kanji of the same components standing in for a
// hidden one.
#include "games/landfill/LandfillBoard.h"

#include "dictionary/Dictionary.h"
#include "games/board/Board.h"
#include "games/board/BoardIndex.h"
#include "platform/Colors.h"
#include "platform/Random.h"
#include "support/ExpectedColours.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {
QString s(const char* utf8) { return QString::fromUtf8(utf8); }

Dictionary table(std::vector<KanjiEntry> entries)
{
    Dictionary d;
    d.setTables(std::move(entries), {});
    return d;
}

// Entries of one to five components, a kanji listed twice and primitives.
const Dictionary Mixed = table({{s("丼"), s("井")},
                                {s("卵"), s("卯")},
                                {s("困"), s("口木")},
                                {s("明"), s("日月")},
                                {s("林"), s("木木")},
                                {s("信"), s("亻言")},
                                {s("口"), s("口")},
                                {s("木"), s("木")},
                                {s("結"), s("糸士口")},
                                {s("困"), s("囗木")},
                                {s("語"), s("言五口")},
                                {s("謝"), s("言身寸")},
                                {s("態"), s("ム月匕匕心")},
                                {s("好"), s("女子")},
                                {s("男"), s("田力")}});

QStringList sorted(QStringList l)
{
    l.sort();
    return l;
}
}  // namespace

TEST(LandfillBoard, BoardsAreFilledExactlyByTheComponentsOfDistinctHiddenKanji)
{
    const BoardIndex index(Mixed);
    Random& random = Random::instance();
    random.seed(11);
    for (int n : {12, 18, 24}) {
        for (int round = 0; round < 100; ++round) {
            QString why;
            const std::optional<Board> b = landfill::draw(index, n, random, &why);
            ASSERT_TRUE(b) << n << why.toStdString();
            ASSERT_EQ(b->tileCount(), n);
            QStringList parts;
            QSet<QString> kanji;
            for (const BoardSolution& h : b->solutions()) {
                parts << Dictionary::components(h.kousei);
                EXPECT_NE(h.kousei, h.kanji);  // never a primitive entry
                kanji.insert(h.kanji);
            }
            EXPECT_EQ(kanji.size(), b->solutionCount());  // 困 at most once
            EXPECT_EQ(sorted(parts), sorted(b->captions()));
        }
    }
}

TEST(LandfillBoard, ATableThatCannotCloseTheBoardIsRefusedWithoutHanging)
{
    Random& random = Random::instance();
    random.seed(2);
    QString why;
    // Single parts only: the total stops two short of the board, since one
    // tile is never left over, and nothing of two parts is there to close it.
    std::vector<KanjiEntry> singles;
    const QString kanji = s("丼卵凧匁");
    const QString parts = s("井卯几文");
    for (int i = 0; i < kanji.size(); ++i)
        singles.push_back({kanji.mid(i, 1), parts.mid(i, 1)});
    EXPECT_FALSE(landfill::draw(BoardIndex(table(singles)), 4, random, &why));
    EXPECT_TRUE(why.contains(s("ちょうど埋められない")));
    // Two tiles from singles would pass through one left over.
    EXPECT_FALSE(landfill::draw(BoardIndex(table(singles)), 2, random, &why));
    why.clear();
    EXPECT_FALSE(landfill::draw(BoardIndex(table({})), 12, random, &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_FALSE(landfill::draw(BoardIndex(table({{s("口"), s("口")}})), 12, random, &why));

    // A single closes a board when it makes it exactly.
    const std::optional<Board> b = landfill::draw(BoardIndex(table(singles)), 1, random, &why);
    ASSERT_TRUE(b);
    EXPECT_EQ(b->solutionCount(), 1);
}

TEST(LandfillBoard, AFoundKanjiBlackensOneTileForEachOfItsComponentsAndTheRestAreRenumbered)
{
    // 林 uses both 木; 困 is hidden after it and needs one of its own.
    Board b({s("木"), s("口"), s("木"), s("日"), s("木"), s("月")},
            {{s("林"), s("木木")}, {s("困"), s("口木")}, {s("明"), s("日月")}});
    landfill::applyHint(b, true);
    const auto hint = [](int n) { return rgb::pastel(n); };
    EXPECT_EQ(b.colour(0), hint(1));
    EXPECT_EQ(b.colour(2), hint(1));
    EXPECT_EQ(b.colour(1), hint(2));
    EXPECT_EQ(b.colour(4), hint(2));
    EXPECT_EQ(b.colour(3), hint(3));
    EXPECT_EQ(b.colour(5), hint(3));

    const BoardAnswer& row = b.answer(s("林"), 0);
    landfill::blacken(b, row);
    landfill::recolourHint(b, true);
    EXPECT_EQ(b.colour(0), rgb::Black);
    EXPECT_EQ(b.colour(2), rgb::Black);
    // 困 and 明 are now the first and second still hidden.
    EXPECT_EQ(b.colour(1), hint(1));
    EXPECT_EQ(b.colour(4), hint(1));
    EXPECT_EQ(b.colour(3), hint(2));
    EXPECT_EQ(b.colour(5), hint(2));

    // Hint off: the refresh leaves the colours alone. The hint switched off
    // or on never touches a found kanji's black; a revealed one is not found.
    landfill::blacken(b, b.answer(s("明"), 2));
    landfill::recolourHint(b, false);
    EXPECT_EQ(b.colour(1), hint(1));
    const QColor B = rgb::Black, W = rgb::White;
    landfill::applyHint(b, false);
    EXPECT_EQ(b.colour(0), B);
    EXPECT_EQ(b.colour(1), W);
    EXPECT_EQ(b.colour(3), B);
    EXPECT_EQ(b.colour(5), B);
    b.reveal();
    landfill::applyHint(b, true);
    const std::vector<QColor> expected = {B, hint(1), B, B, hint(1), B};
    for (int k = 0; k < b.tileCount(); ++k)
        EXPECT_EQ(b.colour(k), expected[size_t(k)]) << k;
}

TEST(LandfillBoard, HintColoursPastTheTableEndRepeatItsLastColourAndSkipTheKanjiItself)
{
    std::vector<BoardSolution> hidden;
    QStringList tiles;
    const QString kanji = s("丼卵凧匁亜唖娃阿哀愛挨姶逢葵茜穐悪握");
    for (int i = 0; i < 18; ++i) {
        hidden.push_back({kanji.mid(i, 1), QString(QChar(0x4E00 + i))});
        tiles << QString(QChar(0x4E00 + i));
    }
    // The board also shows the first hidden kanji as a part of the last one.
    hidden.back().kousei = kanji.left(1);
    tiles.back() = kanji.left(1);
    Board b(tiles, hidden);
    landfill::applyHint(b, true);
    EXPECT_EQ(b.colour(0), rgb::pastel(1));
    EXPECT_EQ(b.colour(15), rgb::pastel(16));
    EXPECT_EQ(b.colour(16), rgb::pastel(16));
    EXPECT_EQ(b.colour(17), rgb::pastel(16));  // 丼's tile belongs to the last kanji
}

TEST(LandfillBoard, AKanjiOfExactlyTheSameComponentsCountsAsTheHiddenOne)
{
    const Dictionary d = table(
        {{s("困"), s("口木")}, {s("束"), s("木口")}, {s("杏"), s("木口口")}, {s("口"), s("口")}, {s("明"), s("日月")}});
    Board b({s("口"), s("木"), s("日"), s("月")}, {{s("困"), s("口木")}, {s("明"), s("日月")}});
    EXPECT_EQ(b.judge(s("束")).verdict, Board::Verdict::Wrong);  // only with the table
    const Board::Judgement j = b.judge(s("束"), &d);
    ASSERT_EQ(j.verdict, Board::Verdict::Right);
    EXPECT_EQ(j.solution, 0);
    EXPECT_EQ(b.judge(s("杏"), &d).verdict, Board::Verdict::Wrong);
    EXPECT_EQ(b.judge(s("口"), &d).verdict, Board::Verdict::Wrong);
    const BoardAnswer& row = b.answer(s("束"), j.solution);
    EXPECT_EQ(row.kousei, s("口木"));
    EXPECT_EQ(b.judge(s("束"), &d).verdict, Board::Verdict::AlreadyAnswered);
    EXPECT_EQ(b.judge(s("困"), &d).verdict, Board::Verdict::AlreadyAnswered);
    EXPECT_EQ(b.reveal(), 1);  // 明 only
}
