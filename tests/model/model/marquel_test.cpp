#include "model/marquel.h"
#include "model/marquelitem.h"
#include "tests/model/model/modelcompare.h"

#include <gtest/gtest.h>

namespace {

void ExpectState(const CMarquelState& s, COLORREF font, int backStyle, int borderStyle) {
    EXPECT_EQ(s.m_crBack, 0x404080u);
    EXPECT_EQ(s.m_crFade, 0x80FFFFu);
    EXPECT_EQ(s.m_crFont, font);
    EXPECT_EQ(s.m_crBorder, 0x426F8Cu);
    EXPECT_EQ(s.m_nBackStyle, backStyle);
    EXPECT_EQ(s.m_nBorderStyle, borderStyle);
    EXPECT_EQ(s.m_nReservedA, 1);
    EXPECT_EQ(s.m_nReservedB, 1);
    EXPECT_EQ(s.m_nFontEffect, 0);
    EXPECT_EQ(s.m_nFontName, 0);
    EXPECT_EQ(s.m_nFontSize, 14);
    EXPECT_EQ(s.m_nFontStyle, 0);
    EXPECT_EQ(s.m_nTextAlign, 0);
    EXPECT_EQ(s.m_nTextOffset, 0);
    EXPECT_EQ(s.m_nImageAlign, 0);
    EXPECT_EQ(s.m_nImageOffset, 0);
    EXPECT_EQ(s.m_strReserved, "");
}

TEST(MarquelDefaults, NewMenuHasEveryDefaultAndNoItems) {
    CMarquel m;
    EXPECT_EQ(m.m_strName, "Brisko");
    EXPECT_EQ(m.m_crMenuColor, 0u);
    EXPECT_EQ(m.m_nMenuStyle, 0);
    EXPECT_EQ(m.m_nMenuStyle2, 0);
    EXPECT_EQ(m.m_nReserved1, 0);
    EXPECT_EQ(m.m_nReserved2, 0);
    EXPECT_EQ(m.m_nLeft, 10);
    EXPECT_EQ(m.m_nTop, 15);
    EXPECT_EQ(m.m_nWidth, 80);
    EXPECT_EQ(m.m_nHeight, 30);
    EXPECT_EQ(m.m_nMenuParam1, 5);
    EXPECT_EQ(m.m_nBorderThick, 6);
    EXPECT_EQ(m.m_crMenuColor2, 0u);
    EXPECT_EQ(m.m_nMenuParam2, 0);
    EXPECT_EQ(m.m_crMenuColor3, 0u);
    EXPECT_TRUE(m.m_items.empty());
    EXPECT_EQ(m.m_bShow, 1);
    ExpectState(m.m_states[CMarquel::stateNormal], 0, 3, 1);
    ExpectState(m.m_states[CMarquel::stateOver], 0xFFFFFF, 2, 2);
    ExpectState(m.m_states[CMarquel::stateClick], 0, 5, 4);
    EXPECT_EQ(CMarquel(0, "top-level").m_strName, "top-level");
}

TEST(MarquelDefaults, NewItemHasOnlyItsLabelAndAnEmptySubMenu) {
    CMarquelItem item("Button");
    EXPECT_EQ(item.m_strLabel, "Button");
    for (const std::string* s :
         {&item.m_strDescription, &item.m_strImageNormal, &item.m_strImageOver,
          &item.m_strImageClick, &item.m_strAudioOver, &item.m_strAudioClick,
          &item.m_strWebPathImageNormal, &item.m_strWebPathImageOver, &item.m_strWebPathImageClick,
          &item.m_strWebPathAudioOver, &item.m_strWebPathAudioClick, &item.m_strTarget,
          &item.m_strUrl})
        EXPECT_EQ(*s, "");
    EXPECT_EQ(item.m_bVisible, 1);
    ASSERT_NE(item.m_pSubMenu, nullptr);
    EXPECT_EQ(item.m_pSubMenu->m_strName, "Brisko");
    EXPECT_EQ(item.m_pSubMenu->GetItemCount(false), 0);
    EXPECT_EQ(item.m_pSubMenu->GetItemCount(true), 0);
}

TEST(MarquelItems, CountsVisibleItemsUnlessAllAreAsked) {
    CMarquel m;
    for (int i = 0; i < 3; ++i)
        m.InsertNewItem()->m_bVisible = 0;
    EXPECT_EQ(m.GetItemCount(true), 3);
    EXPECT_EQ(m.GetItemCount(false), 0);
    m.m_items[1]->m_bVisible = 7; // any non-zero value shows the item
    EXPECT_EQ(m.GetItemCount(false), 1);
}

TEST(MarquelItems, InsertsAndAddsAtTheRightEnd) {
    CMarquel m;
    m.InsertNewItem()->m_strLabel = "second";
    CMarquelItem* first = m.InsertNewItem();
    EXPECT_EQ(first->m_strLabel, "Button");
    EXPECT_EQ(m.m_items[0].get(), first);
    EXPECT_EQ(m.AddItem(std::make_unique<CMarquelItem>("last"), false), 1);
    EXPECT_EQ(m.AddItem(std::make_unique<CMarquelItem>("front"), true), 1);
    ASSERT_EQ(m.m_items.size(), 4u);
    EXPECT_EQ(m.m_items[0]->m_strLabel, "front");
    EXPECT_EQ(m.m_items[2]->m_strLabel, "second");
    EXPECT_EQ(m.m_items[3]->m_strLabel, "last");

    EXPECT_EQ(m.AddItem(nullptr, true), 0);
    EXPECT_EQ(m.AddItem(nullptr, false), 0);
    EXPECT_EQ(m.m_items.size(), 4u);

    EXPECT_EQ(m.RemoveAllItems(), 1);
    EXPECT_TRUE(m.m_items.empty());
}

TEST(MarquelItems, SetSubMenuReplacesTheOldOne) {
    CMarquelItem item;
    auto sub = std::make_unique<CMarquel>(0, "other");
    CMarquel* raw = sub.get();
    item.SetSubMenu(std::move(sub));
    EXPECT_EQ(item.m_pSubMenu.get(), raw);
}

// A menu with everything off its defaults, including the reserved fields and a fade colour.
std::unique_ptr<CMarquel> OddMenu() {
    auto m = std::make_unique<CMarquel>(0, "odd");
    m->m_crMenuColor = 0x010203;
    m->m_nMenuStyle = 2;
    m->m_nMenuStyle2 = 3;
    m->m_nReserved1 = -4;
    m->m_nReserved2 = 5;
    m->m_nLeft = -6;
    m->m_nTop = 7;
    m->m_nWidth = 1200;
    m->m_nHeight = 9;
    m->m_nMenuParam1 = 10;
    m->m_nBorderThick = 11;
    m->m_crMenuColor2 = 0xABCDEF;
    m->m_nMenuParam2 = 12;
    m->m_crMenuColor3 = 0x123456;
    int v = 100;
    for (CMarquelState& s : m->m_states) {
        s.m_crBack = v++;
        s.m_crFade = v++;
        s.m_crFont = v++;
        s.m_crBorder = v++;
        for (int* p : {&s.m_nBackStyle, &s.m_nBorderStyle, &s.m_nReservedA, &s.m_nReservedB,
                       &s.m_nFontEffect, &s.m_nFontName, &s.m_nFontSize, &s.m_nFontStyle,
                       &s.m_nTextAlign, &s.m_nTextOffset, &s.m_nImageAlign, &s.m_nImageOffset})
            *p = v++;
        s.m_strReserved = "r" + std::to_string(v++);
    }
    m->m_bShow = 0;
    return m;
}

TEST(MarquelCopy, DeepCopyKeepsEverythingButWebPaths) {
    auto src = OddMenu();
    src->AddItem(tbtest::FilledItem("a"));
    src->AddItem(tbtest::FilledItem("b"));
    // A hint box below the first item, with an item of its own.
    src->m_items[0]->SetSubMenu(OddMenu());
    src->m_items[0]->m_pSubMenu->AddItem(tbtest::FilledItem("hint"));
    src->m_nIndex = 4;

    CMarquel copy(*src);
    tbtest::ExpectSameMenu(*src, copy, false);
    EXPECT_EQ(copy.m_states[1].m_crFade, src->m_states[1].m_crFade);
    EXPECT_EQ(copy.m_nIndex, -1);
    EXPECT_NE(copy.m_items[0].get(), src->m_items[0].get());
    EXPECT_NE(copy.m_items[0]->m_pSubMenu.get(), src->m_items[0]->m_pSubMenu.get());
    for (const CMarquelItem* item : {copy.m_items[0].get(), copy.m_items[1].get(),
                                     copy.m_items[0]->m_pSubMenu->m_items[0].get()}) {
        EXPECT_EQ(item->m_strWebPathImageNormal, "");
        EXPECT_EQ(item->m_strWebPathImageOver, "");
        EXPECT_EQ(item->m_strWebPathImageClick, "");
        EXPECT_EQ(item->m_strWebPathAudioOver, "");
        EXPECT_EQ(item->m_strWebPathAudioClick, "");
        EXPECT_NE(item->m_strImageNormal, "");
    }
}

TEST(MarquelCopy, CopyStyleLeavesItemsShowAndIndexAlone) {
    auto src = OddMenu();
    src->AddItem(tbtest::FilledItem("x"));
    CMarquel dst;
    dst.m_nIndex = 9;
    dst.InsertNewItem();
    dst.InsertNewItem();
    dst.CopyStyle(*src);
    tbtest::ExpectSameStyle(*src, dst);
    EXPECT_EQ(dst.m_items.size(), 2u);
    EXPECT_EQ(dst.m_bShow, 1);
    EXPECT_EQ(dst.m_nIndex, 9);
}

TEST(MarquelStates, ApplyNormalCopiesTheLookButNotTheReservedFields) {
    auto m = OddMenu();
    const CMarquelState normal = m->m_states[0];
    const CMarquelState over = m->m_states[1];
    const CMarquelState click = m->m_states[2];
    m->ApplyNormalToAllStates();
    EXPECT_TRUE(m->m_states[0] == normal);
    for (int i : {1, 2}) {
        const CMarquelState& s = m->m_states[i];
        const CMarquelState& before = i == 1 ? over : click;
        CMarquelState expected = normal;
        expected.m_nReservedA = before.m_nReservedA;
        expected.m_nReservedB = before.m_nReservedB;
        expected.m_strReserved = before.m_strReserved;
        EXPECT_TRUE(s == expected) << "state " << i;
        EXPECT_NE(s.m_nReservedA, normal.m_nReservedA);
        EXPECT_NE(s.m_strReserved, normal.m_strReserved);
    }
}

} // namespace
