// The stored parameter form of a design, against texts written out by hand.

#include "model/appletparameters.h"
#include "model/drawrect.h"
#include "model/marquel.h"
#include "model/marquelitem.h"
#include "model/parametermap.h"
#include "model/storagewalk.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

const char* const kDefaultStates = "4210816,0,3,0,0,14,0,0,0,0,0,4353932,1,8454143,"
                                   "4210816,16777215,2,0,0,14,0,0,0,0,0,4353932,2,8454143,"
                                   "4210816,0,5,0,0,14,0,0,0,0,0,4353932,4,8454143,";

// One new button on (10,20)-(110,50): the button menu, its hint box and the hint item's
// empty sub-menu.
const std::map<std::string, std::string> kOneNewButton = {
    {"Version", "1.5"},
    {"WindowPosition", "95,221,111,159,217,221"},
    {"ApStyle",
     "Brisko,0,105,230,15509160,14841465,,0,0,0,,1,6,10,15509160,,,,1,Loading image ..."},
    {"MStyle-0", "0,0,0,0,10,20,100,30,5,6,0,0,0,Brisko,1"},
    {"IStyle-0", kDefaultStates},
    {"I0-1", "Button,,,,,,,,,1,,,,,"},
    {"MStyle-1", "0,0,0,0,15,10,30,20,5,1,0,0,0,Brisko,1"},
    {"IStyle-1", "65535,0,1,0,0,14,0,0,1,0,0,0,1,8454143,"
                 "65535,0,1,0,0,14,0,0,1,0,0,0,1,8454143,"
                 "65535,0,1,0,0,14,0,0,1,0,0,0,1,8454143,"},
    {"I1-1", "Hint,,,,,,,,,0,,,,,"},
    {"MStyle-2", "0,0,0,0,10,15,80,30,5,6,0,0,0,Brisko,1"},
    {"IStyle-2", kDefaultStates},
    {"Misc", "3,1,1,0,-0,0-1,1-2,"},
};

TEST(WriteParameters, OneNewButtonGivesTheFullHandWrittenSet) {
    CAppletParameters applet;
    applet.AddButton(std::make_unique<CDrawRect>(CRect{10, 20, 110, 50}));
    CParameterMap map;
    map.Set("Stale", "gone after writing");
    applet.WriteParameters(map);
    EXPECT_EQ(map.Values(), kOneNewButton);
    const tb::CMenuNumbering numbering = tb::StorageNumberingWalk(applet, false, nullptr);
    EXPECT_EQ(numbering.m_nMenuCount, 3);
    EXPECT_EQ(numbering.m_strMenuCounts, "1,1,0,");
    EXPECT_EQ(numbering.m_flatItems.size(), 2u);
    EXPECT_EQ(numbering.m_buttonMenus, std::vector<int>{0});
    EXPECT_EQ(numbering.m_subMenus, (std::vector<int>{1, 2}));
}

TEST(WriteParameters, PlayerKeyIsStoredOnlyWhileOnAndReadsAsTheCLibraryDoes) {
    CAppletParameters applet;
    applet.AddButton(std::make_unique<CDrawRect>(CRect{10, 20, 110, 50}));
    // A design from a file without the key keeps exactly its set.
    CParameterMap map;
    applet.WriteParameters(map);
    EXPECT_EQ(map.Values(), kOneNewButton);
    applet.ReadParameters(map, "/f/");
    EXPECT_EQ(applet.m_bPlayer, 0);
    CParameterMap again;
    applet.WriteParameters(again);
    std::map<std::string, std::string> plain = kOneNewButton;
    plain["MStyle-0"] = "0,0,0,0,10,20,100,30,5,6,0,0,0,top-level,1"; // read buttons' name
    EXPECT_EQ(again.Values(), plain);

    const std::pair<const char*, int> kValues[] = {{"1", 1}, {" 2x", 1}, {"-1", 1}, {"0", 0},
                                                   {"", 0},  {"on", 0},  {"00", 0}};
    for (const auto& [value, bOn] : kValues) {
        CParameterMap stored = map;
        stored.Set("Player", value);
        CAppletParameters read;
        read.ReadParameters(stored, "/f/");
        EXPECT_EQ(read.m_bPlayer, bOn) << value;
        CParameterMap written;
        read.WriteParameters(written);
        std::map<std::string, std::string> expected = plain;
        if (bOn)
            expected["Player"] = "1";
        EXPECT_EQ(written.Values(), expected) << value;
    }
}

TEST(WriteParameters, InvertedRectangleIsStoredNormalised) {
    CAppletParameters applet;
    applet.AddButton(std::make_unique<CDrawRect>(CRect{110, 50, 10, 20}));
    CParameterMap map;
    applet.WriteParameters(map);
    EXPECT_EQ(*map.Find("MStyle-0"), "0,0,0,0,10,20,100,30,5,6,0,0,0,Brisko,1");
    EXPECT_EQ(applet.m_buttons[0]->menu->m_nWidth, 100);
}

TEST(WriteParameters, NumbersEveryMenuDepthFirstWithItemsFromOne) {
    // Button 0: items A (sub-menu with one hidden item) and B; button 1: no items.
    CAppletParameters applet;
    auto first = std::make_unique<CDrawRect>();
    first->bounds = CRect{0, 0, 5, 5};
    CMarquelItem* pB = first->menu->InsertNewItem();
    pB->m_strLabel = "B";
    CMarquelItem* pA = first->menu->InsertNewItem();
    pA->m_strLabel = "A,1\r\nx";
    pA->m_pSubMenu->InsertNewItem()->m_bVisible = 0;
    applet.AddButton(std::move(first));
    auto second = std::make_unique<CDrawRect>();
    second->bounds = CRect{1, 2, 4, 8};
    applet.AddButton(std::move(second));

    CParameterMap map;
    applet.WriteParameters(map);
    // Menus: 0 button, 1 A's sub-menu, 2 its item's sub-menu, 3 B's sub-menu, 4 button 1.
    EXPECT_EQ(*map.Find("Misc"), "5,2,1,0,0,0,-0,-4,0-1,1-3,2-2,");
    EXPECT_EQ(*map.Find("I0-1"), "A~@^`1|_#`x,,,,,,,,,1,,,,,");
    EXPECT_EQ(*map.Find("I0-2"), "B,,,,,,,,,1,,,,,");
    EXPECT_EQ(*map.Find("I1-1"), "Button,,,,,,,,,0,,,,,");
    EXPECT_EQ(*map.Find("MStyle-4"), "0,0,0,0,1,2,3,6,5,6,0,0,0,Brisko,1");
    EXPECT_EQ(map.Find("I4-1"), nullptr);
    EXPECT_EQ(map.Size(), 3u + 2u * 5u + 3u + 1u);
}

TEST(WriteParameters, StoresFileNamesColoursAndEveryOtherField) {
    CAppletParameters applet;
    applet.m_strBackImage = "/pics/back.gif";
    applet.m_strBackAudio = "C:\\Sounds\\loop.au";
    applet.m_crBack = 0x404080;
    applet.m_strWebPath = "media/";
    applet.m_strWebPathBackImage = "media/back.gif";
    applet.m_bProgressBar = 0;
    applet.m_strLoadingMessage = "Wait";
    applet.m_nWindowPos = {1, -2, 3, 4, 5, 6};
    auto button = std::make_unique<CDrawRect>(CRect{0, 0, 1, 1});
    CMarquelItem& item = *button->menu->m_items[0];
    item.m_strDescription = "Go home";
    item.m_strUrl = "index.htm";
    item.m_strTarget = "_top";
    item.m_strImageNormal = "/a/n.gif";
    item.m_strImageOver = "/a/o.gif";
    item.m_strImageClick = "/a/c.gif";
    item.m_strAudioOver = "/a/o.au";
    item.m_strAudioClick = "c.au";
    item.m_strWebPathImageNormal = "w/n.gif";
    item.m_strWebPathAudioClick = "w/c.au";
    button->menu->m_crMenuColor = 0xFFFFFFFF;
    button->menu->m_nMenuStyle2 = 9;
    applet.AddButton(std::move(button));

    CParameterMap map;
    applet.WriteParameters(map);
    EXPECT_EQ(*map.Find("WindowPosition"), "1,-2,3,4,5,6");
    EXPECT_EQ(*map.Find("ApStyle"), "Brisko,0,105,230,4210816,14841465,back.gif,0,0,0,loop.au,1,6,"
                                    "10,15509160,media/back.gif,,media/,0,Wait");
    EXPECT_EQ(*map.Find("I0-1"),
              "Button,Go home,index.htm,_top,n.gif,o.gif,c.gif,o.au,c.au,1,w/n.gif,,,,w/c.au");
    // "%d" of a colour with the top bit set; the second style digit is not stored.
    EXPECT_EQ(*map.Find("MStyle-0"), "-1,0,0,0,0,0,1,1,5,6,0,0,0,Brisko,1");
}

TEST(WriteParameters, EmptyDesignStoresNoMenus) {
    CAppletParameters applet;
    CParameterMap map;
    applet.WriteParameters(map);
    EXPECT_EQ(map.Size(), 4u);
    EXPECT_EQ(*map.Find("Misc"), "0,");
}

} // namespace
