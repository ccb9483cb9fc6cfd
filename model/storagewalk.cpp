#include "model/storagewalk.h"

#include "model/appletparameters.h"
#include "model/drawrect.h"
#include "model/marquel.h"
#include "model/marquelitem.h"
#include "model/menugeometry.h"
#include "platform/core/numfmt.h"

#include <vector>

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

// Numbering a menu, then each item's sub-menu in turn, without recursion: menus nested
// arbitrarily deep cannot exhaust the stack.
void NumberMenuTree(CAppletParameters& applet, CMarquel* pRoot, MenuSelection selection,
                    IStorageWalkSink* pSink, std::vector<CMarquel*>& pending) {
    pending.clear();
    if (pRoot)
        pending.push_back(pRoot);
    while (!pending.empty()) {
        CMarquel* pMenu = pending.back();
        pending.pop_back();
        if (!MenuTaken(pMenu, selection))
            continue;
        const int n = applet.m_nMenuCount;
        pMenu->m_nIndex = n;
        applet.m_strMenuCounts += FormatInt(TakenItemCount(*pMenu, selection));
        applet.m_strMenuCounts += ',';
        if (pSink)
            pSink->OnMenu(n, *pMenu);
        int nPosition = 1;
        for (const auto& pItem : pMenu->m_items) {
            if (!ItemTaken(pItem.get(), selection))
                continue;
            applet.m_flatItems.push_back(pItem.get());
            if (pSink)
                pSink->OnItem(n, nPosition, *pItem);
            ++nPosition;
        }
        ++applet.m_nMenuCount;
        for (auto it = pMenu->m_items.rbegin(); it != pMenu->m_items.rend(); ++it)
            if (ItemTaken(it->get(), selection) && (*it)->m_pSubMenu)
                pending.push_back((*it)->m_pSubMenu.get());
    }
}

} // namespace

void NumberMenus(CAppletParameters& applet, MenuSelection selection, IStorageWalkSink* pSink) {
    applet.m_nMenuCount = 0;
    applet.m_strMenuCounts.clear();
    applet.m_flatItems.clear();
    std::vector<CMarquel*> pending;
    for (const auto& pButton : applet.m_buttons)
        if (pButton)
            NumberMenuTree(applet, pButton->menu.get(), selection, pSink, pending);
}

void StorageNumberingWalk(CAppletParameters& applet, bool bSetGeometry, IStorageWalkSink* pSink) {
    for (const auto& pButton : applet.m_buttons) {
        CMarquel* pMenu = pButton ? pButton->menu.get() : nullptr;
        if (bSetGeometry && pMenu)
            SetMenuGeometry(*pMenu, pButton->bounds);
    }
    NumberMenus(applet, MenuSelection::All, pSink);
}

void ForEachFileReference(
    CAppletParameters& applet,
    const std::function<void(std::string& strPath, const std::string& strWebPath)>& visit) {
    visit(applet.m_strBackImage, applet.m_strWebPathBackImage);
    visit(applet.m_strBackAudio, applet.m_strWebPathBackAudio);
    StorageNumberingWalk(applet, /*bSetGeometry=*/false, nullptr);
    for (CMarquelItem* pItem : applet.m_flatItems) {
        visit(pItem->m_strImageNormal, pItem->m_strWebPathImageNormal);
        visit(pItem->m_strImageOver, pItem->m_strWebPathImageOver);
        visit(pItem->m_strImageClick, pItem->m_strWebPathImageClick);
        visit(pItem->m_strAudioOver, pItem->m_strWebPathAudioOver);
        visit(pItem->m_strAudioClick, pItem->m_strWebPathAudioClick);
    }
}

std::string MenuLinkValue(const CAppletParameters& applet, MenuSelection selection) {
    // Whether a menu was numbered follows from the selection; its m_nIndex alone may be left
    // over from an earlier walk.
    std::string value = FormatInt(applet.m_nMenuCount);
    value += ',';
    value += applet.m_strMenuCounts;
    for (const auto& pButton : applet.m_buttons) {
        if (!pButton || !MenuTaken(pButton->menu.get(), selection))
            continue;
        value += '-';
        value += FormatInt(pButton->menu->m_nIndex);
        value += ',';
    }
    for (size_t i = 0; i < applet.m_flatItems.size(); ++i) {
        const CMarquel* pSub = applet.m_flatItems[i]->m_pSubMenu.get();
        if (!MenuTaken(pSub, selection))
            continue;
        value += FormatInt(static_cast<long long>(i));
        value += '-';
        value += FormatInt(pSub->m_nIndex);
        value += ',';
    }
    return value;
}

} // namespace tb
