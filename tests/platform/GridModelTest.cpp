#include "platform/Grid.h"

#include <gtest/gtest.h>

namespace {
void fill(Grid& g, std::vector<std::vector<QString>> rows)
{
    for (auto& r : rows)
        g.addRow(r);
}
}  // namespace

TEST(Grid, HeaderIsRowZeroAndDataRowsFollow)
{
    Grid g(QStringLiteral("msgTest"));
    g.setColumns({{QStringLiteral("回数"), 800, Qt::AlignRight}, {QStringLiteral("項目"), 1750, Qt::AlignLeft}});
    EXPECT_EQ(g.rows(), 1);
    EXPECT_EQ(g.text(0, 1), QStringLiteral("項目"));
    fill(g, {{"1", "合体"}, {"2", "解体"}, {"3", "連結"}});
    EXPECT_EQ(g.rows(), 4);
    EXPECT_EQ(g.text(2, 1), QStringLiteral("解体"));
    g.removeRow(2);
    EXPECT_EQ(g.rows(), 3);
    EXPECT_EQ(g.text(2, 0), QStringLiteral("3"));
    g.setRows(1);
    EXPECT_EQ(g.rows(), 1);
    EXPECT_EQ(g.text(1, 0), QString());  // out of range reads as empty
}

TEST(Grid, SortsNumericallyOrByCodePointAndIsStable)
{
    Grid g(QStringLiteral("msgTest"));
    g.setColumns({{"n", 500, Qt::AlignRight}, {"s", 500, Qt::AlignLeft}});
    fill(g, {{"10", "b"}, {"9", "a"}, {"100", "b"}, {"9.5", "c"}});
    g.model().sortRows(0, GridModel::SortKind::Numeric, true);
    EXPECT_EQ(g.text(1, 0), "9");
    EXPECT_EQ(g.text(4, 0), "100");
    g.model().sortRows(0, GridModel::SortKind::Text, true);
    EXPECT_EQ(g.text(1, 0), "10");  // "10" < "100" < "9" < "9.5"
    g.model().sortRows(1, GridModel::SortKind::Text, false);
    EXPECT_EQ(g.text(1, 1), "c");
    EXPECT_EQ(g.text(2, 0), "10");  // equal keys keep their order
    EXPECT_EQ(g.text(3, 0), "100");
}

TEST(Grid, CellColoursFollowTheirRowsThroughSortAndRemoval)
{
    Grid g(QStringLiteral("msgTest"));
    g.setColumns({{"n", 500, Qt::AlignRight}});
    fill(g, {{"3"}, {"1"}, {"2"}});
    g.model().setCellBack(0, 0, Qt::red);  // the row holding 3
    g.model().sortRows(0, GridModel::SortKind::Numeric, true);
    EXPECT_EQ(g.model().cellBack(2, 0), QColor(Qt::red));
    g.removeRow(1);
    EXPECT_EQ(g.model().cellBack(1, 0), QColor(Qt::red));
}

TEST(Grid, TakesAHundredThousandRowsWhole)
{
    Grid g(QStringLiteral("msgTest"));
    g.setColumns({{"a", 500, Qt::AlignRight}, {"b", 500, Qt::AlignRight}});
    std::vector<QString> cells;
    for (int i = 0; i < 100000; ++i)
        cells.push_back(QString::number(i)), cells.push_back(QStringLiteral("x"));
    g.model().setCells(std::move(cells));
    EXPECT_EQ(g.rows(), 100001);
    EXPECT_EQ(g.text(100000, 0), QStringLiteral("99999"));
    g.resize(300, 200);
    g.setTopRow(99990);
    EXPECT_GT(g.topRow(), 90000);
}
