// The main window's stored placement: read only when complete, and put back on the screen
// however it was stored.

#include <gtest/gtest.h>

#include "platform/profile/profile.h"
#include "workbench/core/frameplacement.h"

using namespace tb;

namespace {

CScreenMetrics Screen() {
    CScreenMetrics metrics;
    metrics.screen = {0, 0, 1280, 800};
    metrics.workArea = {0, 30, 1280, 800}; // a panel along the top
    return metrics;
}

void Store(int status, int left, int top, int right, int bottom) {
    WriteFramePlacement({status, {left, top, right, bottom}});
}

} // namespace

TEST(FramePlacement, IsReadOnlyWhenAllFiveEntriesAreThere) {
    EXPECT_FALSE(ReadFramePlacement());
    WriteProfileInt("Frame", "Left", 10);
    WriteProfileInt("Frame", "Top", 20);
    WriteProfileInt("Frame", "Right", 500);
    WriteProfileInt("Frame", "Bottom", 400);
    EXPECT_FALSE(ReadFramePlacement()); // no "Status"
    WriteProfileInt("Frame", "Status", SW_SHOWNORMAL);
    const auto placement = ReadFramePlacement();
    ASSERT_TRUE(placement);
    EXPECT_EQ(placement->normal, (CRect{10, 20, 500, 400}));
    WriteProfileInt("Frame", "Top", -1);
    EXPECT_FALSE(ReadFramePlacement());
}

TEST(FramePlacement, RoundTripsThroughTheProfile) {
    Store(SW_SHOWMAXIMIZED, -5, 0, 600, 450);
    const auto placement = ReadFramePlacement();
    ASSERT_TRUE(placement);
    EXPECT_EQ(placement->nShowCmd, SW_SHOWMAXIMIZED);
    EXPECT_EQ(placement->normal, (CRect{-5, 0, 600, 450}));
    EXPECT_EQ(GetProfileInt("Frame", "Right", 0), 600);
}

TEST(FramePlacement, OpensAtTheStoredSizeMovedByTheWorkArea) {
    const auto geometry = RestoredFrameGeometry({SW_SHOWNORMAL, {100, 50, 740, 530}}, Screen());
    ASSERT_TRUE(geometry);
    EXPECT_EQ(geometry->frame, (CRect{100, 80, 740, 560}));
    EXPECT_EQ(geometry->nShowCmd, SW_SHOWNORMAL);
}

TEST(FramePlacement, AWindowStoredBeyondAnEdgeKeepsAnIconsWorthOnTheScreen) {
    // Beyond the right and bottom edges: pulled back so that 32 x 32 pixels stay visible.
    auto geometry = RestoredFrameGeometry({SW_SHOWNORMAL, {3000, 2000, 3640, 2480}}, Screen());
    ASSERT_TRUE(geometry);
    EXPECT_EQ(geometry->frame, (CRect{1248, 768, 1888, 1248}));
    // Beyond the left edge and above the top: the title bar comes back within reach.
    geometry = RestoredFrameGeometry({SW_SHOWNORMAL, {-2000, -500, -1360, -20}}, Screen());
    ASSERT_TRUE(geometry);
    EXPECT_EQ(geometry->frame, (CRect{-608, 0, 32, 480}));
    // Partly off the left edge is left as the user put it.
    geometry = RestoredFrameGeometry({SW_SHOWNORMAL, {-100, 10, 540, 490}}, Screen());
    EXPECT_EQ(geometry->frame.left, -100);
}

TEST(FramePlacement, ARectangleWithoutAreaIsNotRestored) {
    EXPECT_FALSE(RestoredFrameGeometry({SW_SHOWNORMAL, {100, 100, 100, 400}}, Screen()));
    EXPECT_FALSE(RestoredFrameGeometry({SW_SHOWNORMAL, {500, 100, 100, 400}}, Screen()));
}
