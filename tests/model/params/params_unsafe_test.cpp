// Link values no writer produces: a widget file is user input, so placements that would give
// a menu two owners, make it its own ancestor, nest beyond what the program can walk, or claim
// huge counts must leave a sound model behind.

#include "model/appletparameters.h"
#include "model/archive.h"
#include "model/drawrect.h"
#include "model/marquel.h"
#include "model/marquelitem.h"
#include "model/parametermap.h"

#include <gtest/gtest.h>

#include <string>

namespace {

CAppletParameters* ReadMisc(CAppletParameters& applet, const std::string& misc) {
    CParameterMap map;
    map.Set("Misc", misc);
    applet.ReadParameters(map, "/f/");
    return &applet;
}

int Depth(const CMarquel& menu) {
    int depth = 0;
    for (const CMarquel* p = &menu; !p->m_items.empty(); p = p->m_items[0]->m_pSubMenu.get())
        ++depth;
    return depth;
}

TEST(ReadParametersUnsafe, AMenuPlacedByTwoItemsGoesToTheFirst) {
    CAppletParameters applet;
    // Items 0 and 1 both claim menu 2; item 1 keeps its own empty sub-menu.
    ReadMisc(applet, "3,2,0,0,-0,0-2,1-2,");
    ASSERT_EQ(applet.m_buttons.size(), 1u);
    const CMarquel& menu = *applet.m_buttons[0]->menu;
    ASSERT_EQ(menu.m_items.size(), 2u);
    EXPECT_EQ(menu.m_items[0]->m_pSubMenu->m_strName, "Menu");
    EXPECT_EQ(menu.m_items[1]->m_pSubMenu->m_strName, "Brisko");
}

TEST(ReadParametersUnsafe, AnItemKeepsTheFirstSubMenuItIsGiven) {
    CAppletParameters applet;
    // Item 1 is given menu 2, then menu 4; menu 2's item was already given menu 3. Replacing
    // menu 2 would delete item 2 and menu 3 while they are still being linked.
    ReadMisc(applet, "5,1,1,1,0,0,-0,0-1,1-2,2-3,1-4,");
    ASSERT_EQ(applet.m_buttons.size(), 1u);
    EXPECT_EQ(Depth(*applet.m_buttons[0]->menu), 3);
    ReadMisc(applet, "5,1,1,0,0,0,-0,0-1,1-2,1-4,-4,");
    ASSERT_EQ(applet.m_buttons.size(), 2u);
    EXPECT_EQ(Depth(*applet.m_buttons[0]->menu), 2);
}

TEST(ReadParametersUnsafe, AMenuPlacedTwiceAsAButtonGivesOneButton) {
    CAppletParameters applet;
    ReadMisc(applet, "2,0,0,-0,-0,");
    EXPECT_EQ(applet.m_buttons.size(), 1u);
}

TEST(ReadParametersUnsafe, AnItemsSubMenuCannotAlsoBeAButton) {
    CAppletParameters applet;
    ReadMisc(applet, "3,1,0,0,-0,0-1,-1,");
    ASSERT_EQ(applet.m_buttons.size(), 1u);
    EXPECT_EQ(applet.m_buttons[0]->menu->m_items[0]->m_pSubMenu->m_strName, "Menu");
}

TEST(ReadParametersUnsafe, CyclesAreBroken) {
    CAppletParameters applet;
    // A menu as its own sub-menu.
    ReadMisc(applet, "1,1,0-0,");
    EXPECT_TRUE(applet.m_buttons.empty());
    ReadMisc(applet, "2,1,0,-0,0-0,");
    ASSERT_EQ(applet.m_buttons.size(), 1u);
    EXPECT_EQ(applet.m_buttons[0]->menu->m_items[0]->m_pSubMenu->m_strName, "Brisko");

    // Menus 1 and 2 below each other; the button keeps menu 0 with an empty sub-menu and the
    // pair is discarded.
    ReadMisc(applet, "3,1,1,1,1-2,2-1,-0,");
    ASSERT_EQ(applet.m_buttons.size(), 1u);
    EXPECT_EQ(applet.m_buttons[0]->menu->m_items[0]->m_pSubMenu->m_strName, "Brisko");

    // A loop back to a menu already placed, below a button.
    ReadMisc(applet, "4,1,1,1,1,-0,0-1,1-2,2-1,");
    ASSERT_EQ(applet.m_buttons.size(), 1u);
    EXPECT_EQ(Depth(*applet.m_buttons[0]->menu), 3);
}

TEST(ReadParametersUnsafe, NestingIsCutWhereArchivesStop) {
    const int nMenus = 200;
    std::string misc = std::to_string(nMenus) + ",";
    for (int j = 0; j < nMenus; ++j)
        misc += "1,";
    misc += "-0,";
    for (int j = 0; j + 1 < nMenus; ++j)
        misc += std::to_string(j) + "-" + std::to_string(j + 1) + ",";
    CAppletParameters applet;
    ReadMisc(applet, misc);
    ASSERT_EQ(applet.m_buttons.size(), 1u);
    // Menus 0 to 62 are chained; menu 62's item keeps its own empty sub-menu, the deepest
    // level an archive loads.
    EXPECT_EQ(Depth(*applet.m_buttons[0]->menu), CArchive::kMaxLoadNesting - 1);

    // And the result can be snapshotted and restored as the undo history does.
    const std::string bytes = tb::StoreArchive([&](CArchive& ar) { applet.Serialize(ar); });
    CAppletParameters restored;
    const tb::ArchiveStatus status =
        tb::LoadArchive(bytes, [&](CArchive& ar) { restored.Serialize(ar); });
    EXPECT_TRUE(status.ok) << status.message;
    EXPECT_EQ(restored.m_buttons.size(), 1u);
}

TEST(ReadParametersUnsafe, HugeCountsAllocateNothingUnbounded) {
    CAppletParameters applet;
    applet.AddButton(std::make_unique<CDrawRect>(CRect{1, 2, 3, 4}));
    // Two billion menus claimed, no link entry: buttons deleted, nothing made.
    ReadMisc(applet, "2000000000,");
    EXPECT_TRUE(applet.m_buttons.empty());
    ReadMisc(applet, "2000000000,-0,-1,-2,");
    EXPECT_TRUE(applet.m_buttons.empty());
    ReadMisc(applet, "-5,-0,");
    EXPECT_TRUE(applet.m_buttons.empty());

    // Two billion items: cut to what the map could describe (its one entry and the six
    // fields of the link value).
    ReadMisc(applet, "2,2000000000,-7,-0,-1,");
    ASSERT_EQ(applet.m_buttons.size(), 2u);
    EXPECT_EQ(applet.m_buttons[0]->menu->m_items.size(), 7u);
    EXPECT_TRUE(applet.m_buttons[1]->menu->m_items.empty());
}

TEST(ReadParametersUnsafe, ExtremeGeometryIsClampedInsteadOfOverflowing) {
    CParameterMap map;
    map.Set("Misc", "1,0,-0,");
    map.Set("MStyle-0", "0,0,0,0,2147483647,-2147483648,2147483647,-1,5,6,0,0,0,M,1");
    CAppletParameters applet;
    applet.ReadParameters(map, "/f/");
    ASSERT_EQ(applet.m_buttons.size(), 1u);
    // Far to the right stays far to the right, and a height of -1 above the top edge of the
    // range ends there: nothing wraps round to the other side.
    EXPECT_EQ(applet.m_buttons[0]->bounds,
              (CRect{2147483647, -2147483648, 2147483647, -2147483648}));
    CParameterMap again;
    applet.WriteParameters(again); // normalising and measuring it must not overflow either
    ASSERT_NE(again.Find("MStyle-0"), nullptr);
    EXPECT_EQ(*again.Find("MStyle-0"), "0,0,0,0,2147483647,-2147483648,0,0,5,6,0,0,0,top-level,1");
}

} // namespace
