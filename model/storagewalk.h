#pragma once
// The storage numbering walk: every menu of every button, depth first, hidden and empty menus
// included. It leaves each menu's number in m_nIndex, the item counts in m_strMenuCounts, all
// items in m_flatItems and the number of menus in m_nMenuCount. Writing the parameters and
// gathering files both follow this order.

class CAppletParameters;
class CMarquel;
class CMarquelItem;

namespace tb {

// Receives each menu as it is numbered, with its items in order.
class IStorageWalkSink {
public:
    virtual ~IStorageWalkSink() = default;
    virtual void OnMenu(int nMenu, const CMarquel& menu) = 0;
    // nPosition counts from 1.
    virtual void OnItem(int nMenu, int nPosition, CMarquelItem& item) = 0;
};

// With bSetGeometry, each button's normalised rectangle is copied into its top-level menu
// first. The sink may be null.
void StorageNumberingWalk(CAppletParameters& applet, bool bSetGeometry, IStorageWalkSink* pSink);

} // namespace tb
