#include "ratelayout.h"

namespace rating {

namespace {

constexpr int kLoadedGridWidth = 3360;
constexpr int kGridHeight = 6250;
constexpr int kBlindGridWidth = 1560;
constexpr int kScrollBarInset = 20;
constexpr int kPanelGap = 200;
constexpr int kArrowSide = 310;
constexpr int kArrowOverlap = 30;
constexpr int kWordListHeight = 3000;

} // namespace

void RateLayout::applyLoad()
{
    grid.width = kLoadedGridWidth + gridScroll.width;
    grid.height = kGridHeight;
    placeScrollBarInsideGrid();
    gridScroll.height = grid.height;

    upButton.height = kArrowSide;
    upButton.width = upButton.height;
    downButton.width = upButton.width;
    downButton.height = upButton.height;
    downButton.top = playButton.top + playButton.height / 2;
    upButton.top = downButton.top - downButton.height + kArrowOverlap;

    wordListList.height = kWordListHeight;
}

void RateLayout::applyHideColumns()
{
    grid.width = kBlindGridWidth + gridScroll.width;
    placeScrollBarInsideGrid();
    playPanel.left = grid.left + grid.width + kPanelGap;
}

void RateLayout::placeScrollBarInsideGrid()
{
    gridScroll.left = grid.left + grid.width - gridScroll.width - kScrollBarInset;
}

} // namespace rating
