#include "model/appletparameters.h"
#include "model/archive.h"
#include "model/drawrect.h"
#include "model/marquel.h"
#include "tests/model/model/archivebytes.h"

#include <gtest/gtest.h>

#include <random>

using tbtest::Counted;
using tbtest::Hex;
using tbtest::NewClass;

namespace {

std::string ValidDesign() {
    CAppletParameters p;
    CDrawRect* a = p.AddButton(std::make_unique<CDrawRect>(CRect{1, 2, 30, 40}));
    CDrawRect* b = p.AddButton(std::make_unique<CDrawRect>(CRect{50, 60, 5, 6}));
    a->menu->m_items[0]->m_pSubMenu->AddItem(std::make_unique<CMarquelItem>("sub"));
    b->menu->m_items[0]->m_strUrl = "http://example.com/";
    p.m_selection = {b, a};
    return tb::StoreArchive([&](CArchive& ar) { p.Serialize(ar); });
}

// Loads into a design that already holds one button; a failed load must leave it as it was.
tb::ArchiveStatus LoadDesign(const std::string& bytes, bool expectUnchangedOnFailure = true) {
    CAppletParameters p;
    CDrawRect* keep = p.AddButton(std::make_unique<CDrawRect>(CRect{0, 0, 1, 1}));
    p.m_selection = {keep};
    const auto status = tb::LoadArchive(bytes, [&](CArchive& ar) { p.Serialize(ar); });
    if (!status && expectUnchangedOnFailure) {
        EXPECT_FALSE(status.message.empty());
        EXPECT_EQ(p.m_buttons.size(), 1u);
        EXPECT_EQ(p.m_selection, std::vector<CDrawRect*>{keep});
    }
    if (status) {
        // Whatever loaded is a sound tree that can be written again.
        tb::StoreArchive([&](CArchive& ar) { p.Serialize(ar); });
    }
    return status;
}

tb::ArchiveStatus LoadMenuObject(const std::string& bytes) {
    std::unique_ptr<CMarquel> menu;
    return tb::LoadArchive(bytes, [&](CArchive& ar) { menu = ar.ReadNewObject<CMarquel>(); });
}

// A menu object named "M" at defaults, up to (not including) its item count.
std::string MenuHead() {
    return NewClass("CMarquel", 1) + Counted("M") + tbtest::DefaultMenuBody();
}

TEST(ArchiveMalformed, EveryTruncationOfAValidDesignIsRejected) {
    const std::string bytes = ValidDesign();
    ASSERT_TRUE(LoadDesign(bytes));
    for (size_t n = 0; n < bytes.size(); ++n)
        EXPECT_FALSE(LoadDesign(bytes.substr(0, n))) << "cut at " << n;
}

TEST(ArchiveMalformed, RandomBytesNeverCrash) {
    std::mt19937 rng(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> len(0, 400);
    const std::string prefix = Hex("0100") + NewClass("CDrawRect", 0);
    for (int i = 0; i < 2000; ++i) {
        std::string s(len(rng), '\0');
        for (char& c : s)
            c = static_cast<char>(byte(rng));
        // Half of them start like a real design so that the noise reaches the objects.
        if (i % 2)
            s = prefix + s;
        LoadDesign(s);
    }
}

TEST(ArchiveMalformed, DamagedValidDesignsNeverCrash) {
    const std::string valid = ValidDesign();
    std::mt19937 rng(7);
    std::uniform_int_distribution<size_t> pos(0, valid.size() - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> flips(1, 4);
    int rejected = 0;
    for (int i = 0; i < 3000; ++i) {
        std::string s = valid;
        for (int k = flips(rng); k > 0; --k)
            s[pos(rng)] = static_cast<char>(byte(rng));
        if (!LoadDesign(s))
            ++rejected;
    }
    EXPECT_GT(rejected, 0);
}

TEST(ArchiveMalformed, AbsurdCountsAndLengthsAreRefusedBeforeAllocating) {
    // A button list claiming four billion entries.
    EXPECT_FALSE(LoadDesign(Hex("FFFF FEFFFFFF")));
    // A list count of 0xFFFF words with nothing behind it.
    EXPECT_FALSE(LoadDesign(Hex("0000 FEFF")));
    // A menu name claiming four gigabytes.
    EXPECT_FALSE(LoadMenuObject(NewClass("CMarquel", 1) + Hex("FF FFFF F0FFFFFF") + "abc"));
    // A wide-character text marker.
    EXPECT_FALSE(LoadMenuObject(NewClass("CMarquel", 1) + Hex("FF FEFF 01") + "a"));
    // An item count of 0xFFFFFFFF.
    EXPECT_FALSE(LoadMenuObject(MenuHead() + Hex("FFFF FFFFFFFF")));
    // A class name of 0xFFFF bytes.
    EXPECT_FALSE(LoadMenuObject(Hex("FFFF 0100 FFFF") + std::string(100, 'C')));
}

TEST(ArchiveMalformed, UnknownClassesAndWrongSchemasAreRefused) {
    EXPECT_FALSE(LoadMenuObject(NewClass("CFoo", 1) + Counted("M")));
    EXPECT_FALSE(LoadMenuObject(NewClass("CMarquel", 2) + Counted("M")));
    EXPECT_FALSE(LoadMenuObject(NewClass("CMarquel", 0) + Counted("M")));
    EXPECT_FALSE(LoadDesign(Hex("0100") + NewClass("CDrawRect", 1)));
    // Classes of the wrong kind for their place.
    EXPECT_FALSE(LoadDesign(Hex("0100") + NewClass("CDrawObj", 0) + Counted("M")));
    EXPECT_FALSE(LoadDesign(Hex("0100") + NewClass("CMarquel", 1) + Counted("M")));
    EXPECT_FALSE(LoadMenuObject(MenuHead() + Hex("0100") + NewClass("CMarquel", 1)));
    EXPECT_FALSE(LoadDesign(Hex("0100") + NewClass("CAppletParameters", 1)));
}

TEST(ArchiveMalformed, BadReferencesAreRefused) {
    // Index 1 is the CMarquel class, 2 the menu, 3 the item class, 4 the first item.
    const std::string oneItem = NewClass("CMarquelItem", 1) + tbtest::FreshItemBody("a");
    // The same item twice in one owning list.
    EXPECT_FALSE(LoadMenuObject(MenuHead() + Hex("0200") + oneItem + Hex("0400")));
    // The menu as its own item.
    EXPECT_FALSE(LoadMenuObject(MenuHead() + Hex("0100 0200")));
    // A null item.
    EXPECT_FALSE(LoadMenuObject(MenuHead() + Hex("0100 0000")));
    // An object index past everything loaded, plain and 32-bit.
    EXPECT_FALSE(LoadMenuObject(MenuHead() + Hex("0100 0900")));
    EXPECT_FALSE(LoadMenuObject(MenuHead() + Hex("0100 FF7F 00000010")));
    // A class reference naming an object, an unknown class index, class index 0.
    EXPECT_FALSE(LoadMenuObject(MenuHead() + Hex("0100 0280")));
    EXPECT_FALSE(LoadMenuObject(MenuHead() + Hex("0100 0980")));
    EXPECT_FALSE(LoadMenuObject(MenuHead() + Hex("0100 0080")));
    EXPECT_FALSE(LoadMenuObject(MenuHead() + Hex("0100 FF7F 05000080")));
    // And the well-formed list reads.
    EXPECT_TRUE(LoadMenuObject(MenuHead() + Hex("0100") + oneItem));
}

TEST(ArchiveMalformed, SelectionMustReferToLoadedButtons) {
    const std::string valid = ValidDesign();
    // The design's tail is the selection: count 2, then a reference to each button.
    const std::string buttons = valid.substr(0, valid.size() - 6);
    ASSERT_EQ(valid.substr(valid.size() - 6, 2), Hex("0200"));
    EXPECT_TRUE(LoadDesign(buttons + Hex("0000")));
    // A button selected twice.
    const std::string ref = valid.substr(valid.size() - 2);
    EXPECT_FALSE(LoadDesign(buttons + Hex("0200") + ref + ref));
    // A null entry, and an entry that is a new object rather than a reference.
    EXPECT_FALSE(LoadDesign(buttons + Hex("0100 0000")));
    CAppletParameters single;
    single.AddButton(std::make_unique<CDrawRect>(CRect{1, 1, 2, 2}));
    const std::string one = tb::StoreArchive([&](CArchive& ar) { single.Serialize(ar); });
    const std::string body = one.substr(17, one.size() - 17 - 2);
    EXPECT_FALSE(LoadDesign(buttons + Hex("0100 0180") + body));
    EXPECT_TRUE(LoadDesign(Hex("0200") + NewClass("CDrawRect", 0) + body + Hex("0180") + body +
                           Hex("0100 0200")));
    // A reference to an item (index 4 is the first button's item).
    EXPECT_FALSE(LoadDesign(buttons + Hex("0100 0400")));
}

// A chain of `depth` menus, each the sub-menu of the previous one's only item.
std::unique_ptr<CMarquel> Chain(int depth) {
    auto top = std::make_unique<CMarquel>();
    CMarquel* m = top.get();
    for (int i = 1; i < depth; ++i)
        m = m->InsertNewItem()->m_pSubMenu.get();
    return top;
}

TEST(ArchiveMalformed, MenusNestedTooDeeplyAreRefused) {
    auto ok = Chain(CArchive::kMaxLoadNesting);
    const std::string okBytes = tb::StoreArchive([&](CArchive& ar) { ar.WriteObject(ok.get()); });
    EXPECT_TRUE(LoadMenuObject(okBytes));

    auto deep = Chain(CArchive::kMaxLoadNesting + 1);
    const std::string deepBytes =
        tb::StoreArchive([&](CArchive& ar) { ar.WriteObject(deep.get()); });
    const auto status = LoadMenuObject(deepBytes);
    EXPECT_FALSE(status);
    EXPECT_NE(status.message.find("deep"), std::string::npos);
}

} // namespace
