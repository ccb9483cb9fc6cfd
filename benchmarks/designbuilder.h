#pragma once
// Builds designs of any size for the benchmarks and for the stored outputs of a large design:
// every button carries a label with a line break and a comma, media references, a shown hint
// and a few items with sub-menus, so that every kind of line and every escape is exercised.
// Buttons cycle through the background, border, font and alignment looks, so that a painted
// design exercises every painter.

#include <string>

class CAppletParameters;

namespace tb::bench {

struct CDesignShape {
    int nItemsPerButton = 3;  // items on a button's own menu, the button's item included
    int nSubItemsPerItem = 2; // items on the sub-menu of every item but the first
    bool bShowHints = true;   // the first item's sub-menu (the hint box) is written too
    std::string strMediaFolder = "/srv/media/"; // folder of the images and sounds referred to
    // The grid the buttons are laid out on, row by row; every other button is drawn from
    // right to left, as the button tool allows.
    int nColumns = 100;
    int nCellWidth = 90;
    int nCellHeight = 40;
    int nButtonWidth = 80;
    int nButtonHeight = 30;
    // When positive, buttons beyond this many start again from the first cell, a few pixels
    // further right and down, so that any number of buttons can share one canvas.
    int nCellsPerLayer = 0;
};

// A grid of nButtons cells that fills a canvas of nWidth x nHeight pixels, each button a few
// pixels smaller than its cell.
CDesignShape CanvasShape(int nButtons, int nWidth, int nHeight);

// Appends nButtons buttons, laid out on the shape's grid, to the applet.
void BuildDesign(CAppletParameters& applet, int nButtons, const CDesignShape& shape = {});

// Menus and items that the HTML of one such button writes.
int HtmlMenusPerButton(const CDesignShape& shape);

} // namespace tb::bench
