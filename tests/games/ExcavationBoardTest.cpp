// The excavation board without a window: drawing distinct tiles with a
// bounded number of attempts, the answers a board holds, the yellow hint
// and the green marks; and the board's answer check shared with landfill.
#include "games/excavation/ExcavationBoard.h"

#include "dictionary/Dictionary.h"
#include "games/board/Board.h"
#include "games/board/BoardIndex.h"
#include "platform/Random.h"
#include "support/ExpectedColours.h"

#include <QSet>

#include <algorithm>

#include <gtest/gtest.h>

namespace {
QString s(const char* utf8) { return QString::fromUtf8(utf8); }

Dictionary table(std::vector<KanjiEntry> entries)
{
    Dictionary d;
    d.setTables(std::move(entries), {});
    return d;
}

// Twelve components, answers of two and three parts, a repeated part, one
// kanji listed twice and a primitive entry.
const Dictionary Twelve = table({{s("困"), s("口木")},
                                 {s("明"), s("日月")},
                                 {s("口"), s("口")},
                                 {s("信"), s("亻言")},
                                 {s("林"), s("木木")},
                                 {s("結"), s("糸士口")},
                                 {s("困"), s("木口")},
                                 {s("好"), s("女子")},
                                 {s("男"), s("田力")}});

QStringList kanjiOf(const std::vector<BoardSolution>& list)
{
    QStringList k;
    for (const BoardSolution& sol : list)
        k << sol.kanji;
    return k;
}

// An answer that needs two or more distinct tiles (林 of 木木 needs one).
bool needsSeveralTiles(const BoardSolution& answer)
{
    const QStringList parts = Dictionary::components(answer.kousei);
    return std::any_of(parts.begin(), parts.end(), [&](const QString& c) { return c != parts.first(); });
}

QString colours(const Board& b)
{
    QString out;
    for (int k = 0; k < b.tileCount(); ++k) {
        const QColor c = b.colour(k);
        out += c == rgb::White ? u'w' : c == rgb::Yellow ? u'y' : c == rgb::Green ? u'g' : u'?';
    }
    return out;
}
}  // namespace

TEST(ExcavationBoard, AnswersAreTheBuildableEntriesInTableOrderWithoutPrimitivesOrRepeats)
{
    const BoardIndex index(Twelve);
    // One 木 serves 林's two; 口 alone is its own primitive entry; 困's
    // second entry adds nothing; 結 lacks 士.
    const auto list = excavation::solutions(index, {s("木"), s("口"), s("日"), s("月"), s("糸"), s("女")});
    EXPECT_EQ(kanjiOf(list), (QStringList{s("困"), s("明"), s("林")}));
    EXPECT_EQ(list[0].kousei, s("口木"));  // the first entry's components, as stored
    EXPECT_TRUE(excavation::solutions(index, {s("口"), s("亻")}).empty());
}

TEST(ExcavationBoard, ShippedBoardsOfTwelveTilesOfferTwoAnswersOfSeveralTilesAndEveryBuildableKanji)
{
    Dictionary shipped;
    ASSERT_TRUE(shipped.load(QStringLiteral(FERNOA2_SOURCE_DATA_DIR)).isEmpty());
    const BoardIndex index(shipped);
    QSet<QString> parts;
    for (const QString& c : Dictionary::components(shipped.distinctComponents()))
        parts.insert(c);
    Random& random = Random::instance();
    random.seed(7);
    QSet<QString> seen;
    for (int round = 0; round < 300; ++round) {
        QString why;
        const std::optional<Board> b = excavation::draw(index, 12, random, &why);
        ASSERT_TRUE(b) << why.toStdString();
        const QSet<QString> tiles(b->captions().begin(), b->captions().end());
        ASSERT_EQ(tiles.size(), 12);
        ASSERT_TRUE(parts.contains(tiles));
        seen.unite(tiles);
        const auto& found = b->solutions();
        EXPECT_GE(std::count_if(found.begin(), found.end(), needsSeveralTiles), 2) << round;
        // Every entry whose components all lie on the board is an answer, once.
        QSet<QString> buildable;
        for (int i = 1; i <= shipped.kanjiCount(); ++i) {
            const QStringList c = Dictionary::components(shipped.kousei(i));
            if (!shipped.isPrimitive(i) && tiles.contains(QSet<QString>(c.begin(), c.end())))
                buildable.insert(shipped.kansei(i));
        }
        const QStringList answers = kanjiOf(found);
        EXPECT_EQ(QSet<QString>(answers.begin(), answers.end()), buildable);
        EXPECT_EQ(answers.size(), buildable.size());
    }
    // The rest of each board is drawn from the whole table.
    EXPECT_GT(seen.size(), parts.size() * 3 / 4);
}

TEST(ExcavationBoard, TablesThatCannotGiveABoardAreRefusedAtOnceAndRareOnesStillGiveOne)
{
    Random& random = Random::instance();
    random.seed(3);
    QString why;
    const Dictionary empty;
    EXPECT_FALSE(excavation::draw(BoardIndex(empty), 12, random, &why));
    EXPECT_FALSE(why.isEmpty());

    why.clear();
    EXPECT_FALSE(excavation::draw(BoardIndex(Twelve), 18, random, &why));  // only 12 components
    EXPECT_TRUE(why.contains(s("12種類")));

    // Components enough, but every answer needs more tiles than there are,
    // or is its own primitive entry.
    std::vector<KanjiEntry> wide;
    const QString many = s("一二三四五六七八九十百千");
    for (int i = 0; i < many.size(); ++i)
        wide.push_back({many.mid(i, 1), many.mid(i, 1)});
    wide.push_back({s("畿"), s("一二三")});
    const Dictionary noAnswer = table(wide);
    why.clear();
    EXPECT_FALSE(excavation::draw(BoardIndex(noAnswer), 2, random, &why));
    EXPECT_TRUE(why.contains(s("組み立てられる漢字がない")));

    // One answer among many components is laid on the first board.
    for (int round = 0; round < 20; ++round) {
        int attempts = 0;
        const std::optional<Board> b = excavation::draw(BoardIndex(noAnswer), 6, random, &why, &attempts);
        ASSERT_TRUE(b);
        EXPECT_EQ(kanjiOf(b->solutions()), QStringList{s("畿")});
        EXPECT_EQ(attempts, 1);
        EXPECT_EQ(QSet<QString>(b->captions().begin(), b->captions().end()).size(), 6);
    }

    // Only one-tile answers: random boards, then one built around an answer.
    std::vector<KanjiEntry> ones = wide;
    ones.back() = {s("林"), s("木木")};
    ones.push_back({s("木"), s("木")});
    const std::optional<Board> b = excavation::draw(BoardIndex(table(ones)), 6, random, &why);
    ASSERT_TRUE(b);
    EXPECT_EQ(kanjiOf(b->solutions()), QStringList{s("林")});
}

TEST(ExcavationBoard, HintColoursTheFirstWhiteTileOfEachCharacterAndFoundKanjiTurnGreen)
{
    // The board shows 困 itself, which the hint colours as well; 林's two
    // 木 colour one tile; 火 is used by nothing.
    Board b({s("火"), s("困"), s("木"), s("口"), s("日"), s("月")},
            {{s("困"), s("口木")}, {s("林"), s("木木")}, {s("明"), s("日月")}});
    excavation::applyHint(b, true);
    EXPECT_EQ(colours(b), QStringLiteral("wyyyyy"));

    const Board::Judgement j = b.judge(s("明"));
    ASSERT_EQ(j.verdict, Board::Verdict::Right);
    excavation::markFound(b, b.answer(s("明"), j.solution));
    EXPECT_EQ(colours(b), QStringLiteral("wyyygg"));

    // The hint is laid again over every answer, found or not: green goes.
    excavation::applyHint(b, true);
    EXPECT_EQ(colours(b), QStringLiteral("wyyyyy"));
    excavation::applyHint(b, false);
    EXPECT_EQ(colours(b), QStringLiteral("wwwwww"));
}

TEST(Board, AnswersAreJudgedOnceAndRevealingListsOnlyWhatIsMissing)
{
    Board b({s("口"), s("木"), s("日"), s("月")}, {{s("困"), s("口木")}, {s("明"), s("日月")}});
    EXPECT_EQ(b.judge(s("困")).verdict, Board::Verdict::Right);
    EXPECT_EQ(b.judge(s("困 ")).verdict, Board::Verdict::Wrong);  // exactly the kanji
    EXPECT_EQ(b.judge(s("困明")).verdict, Board::Verdict::Wrong);
    b.answer(s("困"), 0);
    EXPECT_EQ(b.judge(s("困")).verdict, Board::Verdict::AlreadyAnswered);
    EXPECT_EQ(b.unanswered(), 1);

    EXPECT_EQ(b.reveal(), 1);
    ASSERT_EQ(b.answers().size(), 2u);
    EXPECT_EQ(b.answers()[1].kanji, s("明"));
    EXPECT_EQ(b.answers()[1].kousei, s("日月"));
    EXPECT_EQ(b.unanswered(), 0);
    EXPECT_EQ(b.reveal(), 0);
    // Revealed, then typed: already answered.
    EXPECT_EQ(b.judge(s("明")).verdict, Board::Verdict::AlreadyAnswered);
}
