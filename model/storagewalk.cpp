#include "model/storagewalk.h"

#include "model/appletparameters.h"
#include "model/drawrect.h"
#include "model/marquel.h"
#include "model/marquelitem.h"
#include "model/menugeometry.h"
#include "platform/core/numfmt.h"

#include <utility>

namespace tb {

namespace {

bool ItemTaken(const CMarquelItem* pItem, MenuSelection selection) {
    return pItem && (selection == MenuSelection::All || pItem->m_bVisible != 0);
}

int TakenItemCount(const CMarquel& menu, MenuSelection selection) {
    int n = 0;
    for (const auto& pItem : menu.m_items)
        n += ItemTaken(pItem.get(), selection) ? 1 : 0;
    return n;
}

bool MenuTaken(const CMarquel* pMenu, MenuSelection selection) {
    return pMenu && (selection == MenuSelection::All ||
                     (pMenu->m_bShow != 0 && TakenItemCount(*pMenu, selection) > 0));
}

// A menu waiting to be numbered, with the flat index of the item whose sub-menu it is (-1 for
// a button's menu).
struct CPendingMenu {
    CMarquel* pMenu;
    int nParentItem;
};

class CNumberingWalk {
public:
    CNumberingWalk(MenuSelection selection, IStorageWalkSink* pSink)
        : m_selection(selection), m_pSink(pSink) {}

    // Numbers a button's menu, then each item's sub-menu in turn, without recursion: menus
    // nested arbitrarily deep cannot exhaust the stack.
    void NumberTree(CMarquel* pRoot) {
        m_pending.clear();
        if (pRoot)
            m_pending.push_back({pRoot, -1});
        while (!m_pending.empty()) {
            const CPendingMenu next = m_pending.back();
            m_pending.pop_back();
            if (MenuTaken(next.pMenu, m_selection))
                NumberMenu(*next.pMenu, next.nParentItem);
        }
    }

    CMenuNumbering Result() { return std::move(m_result); }

private:
    void NumberMenu(CMarquel& menu, int nParentItem) {
        const int n = m_result.m_nMenuCount;
        menu.m_nIndex = n;
        if (nParentItem < 0)
            m_result.m_buttonMenus.push_back(n);
        else
            m_result.m_subMenus[size_t(nParentItem)] = n;
        m_result.m_strMenuCounts += FormatInt(TakenItemCount(menu, m_selection));
        m_result.m_strMenuCounts += ',';
        if (m_pSink)
            m_pSink->OnMenu(n, menu);
        const size_t nFirstItem = m_result.m_flatItems.size();
        int nPosition = 1;
        for (const auto& pItem : menu.m_items) {
            if (!ItemTaken(pItem.get(), m_selection))
                continue;
            m_result.m_flatItems.push_back(pItem.get());
            m_result.m_subMenus.push_back(-1);
            if (m_pSink)
                m_pSink->OnItem(n, nPosition, *pItem);
            ++nPosition;
        }
        ++m_result.m_nMenuCount;
        // Pushed last to first, so the first item's sub-menu is numbered next.
        for (size_t i = m_result.m_flatItems.size(); i > nFirstItem; --i) {
            CMarquelItem* pItem = m_result.m_flatItems[i - 1];
            if (pItem->m_pSubMenu)
                m_pending.push_back({pItem->m_pSubMenu.get(), static_cast<int>(i - 1)});
        }
    }

    const MenuSelection m_selection;
    IStorageWalkSink* const m_pSink;
    std::vector<CPendingMenu> m_pending;
    CMenuNumbering m_result;
};

} // namespace

CMenuNumbering NumberMenus(CAppletParameters& applet, MenuSelection selection,
                           IStorageWalkSink* pSink) {
    CNumberingWalk walk(selection, pSink);
    for (const auto& pButton : applet.m_buttons)
        if (pButton)
            walk.NumberTree(pButton->menu.get());
    return walk.Result();
}

CMenuNumbering StorageNumberingWalk(CAppletParameters& applet, bool bSetGeometry,
                                    IStorageWalkSink* pSink) {
    if (bSetGeometry) {
        for (const auto& pButton : applet.m_buttons)
            if (pButton && pButton->menu)
                SetMenuGeometry(*pButton->menu, pButton->bounds);
    }
    return NumberMenus(applet, MenuSelection::All, pSink);
}

void ForEachFileReference(
    CAppletParameters& applet,
    const std::function<void(std::string& strPath, const std::string& strWebPath)>& visit) {
    visit(applet.m_strBackImage, applet.m_strWebPathBackImage);
    visit(applet.m_strBackAudio, applet.m_strWebPathBackAudio);
    const CMenuNumbering numbering = StorageNumberingWalk(applet, /*bSetGeometry=*/false, nullptr);
    for (CMarquelItem* pItem : numbering.m_flatItems) {
        visit(pItem->m_strImageNormal, pItem->m_strWebPathImageNormal);
        visit(pItem->m_strImageOver, pItem->m_strWebPathImageOver);
        visit(pItem->m_strImageClick, pItem->m_strWebPathImageClick);
        visit(pItem->m_strAudioOver, pItem->m_strWebPathAudioOver);
        visit(pItem->m_strAudioClick, pItem->m_strWebPathAudioClick);
    }
}

std::string MenuLinkValue(const CMenuNumbering& numbering) {
    std::string value = FormatInt(numbering.m_nMenuCount);
    value += ',';
    value += numbering.m_strMenuCounts;
    for (int nMenu : numbering.m_buttonMenus) {
        value += '-';
        value += FormatInt(nMenu);
        value += ',';
    }
    for (size_t i = 0; i < numbering.m_subMenus.size(); ++i) {
        if (numbering.m_subMenus[i] < 0)
            continue;
        value += FormatInt(static_cast<long long>(i));
        value += '-';
        value += FormatInt(numbering.m_subMenus[i]);
        value += ',';
    }
    return value;
}

} // namespace tb
