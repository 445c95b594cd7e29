#pragma once

namespace rating {

struct TwipsRect
{
    int left;
    int top;
    int width;
    int height;
};

// Where the rating window and its controls stand, in twips. Grid, GridScroll and PlayPanel are
// placed in the window's client area, the other controls inside PlayPanel.
struct RateLayout
{
    static constexpr int kScreenLeft = 2880;
    static constexpr int kScreenTop = 1080;
    static constexpr int kClientWidth = 7275;
    static constexpr int kClientHeight = 6870;

    TwipsRect grid{720, 360, 3255, 6135};
    TwipsRect gridScroll{4080, 360, 285, 6135};
    TwipsRect playPanel{4560, 360, 2655, 6135};
    TwipsRect playButton{480, 360, 735, 375};
    TwipsRect upButton{0, 240, 375, 375};
    TwipsRect downButton{0, 600, 375, 375};
    TwipsRect wordListList{480, 840, 1575, 3390};
    TwipsRect scoreButton{480, 5280, 735, 315};
    TwipsRect ratedLabel{360, 5760, 255, 255};
    TwipsRect label2{700, 5760, 495, 255};

    // The window's load: the grid's size, the scroll bar over its right strip, the arrow buttons
    // as overlapping squares beside the middle of the Play button, the word list's height.
    void applyLoad();
    // The blind layout: a grid just wide enough for the word numbers and responses, its scroll
    // bar inside its right edge and the panel to its right.
    void applyHideColumns();

private:
    void placeScrollBarInsideGrid();
};

} // namespace rating
