#include "model/storagewalk.h"

#include "designer/objects/drawrect.h"
#include "model/appletparameters.h"
#include "model/marquel.h"
#include "model/marquelitem.h"
#include "platform/core/numfmt.h"

#include <vector>

namespace tb {

namespace {

// StoreMenu without recursion: the same pre-order as numbering a menu, then each item's
// sub-menu in turn, but menus nested arbitrarily deep cannot exhaust the stack.
void StoreMenuTree(CAppletParameters& applet, CMarquel* pRoot, IStorageWalkSink* pSink,
                   std::vector<CMarquel*>& pending) {
    pending.clear();
    if (pRoot)
        pending.push_back(pRoot);
    while (!pending.empty()) {
        CMarquel* pMenu = pending.back();
        pending.pop_back();
        const int n = applet.m_nMenuCount;
        pMenu->m_nIndex = n;
        applet.m_strMenuCounts += FormatInt(static_cast<long long>(pMenu->m_items.size()));
        applet.m_strMenuCounts += ',';
        if (pSink)
            pSink->OnMenu(n, *pMenu);
        int nPosition = 1;
        for (const auto& pItem : pMenu->m_items) {
            applet.m_flatItems.push_back(pItem.get());
            if (pSink)
                pSink->OnItem(n, nPosition, *pItem);
            ++nPosition;
        }
        ++applet.m_nMenuCount;
        for (auto it = pMenu->m_items.rbegin(); it != pMenu->m_items.rend(); ++it)
            if ((*it)->m_pSubMenu)
                pending.push_back((*it)->m_pSubMenu.get());
    }
}

} // namespace

void StorageNumberingWalk(CAppletParameters& applet, bool bSetGeometry, IStorageWalkSink* pSink) {
    applet.m_nMenuCount = 0;
    applet.m_strMenuCounts.clear();
    applet.m_flatItems.clear();
    std::vector<CMarquel*> pending;
    for (const auto& pButton : applet.m_buttons) {
        CMarquel* pMenu = pButton->menu.get();
        if (bSetGeometry && pMenu) {
            const CRect r = pButton->bounds.Normalized();
            pMenu->m_nLeft = r.left;
            pMenu->m_nTop = r.top;
            // Wrapping, as the 32-bit arithmetic of the stored form always did.
            pMenu->m_nWidth = static_cast<int>(static_cast<long long>(r.right) - r.left);
            pMenu->m_nHeight = static_cast<int>(static_cast<long long>(r.bottom) - r.top);
        }
        StoreMenuTree(applet, pMenu, pSink, pending);
    }
}

} // namespace tb
