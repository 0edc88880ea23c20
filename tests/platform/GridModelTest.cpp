#include "platform/Grid.h"
#include "support/CountedAllocations.h"

#include <QApplication>
#include <QHeaderView>

#include <gtest/gtest.h>
#include <malloc.h>

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
    g.show();
    g.setTopRow(100000);
    QApplication::processEvents();
    // What is on screen: the last row in view, and topRow the row at the top.
    const int last = g.model().rowCount() - 1;
    EXPECT_TRUE(g.viewport()->rect().contains(g.visualRect(g.model().index(last, 0)).center()));
    EXPECT_EQ(g.visualRect(g.model().index(g.topRow() - 1, 0)).top(), 0);
    EXPECT_GT(g.topRow(), 99980);
}

namespace {
// Rows worked out on demand: "r<row>c<col>", and the row's number for column 1.
class CountingSource : public GridSource {
public:
    explicit CountingSource(int rows) : rows_(rows) {}
    int rows() const override { return rows_; }
    QString cell(int row, int col) const override
    {
        ++asked;
        return col == 1 ? QString::number(rows_ - row) : QStringLiteral("r%1c%2").arg(row).arg(col);
    }
    std::optional<double> number(int row, int col) const override
    {
        return col == 1 ? std::optional<double>(rows_ - row) : std::nullopt;
    }
    QColor back(int row, int col) const override { return col == 1 && row % 2 == 0 ? QColor(Qt::blue) : QColor(); }
    mutable int asked = 0;

private:
    int rows_;
};
}  // namespace

TEST(Grid, ASourceAnswersCellsOnDemandAndSortsMoveOnlyIndices)
{
    Grid g(QStringLiteral("msgTest"));
    g.setColumns({{"a", 500, Qt::AlignLeft}, {"n", 500, Qt::AlignRight}});
    auto source = std::make_shared<CountingSource>(100000);
    g.model().setSource(source);
    EXPECT_EQ(g.rows(), 100001);
    EXPECT_EQ(source->asked, 0);  // nothing built until asked for
    EXPECT_EQ(g.text(3, 0), QStringLiteral("r2c0"));

    g.model().sortRows(1, GridModel::SortKind::Numeric, true);  // by the source's numbers
    EXPECT_EQ(g.text(1, 0), QStringLiteral("r99999c0"));
    EXPECT_EQ(g.text(1, 1), QStringLiteral("1"));
    EXPECT_EQ(g.model().sourceRow(0), 99999);

    // A removal and a colour follow their source row; a change the source
    // reports reaches the view on the row that shows it.
    g.model().setCellBack(0, 0, Qt::red);
    g.model().setCellBack(1, 1, Qt::green);                 // a colour set on the cell wins over the source's
    EXPECT_EQ(g.model().cellBack(3, 1), QColor(Qt::blue));  // source row 99996
    EXPECT_FALSE(g.model().cellBack(2, 1).isValid());
    EXPECT_EQ(g.model().cellBack(1, 1), QColor(Qt::green));
    g.removeRow(2);
    g.model().sortRows(1, GridModel::SortKind::Numeric, false);
    const int last = g.rows() - 1;
    EXPECT_EQ(g.model().sourceRow(last - 1), 99999);
    EXPECT_EQ(g.model().cellBack(last - 1, 0), QColor(Qt::red));
    std::vector<int> shown;
    QObject::connect(&g.model(), &GridModel::dataChanged,
                     [&](const QModelIndex& from, const QModelIndex&) { shown.push_back(from.row()); });
    g.model().sourceRowChanged(99999);
    g.model().sourceRowChanged(99998);  // removed: not shown
    EXPECT_EQ(shown, std::vector<int>{last - 1});
}

TEST(Grid, MillionsOfSourceRowsCostNothingARowAndLeavingGivesTheViewsRoomBack)
{
    // A row a day from year 1 to 9999.
    GridModel m;
    m.setColumns({{"a", 500, Qt::AlignLeft}, {"n", 500, Qt::AlignRight}});
    std::int64_t before = allocations::bytes();
    m.setSource(std::make_shared<CountingSource>(3652059));
    EXPECT_EQ(m.dataRows(), 3652059);
    EXPECT_EQ(m.cell(3652058, 0), QStringLiteral("r3652058c0"));
    EXPECT_LT(allocations::bytes() - before, 64 * 1024);

    // The view keeps 8 bytes a row in its row header, even once the rows
    // are gone, unless they are released.
    Grid g(QStringLiteral("msgTest"));
    g.setColumns({{"a", 500, Qt::AlignLeft}});
    g.verticalHeader()->setDefaultSectionSize(31);
    const auto inUse = [] {
        const struct mallinfo2 i = mallinfo2();
        return std::int64_t(i.uordblks + i.hblkhd);
    };
    const std::int64_t empty = inUse();
    g.model().setSource(std::make_shared<CountingSource>(3652059));
    EXPECT_GT(inUse() - empty, 24 << 20);
    g.releaseRows();
    QApplication::processEvents();
    EXPECT_LT(inUse() - empty, 1 << 20);
    EXPECT_EQ(g.rows(), 1);
    EXPECT_TRUE(g.verticalHeader()->isHidden());
    EXPECT_EQ(g.verticalHeader()->defaultSectionSize(), 31);
    g.model().setSource(std::make_shared<CountingSource>(3));
    EXPECT_EQ(g.text(3, 0), QStringLiteral("r2c0"));
}

TEST(Grid, AVeryLongCellIsShownCutButKeptWhole)
{
    Grid g(QStringLiteral("msgTest"));
    g.setColumns({{"note", 5000, Qt::AlignLeft}});
    const QString note(5 * 1024 * 1024, u'字');
    g.addRow({note});
    const QString shown = g.model().data(g.model().index(0, 0), Qt::DisplayRole).toString();
    EXPECT_EQ(shown.size(), GridModel::MaxShownLength + 1);
    EXPECT_TRUE(shown.endsWith(u'…'));
    EXPECT_EQ(g.text(1, 0), note);
}
