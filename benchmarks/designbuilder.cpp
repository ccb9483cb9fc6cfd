#include "benchmarks/designbuilder.h"

#include "model/appletparameters.h"
#include "model/drawrect.h"
#include "model/marquel.h"
#include "model/marquelitem.h"
#include "platform/core/colorref.h"
#include "platform/core/numfmt.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace tb::bench {

namespace {

void FillItem(CMarquelItem& item, const std::string& strName, const CDesignShape& shape) {
    item.m_strLabel = strName + "\r\nline two, with a comma";
    item.m_strDescription = "Description of " + strName;
    item.m_strUrl = "http://www.example.com/" + strName + ".htm";
    item.m_strImageNormal = shape.strMediaFolder + strName + "-n.gif";
    item.m_strImageOver = shape.strMediaFolder + strName + "-o.gif";
    item.m_strAudioClick = shape.strMediaFolder + strName + ".au";
}

COLORREF CycledColour(int b, int nSalt) {
    return RGB((b * 37 + nSalt * 101) % 256, (b * 91 + nSalt * 29) % 256,
               (b * 53 + nSalt * 67) % 256);
}

// Button b's looks: each state steps through the styles at its own phase.
void StyleButton(CMarquel& menu, int b) {
    menu.m_nBorderThick = 1 + b % 4;
    for (int s = 0; s < CMarquel::stateCount; ++s) {
        CMarquelState& state = menu.m_states[size_t(s)];
        state.m_crBack = CycledColour(b, s);
        state.m_crFade = CycledColour(b, s + 3);
        state.m_crFont = CycledColour(b, s + 6);
        state.m_crBorder = CycledColour(b, s + 9);
        state.m_nBackStyle = (b + s) % 6;
        state.m_nBorderStyle = (b / 2 + s) % 7;
        state.m_nFontName = (b + s) % 3;
        state.m_nFontStyle = (b / 3 + s) % 3;
        state.m_nFontSize = 12 + (b + s) % 5;
        state.m_nTextAlign = (b / 9 + s) % 3;
        state.m_nTextOffset = b % 7 == 0 ? 3 : 0;
    }
}

} // namespace

CDesignShape CanvasShape(int nButtons, int nWidth, int nHeight) {
    CDesignShape shape;
    const int n = std::max(1, nButtons);
    // Cells twice as wide as high, as buttons mostly are.
    shape.nColumns = std::max(1, int(std::ceil(std::sqrt(double(n) * nWidth / (2.0 * nHeight)))));
    const int nRows = (n + shape.nColumns - 1) / shape.nColumns;
    shape.nCellWidth = std::max(1, nWidth / shape.nColumns);
    shape.nCellHeight = std::max(1, nHeight / nRows);
    shape.nButtonWidth = std::max(1, shape.nCellWidth - 4);
    shape.nButtonHeight = std::max(1, shape.nCellHeight - 4);
    return shape;
}

int HtmlMenusPerButton(const CDesignShape& shape) {
    const int nSubMenus = shape.nSubItemsPerItem > 0 ? shape.nItemsPerButton - 1 : 0;
    return 1 + (shape.bShowHints ? 1 : 0) + nSubMenus;
}

void BuildDesign(CAppletParameters& applet, int nButtons, const CDesignShape& shape) {
    const int nColumns = std::max(1, shape.nColumns);
    for (int b = 0; b < nButtons; ++b) {
        const int nCell = shape.nCellsPerLayer > 0 ? b % shape.nCellsPerLayer : b;
        const int nShift = shape.nCellsPerLayer > 0 ? 3 * (b / shape.nCellsPerLayer) : 0;
        const int nLeft = (nCell % nColumns) * shape.nCellWidth + nShift;
        const int nTop = (nCell / nColumns) * shape.nCellHeight + nShift;
        const int nRight = nLeft + shape.nButtonWidth;
        const int nBottom = nTop + shape.nButtonHeight;
        const CRect rc =
            b % 2 == 0 ? CRect{nLeft, nTop, nRight, nBottom} : CRect{nRight, nBottom, nLeft, nTop};
        CDrawRect* pButton = applet.AddButton(std::make_unique<CDrawRect>(rc));
        CMarquel& menu = *pButton->menu;
        StyleButton(menu, b);
        std::string strButton = "b";
        strButton += FormatInt(b);

        FillItem(*menu.m_items.front(), strButton, shape);
        CMarquelItem& hint = *menu.m_items.front()->m_pSubMenu->m_items.front();
        hint.m_strLabel = "Hint of " + strButton;
        hint.m_bVisible = shape.bShowHints ? 1 : 0;

        for (int i = 1; i < shape.nItemsPerButton; ++i) {
            auto pItem = std::make_unique<CMarquelItem>();
            const std::string strItem = strButton + "i" + FormatInt(i);
            FillItem(*pItem, strItem, shape);
            pItem->m_strTarget = "_blank";
            for (int s = 0; s < shape.nSubItemsPerItem; ++s) {
                auto pSub = std::make_unique<CMarquelItem>();
                FillItem(*pSub, strItem + "s" + FormatInt(s), shape);
                pItem->m_pSubMenu->AddItem(std::move(pSub));
            }
            menu.AddItem(std::move(pItem));
        }
    }
}

} // namespace tb::bench
