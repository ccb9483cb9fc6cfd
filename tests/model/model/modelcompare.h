#pragma once
// Field-by-field comparison of model trees for the tests.

#include "model/marquel.h"
#include "model/marquelitem.h"

#include <gtest/gtest.h>

namespace tbtest {

inline void ExpectSameItem(const CMarquelItem& a, const CMarquelItem& b, bool withWebPaths);

// The menu's numbers and colours: all of its style but the name, second style and states.
inline void ExpectSameMenuFields(const CMarquel& a, const CMarquel& b) {
    EXPECT_EQ(a.m_crMenuColor, b.m_crMenuColor);
    EXPECT_EQ(a.m_nMenuStyle, b.m_nMenuStyle);
    EXPECT_EQ(a.m_nReserved1, b.m_nReserved1);
    EXPECT_EQ(a.m_nReserved2, b.m_nReserved2);
    EXPECT_EQ(a.m_nLeft, b.m_nLeft);
    EXPECT_EQ(a.m_nTop, b.m_nTop);
    EXPECT_EQ(a.m_nWidth, b.m_nWidth);
    EXPECT_EQ(a.m_nHeight, b.m_nHeight);
    EXPECT_EQ(a.m_nMenuParam1, b.m_nMenuParam1);
    EXPECT_EQ(a.m_nBorderThick, b.m_nBorderThick);
    EXPECT_EQ(a.m_crMenuColor2, b.m_crMenuColor2);
    EXPECT_EQ(a.m_nMenuParam2, b.m_nMenuParam2);
    EXPECT_EQ(a.m_crMenuColor3, b.m_crMenuColor3);
}

inline void ExpectSameStyle(const CMarquel& a, const CMarquel& b) {
    EXPECT_EQ(a.m_strName, b.m_strName);
    EXPECT_EQ(a.m_nMenuStyle2, b.m_nMenuStyle2);
    ExpectSameMenuFields(a, b);
    for (int i = 0; i < CMarquel::stateCount; ++i)
        EXPECT_TRUE(a.m_states[i] == b.m_states[i]) << "state " << i;
}

// The whole tree; web paths only when asked, since copies drop them.
inline void ExpectSameMenu(const CMarquel& a, const CMarquel& b, bool withWebPaths = true) {
    ExpectSameStyle(a, b);
    EXPECT_EQ(a.m_bShow, b.m_bShow);
    ASSERT_EQ(a.m_items.size(), b.m_items.size());
    for (size_t i = 0; i < a.m_items.size(); ++i)
        ExpectSameItem(*a.m_items[i], *b.m_items[i], withWebPaths);
}

inline void ExpectSameWebPaths(const CMarquelItem& a, const CMarquelItem& b) {
    EXPECT_EQ(a.m_strWebPathImageNormal, b.m_strWebPathImageNormal);
    EXPECT_EQ(a.m_strWebPathImageOver, b.m_strWebPathImageOver);
    EXPECT_EQ(a.m_strWebPathImageClick, b.m_strWebPathImageClick);
    EXPECT_EQ(a.m_strWebPathAudioOver, b.m_strWebPathAudioOver);
    EXPECT_EQ(a.m_strWebPathAudioClick, b.m_strWebPathAudioClick);
}

inline void ExpectSameItem(const CMarquelItem& a, const CMarquelItem& b, bool withWebPaths) {
    EXPECT_EQ(a.m_strLabel, b.m_strLabel);
    EXPECT_EQ(a.m_strDescription, b.m_strDescription);
    EXPECT_EQ(a.m_strImageNormal, b.m_strImageNormal);
    EXPECT_EQ(a.m_strImageOver, b.m_strImageOver);
    EXPECT_EQ(a.m_strImageClick, b.m_strImageClick);
    EXPECT_EQ(a.m_strAudioOver, b.m_strAudioOver);
    EXPECT_EQ(a.m_strAudioClick, b.m_strAudioClick);
    if (withWebPaths)
        ExpectSameWebPaths(a, b);
    EXPECT_EQ(a.m_strTarget, b.m_strTarget);
    EXPECT_EQ(a.m_strUrl, b.m_strUrl);
    EXPECT_EQ(a.m_bVisible, b.m_bVisible);
    ASSERT_EQ(a.m_pSubMenu != nullptr, b.m_pSubMenu != nullptr);
    if (a.m_pSubMenu)
        ExpectSameMenu(*a.m_pSubMenu, *b.m_pSubMenu, withWebPaths);
}

// An item with every text set, distinct per `tag`.
inline std::unique_ptr<CMarquelItem> FilledItem(const std::string& tag) {
    auto p = std::make_unique<CMarquelItem>("Label " + tag);
    p->m_strDescription = "Desc " + tag;
    p->m_strImageNormal = "/img/n" + tag + ".gif";
    p->m_strImageOver = "/img/o" + tag + ".gif";
    p->m_strImageClick = "/img/c" + tag + ".gif";
    p->m_strAudioOver = "/snd/o" + tag + ".au";
    p->m_strAudioClick = "/snd/c" + tag + ".au";
    p->m_strWebPathImageNormal = "web/n" + tag + ".gif";
    p->m_strWebPathImageOver = "web/o" + tag + ".gif";
    p->m_strWebPathImageClick = "web/c" + tag + ".gif";
    p->m_strWebPathAudioOver = "web/o" + tag + ".au";
    p->m_strWebPathAudioClick = "web/c" + tag + ".au";
    p->m_strTarget = "_blank";
    p->m_strUrl = "http://example.com/" + tag;
    p->m_bVisible = 0;
    return p;
}

} // namespace tbtest
