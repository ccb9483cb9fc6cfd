// Text on the Qt surface goes through fonts, widths and laid-out lines kept across surfaces
// and one painter per surface: the pixels must be exactly those of Qt drawing each line
// itself, in every script (some are laid out ahead, others not), and a picture handed out
// must never change afterwards.

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <string>
#include <vector>

#include "platform/surface/qt/qtrect.h"
#include "platform/surface/qt/qtsurface.h"
#include "tests/platform/surface/guiapp.h"

namespace {

const std::vector<std::string> kLines = {
    "Home",
    "b123 line two, with a comma",
    "\xC3\x9C"
    "ber \xC3\xA0 la caf\xC3\xA9",                         // accents
    "e\xCC\x81t\xC3\xA9",                                  // combining acute
    "mixed \xD7\xA2\xD7\x91\xD7\xA8\xD7\x99\xD7\xAA text", // Hebrew inside Latin
    "\xD8\xB9\xD8\xB1\xD8\xA8\xD9\x8A",                    // Arabic
    "tab\there",
    "   leading and trailing   ",
    "office fi fl",
    "\xE2\x88\x91 \xE2\x82\xAC \xF0\x9F\x98\x80", // symbols and an emoji from fallback fonts
    "ctl\x01\x1F\x7F end",
    "\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1 \xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0",
    "\xC4\x9E\xC5\x82\xC8\x99 \xC5\xA6 \xC6\x92",
    "\xC9\x90\xCA\x83 \xCB\x86",
};

std::vector<LOGFONT> Fonts() {
    std::vector<LOGFONT> fonts;
    for (const char* face : {"Times New Roman", "Arial", "Courier"})
        for (int32_t height : {-11, -15, -19, 20})
            for (int style = 0; style < 3; ++style) {
                LOGFONT lf;
                lf.lfFaceName = face;
                lf.lfHeight = height;
                lf.lfWeight = style == 1 ? FW_BOLD : FW_NORMAL;
                lf.lfItalic = style == 2;
                fonts.push_back(lf);
            }
    return fonts;
}

// The line as Qt draws it with a painter of its own: baseline at top + ascent.
QImage DrawnByQt(const LOGFONT& lf, const std::string& line, QPoint topLeft, const QRect& clip) {
    QImage image(160, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QFont font = tb::FontFromLogFont(lf);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setClipRect(clip);
    painter.setFont(font);
    painter.setPen(QColor(20, 40, 200));
    painter.drawText(QPoint(topLeft.x(), topLeft.y() + QFontMetrics(font).ascent()),
                     QString::fromStdString(line));
    painter.end();
    return image;
}

TEST(QtSurfaceText, KeptFontsAndLinesDrawTheSamePixelsAsQtDirectly) {
    tb::test::EnsureGuiApp();
    for (const LOGFONT& lf : Fonts()) {
        // Twice each, so that the second round draws from what the first one kept.
        for (int round = 0; round < 2; ++round) {
            for (const std::string& line : kLines) {
                CQtSurface surface(160, 40, RGB(255, 255, 255));
                surface.SelectFont(lf);
                surface.SetBkMode(TRANSPARENT);
                surface.SetTextColor(RGB(20, 40, 200));
                const CRect clip{3, 2, 150, 37};
                surface.IntersectClipRect(clip);
                CRect box{7, 4, 160, 40};
                surface.DrawText(line, box, DT_LEFT | DT_NOCLIP);
                ASSERT_EQ(surface.Image(), DrawnByQt(lf, line, QPoint(7, 4), tb::ToQRect(clip)))
                    << lf.lfFaceName << " " << lf.lfHeight << " " << lf.lfWeight << " "
                    << lf.lfItalic << ": " << line;
            }
        }
    }
}

TEST(QtSurfaceText, WidthsAndHeightsAreQtsOnEverySurface) {
    tb::test::EnsureGuiApp();
    for (const LOGFONT& lf : Fonts()) {
        const QFontMetrics metrics(tb::FontFromLogFont(lf));
        for (int round = 0; round < 2; ++round) {
            CQtSurface surface(10, 10);
            surface.SelectFont(lf);
            for (const std::string& line : kLines) {
                const CSize extent = surface.GetTextExtent(line);
                EXPECT_EQ(extent.cx, metrics.horizontalAdvance(QString::fromStdString(line)))
                    << line;
                EXPECT_EQ(extent.cy, metrics.height());
            }
        }
    }
}

TEST(QtSurfaceText, PictureHandedOutStaysAsItWasWhilePaintingGoesOn) {
    tb::test::EnsureGuiApp();
    CQtSurface surface(80, 30, RGB(255, 255, 255));
    LOGFONT lf;
    lf.lfFaceName = "Arial";
    lf.lfHeight = -15;
    surface.SelectFont(lf);
    surface.SetBkMode(TRANSPARENT);
    CRect box{2, 2, 80, 30};
    surface.DrawText("first", box, DT_LEFT);
    const QImage before = surface.Image();
    const QImage kept = before.copy();

    // Text, fills, lines and copies after the picture was handed out change only the surface.
    surface.DrawText("second line", box, DT_LEFT);
    surface.FillSolidRect({0, 20, 80, 30}, RGB(255, 0, 0));
    surface.SetPenColor(RGB(0, 255, 0));
    surface.MoveTo(0, 0);
    surface.LineTo(80, 0);
    surface.BitBlt(40, 0, 40, 10, surface, 0, 0);
    EXPECT_EQ(before, kept);
    EXPECT_NE(surface.Image(), kept);
    EXPECT_EQ(surface.GetPixel(5, 25), RGB(255, 0, 0));
}

} // namespace
