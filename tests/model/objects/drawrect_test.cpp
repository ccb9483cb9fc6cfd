#include "model/appletparameters.h"
#include "model/archive.h"
#include "model/drawrect.h"
#include "model/marquel.h"
#include "tests/model/model/archivebytes.h"
#include "tests/model/model/modelcompare.h"

#include <gtest/gtest.h>

using tbtest::Hex;

namespace {

TEST(DrawRectNew, BuildsAButtonItemAndAHiddenHintBox) {
    CDrawRect r(CRect{5, 6, 85, 36});
    EXPECT_EQ(r.bounds, (CRect{5, 6, 85, 36}));
    EXPECT_EQ(r.owner, nullptr);
    EXPECT_EQ(r.shape, 0);
    EXPECT_EQ(r.cornerSize, (CSize{16, 16}));
    ASSERT_NE(r.menu, nullptr);
    EXPECT_EQ(r.menu->m_strName, "Brisko");
    // The button's own menu keeps the menu defaults.
    tbtest::ExpectSameStyle(*r.menu, CMarquel());
    ASSERT_EQ(r.menu->m_items.size(), 1u);
    const CMarquelItem& item = *r.menu->m_items[0];
    EXPECT_EQ(item.m_strLabel, "Button");
    EXPECT_EQ(item.m_bVisible, 1);

    const CMarquel& hint = *item.m_pSubMenu;
    ASSERT_EQ(hint.m_items.size(), 1u);
    EXPECT_EQ(hint.m_items[0]->m_strLabel, "Hint");
    EXPECT_EQ(hint.m_items[0]->m_bVisible, 0);
    EXPECT_EQ(hint.m_items[0]->m_pSubMenu->m_items.size(), 0u);
    EXPECT_EQ(hint.m_nLeft, 15);
    EXPECT_EQ(hint.m_nTop, 10);
    EXPECT_EQ(hint.m_nWidth, 30);
    EXPECT_EQ(hint.m_nHeight, 20);
    EXPECT_EQ(hint.m_nBorderThick, 1);
    for (int i = 0; i < 3; ++i) {
        const CMarquelState& s = hint.m_states[i];
        EXPECT_EQ(s.m_crBack, 0x00FFFFu) << i;
        EXPECT_EQ(s.m_crFade, 0x80FFFFu) << i;
        EXPECT_EQ(s.m_crFont, 0u) << i;
        EXPECT_EQ(s.m_crBorder, 0u) << i;
        EXPECT_EQ(s.m_nBackStyle, 1) << i;
        EXPECT_EQ(s.m_nBorderStyle, 1) << i;
        EXPECT_EQ(s.m_nTextAlign, 1) << i;
        EXPECT_EQ(s.m_nTextOffset, 0) << i;
        EXPECT_EQ(s.m_nFontSize, 14) << i;
    }
}

TEST(DrawRectNew, DefaultConstructedIsWhatLoadingFills) {
    CDrawRect r;
    EXPECT_EQ(r.bounds, CRect{});
    ASSERT_NE(r.menu, nullptr);
    EXPECT_EQ(r.menu->m_strName, "Brisko");
    EXPECT_TRUE(r.menu->m_items.empty());
    EXPECT_EQ(r.cornerSize, (CSize{16, 16}));
}

TEST(DrawRectClone, WithOwnerGoesOnTopWithADeepCopy) {
    CAppletParameters p;
    CDrawRect* src = p.AddButton(std::make_unique<CDrawRect>(CRect{30, 40, 10, 20}));
    p.AddButton(std::make_unique<CDrawRect>(CRect{0, 0, 5, 5}));
    src->shape = 3;
    src->cornerSize = {2, 9};
    src->menu->m_items[0] = tbtest::FilledItem("src");
    src->menu->m_states[1].m_crFade = 0x123456;

    CDrawRect* clone = src->Clone(p);
    ASSERT_EQ(p.m_buttons.size(), 3u);
    EXPECT_EQ(p.m_buttons.back().get(), clone);
    EXPECT_EQ(clone->owner, &p);
    EXPECT_EQ(clone->bounds, src->bounds);
    EXPECT_EQ(clone->shape, 3);
    EXPECT_EQ(clone->cornerSize, (CSize{2, 9}));
    EXPECT_NE(clone->menu.get(), src->menu.get());
    tbtest::ExpectSameMenu(*src->menu, *clone->menu, false);
    EXPECT_EQ(clone->menu->m_items[0]->m_strWebPathImageNormal, "");
    EXPECT_EQ(clone->menu->m_items[0]->m_pSubMenu->m_items.size(), 0u);

    std::unique_ptr<CDrawObj> loose = src->Clone();
    EXPECT_EQ(loose->owner, nullptr);
    EXPECT_TRUE(loose->IsKindOf(RUNTIME_CLASS(CDrawRect)));
    EXPECT_EQ(p.m_buttons.size(), 3u);
}

TEST(DrawRectDestroy, LeavesTheOwnerAndTheSelection) {
    CAppletParameters p;
    CDrawRect* a = p.AddButton(std::make_unique<CDrawRect>(CRect{0, 0, 5, 5}));
    CDrawRect* b = p.AddButton(std::make_unique<CDrawRect>(CRect{0, 0, 6, 6}));
    p.m_selection = {a, b};
    EXPECT_TRUE(a->Destroy());
    ASSERT_EQ(p.m_buttons.size(), 1u);
    EXPECT_EQ(p.m_buttons[0].get(), b);
    EXPECT_EQ(p.m_selection, std::vector<CDrawRect*>{b});
    // An object nobody lists stays with whoever holds it.
    CDrawRect loose(CRect{0, 0, 1, 1});
    EXPECT_FALSE(loose.Destroy());
}

TEST(DrawRectArchive, WritesBoundsShapeAndCornerAfterTheMenu) {
    CDrawRect r(CRect{-1, 2, 0x10203, -300});
    r.shape = 0xBEEF;
    r.cornerSize = {16, -16};
    const std::string bytes = tb::StoreArchive([&](CArchive& ar) { r.Serialize(ar); });
    // The menu inline first: its name "Brisko".
    EXPECT_EQ(bytes.substr(0, 7), tbtest::Counted("Brisko"));
    EXPECT_EQ(bytes.substr(bytes.size() - 26),
              Hex("FFFFFFFF 02000000 03020100 D4FEFFFF" // bounds
                  "EFBE"                                // shape
                  "10000000 F0FFFFFF"));                // corner size
}

TEST(DrawRectArchive, RoundTripKeepsBoundsShapeCornerAndModel) {
    CDrawRect src(CRect{90, 70, 10, 20});
    src.shape = 5;
    src.cornerSize = {1, 2};
    src.menu->m_items[0] = tbtest::FilledItem("x");
    src.menu->m_nReserved1 = 42;
    const std::string bytes = tb::StoreArchive([&](CArchive& ar) { ar.WriteObject(&src); });
    EXPECT_EQ(bytes.substr(0, 15), tbtest::NewClass("CDrawRect", 0));

    std::unique_ptr<CDrawRect> back;
    ASSERT_TRUE(
        tb::LoadArchive(bytes, [&](CArchive& ar) { back = ar.ReadNewObject<CDrawRect>(); }));
    EXPECT_EQ(back->bounds, src.bounds);
    EXPECT_EQ(back->shape, 5);
    EXPECT_EQ(back->cornerSize, (CSize{1, 2}));
    EXPECT_EQ(back->owner, nullptr);
    tbtest::ExpectSameMenu(*src.menu, *back->menu, true);
}

TEST(DrawObjArchive, PlainObjectHasItsOwnClassAndNoShape) {
    CDrawObj obj(CRect{1, 2, 3, 4});
    const std::string bytes = tb::StoreArchive([&](CArchive& ar) { ar.WriteObject(&obj); });
    EXPECT_EQ(bytes.substr(0, 14), tbtest::NewClass("CDrawObj", 0));
    EXPECT_EQ(bytes.substr(bytes.size() - 16), Hex("01000000 02000000 03000000 04000000"));
    std::unique_ptr<CDrawObj> back;
    ASSERT_TRUE(tb::LoadArchive(bytes, [&](CArchive& ar) { back = ar.ReadNewObject<CDrawObj>(); }));
    EXPECT_EQ(back->bounds, obj.bounds);
    EXPECT_FALSE(back->IsKindOf(RUNTIME_CLASS(CDrawRect)));
}

} // namespace
