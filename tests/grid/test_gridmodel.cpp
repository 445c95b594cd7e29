#include "grid/gridmodel.h"
#include "gridfixture.h"

#include <functional>
#include <gtest/gtest.h>

using namespace grid;

namespace {

void fillAllCells(GridModel& model)
{
    for (int r = 1; r < model.rowCount(); ++r)
        for (int c = 0; c < kColumnCount; ++c)
            model.setCell(r, c, QStringLiteral("r%1c%2").arg(r).arg(c));
}

} // namespace

TEST(GridModel, RowCountOneThenFiftyOneGivesEmptyRowsUnderUnchangedHeading)
{
    auto model = makeRatingGrid();
    fillAllCells(*model);

    model->setRowCount(1);
    model->setRowCount(51);

    ASSERT_EQ(model->rowCount(), 51);
    for (int c = 0; c < kColumnCount; ++c)
        EXPECT_EQ(model->cell(0, c), columnHeading(c));
    for (int r = 1; r < 51; ++r)
        for (int c = 0; c < kColumnCount; ++c)
            EXPECT_TRUE(model->cell(r, c).isEmpty()) << "row " << r << " column " << c;
}

TEST(GridModel, ShrinkingKeepsRemainingTextsAndPullsViewStateIntoTheGrid)
{
    auto model = makeRatingGrid();
    fillAllCells(*model);
    model->setRow(40);
    model->setSelection(40, 45, 0, 3);
    model->setTopRow(26);

    model->setRowCount(11);

    EXPECT_EQ(model->cell(10, 2), u"r10c2");
    EXPECT_TRUE(model->cell(11, 2).isEmpty());
    EXPECT_EQ(model->row(), 10);
    EXPECT_EQ(model->selStartRow(), 10);
    EXPECT_EQ(model->selEndRow(), 10);
    EXPECT_EQ(model->topRow(), 1);
}

TEST(GridModel, RowCountNeverFallsBelowTheFixedRows)
{
    GridModel model;
    model.setRowCount(5);
    model.setFixedRows(2);
    model.setRowCount(0);
    EXPECT_EQ(model.rowCount(), 2);
}

TEST(GridModel, MovingTheCurrentCellOverAllCellsLeavesSelectionAndTopRow)
{
    auto model = makeRatingGrid();
    model->setTopRow(5);
    model->setSelection(7, 7, 0, 3);

    for (int r = 0; r < model->rowCount(); ++r) {
        for (int c = 0; c < kColumnCount; ++c) {
            model->setRow(r);
            model->setCol(c);
            ASSERT_EQ(model->text(), model->cell(r, c));
            ASSERT_EQ(model->topRow(), 5);
            ASSERT_EQ(model->selStartRow(), 7);
            ASSERT_EQ(model->selEndRow(), 7);
            ASSERT_EQ(model->selStartCol(), 0);
            ASSERT_EQ(model->selEndCol(), 3);
        }
    }
}

TEST(GridModel, TextGoesToTheCurrentCellOnly)
{
    auto model = makeRatingGrid();
    model->setRow(12);
    model->setCol(kRatingColumn);
    model->setText(QStringLiteral("boat"));

    EXPECT_EQ(model->cell(12, kRatingColumn), u"boat");
    EXPECT_TRUE(model->cell(11, kRatingColumn).isEmpty());
    EXPECT_TRUE(model->cell(12, kEvalColumn).isEmpty());
}

TEST(GridModel, RowVisibility)
{
    struct Case
    {
        int top;
        int row;
        bool visible;
    };
    const Case cases[] = {
        {1, 0, true},    {1, 1, true},   {1, 25, true},  {1, 26, false},  {26, 0, true},
        {26, 25, false}, {26, 26, true}, {26, 50, true}, {26, 51, false}, {1, -1, false},
    };
    auto model = makeRatingGrid();
    for (const Case& c : cases) {
        model->setTopRow(c.top);
        EXPECT_EQ(model->rowIsVisible(c.row), c.visible) << "top " << c.top << " row " << c.row;
    }
}

TEST(GridModel, OutOfRangeArgumentsAreClampedOrIgnored)
{
    auto model = makeRatingGrid();
    model->setCell(99, 0, QStringLiteral("x"));
    model->setCell(1, 4, QStringLiteral("x"));
    model->setColumnWidthTwips(4, 123);
    model->setColumnWidthTwips(2, -5);
    EXPECT_EQ(model->rowCount(), 51);
    EXPECT_TRUE(model->cell(-1, 0).isEmpty());
    EXPECT_TRUE(model->cell(1, -1).isEmpty());
    EXPECT_EQ(model->columnWidthTwips(4), 0);
    EXPECT_EQ(model->columnWidthTwips(2), 0);

    model->setRow(99);
    model->setCol(-3);
    EXPECT_EQ(model->row(), 50);
    EXPECT_EQ(model->col(), 0);

    model->setTopRow(0);
    EXPECT_EQ(model->topRow(), 1);
    model->setTopRow(40);
    EXPECT_EQ(model->topRow(), 26);

    model->setSelection(60, 3, 5, -2);
    EXPECT_EQ(model->selStartRow(), 3);
    EXPECT_EQ(model->selEndRow(), 50);
    EXPECT_EQ(model->selStartCol(), 0);
    EXPECT_EQ(model->selEndCol(), 3);
}

TEST(GridModel, EveryVisibleChangeIsAnnounced)
{
    const std::pair<const char*, std::function<void(GridModel&)>> mutations[] = {
        {"row count", [](GridModel& m) { m.setRowCount(30); }},
        {"fixed rows", [](GridModel& m) { m.setFixedRows(2); }},
        {"current row", [](GridModel& m) { m.setRow(3); }},
        {"current column", [](GridModel& m) { m.setCol(2); }},
        {"text", [](GridModel& m) { m.setText(QStringLiteral("new")); }},
        {"cell", [](GridModel& m) { m.setCell(4, 1, QStringLiteral("new")); }},
        {"width", [](GridModel& m) { m.setColumnWidthTwips(1, 1); }},
        {"selection", [](GridModel& m) { m.setSelection(9, 9, 0, 3); }},
        {"top row", [](GridModel& m) { m.setTopRow(20); }},
    };
    for (const auto& [name, mutate] : mutations) {
        auto model = makeRatingGrid();
        int announced = 0;
        QObject::connect(model.get(), &GridModel::changed, [&announced] { ++announced; });
        mutate(*model);
        EXPECT_EQ(announced, 1) << name;
        mutate(*model);
        EXPECT_EQ(announced, 1) << name << " repeated";
    }
}
