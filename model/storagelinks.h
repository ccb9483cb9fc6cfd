#pragma once
// Which link entries of a stored design are honoured. A widget file is user input: its link
// entries may place one menu twice, give an item two sub-menus, make a menu its own ancestor
// or nest menus deeper than the rest of the program can walk. A menu gets at most one owner
// and an item at most one sub-menu (the first entry wins, item entries before button
// entries), an entry that would close a cycle is dropped, and a menu
// that would lie deeper than the maximum is left unplaced. All of it in near-linear time.

#include <vector>

namespace tb {

struct CStorageLink {
    int nItem; // index in the work item array, or -1 for a button's top-level menu
    int nMenu; // index in the work menu array
};

struct CStorageLinkPlan {
    std::vector<CStorageLink> itemLinks; // sub-menus to set, in entry order
    std::vector<int> topLevel;           // menus that become buttons, in entry order
};

// itemOwner[i] is the menu that holds work item i. Entries out of range are ignored. A
// top-level menu has depth 0; no placed menu gets a depth above nMaxDepth.
CStorageLinkPlan PlanStorageLinks(int nMenus, const std::vector<int>& itemOwner,
                                  const std::vector<CStorageLink>& entries, int nMaxDepth);

} // namespace tb
