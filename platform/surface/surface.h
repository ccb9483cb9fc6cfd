#pragma once
// The painting surface that stands in for a GDI device context. Painting algorithms talk only
// to CSurface so that they run unchanged on a window's Qt image and on the plain in-memory
// surface used by pixel tests. Coordinates are logical: device = logical + viewport origin.
// Every primitive clips to the clip rectangle (at first the whole surface); nothing outside
// it is touched. Straight lines, fills and block copies work a row at a time.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/colorref.h"
#include "platform/core/rect.h"

constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

// DrawText formats we honour. Lines always break at CR LF, CR or LF; there is no word wrap.
constexpr unsigned DT_LEFT = 0x0000;
constexpr unsigned DT_CENTER = 0x0001;
constexpr unsigned DT_RIGHT = 0x0002;
constexpr unsigned DT_NOCLIP = 0x0100;
constexpr unsigned DT_CALCRECT = 0x0400;

// Background modes for text.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

constexpr int32_t FW_NORMAL = 400;
constexpr int32_t FW_BOLD = 700;

// A logical font: a negative height is the character (em) height in logical units, a positive
// one the cell height (ascent + descent), 0 asks for the default size.
struct LOGFONT {
    int32_t lfHeight = 0;
    int32_t lfWeight = FW_NORMAL;
    bool lfItalic = false;
    std::string lfFaceName;
    friend bool operator==(const LOGFONT&, const LOGFONT&) = default;
};

// Win32 MulDiv: a * b / c with a 64-bit intermediate, rounded half away from zero; -1 when c is
// 0 or the result does not fit.
int MulDiv(int a, int b, int c);

namespace tb {

// The display's logical resolution (pixels per inch) on which canvas fonts are measured.
constexpr int kLogPixelsY = 96;

// The lfHeight of a font of the given size in tenths of a point on the display.
int FontHeightFromTenths(int tenthsOfPoint);

// Largest surface we allocate (pixels); a bigger request gives an empty surface, so a
// corrupt size never exhausts memory.
constexpr int64_t kMaxSurfacePixels = int64_t(1) << 25;
inline bool SurfaceSizeAllowed(int w, int h) {
    return w > 0 && h > 0 && int64_t(w) * h <= kMaxSurfacePixels;
}

// Text metrics on a fixed cell, for surfaces that cannot render glyphs: each character is half
// the character height wide, each line the character height plus a quarter high.
int FixedCellLineWidth(const LOGFONT& font, std::string_view line);
int FixedCellLineHeight(const LOGFONT& font);

// Splits text into its lines at CR LF, CR or LF, as DrawText does.
std::vector<std::string_view> SplitTextLines(std::string_view text);

} // namespace tb

class CSurface {
public:
    virtual ~CSurface() = default;

    // Device size in pixels.
    virtual int GetWidth() const = 0;
    virtual int GetHeight() const = 0;

    // A new surface of the same kind, w x h pixels, all black, with default state (empty when
    // the size is not allowed).
    virtual std::unique_ptr<CSurface> CreateCompatible(int w, int h) const = 0;

    CPoint SetViewportOrg(int x, int y);
    CPoint GetViewportOrg() const { return m_state.ptViewportOrg; }
    // The logical rectangle painting can change: the clip rectangle within the surface.
    CRect GetClipBox() const;
    // Narrows the clip rectangle to its part within rect (logical, normalized first); false
    // when nothing is left to paint.
    bool IntersectClipRect(const CRect& rect);
    // Saves the viewport origin, current position, pen, text and background colours and mode,
    // font and clip rectangle, and returns the number of saved states.
    int SaveDC();
    // Restores the state saved as number nSavedDC (counting from 1), or for a negative number
    // the state that many saves back (-1: the last), and drops the states saved after it.
    // False when there is no such state.
    bool RestoreDC(int nSavedDC);

    // Lines: a one-pixel solid pen. LineTo includes the start point and stops before the end
    // point, then makes the end point current.
    COLORREF SetPenColor(COLORREF cr);
    COLORREF GetPenColor() const { return m_state.crPen; }
    CPoint MoveTo(int x, int y);
    bool LineTo(int x, int y);

    // Returns the colour set, or CLR_INVALID outside the clip rectangle.
    COLORREF SetPixel(int x, int y, COLORREF cr);
    // CLR_INVALID outside the clip rectangle.
    COLORREF GetPixel(int x, int y) const;

    // Rectangles are normalized first; right and bottom are exclusive.
    void FillSolidRect(const CRect& rect, COLORREF cr);
    // Inverts every pixel's colour (PatBlt DSTINVERT).
    void InvertRect(const CRect& rect);
    // Inverts every other pixel of the rectangle's one-pixel frame, so drawing it twice
    // restores the surface.
    void DrawFocusRect(const CRect& rect);

    // SRCCOPY of a w x h block from src at (xSrc, ySrc) to (x, y); src may be this surface.
    // The block is trimmed to src and to this surface's clip rectangle.
    bool BitBlt(int x, int y, int w, int h, const CSurface& src, int xSrc, int ySrc);

    // Text.
    void SelectFont(const LOGFONT& font);
    const LOGFONT& GetFont() const { return m_state.font; }
    COLORREF SetTextColor(COLORREF cr);
    COLORREF SetBkColor(COLORREF cr);
    int SetBkMode(int mode);
    // Width and height of one line of text in the selected font.
    CSize GetTextExtent(std::string_view line);
    // Multi-line text in rect: each line aligned left, centred or right within the rectangle,
    // lines stacked from the top. With DT_CALCRECT nothing is drawn and rect's right and
    // bottom are set to enclose the text. Returns the text height.
    int DrawText(std::string_view text, CRect& rect, unsigned format);

protected:
    // Device-level primitives; coordinates are inside the surface.
    virtual COLORREF DevGetPixel(int x, int y) const = 0;
    virtual void DevSetPixel(int x, int y, COLORREF cr) = 0;
    // Fills a rectangle already clipped to the surface.
    virtual void DevFill(const CRect& rect, COLORREF cr);
    // Copies the block of src whose top-left device pixel is (xSrc, ySrc) to dest, both
    // already within their surfaces, row by row where the two surfaces are of one kind; false
    // leaves it to the pixel-by-pixel copy.
    virtual bool DevCopyBlock(const CRect& dest, const CSurface& src, int xSrc, int ySrc) {
        (void)dest, (void)src, (void)xSrc, (void)ySrc;
        return false;
    }
    // Called after SelectFont so that an implementation can rebuild its font.
    virtual void OnFontChanged() {}
    // Width of one line and the height of every line in the selected font.
    virtual int MeasureLineWidth(std::string_view line) = 0;
    virtual int LineHeight() = 0;
    // Draws one line with its box's top-left corner at device (x, y), in the text colour,
    // clipped to the device rectangle clip (already within the surface).
    virtual void DevDrawTextLine(std::string_view line, int x, int y, const CRect& clip) = 0;

    COLORREF TextColor() const { return m_state.crText; }

private:
    // What SaveDC keeps.
    struct CState {
        CPoint ptViewportOrg;
        CPoint ptCurrent;
        COLORREF crPen = RGB(0, 0, 0);
        COLORREF crText = RGB(0, 0, 0);
        COLORREF crBk = RGB(255, 255, 255);
        int nBkMode = OPAQUE;
        LOGFONT font;
        bool bClipped = false; // clipped to rcClip rather than the whole surface
        CRect rcClip;          // device coordinates, within the surface
    };

    // The clip rectangle in device coordinates.
    CRect DeviceClip() const;
    CRect ClipToDevice(const CRect& logical) const;

    CState m_state;
    std::vector<CState> m_saved;
};
