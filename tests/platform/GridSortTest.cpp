#include "platform/GridSort.h"

#include <QString>

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <random>

// The chunked text sort against a plain stable sort by code point, on texts
// made to share beginnings across the chunk boundaries, to end inside a
// chunk, to repeat, and to mix surrogate pairs with U+E000..U+FFFF (whose
// UTF-16 order differs from code-point order).
TEST(GridSort, TextOrderMatchesAStableSortByCodePoint)
{
    const QString alphabet[] = {QStringLiteral("a"),      QStringLiteral("A"),      QStringLiteral("秒"),
                                QStringLiteral(" "),      QStringLiteral("\uFF02"), QStringLiteral("😀"),
                                QStringLiteral("\uE000"), QStringLiteral("0")};
    std::mt19937 rng(7);
    for (int round = 0; round < 20; ++round) {
        std::vector<QString> texts;
        const int rows = 1 + int(rng() % 300);
        for (int r = 0; r < rows; ++r) {
            QString t = rng() % 2 ? QStringLiteral("秒数 : ") : QString();
            const int len = int(rng() % 9);
            for (int i = 0; i < len; ++i)
                t += alphabet[rng() % (round < 10 ? 3 : 8)];
            texts.push_back(t);
        }
        const std::vector<QStringView> views(texts.begin(), texts.end());
        for (bool ascending : {true, false}) {
            std::vector<int> expected(texts.size());
            std::iota(expected.begin(), expected.end(), 0);
            std::stable_sort(expected.begin(), expected.end(), [&](int a, int b) {
                const std::u32string x = texts[size_t(a)].toStdU32String(), y = texts[size_t(b)].toStdU32String();
                return ascending ? x < y : y < x;
            });
            EXPECT_EQ(gridsort::byText(views, ascending), expected)
                << "round " << round << (ascending ? " ascending" : " descending");
        }
    }
}

TEST(GridSort, NumbersSortByValueWithEqualValuesInPresentOrder)
{
    // 10, -2.5, 9, 0, -0, 180.28, 9.0, -10, and an unreadable cell read as 0.
    const std::vector<double> keys = {10, -2.5, 9, 0, -0.0, 180.28, 9.0, -10, 0};
    EXPECT_EQ(gridsort::byNumber(keys, true), std::vector<int>({7, 1, 3, 4, 8, 2, 6, 0, 5}));
    EXPECT_EQ(gridsort::byNumber(keys, false), std::vector<int>({5, 0, 2, 6, 3, 4, 8, 1, 7}));
}
