#pragma once
// The menu numbering walk: every menu of every button, depth first. The stored form takes
// every menu and item, hidden and empty ones included; the HTML takes only what the applet
// shows. Writing either form and gathering files all follow this order. The walk returns what
// it found, so the HTML never depends on which walk ran before it; each numbered menu's
// m_nIndex is set too, for anyone who wants the number of the last walk.

#include <functional>
#include <string>
#include <vector>

class CAppletParameters;
class CMarquel;
class CMarquelItem;

namespace tb {

enum class MenuSelection {
    All,   // every menu and item
    Shown, // shown menus with at least one visible item, visible items, and nothing below
           // a menu or item left out
};

// What one walk numbered. Menus are numbered from 0 in walk order; items are counted in walk
// order across all menus.
struct CMenuNumbering {
    int m_nMenuCount = 0;
    // Each numbered menu's count of selected items, followed by a comma, in number order.
    std::string m_strMenuCounts;
    // Every selected item in walk order (not owned).
    std::vector<CMarquelItem*> m_flatItems;
    // For each button in m_buttons order whose menu was numbered: that number.
    std::vector<int> m_buttonMenus;
    // For each entry of m_flatItems: the number of its sub-menu, -1 when it was not numbered.
    std::vector<int> m_subMenus;
};

// Receives each menu as it is numbered, with its items in order.
class IStorageWalkSink {
public:
    virtual ~IStorageWalkSink() = default;
    virtual void OnMenu(int nMenu, const CMarquel& menu) = 0;
    // nPosition counts the selected items of the menu from 1.
    virtual void OnItem(int nMenu, int nPosition, CMarquelItem& item) = 0;
};

// Numbers the selected menus. The sink may be null.
CMenuNumbering NumberMenus(CAppletParameters& applet, MenuSelection selection,
                           IStorageWalkSink* pSink = nullptr);

// With bSetGeometry, each button's normalised rectangle is copied into its top-level menu
// first. Takes every menu. The sink may be null.
CMenuNumbering StorageNumberingWalk(CAppletParameters& applet, bool bSetGeometry,
                                    IStorageWalkSink* pSink);

// Every file reference of the design with its web path, in the order the resource list and
// the gathering of files take them: background image, background sound, then each item's
// Normal, Mouse Over and Click images and its two sounds, items in storage order. The visitor
// may change the path.
void ForEachFileReference(
    CAppletParameters& applet,
    const std::function<void(std::string& strPath, const std::string& strWebPath)>& visit);

// The "Misc" value of a numbering: the menu count, the item counts, "-m," for each button's
// menu, then "i-m," for each flat item's sub-menu.
std::string MenuLinkValue(const CMenuNumbering& numbering);

} // namespace tb
