#pragma once
// The menu numbering walk: every menu of every button, depth first. It leaves each menu's
// number in m_nIndex, the item counts in m_strMenuCounts, the items in m_flatItems and the
// number of menus in m_nMenuCount. The stored form takes every menu and item, hidden and
// empty ones included; the HTML takes only what the applet shows. Writing either form and
// gathering files all follow this order.

#include <functional>
#include <string>

class CAppletParameters;
class CMarquel;
class CMarquelItem;

namespace tb {

enum class MenuSelection {
    All,   // every menu and item
    Shown, // shown menus with at least one visible item, visible items, and nothing below
           // a menu or item left out
};

// Receives each menu as it is numbered, with its items in order.
class IStorageWalkSink {
public:
    virtual ~IStorageWalkSink() = default;
    virtual void OnMenu(int nMenu, const CMarquel& menu) = 0;
    // nPosition counts the selected items of the menu from 1.
    virtual void OnItem(int nMenu, int nPosition, CMarquelItem& item) = 0;
};

// Numbers the selected menus into the work fields. The sink may be null.
void NumberMenus(CAppletParameters& applet, MenuSelection selection, IStorageWalkSink* pSink);

// With bSetGeometry, each button's normalised rectangle is copied into its top-level menu
// first. Takes every menu. The sink may be null.
void StorageNumberingWalk(CAppletParameters& applet, bool bSetGeometry, IStorageWalkSink* pSink);

// Every file reference of the design with its web path, in the order the resource list and
// the gathering of files take them: background image, background sound, then each item's
// Normal, Mouse Over and Click images and its two sounds, items in storage order. Numbers
// every menu on the way; the visitor may change the path.
void ForEachFileReference(
    CAppletParameters& applet,
    const std::function<void(std::string& strPath, const std::string& strWebPath)>& visit);

// The "Misc" value after NumberMenus with the same selection: the menu count, the item
// counts, "-m," for each button's menu, then "i-m," for each flat item's sub-menu.
std::string MenuLinkValue(const CAppletParameters& applet, MenuSelection selection);

} // namespace tb
