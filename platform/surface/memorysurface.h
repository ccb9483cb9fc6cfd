#pragma once
// A surface in plain memory: exact lines, fills, inversions and blits, which is all the
// pixel tests of the painting algorithms need. It cannot render glyphs: text is measured on a
// fixed cell (half the character height wide per character, character height plus a quarter
// high per line) and draws nothing. Pixel tests of text use the Qt surface.

#include <vector>

#include "platform/surface/surface.h"

class CMemorySurface : public CSurface {
public:
    // w x h pixels, all of colour fill; negative sizes count as 0.
    CMemorySurface(int w, int h, COLORREF fill = RGB(0, 0, 0));

    int GetWidth() const override { return m_nWidth; }
    int GetHeight() const override { return m_nHeight; }
    std::unique_ptr<CSurface> CreateCompatible(int w, int h) const override;

    // Row-major device pixels.
    const std::vector<COLORREF>& Pixels() const { return m_pixels; }

protected:
    COLORREF DevGetPixel(int x, int y) const override { return m_pixels[Index(x, y)]; }
    void DevSetPixel(int x, int y, COLORREF cr) override { m_pixels[Index(x, y)] = cr; }
    void DevFill(const CRect& rect, COLORREF cr) override;
    bool DevCopyBlock(const CRect& dest, const CSurface& src, int xSrc, int ySrc) override;
    int MeasureLineWidth(std::string_view line) override;
    int LineHeight() override;
    void DevDrawTextLine(std::string_view, int, int, const CRect&) override {}

private:
    size_t Index(int x, int y) const { return size_t(y) * size_t(m_nWidth) + size_t(x); }

    int m_nWidth;
    int m_nHeight;
    std::vector<COLORREF> m_pixels;
};
