#include "model/appletparameters.h"
#include "model/archive.h"
#include "model/drawrect.h"
#include "model/marquel.h"
#include "tests/model/model/archivebytes.h"
#include "tests/model/model/modelcompare.h"

#include <gtest/gtest.h>

using tbtest::Counted;
using tbtest::Hex;

namespace {

std::string StoreString(const std::string& s) {
    return tb::StoreArchive([&](CArchive& ar) { ar.WriteString(s); });
}

TEST(ArchiveValues, StringsUseTheThreeLengthForms) {
    const std::string s254(254, 'a'), s255(255, 'b'), s65533(0xFFFD, 'c'), s65534(0xFFFE, 'd');
    EXPECT_EQ(StoreString(""), Hex("00"));
    EXPECT_EQ(StoreString(s254), Hex("FE") + s254);
    EXPECT_EQ(StoreString(s255), Hex("FF FF00") + s255);
    EXPECT_EQ(StoreString(s65533), Hex("FF FDFF") + s65533);
    EXPECT_EQ(StoreString(s65534), Hex("FF FFFF FEFF0000") + s65534);
    for (const std::string* s : {&s254, &s255, &s65533, &s65534}) {
        const std::string bytes = StoreString(*s);
        std::string back;
        ASSERT_TRUE(tb::LoadArchive(bytes, [&](CArchive& ar) { back = ar.ReadString(); }));
        EXPECT_EQ(back, *s);
    }
}

TEST(ArchiveValues, CountsUseAWordOrTheEscapedDWord) {
    auto store = [](size_t n) { return tb::StoreArchive([&](CArchive& ar) { ar.WriteCount(n); }); };
    EXPECT_EQ(store(0), Hex("0000"));
    EXPECT_EQ(store(0xFFFE), Hex("FEFF"));
    EXPECT_EQ(store(0xFFFF), Hex("FFFF FFFF0000"));
    EXPECT_EQ(store(0x12345), Hex("FFFF 45230100"));
    size_t n = 0;
    ASSERT_TRUE(tb::LoadArchive(Hex("FFFF 45230100"), [&](CArchive& ar) { n = ar.ReadCount(0); }));
    EXPECT_EQ(n, 0x12345u);
}

TEST(ArchiveValues, NumbersAreLittleEndian) {
    const std::string bytes = tb::StoreArchive([](CArchive& ar) {
        ar.WriteInt(-2);
        ar.WriteDWord(0x0A0B0C0D);
        ar.WriteWord(0x1234);
    });
    EXPECT_EQ(bytes, Hex("FEFFFFFF 0D0C0B0A 3412"));
}

TEST(ArchiveForms, MenuWithOneItemMatchesTheHandWrittenBytes) {
    CMarquel menu(0, "M");
    menu.InsertNewItem()->m_strLabel = "B";
    const std::string bytes = tb::StoreArchive([&](CArchive& ar) { ar.WriteObject(&menu); });

    const std::string expected = tbtest::NewClass("CMarquel", 1) + Counted("M") +
                                 tbtest::DefaultMenuBody() + Hex("0100") // one item
                                 + tbtest::NewClass("CMarquelItem", 1) +
                                 // its empty sub-menu inline, then the label "B" and the rest
                                 Counted("Brisko") + tbtest::DefaultMenuBody() + Hex("0000") +
                                 Counted("B") + std::string(13, '\0') + Hex("01000000");
    EXPECT_EQ(bytes, expected);
}

TEST(ArchiveForms, StateBlockPutsBackStyleBeforeFade) {
    CMarquel menu(0, "");
    CMarquelState& s = menu.m_states[CMarquel::stateNormal];
    s.m_crBack = 0x11;
    s.m_nBackStyle = 0x22;
    s.m_crFade = 0x33;
    s.m_crFont = 0x44;
    s.m_crBorder = 0x55;
    s.m_nImageOffset = -1;
    s.m_strReserved = "z";
    menu.m_nBorderThick = 0x66;
    const std::string bytes = tb::StoreArchive([&](CArchive& ar) { menu.Serialize(ar); });
    // name "", colour, ten values of which the tenth is the border thickness, three values.
    const size_t normal = 1 + 4 + 40 + 12;
    EXPECT_EQ(bytes.substr(1 + 4 + 36, 4), Hex("66000000"));
    EXPECT_EQ(bytes.substr(normal, 20), Hex("11000000 22000000 33000000 44000000 55000000"));
    EXPECT_EQ(bytes.substr(normal + 20 + 40, 6), Hex("FFFFFFFF 017A"));
}

TEST(ArchiveForms, RepeatedObjectsBecomeClassAndObjectReferences) {
    CMarquelItem a("a"), b("b");
    const std::string bytes = tb::StoreArchive([&](CArchive& ar) {
        ar.WriteObject(&a);
        ar.WriteObject(&b);
        ar.WriteObject(&a);
        ar.WriteObject(nullptr);
    });
    // Index 1 is the class, 2 the first item, 3 the second.
    const std::string expected = tbtest::NewClass("CMarquelItem", 1) + tbtest::FreshItemBody("a") +
                                 Hex("0180") + tbtest::FreshItemBody("b") + Hex("0200") +
                                 Hex("0000");
    ASSERT_EQ(bytes, expected);

    // The same list read back, with the class reference in its 32-bit form this time.
    const std::string big = tbtest::NewClass("CMarquelItem", 1) + tbtest::FreshItemBody("a") +
                            Hex("FF7F 01000080") + tbtest::FreshItemBody("b") +
                            Hex("FF7F 02000000") + Hex("0000");
    for (const std::string* input : {&bytes, &big}) {
        std::unique_ptr<CMarquelItem> first, second;
        CObject* again = nullptr;
        CObject* null = reinterpret_cast<CObject*>(1);
        const auto status = tb::LoadArchive(*input, [&](CArchive& ar) {
            first = ar.ReadNewObject<CMarquelItem>();
            second = ar.ReadNewObject<CMarquelItem>();
            again = ar.ReadObjectRef(RUNTIME_CLASS(CMarquelItem));
            std::unique_ptr<CObject> created;
            null = ar.ReadObject(RUNTIME_CLASS(CObject), created);
        });
        ASSERT_TRUE(status) << status.message;
        EXPECT_EQ(first->m_strLabel, "a");
        EXPECT_EQ(second->m_strLabel, "b");
        EXPECT_EQ(again, first.get());
        EXPECT_EQ(null, nullptr);
    }
}

// Three buttons with sub-menus, reserved fields and inverted bounds.
void FillDesign(CAppletParameters& p) {
    CDrawRect* a = p.AddButton(std::make_unique<CDrawRect>(CRect{10, 20, 90, 50}));
    CDrawRect* b = p.AddButton(std::make_unique<CDrawRect>(CRect{200, 80, 100, 60}));
    CDrawRect* c = p.AddButton(std::make_unique<CDrawRect>(CRect{-5, -5, 0, 0}));
    a->menu->m_items[0] = tbtest::FilledItem("a");
    a->menu->m_states[2].m_nReservedA = 77;
    a->menu->m_states[1].m_strReserved = "kept";
    a->menu->m_nReserved2 = -9;
    a->menu->m_nMenuStyle2 = 4;
    CMarquel& sub = *a->menu->m_items[0]->m_pSubMenu;
    sub.AddItem(tbtest::FilledItem("sub"));
    sub.m_items[0]->m_pSubMenu->AddItem(tbtest::FilledItem("deeper"));
    b->menu->m_items[0]->m_strLabel = std::string(300, 'x') + "\r\n,";
    b->shape = 7;
    b->cornerSize = {-3, 40000};
    c->menu->m_bShow = 0;
    c->menu->RemoveAllItems();
    p.m_selection = {c, a};
}

TEST(ArchiveForms, AppletRoundTripRestoresButtonsAndSelection) {
    CAppletParameters src;
    FillDesign(src);
    const std::string bytes = tb::StoreArchive([&](CArchive& ar) { src.Serialize(ar); });

    CAppletParameters dst;
    const auto status = tb::LoadArchive(bytes, [&](CArchive& ar) { dst.Serialize(ar); });
    ASSERT_TRUE(status) << status.message;
    ASSERT_EQ(dst.m_buttons.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        const CDrawRect& s = *src.m_buttons[i];
        const CDrawRect& d = *dst.m_buttons[i];
        EXPECT_EQ(d.bounds, s.bounds);
        EXPECT_EQ(d.shape, s.shape);
        EXPECT_EQ(d.cornerSize, s.cornerSize);
        EXPECT_EQ(d.owner, &dst);
        tbtest::ExpectSameMenu(*s.menu, *d.menu, true);
    }
    EXPECT_EQ(dst.m_selection,
              (std::vector<CDrawRect*>{dst.m_buttons[2].get(), dst.m_buttons[0].get()}));
    // Written again, the loaded design gives the same bytes.
    EXPECT_EQ(tb::StoreArchive([&](CArchive& ar) { dst.Serialize(ar); }), bytes);
}

TEST(ArchiveForms, SelectionEndsWithShortBackReferences) {
    CAppletParameters src;
    CDrawRect* a = src.AddButton(std::make_unique<CDrawRect>(CRect{0, 0, 8, 8}));
    src.m_selection = {a};
    const std::string bytes = tb::StoreArchive([&](CArchive& ar) { src.Serialize(ar); });
    // Index 1 is the CDrawRect class, 2 the button.
    EXPECT_EQ(bytes.substr(0, 2), Hex("0100"));
    EXPECT_EQ(bytes.substr(2, 15), tbtest::NewClass("CDrawRect", 0));
    EXPECT_EQ(bytes.substr(bytes.size() - 4), Hex("0100 0200"));

    // The 32-bit form of the same reference reads the same.
    const std::string big = bytes.substr(0, bytes.size() - 2) + Hex("FF7F 02000000");
    CAppletParameters dst;
    ASSERT_TRUE(tb::LoadArchive(big, [&](CArchive& ar) { dst.Serialize(ar); }));
    ASSERT_EQ(dst.m_selection.size(), 1u);
    EXPECT_EQ(dst.m_selection[0], dst.m_buttons[0].get());
}

TEST(ArchiveForms, ManyObjectsSwitchToThirtyTwoBitReferences) {
    CAppletParameters src;
    CDrawRect* a = src.AddButton(std::make_unique<CDrawRect>(CRect{0, 0, 8, 8}));
    for (int i = 0; i < 0x8000; ++i)
        a->menu->AddItem(std::make_unique<CMarquelItem>("i"));
    CDrawRect* b = src.AddButton(std::make_unique<CDrawRect>(CRect{1, 1, 9, 9}));
    src.m_selection = {b};
    const std::string bytes = tb::StoreArchive([&](CArchive& ar) { src.Serialize(ar); });
    // 1 class, 2 first button, 3 item class, 4 its item, 5 the hint item, 6..0x8005 the added
    // items, 0x8006 the second button.
    EXPECT_EQ(bytes.substr(bytes.size() - 8), Hex("0100 FF7F 06800000"));

    CAppletParameters dst;
    ASSERT_TRUE(tb::LoadArchive(bytes, [&](CArchive& ar) { dst.Serialize(ar); }));
    ASSERT_EQ(dst.m_buttons.size(), 2u);
    EXPECT_EQ(dst.m_buttons[0]->menu->m_items.size(), 0x8001u);
    EXPECT_EQ(dst.m_selection, std::vector<CDrawRect*>{dst.m_buttons[1].get()});
}

} // namespace
