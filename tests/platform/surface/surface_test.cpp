// The surface primitives, run on both implementations: they must agree to the pixel.

#include <gtest/gtest.h>

#include <memory>

#include "platform/surface/memorysurface.h"
#include "platform/surface/qt/qtsurface.h"
#include "tests/platform/surface/guiapp.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);

// Which implementation a case runs on.
enum class Kind { Memory, Qt };

class SurfaceTest : public ::testing::TestWithParam<Kind> {
protected:
    std::unique_ptr<CSurface> Make(int w, int h, COLORREF fill = kWhite) {
        if (GetParam() == Kind::Memory)
            return std::make_unique<CMemorySurface>(w, h, fill);
        tb::test::EnsureGuiApp();
        return std::make_unique<CQtSurface>(w, h, fill);
    }
    static int CountPixels(const CSurface& s, COLORREF cr) {
        int n = 0;
        for (int y = 0; y < s.GetHeight(); ++y)
            for (int x = 0; x < s.GetWidth(); ++x)
                n += s.GetPixel(x, y) == cr;
        return n;
    }
};

TEST_P(SurfaceTest, LinesIncludeTheStartAndStopBeforeTheEnd) {
    auto s = Make(10, 10);
    s->SetPenColor(kRed);
    s->MoveTo(1, 2);
    s->LineTo(5, 2);
    EXPECT_EQ(s->GetPixel(1, 2), kRed);
    EXPECT_EQ(s->GetPixel(4, 2), kRed);
    EXPECT_EQ(s->GetPixel(5, 2), kWhite);
    EXPECT_EQ(s->GetPixel(0, 2), kWhite);
    EXPECT_EQ(CountPixels(*s, kRed), 4);

    // Drawn backwards the same rule holds: (5,7) down to but not including (5,3).
    s->MoveTo(5, 7);
    s->LineTo(5, 3);
    EXPECT_EQ(s->GetPixel(5, 7), kRed);
    EXPECT_EQ(s->GetPixel(5, 4), kRed);
    EXPECT_EQ(s->GetPixel(5, 3), kWhite);
    EXPECT_EQ(CountPixels(*s, kRed), 8);
}

TEST_P(SurfaceTest, DiagonalAndZeroLengthLines) {
    auto s = Make(10, 10);
    s->SetPenColor(kRed);
    s->MoveTo(0, 0);
    s->LineTo(4, 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(s->GetPixel(i, i), kRed) << i;
    EXPECT_EQ(s->GetPixel(4, 4), kWhite);
    EXPECT_EQ(CountPixels(*s, kRed), 4);

    // A gentle slope still sets one pixel per column and ends one column short.
    s->MoveTo(0, 9);
    s->LineTo(8, 7);
    EXPECT_EQ(s->GetPixel(0, 9), kRed);
    EXPECT_EQ(s->GetPixel(7, 7), kRed);
    EXPECT_EQ(s->GetPixel(8, 7), kWhite);
    EXPECT_EQ(CountPixels(*s, kRed), 12);

    s->MoveTo(3, 6);
    EXPECT_TRUE(s->LineTo(3, 6));
    EXPECT_EQ(s->GetPixel(3, 6), kWhite);
}

TEST_P(SurfaceTest, LinesClipAndEndAtTheNewCurrentPosition) {
    auto s = Make(8, 4);
    s->SetPenColor(kRed);
    s->MoveTo(-1000000000, 1);
    s->LineTo(1000000000, 1); // must not walk two billion pixels, nor wrap
    EXPECT_EQ(CountPixels(*s, kRed), 8);
    s->LineTo(1000000000, 100); // vertical, entirely off the surface
    EXPECT_EQ(CountPixels(*s, kRed), 8);
    EXPECT_EQ(s->MoveTo(0, 0), (CPoint{1000000000, 100}));
}

TEST_P(SurfaceTest, ViewportOriginShiftsEveryPrimitive) {
    auto s = Make(10, 10);
    s->SetViewportOrg(-100, -200); // logical (100,200) is device (0,0)
    s->SetPenColor(kRed);
    s->MoveTo(102, 203);
    s->LineTo(104, 203);
    s->FillSolidRect({105, 205, 107, 206}, RGB(0, 0, 255));
    s->SetViewportOrg(0, 0);
    EXPECT_EQ(s->GetPixel(2, 3), kRed);
    EXPECT_EQ(s->GetPixel(3, 3), kRed);
    EXPECT_EQ(s->GetPixel(4, 3), kWhite);
    EXPECT_EQ(s->GetPixel(5, 5), RGB(0, 0, 255));
    EXPECT_EQ(s->GetPixel(6, 5), RGB(0, 0, 255));
    EXPECT_EQ(s->GetPixel(7, 5), kWhite);
}

TEST_P(SurfaceTest, PixelsOutsideAreInvalidAndUntouched) {
    auto s = Make(3, 3);
    EXPECT_EQ(s->GetPixel(3, 0), CLR_INVALID);
    EXPECT_EQ(s->GetPixel(-1, 0), CLR_INVALID);
    EXPECT_EQ(s->SetPixel(0, 3, kRed), CLR_INVALID);
    EXPECT_EQ(s->SetPixel(2, 2, RGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(s->GetPixel(2, 2), RGB(1, 2, 3));
    EXPECT_EQ(CountPixels(*s, kWhite), 8);
}

TEST_P(SurfaceTest, FillNormalizesAndClips) {
    auto s = Make(6, 6);
    s->FillSolidRect({4, 4, 1, 2}, kRed); // inverted: the same as {1,2,4,4}
    EXPECT_EQ(CountPixels(*s, kRed), 6);
    EXPECT_EQ(s->GetPixel(1, 2), kRed);
    EXPECT_EQ(s->GetPixel(3, 3), kRed);
    EXPECT_EQ(s->GetPixel(4, 3), kWhite);
    s->FillSolidRect({-5, -5, 100, 1}, kRed);
    EXPECT_EQ(CountPixels(*s, kRed), 12);
}

TEST_P(SurfaceTest, InversionAndFocusRectangleUndoThemselves) {
    auto s = Make(7, 6, RGB(10, 20, 30));
    s->InvertRect({1, 1, 3, 2});
    EXPECT_EQ(s->GetPixel(1, 1), RGB(245, 235, 225));
    EXPECT_EQ(s->GetPixel(2, 1), RGB(245, 235, 225));
    EXPECT_EQ(s->GetPixel(3, 1), RGB(10, 20, 30));
    s->InvertRect({1, 1, 3, 2});
    EXPECT_EQ(CountPixels(*s, RGB(10, 20, 30)), 42);

    s->DrawFocusRect({0, 0, 7, 6});
    // Every other pixel of the frame; the inside is untouched.
    EXPECT_EQ(s->GetPixel(0, 0), RGB(245, 235, 225));
    EXPECT_EQ(s->GetPixel(1, 0), RGB(10, 20, 30));
    EXPECT_EQ(s->GetPixel(6, 0), RGB(245, 235, 225));
    EXPECT_EQ(s->GetPixel(0, 1), RGB(10, 20, 30));
    EXPECT_EQ(s->GetPixel(0, 2), RGB(245, 235, 225));
    EXPECT_EQ(s->GetPixel(2, 2), RGB(10, 20, 30));
    EXPECT_EQ(CountPixels(*s, RGB(245, 235, 225)), 11);
    s->DrawFocusRect({0, 0, 7, 6});
    EXPECT_EQ(CountPixels(*s, RGB(10, 20, 30)), 42);
}

TEST_P(SurfaceTest, OffScreenCompositionCopiesBlocksBothWays) {
    auto canvas = Make(10, 10);
    canvas->SetPixel(5, 6, kRed);
    auto mem = canvas->CreateCompatible(4, 3);
    ASSERT_EQ(mem->GetWidth(), 4);
    ASSERT_EQ(mem->GetHeight(), 3);
    EXPECT_EQ(mem->GetPixel(0, 0), RGB(0, 0, 0));

    // Paint in canvas coordinates on the memory surface, as a button face does.
    mem->SetViewportOrg(-4, -5);
    mem->BitBlt(4, 5, 4, 3, *canvas, 4, 5);
    EXPECT_EQ(mem->GetPixel(5, 6), kRed);
    EXPECT_EQ(mem->GetPixel(4, 5), kWhite);
    mem->SetPixel(7, 7, RGB(0, 255, 0));
    canvas->BitBlt(4, 5, 4, 3, *mem, 4, 5);
    EXPECT_EQ(canvas->GetPixel(7, 7), RGB(0, 255, 0));
    EXPECT_EQ(canvas->GetPixel(5, 6), kRed);
    EXPECT_EQ(canvas->GetPixel(8, 7), kWhite);

    // Blocks reaching past either surface are trimmed.
    mem->SetViewportOrg(0, 0);
    mem->SetPixel(3, 1, RGB(0, 0, 255));
    canvas->BitBlt(-2, 8, 20, 20, *mem, 0, 0);
    EXPECT_EQ(canvas->GetPixel(1, 9), RGB(0, 0, 255));
    EXPECT_EQ(canvas->GetPixel(2, 9), kWhite);
}

TEST_P(SurfaceTest, OverlappingBlitWithinOneSurface) {
    auto s = Make(5, 1);
    for (int x = 0; x < 5; ++x)
        s->SetPixel(x, 0, RGB(x, 0, 0));
    s->BitBlt(1, 0, 4, 1, *s, 0, 0);
    for (int x = 1; x < 5; ++x)
        EXPECT_EQ(s->GetPixel(x, 0), RGB(x - 1, 0, 0));
}

TEST_P(SurfaceTest, AbsurdSizesGiveAnEmptySurface) {
    auto s = Make(1, 1);
    auto huge = s->CreateCompatible(1 << 20, 1 << 20);
    EXPECT_EQ(huge->GetWidth(), 0);
    EXPECT_EQ(huge->GetPixel(0, 0), CLR_INVALID);
    huge->FillSolidRect({0, 0, 10, 10}, kRed);
    EXPECT_EQ(s->CreateCompatible(-3, 4)->GetHeight(), 0);
}

TEST_P(SurfaceTest, TextMeasuresAsLinesAndCalcRectDrawsNothing) {
    auto s = Make(200, 100);
    LOGFONT lf;
    lf.lfHeight = tb::FontHeightFromTenths(110);
    lf.lfFaceName = "Arial";
    s->SelectFont(lf);
    const int lineHeight = s->GetTextExtent("Ag").cy;
    ASSERT_GT(lineHeight, 0);
    CRect r{10, 20, 10, 20};
    EXPECT_EQ(s->DrawText("Menu\r\nItem one", r, DT_CALCRECT | DT_CENTER), 2 * lineHeight);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 20);
    EXPECT_EQ(r.Height(), 2 * lineHeight);
    EXPECT_EQ(r.Width(), std::max(s->GetTextExtent("Menu").cx, s->GetTextExtent("Item one").cx));
    EXPECT_EQ(CountPixels(*s, kWhite), 200 * 100);
}

INSTANTIATE_TEST_SUITE_P(Surfaces, SurfaceTest, ::testing::Values(Kind::Memory, Kind::Qt),
                         [](const auto& info) {
                             return std::string(info.param == Kind::Memory ? "Memory" : "Qt");
                         });

TEST(SurfaceHelpers, MulDivRoundsHalfAwayFromZero) {
    EXPECT_EQ(MulDiv(110, 96, 720), 15); // 14.67
    EXPECT_EQ(MulDiv(75, 96, 720), 10);  // exactly 10
    EXPECT_EQ(MulDiv(15, 1, 2), 8);      // 7.5
    EXPECT_EQ(MulDiv(-15, 1, 2), -8);
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
    EXPECT_EQ(MulDiv(1 << 30, 1 << 30, 1), -1);
    EXPECT_EQ(tb::FontHeightFromTenths(110), -15);
    EXPECT_EQ(tb::FontHeightFromTenths(80), -11);
}

TEST(SurfaceHelpers, TextSplitsAtEveryKindOfLineBreak) {
    using V = std::vector<std::string_view>;
    EXPECT_EQ(tb::SplitTextLines("a\r\nb\nc\rd"), (V{"a", "b", "c", "d"}));
    EXPECT_EQ(tb::SplitTextLines("a\n\nb"), (V{"a", "", "b"}));
    EXPECT_EQ(tb::SplitTextLines("a\r\n"), (V{"a"}));
    EXPECT_EQ(tb::SplitTextLines(""), (V{""}));
}

} // namespace
