#pragma once
// The surface on a QImage: windows and pickers paint into it and show the image. Pixels are
// written directly, so lines and fills are exactly those of the base class; text is drawn
// with QPainter in a QFont built from the logical font, without antialiasing so that every
// text pixel has the text colour. Fonts need a QGuiApplication; without one, text is measured
// on the fixed cell and not drawn.

#include <QFont>
#include <QImage>
#include <QString>
#include <memory>
#include <optional>

#include "platform/surface/surface.h"

namespace tb {

// The installed family that stands in for one of the canvas faces ("Times New Roman",
// "Arial", "Courier"); other faces are returned unchanged.
QString ResolveFontFamily(const std::string& faceName);

// The QFont for a logical font on the display.
QFont FontFromLogFont(const LOGFONT& font);

} // namespace tb

class CQtSurface : public CSurface {
public:
    // w x h pixels, all of colour fill (black by default).
    CQtSurface(int w, int h, COLORREF fill = RGB(0, 0, 0));

    int GetWidth() const override { return m_image.width(); }
    int GetHeight() const override { return m_image.height(); }
    std::unique_ptr<CSurface> CreateCompatible(int w, int h) const override;

    const QImage& Image() const { return m_image; }

protected:
    COLORREF DevGetPixel(int x, int y) const override;
    void DevSetPixel(int x, int y, COLORREF cr) override;
    void DevFill(const CRect& rect, COLORREF cr) override;
    void OnFontChanged() override;
    int MeasureLineWidth(std::string_view line) override;
    int LineHeight() override;
    void DevDrawTextLine(std::string_view line, int x, int y, const CRect& clip) override;

private:
    bool HaveFonts() const;
    // The Qt font of the selected logical font, built on first use after a change.
    const QFont& CurrentFont();

    QImage m_image;
    std::optional<QFont> m_font; // built on first use
};
