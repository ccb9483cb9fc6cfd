// A button's rectangle and its menu's geometry, at the edges of the 32-bit range, and the same
// numbers in the HTML and in the stored form.

#include <gtest/gtest.h>

#include <cstdint>

#include "model/appletparameters.h"
#include "model/drawrect.h"
#include "model/marquel.h"
#include "model/menugeometry.h"
#include "model/parametermap.h"

namespace {

struct Geometry {
    int left, top, width, height;
    friend bool operator==(const Geometry&, const Geometry&) = default;
};

Geometry Of(const CRect& bounds) {
    CMarquel menu;
    tb::SetMenuGeometry(menu, bounds);
    return {menu.m_nLeft, menu.m_nTop, menu.m_nWidth, menu.m_nHeight};
}

CRect RectOf(int left, int top, int width, int height) {
    CMarquel menu;
    menu.m_nLeft = left;
    menu.m_nTop = top;
    menu.m_nWidth = width;
    menu.m_nHeight = height;
    return tb::MenuRectangle(menu);
}

TEST(MenuGeometry, FollowsTheNormalizedRectangle) {
    EXPECT_EQ(Of({10, 20, 90, 50}), (Geometry{10, 20, 80, 30}));
    EXPECT_EQ(Of({90, 50, 10, 20}), (Geometry{10, 20, 80, 30}));
    EXPECT_EQ(Of({5, 5, 5, 5}), (Geometry{5, 5, 0, 0}));
    EXPECT_EQ(RectOf(10, 20, 80, 30), (CRect{10, 20, 90, 50}));
    EXPECT_EQ(RectOf(10, 20, -80, 0), (CRect{10, 20, -70, 20}));
}

TEST(MenuGeometry, SizesBeyondTheRangeAreClampedNotWrapped) {
    // Exactly the largest width still fits; one more is clamped to it.
    EXPECT_EQ(Of({-1, 0, INT32_MAX - 1, 1}), (Geometry{-1, 0, INT32_MAX, 1}));
    EXPECT_EQ(Of({-2, 0, INT32_MAX - 1, 1}), (Geometry{-2, 0, INT32_MAX, 1}));
    EXPECT_EQ(Of({INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN}),
              (Geometry{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}));

    EXPECT_EQ(RectOf(INT32_MAX - 1, 0, 1, 0), (CRect{INT32_MAX - 1, 0, INT32_MAX, 0}));
    EXPECT_EQ(RectOf(INT32_MAX - 1, 0, 2, 0), (CRect{INT32_MAX - 1, 0, INT32_MAX, 0}));
    EXPECT_EQ(RectOf(INT32_MIN, INT32_MIN, -1, INT32_MIN),
              (CRect{INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN}));
    EXPECT_EQ(RectOf(INT32_MIN, 0, INT32_MAX, 0), (CRect{INT32_MIN, 0, -1, 0}));
}

TEST(MenuGeometry, HtmlAndStoredFormAgreeAtTheLimits) {
    CAppletParameters applet;
    CDrawRect* pButton =
        applet.AddButton(std::make_unique<CDrawRect>(CRect{INT32_MAX, 0, INT32_MIN, 1}));
    const std::string html = applet.GetHTML(nullptr, tb::HtmlMode::BareNames);
    EXPECT_NE(html.find("\"MStyle-0\" value=\"000000,00,0,0,-2147483648,0,2147483647,1,"),
              std::string::npos);
    CParameterMap map;
    applet.WriteParameters(map);
    ASSERT_NE(map.Find("MStyle-0"), nullptr);
    EXPECT_EQ(map.Find("MStyle-0")->rfind("0,0,0,0,-2147483648,0,2147483647,1,", 0), 0u);
    EXPECT_EQ(pButton->bounds, (CRect{INT32_MAX, 0, INT32_MIN, 1}));
}

} // namespace
