// The style pickers driven headless: selection rules, colour setters, and what an entry
// looks like.

#include <gtest/gtest.h>

#include <QApplication>

#include "model/ui/backstylepicker.h"
#include "model/ui/borderstylepicker.h"
#include "platform/surface/qt/qtrect.h"
#include "tests/support/widgetapp.h"

namespace {

using tb::BackStyle;
using tb::BorderStyle;

class StylePicker : public ::testing::Test {
protected:
    static void SetUpTestSuite() { tb::test::EnsureWidgetApp(); }
};

COLORREF Pixel(const QImage& image, int x, int y) {
    return tb::FromQRgb(image.pixel(x, y));
}

TEST_F(StylePicker, BackPickerStartsOnEntryOneAndReplacesUnknownStylesByOne) {
    CBackStylePicker picker;
    EXPECT_EQ(picker.count(), 6);
    EXPECT_EQ(picker.GetBackStyle(), BackStyle::Solid);
    picker.SetStyle(BackStyle::LeftToRight, 0x404080, 0x80FFFF);
    EXPECT_EQ(picker.GetBackStyle(), BackStyle::LeftToRight);
    picker.SetStyle(BackStyle(7), 0x404080, 0x80FFFF);
    EXPECT_EQ(picker.GetBackStyle(), BackStyle::Solid);
    picker.SetStyle(BackStyle(-1), 0x404080, 0x80FFFF);
    EXPECT_EQ(picker.GetBackStyle(), BackStyle::Solid);
    picker.SetStyle(BackStyle::Transparent, 0x404080, 0x80FFFF);
    EXPECT_EQ(picker.GetBackStyle(), BackStyle::Transparent);
    picker.setCurrentIndex(-1);
    EXPECT_EQ(picker.GetBackStyle(), BackStyle::Transparent);
}

TEST_F(StylePicker, AppletFormHasNoTransparencyAndIsOffsetByOne) {
    CBackStylePicker picker(false);
    EXPECT_EQ(picker.count(), 5);
    EXPECT_EQ(picker.itemData(0).toInt(), 1);
    picker.SetStyle(BackStyle::Solid, 0x404080, 0x80FFFF);
    EXPECT_EQ(picker.currentIndex(), 0);
    EXPECT_EQ(picker.GetBackStyle(), BackStyle::Solid);
    picker.SetStyle(BackStyle::MirroredHorizontal, 0x404080, 0x80FFFF);
    EXPECT_EQ(picker.currentIndex(), 4);
}

TEST_F(StylePicker, ColourSettersRefillAndKeepTheSelection) {
    CBackStylePicker picker;
    picker.SetStyle(BackStyle::MirroredVertical, RGB(1, 2, 3), RGB(4, 5, 6));
    EXPECT_EQ(picker.GetFirstColor(), RGB(1, 2, 3));
    EXPECT_EQ(picker.GetSecondColor(), RGB(4, 5, 6));
    EXPECT_EQ(picker.GetBackStyle(), BackStyle::MirroredVertical);
    picker.SetFirstColor(RGB(9, 9, 9));
    picker.SetSecondColor(RGB(8, 8, 8));
    EXPECT_EQ(picker.GetBackStyle(), BackStyle::MirroredVertical);
    EXPECT_EQ(picker.count(), 6);

    picker.SetBlackWhite();
    picker.SwapColors();
    EXPECT_EQ(picker.GetFirstColor(), RGB(255, 255, 255));
    EXPECT_EQ(picker.GetSecondColor(), RGB(0, 0, 0));
    EXPECT_EQ(picker.GetBackStyle(), BackStyle::MirroredVertical);
}

TEST_F(StylePicker, EntriesPaintTheirSamples) {
    CBackStylePicker picker;
    picker.SetStyle(BackStyle::Solid, RGB(200, 10, 10), RGB(10, 10, 200));
    const COLORREF window = tb::FromQColor(picker.palette().color(QPalette::Base));
    const COLORREF highlight = tb::FromQColor(picker.palette().color(QPalette::Highlight));

    QImage solid = picker.RenderEntry(1, 60, 20, false, false);
    EXPECT_EQ(Pixel(solid, 0, 0), window);
    EXPECT_EQ(Pixel(solid, 30, 10), RGB(200, 10, 10));

    QImage gradient = picker.RenderEntry(2, 60, 20, true, false);
    EXPECT_EQ(Pixel(gradient, 0, 0), highlight);
    EXPECT_EQ(Pixel(gradient, 30, 2), RGB(200, 10, 10)); // first colour at the sample's top

    // "Transparent": some text pixels on the window colour, none outside the margin.
    QImage word = picker.RenderEntry(0, 100, 20, false, false);
    int ink = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 100; ++x)
            ink += Pixel(word, x, y) != window;
    EXPECT_GT(ink, 10);
}

TEST_F(StylePicker, BorderPickerHasSevenEntriesAndKeepsItsColour) {
    CBorderStylePicker picker;
    ASSERT_EQ(picker.count(), 7);
    EXPECT_EQ(picker.itemText(6).toStdString(), "6");
    EXPECT_EQ(picker.GetBorderStyle(), BorderStyle::Raised);
    picker.SetStyle(BorderStyle(9), RGB(40, 100, 160));
    EXPECT_EQ(picker.GetBorderStyle(), BorderStyle::Raised);
    picker.SetStyle(BorderStyle::DoubleRaised, RGB(40, 100, 160));
    EXPECT_EQ(picker.GetBorderStyle(), BorderStyle::DoubleRaised);
    EXPECT_EQ(picker.GetColor(), RGB(40, 100, 160));

    // Style 1 sample: its outermost ring, 2 pixels in, is the colour itself.
    QImage sample = picker.RenderEntry(1, 60, 20, false, false);
    EXPECT_EQ(Pixel(sample, 2, 10), RGB(40, 100, 160));
    EXPECT_EQ(Pixel(sample, 3, 10), RGB(50, 110, 170));
    picker.SetColor(RGB(0, 0, 0));
    EXPECT_EQ(picker.GetBorderStyle(), BorderStyle::DoubleRaised);
}

} // namespace
