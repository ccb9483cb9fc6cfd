#include "designer/core/menupagevalues.h"

#include "model/appletparameters.h"
#include "model/drawrect.h"
#include "model/drawview.h"
#include "model/menugeometry.h"

namespace tb {

namespace {

CMarquelItem* FirstItem(CMarquel& menu) {
    return menu.m_items.empty() ? nullptr : menu.m_items.front().get();
}

// The first item, made when there is none: only for a store that has something to keep.
CMarquelItem& FirstItemForStore(CMarquel& menu) {
    if (CMarquelItem* pItem = FirstItem(menu))
        return *pItem;
    return *menu.InsertNewItem();
}

CMarquelState& Normal(CMarquel& menu) {
    return menu.m_states[CMarquel::stateNormal];
}

} // namespace

CLabelPageValues LoadLabelPage(const CDrawRect& button) {
    CLabelPageValues values;
    if (const CMarquelItem* pItem = FirstItem(*button.menu)) {
        values.strLabel = pItem->m_strLabel;
        values.strDescription = pItem->m_strDescription;
        values.strUrl = pItem->m_strUrl;
        values.strTarget = pItem->m_strTarget;
    }
    const CRect bounds = button.bounds.Normalized();
    values.nX = bounds.left;
    values.nY = bounds.top;
    values.nWidth = bounds.Width();
    values.nHeight = bounds.Height();
    values.nBorderThick = button.menu->m_nBorderThick;
    return values;
}

bool StoreLabelPage(const CLabelPageValues& values, CDrawRect& button, IDrawView* pView) {
    // A button of no width or height cannot be seen or clicked: keep the last good one.
    if (values.nWidth == 0 || values.nHeight == 0)
        return false;
    const CRect place{values.nX, values.nY, values.nX + values.nWidth, values.nY + values.nHeight};
    button.MoveTo(place, pView);
    CMarquel& menu = *button.menu;
    menu.m_nBorderThick = values.nBorderThick;
    SetMenuGeometry(menu, place);
    const bool bAnyText = !values.strLabel.empty() || !values.strDescription.empty() ||
                          !values.strUrl.empty() || !values.strTarget.empty();
    if (FirstItem(menu) || bAnyText) {
        CMarquelItem& item = FirstItemForStore(menu);
        item.m_strLabel = values.strLabel;
        item.m_strDescription = values.strDescription;
        item.m_strUrl = values.strUrl;
        item.m_strTarget = values.strTarget;
    }
    if (pView)
        pView->InvalidateObject(&button);
    return true;
}

CFontValues LoadFont(const CMarquelState& state) {
    return {state.m_nFontName, state.m_crFont, state.m_nFontSize, state.m_nFontStyle,
            state.m_nFontEffect};
}

void StoreFont(const CFontValues& font, CMarquelState& state) {
    state.m_nFontName = font.nFontName;
    state.m_crFont = font.crFont;
    state.m_nFontSize = font.nFontSize;
    state.m_nFontStyle = font.nFontStyle;
    state.m_nFontEffect = font.nFontEffect;
}

CStatePageValues LoadStatePage(const CMarquelState& state) {
    CStatePageValues values;
    values.crBack = state.m_crBack;
    values.crFade = state.m_crFade;
    values.nBackStyle = state.m_nBackStyle;
    values.crBorder = state.m_crBorder;
    values.nBorderStyle = state.m_nBorderStyle;
    values.nTextAlign = state.m_nTextAlign;
    values.nTextOffset = state.m_nTextOffset;
    values.nImageAlign = state.m_nImageAlign;
    values.nImageOffset = state.m_nImageOffset;
    values.font = LoadFont(state);
    return values;
}

void StoreStatePage(const CStatePageValues& values, CMarquelState& state) {
    state.m_crBack = values.crBack;
    state.m_crFade = values.crFade;
    state.m_nBackStyle = values.nBackStyle;
    state.m_crBorder = values.crBorder;
    state.m_nBorderStyle = values.nBorderStyle;
    state.m_nTextAlign = values.nTextAlign;
    state.m_nTextOffset = values.nTextOffset;
    state.m_nImageAlign = values.nImageAlign;
    state.m_nImageOffset = values.nImageOffset;
    StoreFont(values.font, state);
}

CMarquel* HintMenu(CDrawRect& button) {
    CMarquelItem* pItem = FirstItem(*button.menu);
    return pItem ? pItem->m_pSubMenu.get() : nullptr;
}

CHintPageValues LoadHintPage(CDrawRect& button) {
    CHintPageValues values;
    CMarquel* pHint = HintMenu(button);
    if (!pHint)
        return values;
    pHint->ApplyNormalToAllStates();
    if (const CMarquelItem* pHintItem = FirstItem(*pHint)) {
        values.bVisible = pHintItem->m_bVisible != 0;
        values.strLabel = pHintItem->m_strLabel;
    }
    const CMarquelState& normal = Normal(*pHint);
    values.nTextAlign = normal.m_nTextAlign;
    values.font = LoadFont(normal);
    values.crBack = normal.m_crBack;
    values.crFade = normal.m_crFade;
    values.nBackStyle = normal.m_nBackStyle;
    values.crBorder = normal.m_crBorder;
    values.nBorderStyle = normal.m_nBorderStyle;
    values.nThick = pHint->m_nBorderThick;
    values.nX = pHint->m_nLeft;
    values.nY = pHint->m_nTop;
    values.nWidth = pHint->m_nWidth;
    values.nHeight = pHint->m_nHeight;
    return values;
}

void StoreHintPage(const CHintPageValues& values, CDrawRect& button) {
    if (!FirstItem(*button.menu) && !values.bVisible && values.strLabel.empty())
        return; // nothing to hang a hint on, and nothing to show in one
    CMarquel& hint = *FirstItemForStore(*button.menu).m_pSubMenu;
    if (FirstItem(hint) || values.bVisible || !values.strLabel.empty()) {
        CMarquelItem& hintItem = FirstItemForStore(hint);
        hintItem.m_bVisible = values.bVisible ? 1 : 0;
        hintItem.m_strLabel = values.strLabel;
    }
    CMarquelState& normal = Normal(hint);
    normal.m_nTextAlign = values.nTextAlign;
    normal.m_nTextOffset = 0;
    StoreFont(values.font, normal);
    normal.m_crBack = values.crBack;
    normal.m_crFade = values.crFade;
    normal.m_nBackStyle = values.nBackStyle;
    normal.m_crBorder = values.crBorder;
    normal.m_nBorderStyle = values.nBorderStyle;
    hint.m_nBorderThick = values.nThick;
    hint.m_nLeft = values.nX;
    hint.m_nTop = values.nY;
    hint.m_nWidth = values.nWidth == 0 ? 10 : values.nWidth;
    hint.m_nHeight = values.nHeight == 0 ? 10 : values.nHeight;
    hint.ApplyNormalToAllStates();
}

CSize HintAutoSize(CSize text, int nThick) {
    const int cx = text.cx < 0 ? -text.cx : text.cx;
    const int cy = text.cy < 0 ? -text.cy : text.cy;
    if (cx == 0 || cy == 0)
        return {10, 10};
    return {cx + 2 * nThick, cy + 2 * nThick};
}

std::span<const CMediaSlot> ImageSlots() {
    static constexpr CMediaSlot mediaSlots[] = {
        {&CMarquelItem::m_strImageNormal, &CMarquelItem::m_strWebPathImageNormal},
        {&CMarquelItem::m_strImageOver, &CMarquelItem::m_strWebPathImageOver},
        {&CMarquelItem::m_strImageClick, &CMarquelItem::m_strWebPathImageClick},
    };
    return mediaSlots;
}

std::span<const CMediaSlot> AudioSlots() {
    static constexpr CMediaSlot mediaSlots[] = {
        {&CMarquelItem::m_strAudioOver, &CMarquelItem::m_strWebPathAudioOver},
        {&CMarquelItem::m_strAudioClick, &CMarquelItem::m_strWebPathAudioClick},
    };
    return mediaSlots;
}

std::vector<CMediaFile> LoadMedia(const CDrawRect& button, std::span<const CMediaSlot> mediaSlots) {
    std::vector<CMediaFile> files(mediaSlots.size());
    if (const CMarquelItem* pItem = FirstItem(*button.menu)) {
        for (size_t i = 0; i < mediaSlots.size(); ++i)
            files[i] = {pItem->*mediaSlots[i].pPath, pItem->*mediaSlots[i].pWebPath};
    }
    return files;
}

void StoreMedia(const std::vector<CMediaFile>& files, std::span<const CMediaSlot> mediaSlots,
                MediaScope scope, CDrawRect& button) {
    auto store = [&](CDrawRect& target) {
        CMarquelItem& item = FirstItemForStore(*target.menu);
        for (size_t i = 0; i < mediaSlots.size() && i < files.size(); ++i) {
            item.*mediaSlots[i].pPath = files[i].strPath;
            item.*mediaSlots[i].pWebPath = files[i].strWebPath;
        }
    };
    if (scope == MediaScope::ThisButton || !button.owner) {
        store(button);
        return;
    }
    for (const std::unique_ptr<CDrawRect>& pButton : button.owner->m_buttons)
        store(*pButton);
}

std::string ToBoxLineEnds(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            result += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

std::string ToModelLineEnds(const std::string& text) {
    const std::string lf = ToBoxLineEnds(text);
    std::string result;
    result.reserve(lf.size() + lf.size() / 8);
    for (char c : lf) {
        if (c == '\n')
            result += '\r';
        result += c;
    }
    return result;
}

} // namespace tb
