#pragma once
// Builds designs of any size for the benchmarks: every button carries a label with a line
// break and a comma, media references, a shown hint and a few items with sub-menus, so that
// every kind of line and every escape is exercised.

#include <string>

class CAppletParameters;

namespace tb::bench {

struct CDesignShape {
    int nItemsPerButton = 3;  // items on a button's own menu, the button's item included
    int nSubItemsPerItem = 2; // items on the sub-menu of every item but the first
    bool bShowHints = true;   // the first item's sub-menu (the hint box) is written too
    std::string strMediaFolder = "/srv/media/"; // folder of the images and sounds referred to
};

// Appends nButtons buttons, laid out on a grid, to the applet.
void BuildDesign(CAppletParameters& applet, int nButtons, const CDesignShape& shape = {});

// Menus and items that the HTML of one such button writes.
int HtmlMenusPerButton(const CDesignShape& shape);

} // namespace tb::bench
