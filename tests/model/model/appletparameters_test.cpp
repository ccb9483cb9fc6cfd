#include "model/appletparameters.h"
#include "model/drawrect.h"

#include <gtest/gtest.h>

namespace {

TEST(AppletParameters, StartsWithTheDefaults) {
    CAppletParameters p;
    EXPECT_EQ(p.m_strName, "Brisko");
    EXPECT_EQ(p.m_nAlign, 0);
    EXPECT_EQ(p.m_nWidth, 105);
    EXPECT_EQ(p.m_nHeight, 230);
    EXPECT_EQ(p.m_strWebPath, "");
    EXPECT_EQ(p.m_strResourceFolder, "Resource/");
    EXPECT_EQ(p.m_crBack, 0xECA6A8u);
    EXPECT_EQ(p.m_crFade, 0xE27679u);
    EXPECT_EQ(p.m_strBackImage, "");
    EXPECT_EQ(p.m_strWebPathBackImage, "");
    EXPECT_EQ(p.m_nImageDisplay, 0);
    EXPECT_EQ(p.m_nImageX, 0);
    EXPECT_EQ(p.m_nImageY, 0);
    EXPECT_EQ(p.m_strBackAudio, "");
    EXPECT_EQ(p.m_strWebPathBackAudio, "");
    EXPECT_EQ(p.m_nBackStyle, 1);
    EXPECT_EQ(p.m_nBorderStyle, 6);
    EXPECT_EQ(p.m_nBorderThick, 10);
    EXPECT_EQ(p.m_crBorder, 0xECA6A8u);
    EXPECT_EQ(p.m_bProgressBar, 1);
    EXPECT_EQ(p.m_strLoadingMessage, "Loading image ...");
    EXPECT_EQ(p.m_nWindowPos, (std::array<int, 6>{95, 221, 111, 159, 217, 221}));
    EXPECT_EQ(p.m_nExtra, 0);
    EXPECT_EQ(p.m_strExtra1, "");
    EXPECT_EQ(p.m_strExtra2, "");
    EXPECT_TRUE(p.m_buttons.empty());
    EXPECT_TRUE(p.m_selection.empty());
    EXPECT_TRUE(p.m_history.undoList.empty());
    EXPECT_TRUE(p.m_history.redoList.empty());
    EXPECT_EQ(p.m_history.snapshotGrowth, 0x8000);
    EXPECT_EQ(p.m_history.maxUndo, 4);
    EXPECT_EQ(p.m_history.lockCount, 0);
}

TEST(AppletParameters, AddButtonAppendsAndSetsTheOwner) {
    CAppletParameters p;
    CDrawRect* a = p.AddButton(std::make_unique<CDrawRect>(CRect{0, 0, 10, 10}));
    CDrawRect* b = p.AddButton(std::make_unique<CDrawRect>(CRect{5, 5, 20, 20}));
    ASSERT_EQ(p.m_buttons.size(), 2u);
    EXPECT_EQ(p.m_buttons[0].get(), a);
    EXPECT_EQ(p.m_buttons[1].get(), b);
    EXPECT_EQ(a->owner, &p);
    EXPECT_EQ(b->owner, &p);
    EXPECT_EQ(p.AddButton(nullptr), nullptr);
    EXPECT_EQ(p.m_buttons.size(), 2u);
}

TEST(AppletParameters, RemovingAButtonAlsoDeselectsIt) {
    CAppletParameters p;
    CDrawRect* a = p.AddButton(std::make_unique<CDrawRect>(CRect{0, 0, 10, 10}));
    CDrawRect* b = p.AddButton(std::make_unique<CDrawRect>(CRect{5, 5, 20, 20}));
    p.m_selection = {b, a};
    std::unique_ptr<CDrawRect> taken = p.RemoveButton(b);
    EXPECT_EQ(taken.get(), b);
    EXPECT_EQ(p.m_selection, std::vector<CDrawRect*>{a});
    EXPECT_EQ(p.RemoveButton(b), nullptr);
}

TEST(AppletParameters, DeleteContentsEmptiesButtonsAndSelection) {
    CAppletParameters p;
    p.m_selection.push_back(p.AddButton(std::make_unique<CDrawRect>(CRect{0, 0, 10, 10})));
    p.AddButton(std::make_unique<CDrawRect>(CRect{5, 5, 20, 20}));
    p.DeleteContents();
    EXPECT_TRUE(p.m_buttons.empty());
    EXPECT_TRUE(p.m_selection.empty());
}

} // namespace
