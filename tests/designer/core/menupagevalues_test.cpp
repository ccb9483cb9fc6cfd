// The rules of the selected button's pages without their widgets: what each page reads and
// writes, the label page's zero size, the hint box's looks and size, and images or sounds for
// one button or all.

#include <gtest/gtest.h>

#include "designer/core/menupagevalues.h"
#include "model/appletparameters.h"
#include "model/drawrect.h"
#include "model/drawview.h"

using namespace tb;

namespace {

struct CCountingView : IDrawView {
    void InvalidateObject(CDrawObj*) override { ++nInvalidations; }
    int CurrentDrawState() const override { return 1; }
    int nInvalidations = 0;
};

class MenuPageValues : public ::testing::Test {
protected:
    CDrawRect& AddButton(CRect r) { return *applet.AddButton(std::make_unique<CDrawRect>(r)); }
    CMarquelItem& FirstItem(CDrawRect& button) { return *button.menu->m_items.front(); }

    CAppletParameters applet;
    CCountingView view;
};

} // namespace

TEST_F(MenuPageValues, LabelPageReadsNormalizedBoundsAndWritesPlacementTextsAndThickness) {
    CDrawRect& button = AddButton({110, 70, 20, 40}); // dragged up and to the left
    FirstItem(button).m_strUrl = "news.htm";
    CLabelPageValues values = LoadLabelPage(button);
    EXPECT_EQ(values.nX, 20);
    EXPECT_EQ(values.nY, 40);
    EXPECT_EQ(values.nWidth, 90);
    EXPECT_EQ(values.nHeight, 30);
    EXPECT_EQ(values.strLabel, "Button");
    EXPECT_EQ(values.strUrl, "news.htm");

    values.nX = 5;
    values.nWidth = 100;
    values.nBorderThick = 3;
    values.strLabel = "Home";
    values.strTarget = "_top";
    ASSERT_TRUE(StoreLabelPage(values, button, &view));
    EXPECT_EQ(button.bounds, (CRect{5, 40, 105, 70}));
    EXPECT_EQ(button.menu->m_nLeft, 5);
    EXPECT_EQ(button.menu->m_nTop, 40);
    EXPECT_EQ(button.menu->m_nWidth, 100);
    EXPECT_EQ(button.menu->m_nHeight, 30);
    EXPECT_EQ(button.menu->m_nBorderThick, 3);
    EXPECT_EQ(FirstItem(button).m_strLabel, "Home");
    EXPECT_EQ(FirstItem(button).m_strTarget, "_top");
    EXPECT_GT(view.nInvalidations, 0);
}

TEST_F(MenuPageValues, AZeroWidthOrHeightWritesNothingAtAll) {
    CDrawRect& button = AddButton({10, 10, 90, 40});
    for (auto zero : {&CLabelPageValues::nWidth, &CLabelPageValues::nHeight}) {
        CLabelPageValues values = LoadLabelPage(button);
        values.*zero = 0;
        values.strLabel = "Changed";
        values.nBorderThick = 9;
        EXPECT_FALSE(StoreLabelPage(values, button, &view));
        EXPECT_EQ(button.bounds, (CRect{10, 10, 90, 40}));
        EXPECT_EQ(FirstItem(button).m_strLabel, "Button");
        EXPECT_EQ(button.menu->m_nBorderThick, 6);
    }
    EXPECT_EQ(view.nInvalidations, 0);
}

TEST_F(MenuPageValues, StatePageWritesItsBlockAndLeavesTheReservedFields) {
    CDrawRect& button = AddButton({0, 0, 80, 30});
    CMarquelState& over = button.menu->m_states[CMarquel::stateOver];
    over.m_nReservedA = 7;
    over.m_strReserved = "kept";
    CStatePageValues values = LoadStatePage(over);
    EXPECT_EQ(values.font.crFont, 0xFFFFFFu); // the Mouse Over look's white text
    values.crBack = 0x123456;
    values.nBorderStyle = 4;
    values.nImageOffset = -500;
    values.font.nFontSize = 20;
    StoreStatePage(values, over);
    EXPECT_EQ(over.m_crBack, 0x123456u);
    EXPECT_EQ(over.m_nBorderStyle, 4);
    EXPECT_EQ(over.m_nImageOffset, -500);
    EXPECT_EQ(over.m_nFontSize, 20);
    EXPECT_EQ(over.m_nReservedA, 7);
    EXPECT_EQ(over.m_strReserved, "kept");
    EXPECT_EQ(button.menu->m_states[CMarquel::stateNormal], CMarquelState::Default(0));
}

TEST_F(MenuPageValues, HintPageEvensOutTheLooksOnLoadAndOnStore) {
    CDrawRect& button = AddButton({0, 0, 80, 30});
    CMarquel& hint = *HintMenu(button);
    hint.m_states[CMarquel::stateClick].m_crBack = 0x00FF00;
    CHintPageValues values = LoadHintPage(button);
    // Loading gave the other looks the Normal one, as the browser shows the hint.
    EXPECT_EQ(hint.m_states[CMarquel::stateClick].m_crBack, RGB(255, 255, 0));
    EXPECT_FALSE(values.bVisible);
    EXPECT_EQ(values.strLabel, "Hint");
    EXPECT_EQ(values.nThick, 1);

    hint.m_states[CMarquel::stateNormal].m_nTextOffset = 12;
    values.bVisible = true;
    values.strLabel = "Go home";
    values.crBack = 0x0000FF;
    values.nWidth = 0;
    values.nHeight = 0;
    values.nX = -1000;
    StoreHintPage(values, button);
    EXPECT_EQ(hint.m_items.front()->m_bVisible, 1);
    EXPECT_EQ(hint.m_items.front()->m_strLabel, "Go home");
    EXPECT_EQ(hint.m_nWidth, 10);
    EXPECT_EQ(hint.m_nHeight, 10);
    EXPECT_EQ(hint.m_nLeft, -1000);
    for (const CMarquelState& state : hint.m_states) {
        EXPECT_EQ(state.m_crBack, 0x0000FFu);
        EXPECT_EQ(state.m_nTextOffset, 0);
    }
}

TEST_F(MenuPageValues, HintAutoSizeAddsTheBorderOrGivesTenByTen) {
    EXPECT_EQ(HintAutoSize({0, 17}, 3), (CSize{10, 10}));
    EXPECT_EQ(HintAutoSize({40, 0}, 3), (CSize{10, 10}));
    EXPECT_EQ(HintAutoSize({40, 17}, 3), (CSize{46, 23}));
    EXPECT_EQ(HintAutoSize({-40, -17}, 0), (CSize{40, 17}));
}

TEST_F(MenuPageValues, MediaGoToThisButtonOrToEveryButtonWithTheirWebPaths) {
    CDrawRect& first = AddButton({0, 0, 80, 30});
    CDrawRect& second = AddButton({0, 40, 80, 70});
    FirstItem(second).m_strWebPathImageOver = "old/over.gif";
    std::vector<CMediaFile> files = LoadMedia(second, ImageSlots());
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(files[1].strWebPath, "old/over.gif");
    files[0].strPath = "/pics/normal.gif";
    files[2].strPath = "/pics/click.jpg";

    StoreMedia(files, ImageSlots(), MediaScope::ThisButton, second);
    EXPECT_EQ(FirstItem(second).m_strImageNormal, "/pics/normal.gif");
    EXPECT_EQ(FirstItem(second).m_strWebPathImageOver, "old/over.gif");
    EXPECT_EQ(FirstItem(first).m_strImageNormal, "");

    StoreMedia(files, ImageSlots(), MediaScope::AllButtons, second);
    for (CDrawRect* p : {&first, &second}) {
        EXPECT_EQ(LoadMedia(*p, ImageSlots()), files);
        EXPECT_EQ(FirstItem(*p).m_strAudioOver, ""); // sounds are another dialog's
    }

    const std::vector<CMediaFile> sounds{{"/s/over.au", "w/over.au"}, {"/s/click.au", ""}};
    StoreMedia(sounds, AudioSlots(), MediaScope::ThisButton, first);
    EXPECT_EQ(FirstItem(first).m_strAudioOver, "/s/over.au");
    EXPECT_EQ(FirstItem(first).m_strWebPathAudioOver, "w/over.au");
    EXPECT_EQ(FirstItem(first).m_strAudioClick, "/s/click.au");
}

TEST_F(MenuPageValues, AButtonWithoutItemsShowsEmptyTextsAndGetsAnItemOnlyForText) {
    // What a damaged file may give: a button whose menu has no item at all.
    CDrawRect& button = *applet.AddButton(std::make_unique<CDrawRect>());
    button.bounds = {0, 0, 50, 20};
    CLabelPageValues values = LoadLabelPage(button);
    EXPECT_EQ(values.strLabel, "");
    EXPECT_EQ(LoadHintPage(button).strLabel, "");
    EXPECT_EQ(HintMenu(button), nullptr);

    ASSERT_TRUE(StoreLabelPage(values, button, nullptr));
    StoreHintPage(LoadHintPage(button), button);
    EXPECT_TRUE(button.menu->m_items.empty());

    values.strLabel = "Now";
    ASSERT_TRUE(StoreLabelPage(values, button, nullptr));
    ASSERT_EQ(button.menu->m_items.size(), 1u);
    EXPECT_EQ(FirstItem(button).m_strLabel, "Now");
    // Its hint box is empty, and stays so while nothing is to be shown in it.
    StoreHintPage(LoadHintPage(button), button);
    EXPECT_TRUE(HintMenu(button)->m_items.empty());
}

TEST_F(MenuPageValues, BoxesShowLineFeedsAndTheModelKeepsCarriageReturnLineFeeds) {
    EXPECT_EQ(ToBoxLineEnds("Home\r\nPage\rTwo\nThree"), "Home\nPage\nTwo\nThree");
    EXPECT_EQ(ToModelLineEnds("Home\nPage"), "Home\r\nPage");
    EXPECT_EQ(ToModelLineEnds("Home\r\nPage"), "Home\r\nPage");
    EXPECT_EQ(ToModelLineEnds(""), "");
}
