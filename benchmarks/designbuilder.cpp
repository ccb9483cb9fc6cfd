#include "benchmarks/designbuilder.h"

#include "model/appletparameters.h"
#include "model/drawrect.h"
#include "model/marquel.h"
#include "model/marquelitem.h"
#include "platform/core/numfmt.h"

#include <memory>

namespace tb::bench {

namespace {

constexpr int kColumns = 100;
constexpr int kCellWidth = 90;
constexpr int kCellHeight = 40;

void FillItem(CMarquelItem& item, const std::string& strName, const CDesignShape& shape) {
    item.m_strLabel = strName + "\r\nline two, with a comma";
    item.m_strDescription = "Description of " + strName;
    item.m_strUrl = "http://www.example.com/" + strName + ".htm";
    item.m_strImageNormal = shape.strMediaFolder + strName + "-n.gif";
    item.m_strImageOver = shape.strMediaFolder + strName + "-o.gif";
    item.m_strAudioClick = shape.strMediaFolder + strName + ".au";
}

} // namespace

int HtmlMenusPerButton(const CDesignShape& shape) {
    const int nSubMenus = shape.nSubItemsPerItem > 0 ? shape.nItemsPerButton - 1 : 0;
    return 1 + (shape.bShowHints ? 1 : 0) + nSubMenus;
}

void BuildDesign(CAppletParameters& applet, int nButtons, const CDesignShape& shape) {
    for (int b = 0; b < nButtons; ++b) {
        const int nLeft = (b % kColumns) * kCellWidth;
        const int nTop = (b / kColumns) * kCellHeight;
        // Every other button is drawn from right to left, as the button tool allows.
        const CRect rc = b % 2 == 0 ? CRect{nLeft, nTop, nLeft + 80, nTop + 30}
                                    : CRect{nLeft + 80, nTop + 30, nLeft, nTop};
        CDrawRect* pButton = applet.AddButton(std::make_unique<CDrawRect>(rc));
        CMarquel& menu = *pButton->menu;
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
