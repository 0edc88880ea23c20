// The shiritori rules without a window: which word is accepted, how it is
// written onto the cells, the strip past the board, and where a play ends.
#include "games/shiritori/ShiritoriChain.h"

#include "dictionary/Dictionary.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

namespace {
using Verdict = ShiritoriChain::Verdict;
QString s(const char* utf8) { return QString::fromUtf8(utf8); }

// A word of `length` characters that begins with `first`.
QString word(const QString& first, int length) { return first + QString(length - 1, u'あ'); }
}  // namespace

TEST(ShiritoriChain, AWordBeginningWithTheLastCharacterFillsTheNextCellsInOneColour)
{
    ShiritoriChain chain;
    chain.start(s("始"));
    EXPECT_EQ(chain.answer(s("始業式")), Verdict::Accepted);
    EXPECT_EQ(chain.cellIndex(), 4);
    EXPECT_EQ(chain.typedChars(), 3);
    for (int cell = 2; cell <= 4; ++cell)
        EXPECT_EQ(chain.board().colour(cell), 1) << cell;
    EXPECT_EQ(chain.board().text(2) + chain.board().text(3) + chain.board().text(4), s("始業式"));

    EXPECT_EQ(chain.answer(s("業界")), Verdict::WrongStart);
    EXPECT_EQ(chain.answer(s("式")), Verdict::Accepted);  // one character, not a word at all
    EXPECT_EQ(chain.board().colour(5), 2);
    EXPECT_EQ(chain.answer(s("式部ぶぶ")), Verdict::Accepted);
    EXPECT_EQ(chain.cellIndex(), 9);
    EXPECT_EQ(chain.typedChars(), 8);
}

TEST(ShiritoriChain, CharactersOutsideTheBasicPlaneTakeOneCellEach)
{
    ShiritoriChain chain;
    chain.start(s("𠮷"));
    EXPECT_EQ(chain.answer(s("𠮷野")), Verdict::Accepted);
    EXPECT_EQ(chain.cellIndex(), 3);
    EXPECT_EQ(chain.board().text(2), s("𠮷"));
    EXPECT_EQ(chain.answer(s("野𠮷")), Verdict::Accepted);
    EXPECT_EQ(chain.board().last(), s("𠮷"));
}

TEST(ShiritoriChain, AWordPastTheBoardRunsIntoTheStripAndOneTooLongIsRefused)
{
    ShiritoriChain chain;
    chain.start(s("始"));
    ASSERT_EQ(chain.answer(word(s("始"), 61)), Verdict::Accepted);
    ASSERT_EQ(chain.cellIndex(), 62);
    EXPECT_TRUE(chain.goesOn(true, 63));

    // 23 characters from cell 63 would end past cell 84.
    EXPECT_EQ(chain.answer(word(s("あ"), 23)), Verdict::TooLong);
    EXPECT_EQ(chain.cellIndex(), 62);
    EXPECT_TRUE(chain.board().text(63).isEmpty());

    EXPECT_EQ(chain.answer(word(s("あ"), 22)), Verdict::Accepted);
    EXPECT_EQ(chain.cellIndex(), ShiritoriChain::CellCount);
    EXPECT_FALSE(chain.goesOn(true, 63));
    EXPECT_EQ(chain.answer(s("あ")), Verdict::TooLong);
}

TEST(ShiritoriChain, NoSpaceIsEverWrittenOntoTheBoard)
{
    ShiritoriChain chain;
    chain.start(s("始"));
    EXPECT_EQ(chain.answer(s("始業式　")), Verdict::NotAWord);
    EXPECT_EQ(chain.answer(s("始　業")), Verdict::NotAWord);
    EXPECT_EQ(chain.answer(QString()), Verdict::NotAWord);
    EXPECT_EQ(chain.cellIndex(), 1);
    EXPECT_EQ(chain.answer(s("始業式")), Verdict::Accepted);
    EXPECT_EQ(chain.board().last(), s("式"));
}

TEST(ShiritoriChain, CountModeEndsWhenAtMostOneChosenCellIsFree)
{
    ShiritoriChain twos;
    twos.start(s("あ"));
    for (int i = 0; i < 3; ++i) {
        twos.answer(s("ああ"));
        EXPECT_TRUE(twos.goesOn(false, 9)) << i;
    }
    twos.answer(s("ああ"));
    EXPECT_EQ(twos.cellIndex(), 9);
    EXPECT_FALSE(twos.goesOn(false, 9));

    ShiritoriChain mixed;
    mixed.start(s("あ"));
    mixed.answer(s("ああ"));
    mixed.answer(s("あああ"));
    EXPECT_TRUE(mixed.goesOn(false, 9));
    mixed.answer(s("ああ"));
    EXPECT_EQ(mixed.cellIndex(), 8);
    EXPECT_FALSE(mixed.goesOn(false, 9));
    EXPECT_TRUE(mixed.goesOn(true, 9));

    // Three of 18 chosen cells left: a longer word is wrong, however many
    // cells the board has.
    ShiritoriChain chosen;
    chosen.start(s("あ"));
    chosen.answer(word(s("あ"), 14));
    ASSERT_EQ(chosen.cellIndex(), 15);
    EXPECT_EQ(chosen.answer(word(s("あ"), 12), 18), Verdict::TooLong);
    EXPECT_EQ(chosen.answer(word(s("あ"), 4), 18), Verdict::TooLong);
    EXPECT_EQ(chosen.cellIndex(), 15);
    EXPECT_EQ(chosen.answer(word(s("あ"), 3), 18), Verdict::Accepted);
    EXPECT_EQ(chosen.cellIndex(), 18);
}

TEST(ShiritoriChain, AChainStartsFromAnyKanjiOfTheTable)
{
    Dictionary d;
    d.setTables({{s("日"), s("日")}}, {});
    ShiritoriChain chain;
    ASSERT_TRUE(chain.start(d, Random::instance()));
    EXPECT_EQ(chain.board().text(1), s("日"));
    EXPECT_EQ(chain.board().colour(1), ChainBoard::White);

    d.setTables({}, {});
    EXPECT_FALSE(chain.start(d, Random::instance()));
    EXPECT_EQ(chain.answer(s("日")), Verdict::WrongStart);
}
