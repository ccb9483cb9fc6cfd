#include "model/marquel.h"

#include "model/archive.h"

const CRuntimeClass CMarquel::classCMarquel{"CMarquel", 1, RUNTIME_CLASS(CObject),
                                            &CMarquel::CreateObject};

std::unique_ptr<CObject> CMarquel::CreateObject() {
    return std::make_unique<CMarquel>();
}

CMarquelState CMarquelState::Default(int nState) {
    CMarquelState s;
    if (nState == CMarquel::stateOver) {
        s.m_crFont = 0xFFFFFF;
        s.m_nBackStyle = 2;
        s.m_nBorderStyle = 2;
    } else if (nState == CMarquel::stateClick) {
        s.m_nBackStyle = 5;
        s.m_nBorderStyle = 4;
    }
    return s;
}

CMarquel::CMarquel(int /*nItems*/, const std::string& name)
    : m_strName(name), m_states{CMarquelState::Default(stateNormal),
                                CMarquelState::Default(stateOver),
                                CMarquelState::Default(stateClick)} {}

CMarquel::CMarquel(const CMarquel& src) : CObject(src) {
    CopyStyle(src);
    m_bShow = src.m_bShow;
    m_items.reserve(src.m_items.size());
    for (const auto& pItem : src.m_items) {
        if (pItem)
            m_items.push_back(std::make_unique<CMarquelItem>(*pItem));
    }
}

CMarquel::~CMarquel() = default;

void CMarquel::CopyStyle(const CMarquel& src) {
    m_strName = src.m_strName;
    m_crMenuColor = src.m_crMenuColor;
    m_nMenuStyle = src.m_nMenuStyle;
    m_nMenuStyle2 = src.m_nMenuStyle2;
    m_nReserved1 = src.m_nReserved1;
    m_nReserved2 = src.m_nReserved2;
    m_nLeft = src.m_nLeft;
    m_nTop = src.m_nTop;
    m_nWidth = src.m_nWidth;
    m_nHeight = src.m_nHeight;
    m_nMenuParam1 = src.m_nMenuParam1;
    m_nBorderThick = src.m_nBorderThick;
    m_crMenuColor2 = src.m_crMenuColor2;
    m_nMenuParam2 = src.m_nMenuParam2;
    m_crMenuColor3 = src.m_crMenuColor3;
    m_states = src.m_states;
}

int CMarquel::GetItemCount(bool bAll) const {
    if (bAll)
        return static_cast<int>(m_items.size());
    int n = 0;
    for (const auto& pItem : m_items) {
        if (pItem && pItem->m_bVisible != 0)
            ++n;
    }
    return n;
}

CMarquelItem* CMarquel::InsertNewItem() {
    m_items.insert(m_items.begin(), std::make_unique<CMarquelItem>("Button"));
    return m_items.front().get();
}

int CMarquel::AddItem(std::unique_ptr<CMarquelItem> pItem, bool bFront) {
    if (!pItem)
        return 0;
    if (bFront)
        m_items.insert(m_items.begin(), std::move(pItem));
    else
        m_items.push_back(std::move(pItem));
    return 1;
}

int CMarquel::RemoveAllItems() {
    m_items.clear();
    return 1;
}

void CMarquel::ApplyNormalToAllStates() {
    const CMarquelState& n = m_states[stateNormal];
    for (int i : {stateOver, stateClick}) {
        CMarquelState& s = m_states[i];
        s.m_crBack = n.m_crBack;
        s.m_crFade = n.m_crFade;
        s.m_crFont = n.m_crFont;
        s.m_crBorder = n.m_crBorder;
        s.m_nBackStyle = n.m_nBackStyle;
        s.m_nBorderStyle = n.m_nBorderStyle;
        s.m_nFontEffect = n.m_nFontEffect;
        s.m_nFontName = n.m_nFontName;
        s.m_nFontSize = n.m_nFontSize;
        s.m_nFontStyle = n.m_nFontStyle;
        s.m_nTextAlign = n.m_nTextAlign;
        s.m_nTextOffset = n.m_nTextOffset;
        s.m_nImageAlign = n.m_nImageAlign;
        s.m_nImageOffset = n.m_nImageOffset;
    }
}

namespace {

void SerializeInts(CArchive& ar, std::initializer_list<int*> values) {
    for (int* p : values) {
        if (ar.IsStoring())
            ar.WriteInt(*p);
        else
            *p = ar.ReadInt();
    }
}

void SerializeColor(CArchive& ar, COLORREF& cr) {
    if (ar.IsStoring())
        ar.WriteDWord(cr);
    else
        cr = ar.ReadDWord();
}

} // namespace

void CMarquel::Serialize(CArchive& ar) {
    CArchive::NestingGuard guard(ar);
    if (ar.IsStoring())
        ar << m_strName;
    else
        ar >> m_strName;
    SerializeColor(ar, m_crMenuColor);
    SerializeInts(ar, {&m_nMenuStyle, &m_nMenuStyle2, &m_nReserved1, &m_nReserved2, &m_nLeft,
                       &m_nTop, &m_nWidth, &m_nHeight, &m_nMenuParam1, &m_nBorderThick});
    SerializeColor(ar, m_crMenuColor2);
    SerializeInts(ar, {&m_nMenuParam2});
    SerializeColor(ar, m_crMenuColor3);
    for (CMarquelState& s : m_states) {
        // The background style comes before the fade colour in this form.
        SerializeColor(ar, s.m_crBack);
        SerializeInts(ar, {&s.m_nBackStyle});
        SerializeColor(ar, s.m_crFade);
        SerializeColor(ar, s.m_crFont);
        SerializeColor(ar, s.m_crBorder);
        SerializeInts(ar, {&s.m_nBorderStyle, &s.m_nReservedA, &s.m_nReservedB, &s.m_nFontEffect,
                           &s.m_nFontName, &s.m_nFontSize, &s.m_nFontStyle, &s.m_nTextAlign,
                           &s.m_nTextOffset, &s.m_nImageAlign, &s.m_nImageOffset});
        if (ar.IsStoring())
            ar << s.m_strReserved;
        else
            ar >> s.m_strReserved;
    }
    SerializeInts(ar, {&m_bShow});
    if (ar.IsStoring()) {
        tb::WriteObjectList(ar, m_items);
    } else {
        // Replaces what the menu held, so that nothing is left over or leaked.
        std::vector<std::unique_ptr<CMarquelItem>> items;
        tb::ReadOwnedObjectList(ar, items);
        m_items = std::move(items);
    }
}
