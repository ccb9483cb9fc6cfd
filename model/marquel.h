#pragma once
// A menu: geometry, border thickness, three state looks (Normal, Mouse Over, Click) and its
// items. A button is a top-level menu; its first item's sub-menu is the button's hint box.

#include "model/marquelitem.h"
#include "model/object.h"
#include "model/styles.h"
#include "platform/core/colorref.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class CArchive;

// The look of a menu in one state.
struct CMarquelState {
    COLORREF m_crBack = 0x404080;
    COLORREF m_crFade = 0x80FFFF;
    COLORREF m_crFont = 0;
    COLORREF m_crBorder = 0x426F8C;
    int m_nBackStyle = 3;
    int m_nBorderStyle = 1;
    int m_nReservedA = 1;
    int m_nReservedB = 1;
    int m_nFontEffect = 0;
    int m_nFontName = 0;
    int m_nFontSize = 14;
    int m_nFontStyle = 0;
    int m_nTextAlign = 0;
    int m_nTextOffset = 0;
    int m_nImageAlign = 0;
    int m_nImageOffset = 0;
    std::string m_strReserved;

    tb::BackStyle GetBackStyle() const { return tb::BackStyle(m_nBackStyle); }
    tb::BorderStyle GetBorderStyle() const { return tb::BorderStyle(m_nBorderStyle); }
    tb::Alignment GetTextAlign() const { return tb::Alignment(m_nTextAlign); }
    tb::Alignment GetImageAlign() const { return tb::Alignment(m_nImageAlign); }

    // The defaults of state 0 (Normal), 1 (Mouse Over) or 2 (Click).
    static CMarquelState Default(int nState);
    friend bool operator==(const CMarquelState&, const CMarquelState&) = default;
};

class CMarquel : public CObject {
public:
    static const CRuntimeClass classCMarquel;
    static const CRuntimeClass* GetThisClass() { return &classCMarquel; }
    static std::unique_ptr<CObject> CreateObject();

    enum { stateNormal = 0, stateOver = 1, stateClick = 2, stateCount = 3 };

    // Every field at its default, no items. The item count is not used (always 0).
    explicit CMarquel(int nItems = 0, const std::string& name = "Brisko");
    // Deep copy: the style, m_bShow and a copy of every item (with its sub-menu).
    CMarquel(const CMarquel& src);
    CMarquel& operator=(const CMarquel&) = delete;
    ~CMarquel() override;

    const CRuntimeClass* GetRuntimeClass() const override { return &classCMarquel; }
    // Loading replaces the items; sub-menus nested beyond CArchive::kMaxLoadNesting are refused.
    void Serialize(CArchive& ar) override;

    // Copies the name, the header fields from m_crMenuColor to m_crMenuColor3 and the three
    // state blocks (reserved fields included); items, m_bShow and m_nIndex stay.
    void CopyStyle(const CMarquel& src);
    // With bAll, the number of items; otherwise the number of visible ones.
    int GetItemCount(bool bAll) const;
    // A new item labelled "Button" at index 0.
    CMarquelItem* InsertNewItem();
    // Inserts at the front or appends. A null item returns 0 and changes nothing; else 1.
    int AddItem(std::unique_ptr<CMarquelItem> pItem, bool bFront = false);
    // Deletes every item with its sub-menu. Returns 1.
    int RemoveAllItems();
    // Copies the Normal look into Mouse Over and Click, except the reserved fields.
    void ApplyNormalToAllStates();

    std::string m_strName;
    COLORREF m_crMenuColor = 0;
    int m_nMenuStyle = 0;
    int m_nMenuStyle2 = 0;
    int m_nReserved1 = 0;
    int m_nReserved2 = 0;
    int m_nLeft = 10;
    int m_nTop = 15;
    int m_nWidth = 80;
    int m_nHeight = 30;
    int m_nMenuParam1 = 5;
    int m_nBorderThick = 6;
    COLORREF m_crMenuColor2 = 0;
    int m_nMenuParam2 = 0;
    COLORREF m_crMenuColor3 = 0;
    std::array<CMarquelState, stateCount> m_states;
    std::vector<std::unique_ptr<CMarquelItem>> m_items;
    int m_bShow = 1;
    // Number given by the last numbering pass; -1 until a pass numbers the menu. Never stored.
    int m_nIndex = -1;
};
