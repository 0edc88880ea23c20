#include "platform/Colors.h"
#include "platform/Duration.h"
#include "platform/Random.h"

#include <gtest/gtest.h>
#include <set>

TEST(Duration, HoursAreUnpaddedAndUncapped)
{
    EXPECT_EQ(duration::hms(3725), QStringLiteral("1:02:05"));
    EXPECT_EQ(duration::hms(0), QStringLiteral("0:00:00"));
    EXPECT_EQ(duration::hms(26 * 3600), QStringLiteral("26:00:00"));
    EXPECT_EQ(duration::hms(100000), QStringLiteral("27:46:40"));  // beyond 16 bits
}

TEST(Duration, TotalsAreExactTenthsRoundedOnceHalvesToEven)
{
    EXPECT_EQ(duration::tenths(180.28), 1803);
    EXPECT_EQ(duration::tenths(0.5f), 5);
    EXPECT_EQ(duration::tenths(1e30), 0);
    EXPECT_EQ(duration::wholeSeconds(duration::tenths(1) + duration::tenths(0.5)), 2);  // not 1 + 0
    EXPECT_EQ(duration::wholeSeconds(25), 2);
    EXPECT_EQ(duration::wholeSeconds(35), 4);
    EXPECT_EQ(duration::wholeSeconds(5 + 5), 1);
    EXPECT_EQ(duration::wholeSeconds(-15), -2);
    EXPECT_EQ(duration::roundHalfEven(59.6), 60);
}

TEST(Colors, PaletteTablesAndBgrValues)
{
    EXPECT_EQ(colors::fromBgr(0xC0C0FF), QColor(255, 192, 192));
    EXPECT_EQ(colors::pastel(2), QColor(255, 224, 192));
    EXPECT_FALSE(colors::pastel(17).isValid());
    EXPECT_EQ(colors::qbColor(10), QColor(0, 255, 0));
    EXPECT_EQ(colors::qbColor(14), QColor(255, 255, 0));
    EXPECT_EQ(colors::twipsToPixels(1440), 96);
}

TEST(Random, IndicesStayInRangeAndCoverIt)
{
    Random& r = Random::instance();
    r.seed(42);
    EXPECT_EQ(r.index1(1), 1);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int k = r.index1(5);
        ASSERT_GE(k, 1);
        ASSERT_LE(k, 5);
        seen.insert(k);
    }
    EXPECT_EQ(seen.size(), 5u);
    // Draws in quick succession differ: the source is not reseeded per draw.
    std::set<double> draws;
    for (int i = 0; i < 100; ++i)
        draws.insert(r.uniform());
    EXPECT_GT(draws.size(), 95u);
}
