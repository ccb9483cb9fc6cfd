// Text on the Qt surface: fonts resolve to the installed families and glyphs land inside
// the measured box in the text colour only.

#include <gtest/gtest.h>

#include <QFontInfo>

#include "platform/surface/qt/qtrect.h"
#include "platform/surface/qt/qtsurface.h"
#include "tests/platform/surface/guiapp.h"

namespace {

// Bounding box of the pixels that differ from the background.
CRect Ink(const CSurface& s, COLORREF background) {
    CRect box{s.GetWidth(), s.GetHeight(), 0, 0};
    for (int y = 0; y < s.GetHeight(); ++y)
        for (int x = 0; x < s.GetWidth(); ++x)
            if (s.GetPixel(x, y) != background) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1);
                box.bottom = std::max(box.bottom, y + 1);
            }
    return box;
}

TEST(QtSurface, CanvasFacesResolveToTheInstalledFamilies) {
    tb::test::EnsureGuiApp();
    LOGFONT lf;
    lf.lfHeight = -15;
    for (auto [face, family] :
         {std::pair{"Times New Roman", "Liberation Serif"}, std::pair{"Arial", "Liberation Sans"},
          std::pair{"Courier", "Liberation Mono"}}) {
        lf.lfFaceName = face;
        QFontInfo info(tb::FontFromLogFont(lf));
        EXPECT_EQ(info.family().toStdString(), family) << face;
        EXPECT_EQ(info.pixelSize(), 15) << face;
    }
    lf.lfWeight = FW_BOLD;
    lf.lfItalic = true;
    QFontInfo bold(tb::FontFromLogFont(lf));
    EXPECT_TRUE(bold.bold());
    EXPECT_TRUE(bold.italic());
}

TEST(QtSurface, TextIsDrawnTransparentlyInTheTextColourWithinItsBox) {
    tb::test::EnsureGuiApp();
    CQtSurface s(120, 60, RGB(255, 255, 255));
    LOGFONT lf;
    lf.lfHeight = -15;
    lf.lfFaceName = "Arial";
    s.SelectFont(lf);
    s.SetBkMode(TRANSPARENT);
    s.SetTextColor(RGB(200, 0, 0));
    CRect box{10, 5, 10, 5};
    s.DrawText("HIH", box, DT_CALCRECT);
    s.DrawText("HIH", box, DT_LEFT);
    CRect ink = Ink(s, RGB(255, 255, 255));
    EXPECT_GE(ink.left, box.left);
    EXPECT_LE(ink.left, box.left + 2);
    EXPECT_GE(ink.top, box.top);
    EXPECT_LE(ink.right, box.right);
    EXPECT_LE(ink.bottom, box.bottom);
    for (int y = 0; y < s.GetHeight(); ++y)
        for (int x = 0; x < s.GetWidth(); ++x) {
            COLORREF c = s.GetPixel(x, y);
            ASSERT_TRUE(c == RGB(255, 255, 255) || c == RGB(200, 0, 0)) << x << "," << y;
        }
}

TEST(QtSurface, OpaqueTextFillsItsLineBoxesAndClipsToTheRectangle) {
    tb::test::EnsureGuiApp();
    CQtSurface s(100, 40, RGB(255, 255, 255));
    s.SetBkColor(RGB(0, 0, 255));
    CRect r{0, 0, 100, 40};
    s.DrawText("WWWWWWWWWWWWWWWWWWWW", r, DT_CALCRECT);
    CRect clip{5, 0, 30, 40};
    s.DrawText("WWWWWWWWWWWWWWWWWWWW", clip, DT_LEFT);
    CRect ink = Ink(s, RGB(255, 255, 255));
    EXPECT_EQ(ink, (CRect{5, 0, 30, r.bottom}));
}

TEST(QtSurface, RectanglesConvertWithExclusiveEdges) {
    CRect r{2, 3, 12, 8};
    QRect q = tb::ToQRect(r);
    EXPECT_EQ(q.right(), 11);
    EXPECT_EQ(q.bottom(), 7);
    EXPECT_EQ(tb::FromQRect(q), r);
    EXPECT_EQ(tb::FromQRgb(tb::ToQRgb(RGB(1, 2, 3))), RGB(1, 2, 3));
    EXPECT_EQ(qRed(tb::ToQRgb(RGB(1, 2, 3))), 1);
}

} // namespace
