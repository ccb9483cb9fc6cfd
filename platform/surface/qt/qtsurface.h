#pragma once
// The surface on a QImage: windows and pickers paint into it and show the image. Pixels are
// written directly, a row at a time, so lines and fills are exactly those of the base class;
// text is drawn with QPainter in a QFont built from the logical font, without antialiasing so
// that every text pixel has the text colour. Fonts need a QGuiApplication; without one, text
// is measured on the fixed cell and not drawn.
//
// Repainting a canvas draws the same few fonts and labels again and again, on a new surface
// each time: the fonts built, their metrics, the widths of the lines measured in them and the
// lines laid out in them are kept for the life of the GUI application, and each surface draws
// all its text with one painter. Use from the GUI thread only, as Qt's fonts.

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QStaticText>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/surface/surface.h"

namespace tb {

// The installed family that stands in for one of the canvas faces ("Times New Roman",
// "Arial", "Courier"); other faces are returned unchanged.
QString ResolveFontFamily(const std::string& faceName);

// The QFont for a logical font on the display.
QFont FontFromLogFont(const LOGFONT& font);

// A logical font built once, with the metrics and line widths measured in it and the lines
// laid out in it.
struct CCachedFont {
    QFont font;
    int nAscent = 0;
    int nHeight = 0;
    struct CTextHash {
        using is_transparent = void;
        size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };
    std::unordered_map<std::string, int, CTextHash, std::equal_to<>> widths;
    std::unordered_map<std::string, QStaticText, CTextHash, std::equal_to<>> texts;
};

// The cache entry of a logical font, built on first use. Entries live until the GUI
// application goes, and are then dropped while its fonts still exist; the generation tells
// holders of an entry that theirs went with them.
CCachedFont& CachedFont(const LOGFONT& font);
uint64_t FontCacheGeneration();

} // namespace tb

class CQtSurface : public CSurface {
public:
    // w x h pixels, all of colour fill (black by default).
    CQtSurface(int w, int h, COLORREF fill = RGB(0, 0, 0));
    ~CQtSurface() override;

    int GetWidth() const override { return m_image.width(); }
    int GetHeight() const override { return m_image.height(); }
    std::unique_ptr<CSurface> CreateCompatible(int w, int h) const override;

    // The picture, with all text drawn so far.
    const QImage& Image() const;

protected:
    COLORREF DevGetPixel(int x, int y) const override;
    void DevSetPixel(int x, int y, COLORREF cr) override;
    void DevFill(const CRect& rect, COLORREF cr) override;
    bool DevCopyBlock(const CRect& dest, const CSurface& src, int xSrc, int ySrc) override;
    void OnFontChanged() override;
    int MeasureLineWidth(std::string_view line) override;
    int LineHeight() override;
    void DevDrawTextLine(std::string_view line, int x, int y, const CRect& clip) override;

private:
    bool HaveFonts() const;
    // The selected logical font as Qt draws it, with its metrics and measured widths.
    tb::CCachedFont& CurrentFont();
    // Ends the painter that draws text, so the image can be handed out.
    void EndText() const;

    QImage m_image;
    tb::CCachedFont* m_pFont = nullptr;        // the selected font's, once looked up
    uint64_t m_nFontGeneration = 0;            // of the cache that m_pFont points into
    mutable std::unique_ptr<QPainter> m_pText; // open while text is being drawn
    // What m_pText was last given, so that it is told only of changes.
    mutable const QFont* m_pTextFont = nullptr;
    mutable COLORREF m_crTextPen = CLR_INVALID;
    mutable CRect m_rcTextClip;
};
