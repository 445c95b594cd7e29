#include "grid/navigation.h"
#include "gridfixture.h"

#include <gtest/gtest.h>

using namespace grid;

namespace {

enum class Move
{
    Highlight,
    Up,
    Down,
    Home,
    End
};

// What the rating window does for each way of moving the highlight.
void apply(GridModel& model, Move move)
{
    switch (move) {
    case Move::Highlight:
        break;
    case Move::Up:
        model.setRow(rowAbove(model));
        break;
    case Move::Down:
        model.setRow(rowBelow(model));
        break;
    case Move::Home:
        model.setRow(1);
        break;
    case Move::End:
        model.setRow(model.rowCount() - 1);
        break;
    }
    highlightCurrentRow(model);
}

struct MoveCase
{
    const char* name;
    int startRow;
    int startTop;
    Move move;
    int expectedRow;
    int expectedTop;
};

void PrintTo(const MoveCase& c, std::ostream* os)
{
    *os << c.name;
}

class Navigation : public ::testing::TestWithParam<MoveCase>
{
};

TEST_P(Navigation, MovesScrollsAndSelectsTheWholeRow)
{
    const MoveCase& c = GetParam();
    auto model = makeRatingGrid();
    model->setTopRow(c.startTop);
    model->setRow(c.startRow);
    model->setCol(kRatingColumn);
    model->setSelection(c.startRow, c.startRow, 0, 3);

    apply(*model, c.move);

    EXPECT_EQ(model->row(), c.expectedRow);
    EXPECT_EQ(model->topRow(), c.expectedTop);
    EXPECT_EQ(model->col(), kWordColumn);
    EXPECT_EQ(model->selStartRow(), c.expectedRow);
    EXPECT_EQ(model->selEndRow(), c.expectedRow);
    EXPECT_EQ(model->selStartCol(), 0);
    EXPECT_EQ(model->selEndCol(), 3);
}

const MoveCase kMoves[] = {
    {"DownFromLowestShownRowScrollsOne", 25, 1, Move::Down, 26, 2},
    {"UpFromTopRowScrollsOne", 2, 2, Move::Up, 1, 1},
    {"UpOnFirstRowStays", 1, 1, Move::Up, 1, 1},
    {"DownOnLastRowStays", 50, 26, Move::Down, 50, 26},
    {"DownInsideViewDoesNotScroll", 10, 5, Move::Down, 11, 5},
    {"EndShowsLastRowLowest", 1, 1, Move::End, 50, 26},
    {"HomeShowsFirstRowOnTop", 50, 26, Move::Home, 1, 1},
    {"RowAboveViewBecomesTopRow", 3, 20, Move::Highlight, 3, 3},
    {"RowBelowViewBecomesLowestRow", 40, 1, Move::Highlight, 40, 16},
    {"VisibleRowDoesNotScroll", 29, 5, Move::Highlight, 29, 5},
};

INSTANTIATE_TEST_SUITE_P(Cases, Navigation, ::testing::ValuesIn(kMoves),
                         [](const auto& info) { return std::string(info.param.name); });

struct BandCase
{
    const char* name;
    int recordings;
    int top;
    double y;
    double height;
    std::optional<int> expectedRow;
};

void PrintTo(const BandCase& c, std::ostream* os)
{
    *os << c.name;
}

class Bands : public ::testing::TestWithParam<BandCase>
{
};

TEST_P(Bands, PressPositionGivesRow)
{
    const BandCase& c = GetParam();
    auto model = makeRatingGrid(c.recordings);
    model->setTopRow(c.top);
    EXPECT_EQ(rowAtBand(*model, c.y, c.height), c.expectedRow);
}

// 6250 twips high: each of the 26 bands is 240.38 twips.
const BandCase kBands[] = {
    {"ThirdBandWithTop26", 50, 26, 3 * 240.4 + 10, 6250, 28},
    {"HeadingBand", 50, 1, 100, 6250, std::nullopt},
    {"FirstDataBand", 50, 1, 241, 6250, 1},
    {"JustAboveFirstDataBand", 50, 1, 240, 6250, std::nullopt},
    {"LowestBandWithTop26", 50, 26, 6249, 6250, 50},
    {"BandBeyondLastRow", 9, 1, 11 * 240.4 + 10, 6250, std::nullopt},
    {"BandOfLastRow", 9, 1, 9 * 240.4 + 10, 6250, 9},
    {"AboveTheGrid", 50, 1, -1, 6250, std::nullopt},
    {"BelowTheGrid", 50, 1, 6250, 6250, std::nullopt},
    {"PixelUnits", 50, 1, 16 * 7 + 8, 416, 7},
};

INSTANTIATE_TEST_SUITE_P(Cases, Bands, ::testing::ValuesIn(kBands),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

TEST(Navigation, HighlightOfHeadingRowDoesNotScroll)
{
    auto model = makeRatingGrid();
    model->setTopRow(10);
    model->setRow(0);
    highlightCurrentRow(*model);
    EXPECT_EQ(model->topRow(), 10);
}
