// Rebuilding a design from stored parameters: hand-written maps and whole round trips.

#include "component/widgetconfig.h"
#include "model/appletparameters.h"
#include "model/drawrect.h"
#include "model/marquel.h"
#include "model/marquelitem.h"
#include "model/parametermap.h"
#include "tests/model/model/modelcompare.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

CParameterMap MapOf(std::initializer_list<std::pair<const char*, const char*>> entries) {
    CParameterMap map;
    for (const auto& [key, value] : entries)
        map.Set(key, value);
    return map;
}

std::string Based(const std::string& base, const std::string& path) {
    if (path.empty())
        return path;
    return base + path.substr(path.find_last_of('/') + 1);
}

// What must come back from a write and read: every stored field, file fields moved into the
// base folder, top-level menus renamed, the unstored fields at their defaults.
void ExpectReadBack(const CMarquel& a, const CMarquel& b, bool bTopLevel, const std::string& base) {
    EXPECT_EQ(b.m_strName, bTopLevel ? "top-level" : a.m_strName);
    EXPECT_EQ(b.m_nMenuStyle2, 0);
    tbtest::ExpectSameMenuFields(a, b);
    EXPECT_EQ(a.m_bShow, b.m_bShow);
    for (int s = 0; s < CMarquel::stateCount; ++s) {
        CMarquelState expected = a.m_states[s];
        expected.m_nReservedA = 1;
        expected.m_nReservedB = 1;
        expected.m_strReserved.clear();
        EXPECT_TRUE(expected == b.m_states[s]) << "state " << s;
    }
    ASSERT_EQ(a.m_items.size(), b.m_items.size());
    for (size_t i = 0; i < a.m_items.size(); ++i) {
        const CMarquelItem& x = *a.m_items[i];
        const CMarquelItem& y = *b.m_items[i];
        EXPECT_EQ(x.m_strLabel, y.m_strLabel);
        EXPECT_EQ(x.m_strDescription, y.m_strDescription);
        EXPECT_EQ(x.m_strUrl, y.m_strUrl);
        EXPECT_EQ(x.m_strTarget, y.m_strTarget);
        EXPECT_EQ(Based(base, x.m_strImageNormal), y.m_strImageNormal);
        EXPECT_EQ(Based(base, x.m_strImageOver), y.m_strImageOver);
        EXPECT_EQ(Based(base, x.m_strImageClick), y.m_strImageClick);
        EXPECT_EQ(Based(base, x.m_strAudioOver), y.m_strAudioOver);
        EXPECT_EQ(Based(base, x.m_strAudioClick), y.m_strAudioClick);
        EXPECT_EQ(x.m_bVisible, y.m_bVisible);
        tbtest::ExpectSameWebPaths(x, y);
        ASSERT_TRUE(y.m_pSubMenu);
        ExpectReadBack(*x.m_pSubMenu, *y.m_pSubMenu, false, base);
    }
}

// Two buttons with every stored field away from its default, tricky texts included.
void BuildDesign(CAppletParameters& applet) {
    applet.m_strName = "Applet";
    applet.m_nAlign = 2;
    applet.m_nWidth = 640;
    applet.m_nHeight = 48;
    applet.m_crBack = 0x112233;
    applet.m_crFade = 0x445566;
    applet.m_strBackImage = "/src/back.jpg";
    applet.m_nImageDisplay = 1;
    applet.m_nImageX = 7;
    applet.m_nImageY = 8;
    applet.m_strBackAudio = "/src/loop.au";
    applet.m_nBackStyle = 4;
    applet.m_nBorderStyle = 3;
    applet.m_nBorderThick = 2;
    applet.m_crBorder = 0x778899;
    applet.m_strWebPathBackImage = "img/back.jpg";
    applet.m_strWebPathBackAudio = "snd/loop.au";
    applet.m_strWebPath = "http://host/brisko/";
    applet.m_bProgressBar = 0;
    applet.m_strLoadingMessage = "Loading, please wait";
    applet.m_nWindowPos = {1, 2, 3, 4, 5, 6};

    for (int b = 0; b < 2; ++b) {
        auto button = std::make_unique<CDrawRect>(CRect{10 + b, 20, 90, 60 + b});
        CMarquel& menu = *button->menu;
        menu.m_crMenuColor = 1 + b;
        menu.m_nMenuStyle = 2;
        menu.m_nMenuStyle2 = 3;
        menu.m_nReserved1 = 4;
        menu.m_nReserved2 = 5;
        menu.m_nMenuParam1 = 6;
        menu.m_nBorderThick = 7;
        menu.m_crMenuColor2 = 8;
        menu.m_nMenuParam2 = 9;
        menu.m_crMenuColor3 = 10;
        menu.m_bShow = 0;
        for (int s = 0; s < CMarquel::stateCount; ++s) {
            CMarquelState& st = menu.m_states[s];
            st.m_crBack = 100 + s;
            st.m_crFade = 200 + s;
            st.m_crFont = 300 + s;
            st.m_crBorder = 400 + s;
            st.m_nBackStyle = s;
            st.m_nBorderStyle = 6 - s;
            st.m_nReservedA = 9;
            st.m_nReservedB = 9;
            st.m_strReserved = "kept in archives only";
            st.m_nFontEffect = 4;
            st.m_nFontName = 2;
            st.m_nFontSize = 22 + s;
            st.m_nFontStyle = 1;
            st.m_nTextAlign = 2;
            st.m_nTextOffset = -500;
            st.m_nImageAlign = 1;
            st.m_nImageOffset = 500;
        }
        CMarquelItem& item = *menu.m_items[0];
        item.m_strLabel = "Two,\r\nlines, with commas";
        item.m_strDescription = "Home page, main";
        item.m_strUrl = "http://host/a?b=1&c=2";
        item.m_strTarget = "frame" + std::to_string(b);
        item.m_strImageNormal = "/src/n.gif";
        item.m_strImageOver = "/src/o.gif";
        item.m_strImageClick = "/src/c.gif";
        item.m_strAudioOver = "/src/o.au";
        item.m_strAudioClick = "/src/c.au";
        item.m_strWebPathImageNormal = "img/n.gif";
        item.m_strWebPathImageOver = "img/o.gif";
        item.m_strWebPathImageClick = "img/c.gif";
        item.m_strWebPathAudioOver = "snd/o.au";
        item.m_strWebPathAudioClick = "snd/c.au";
        CMarquel& hint = *item.m_pSubMenu;
        hint.m_strName = "Hint box";
        hint.m_items[0]->m_strLabel = "Hint\r\ntext";
        hint.m_items[0]->m_bVisible = 1;
        // A hidden second item with a non-empty sub-menu of its own.
        CMarquelItem* pExtra = menu.InsertNewItem();
        pExtra->m_bVisible = 0;
        pExtra->m_pSubMenu->InsertNewItem()->m_strLabel = "deep";
        applet.AddButton(std::move(button));
    }
}

TEST(ReadParameters, WholeDesignComesBackInEveryStoredField) {
    CAppletParameters original;
    BuildDesign(original);
    CParameterMap map;
    original.WriteParameters(map);

    CAppletParameters back;
    back.AddButton(std::make_unique<CDrawRect>(CRect{0, 0, 5, 5})); // replaced
    EXPECT_TRUE(back.ReadParameters(map, "/base/"));

    EXPECT_EQ(back.m_strName, original.m_strName);
    EXPECT_EQ(back.m_nAlign, 2);
    EXPECT_EQ(back.m_nWidth, 640);
    EXPECT_EQ(back.m_nHeight, 48);
    EXPECT_EQ(back.m_crBack, 0x112233u);
    EXPECT_EQ(back.m_crFade, 0x445566u);
    EXPECT_EQ(back.m_strBackImage, "/base/back.jpg");
    EXPECT_EQ(back.m_nImageDisplay, 1);
    EXPECT_EQ(back.m_nImageX, 7);
    EXPECT_EQ(back.m_nImageY, 8);
    EXPECT_EQ(back.m_strBackAudio, "/base/loop.au");
    EXPECT_EQ(back.m_nBackStyle, 4);
    EXPECT_EQ(back.m_nBorderStyle, 3);
    EXPECT_EQ(back.m_nBorderThick, 2);
    EXPECT_EQ(back.m_crBorder, 0x778899u);
    EXPECT_EQ(back.m_strWebPathBackImage, "img/back.jpg");
    EXPECT_EQ(back.m_strWebPathBackAudio, "snd/loop.au");
    EXPECT_EQ(back.m_strWebPath, "http://host/brisko/");
    EXPECT_EQ(back.m_bProgressBar, 0);
    EXPECT_EQ(back.m_strLoadingMessage, "Loading, please wait");
    EXPECT_EQ(back.m_nWindowPos, original.m_nWindowPos);

    ASSERT_EQ(back.m_buttons.size(), 2u);
    for (size_t b = 0; b < 2; ++b) {
        const CDrawRect& x = *original.m_buttons[b];
        const CDrawRect& y = *back.m_buttons[b];
        EXPECT_EQ(y.bounds, x.bounds.Normalized());
        EXPECT_EQ(y.owner, &back);
        ExpectReadBack(*x.menu, *y.menu, true, "/base/");
    }
}

TEST(ReadParameters, SurvivesTheWidgetFileTextIncludingLineBreaks) {
    CAppletParameters original;
    BuildDesign(original);
    // A text edit here gives bare LF line breaks; they must not split the file's lines.
    original.m_buttons[0]->menu->m_items[1]->m_strDescription = "first\nsecond";
    WidgetConfig config;
    original.WriteParameters(config.Parameters());
    WidgetConfig reread;
    reread.ReadText(config.WriteText());

    CAppletParameters back;
    back.ReadParameters(reread.Parameters(), "/w/");
    ASSERT_EQ(back.m_buttons.size(), 2u);
    const CMarquelItem& item = *back.m_buttons[0]->menu->m_items[1];
    EXPECT_EQ(item.m_strLabel, "Two,\r\nlines, with commas");
    EXPECT_EQ(item.m_strDescription, "first\r\nsecond");
    EXPECT_EQ(back.m_strLoadingMessage, "Loading, please wait");
    ExpectReadBack(*original.m_buttons[1]->menu, *back.m_buttons[1]->menu, true, "/w/");
}

TEST(ReadParameters, WithoutMiscUpdatesTheAppletAndKeepsTheButtons) {
    CAppletParameters applet;
    applet.AddButton(std::make_unique<CDrawRect>(CRect{1, 2, 3, 4}));
    const CDrawRect* pKept = applet.m_buttons[0].get();
    applet.ReadParameters(MapOf({{"ApStyle", "X,1,2,3,4,5,b.gif,6,7,8,s.au,9,10,11,12,w1,w2,"
                                             "w3,0,Msg"}}),
                          "/f/");
    ASSERT_EQ(applet.m_buttons.size(), 1u);
    EXPECT_EQ(applet.m_buttons[0].get(), pKept);
    EXPECT_EQ(applet.m_buttons[0]->menu->m_items[0]->m_strLabel, "Button");
    EXPECT_EQ(applet.m_strName, "X");
    EXPECT_EQ(applet.m_nAlign, 1);
    EXPECT_EQ(applet.m_nHeight, 3);
    EXPECT_EQ(applet.m_crFade, 5u);
    EXPECT_EQ(applet.m_strBackImage, "/f/b.gif");
    EXPECT_EQ(applet.m_strBackAudio, "/f/s.au");
    EXPECT_EQ(applet.m_crBorder, 12u);
    EXPECT_EQ(applet.m_strWebPath, "w3");
    EXPECT_EQ(applet.m_bProgressBar, 0);
    EXPECT_EQ(applet.m_strLoadingMessage, "Msg");
    // No "WindowPosition": all six become 0.
    EXPECT_EQ(applet.m_nWindowPos, (std::array<int, 6>{0, 0, 0, 0, 0, 0}));
}

TEST(ReadParameters, WithoutApStyleKeepsTheAppletFields) {
    CAppletParameters applet;
    applet.m_nWidth = 333;
    applet.m_strBackImage = "/keep/me.gif";
    applet.ReadParameters(MapOf({{"WindowPosition", "9,8,7"}}), "/f/");
    EXPECT_EQ(applet.m_nWidth, 333);
    EXPECT_EQ(applet.m_strBackImage, "/keep/me.gif");
    EXPECT_EQ(applet.m_nWindowPos, (std::array<int, 6>{9, 8, 7, 0, 0, 0}));
}

TEST(ReadParameters, MiscOfZeroDeletesEveryButton) {
    CAppletParameters applet;
    applet.AddButton(std::make_unique<CDrawRect>(CRect{1, 2, 3, 4}));
    applet.m_selection.push_back(applet.m_buttons[0].get());
    applet.ReadParameters(MapOf({{"Misc", "0,"}}), "/f/");
    EXPECT_TRUE(applet.m_buttons.empty());
    EXPECT_TRUE(applet.m_selection.empty());
}

TEST(ReadParameters, MissingMenuAndStateValuesTakeTheDefaultTexts) {
    CAppletParameters applet;
    applet.ReadParameters(MapOf({{"Misc", "1,0,-0,"}}), "/f/");
    ASSERT_EQ(applet.m_buttons.size(), 1u);
    const CMarquel& menu = *applet.m_buttons[0]->menu;
    EXPECT_TRUE(menu.m_items.empty());
    EXPECT_EQ(menu.m_strName, "top-level");
    EXPECT_EQ(applet.m_buttons[0]->bounds, (CRect{40, 15, 120, 35}));
    EXPECT_EQ(menu.m_nMenuParam1, 5);
    EXPECT_EQ(menu.m_nBorderThick, 10);
    EXPECT_EQ(menu.m_bShow, 1);
    EXPECT_EQ(menu.m_states[0].m_crBack, 16711680u);
    EXPECT_EQ(menu.m_states[0].m_crFont, 16777215u);
    EXPECT_EQ(menu.m_states[0].m_crBorder, 8421504u);
    EXPECT_EQ(menu.m_states[0].m_crFade, 16777215u);
    EXPECT_EQ(menu.m_states[1].m_crBack, 0u);
    EXPECT_EQ(menu.m_states[1].m_nBackStyle, 2);
    EXPECT_EQ(menu.m_states[2].m_nBorderStyle, 3);
    EXPECT_EQ(menu.m_states[2].m_nFontSize, 14);
}

TEST(ReadParameters, MissingItemValueGivesAFreshItem) {
    CAppletParameters applet;
    applet.ReadParameters(MapOf({{"Misc", "2,2,0,-0,1-1,"}, {"I0-1", "First,,,,,,,,,0"}}), "/f/");
    ASSERT_EQ(applet.m_buttons.size(), 1u);
    const CMarquel& menu = *applet.m_buttons[0]->menu;
    ASSERT_EQ(menu.m_items.size(), 2u);
    EXPECT_EQ(menu.m_items[0]->m_strLabel, "First");
    EXPECT_EQ(menu.m_items[0]->m_bVisible, 0);
    EXPECT_EQ(menu.m_items[1]->m_strLabel, "Button");
    EXPECT_EQ(menu.m_items[1]->m_bVisible, 1);
    EXPECT_TRUE(menu.m_items[0]->m_pSubMenu->m_items.empty());
    EXPECT_EQ(menu.m_items[1]->m_pSubMenu->m_strName, "Menu"); // menu 1, from the default
}

TEST(ReadParameters, FileFieldsBecomeBaseFolderPlusFileName) {
    CAppletParameters applet;
    applet.ReadParameters(
        MapOf({{"Misc", "1,1,-0,"}, {"I0-1", "L,,,,n.gif,C:\\old\\o.gif,,x/y/o.au,,1"}}), "/w/");
    ASSERT_EQ(applet.m_buttons.size(), 1u);
    const CMarquelItem& item = *applet.m_buttons[0]->menu->m_items[0];
    EXPECT_EQ(item.m_strImageNormal, "/w/n.gif");
    EXPECT_EQ(item.m_strImageOver, "/w/o.gif");
    EXPECT_EQ(item.m_strImageClick, "");
    EXPECT_EQ(item.m_strAudioOver, "/w/o.au");
    EXPECT_EQ(item.m_strAudioClick, "");
}

TEST(ReadParameters, OutOfRangeLinkEntriesAreIgnored) {
    CAppletParameters applet;
    // Menu 7 and item 5 do not exist, "x" has no hyphen; only "-1" places a menu.
    applet.ReadParameters(MapOf({{"Misc", "4,1,0,0,0,0-7,5-2,x,-1,-4,9-0"}}), "/f/");
    ASSERT_EQ(applet.m_buttons.size(), 1u);
    EXPECT_EQ(applet.m_buttons[0]->menu->m_strName, "top-level");
    EXPECT_TRUE(applet.m_buttons[0]->menu->m_items.empty());
}

} // namespace

namespace {

TEST(ReadParameters, HandWrittenWidgetFileGivesItsButtonAndStoresTheSameAgain) {
    const std::string folder = tb::test::SourceDir() + "/tests/data/params";
    WidgetConfig config;
    ASSERT_TRUE(config.Read(folder + "/one-button.tsq"));
    CAppletParameters applet;
    applet.ReadParameters(config.Parameters(), folder + "/");

    EXPECT_EQ(applet.m_strBackImage, folder + "/back.gif");
    EXPECT_EQ(applet.m_strBackAudio, folder + "/loop.au");
    ASSERT_EQ(applet.m_buttons.size(), 1u);
    EXPECT_EQ(applet.m_buttons[0]->bounds, (CRect{10, 20, 110, 50}));
    const CMarquelItem& item = *applet.m_buttons[0]->menu->m_items.at(0);
    EXPECT_EQ(item.m_strLabel, "Two,\r\nlines");
    EXPECT_EQ(item.m_strDescription, "Desc");
    EXPECT_EQ(item.m_strTarget, "_top");
    EXPECT_EQ(item.m_strImageClick, folder + "/c.gif");
    EXPECT_EQ(item.m_strAudioClick, folder + "/c.au");
    EXPECT_EQ(item.m_strWebPathImageNormal, "w/n.gif");
    const CMarquel& hint = *item.m_pSubMenu;
    EXPECT_EQ(hint.m_nLeft, 15);
    EXPECT_EQ(hint.m_states[2].m_crBack, 65535u);
    EXPECT_EQ(hint.m_items.at(0)->m_strLabel, "Hint");
    EXPECT_EQ(hint.m_items.at(0)->m_bVisible, 0);

    // Written again, only the top-level menu's name differs from the file.
    CParameterMap again;
    applet.WriteParameters(again);
    for (const auto& [key, value] : config.Parameters()) {
        const std::string expected =
            key == "MStyle-0" ? "0,0,0,0,10,20,100,30,5,6,0,0,0,top-level,1" : value;
        ASSERT_NE(again.Find(key), nullptr) << key;
        EXPECT_EQ(*again.Find(key), expected) << key;
    }
    EXPECT_EQ(again.Size(), config.Parameters().Size());
}

} // namespace
