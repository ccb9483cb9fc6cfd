#include "platform/surface/qt/qtsurface.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QStaticText>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>

#include "platform/surface/qt/qtrect.h"

namespace tb {

QString ResolveFontFamily(const std::string& faceName) {
    // The system's own aliases do not all lead to the metric-compatible families (a request
    // for "Courier" may get another mono face), so name them ourselves.
    const QString face = QString::fromUtf8(faceName.data(), qsizetype(faceName.size()));
    if (face.compare(QLatin1String("Times New Roman"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Serif");
    if (face.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Sans");
    if (face.compare(QLatin1String("Courier"), Qt::CaseInsensitive) == 0 ||
        face.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Mono");
    return face;
}

QFont FontFromLogFont(const LOGFONT& lf) {
    QFont font;
    const QString family = ResolveFontFamily(lf.lfFaceName);
    if (!family.isEmpty())
        font.setFamilies({family});
    font.setWeight(QFont::Weight(std::clamp(lf.lfWeight == 0 ? FW_NORMAL : lf.lfWeight, 1, 1000)));
    font.setItalic(lf.lfItalic);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    constexpr int kMaxPixels = 4096;
    if (lf.lfHeight < 0) {
        font.setPixelSize(int(std::clamp<int64_t>(-int64_t(lf.lfHeight), 1, kMaxPixels)));
    } else if (lf.lfHeight > 0) {
        // A cell height: scale the character height so that ascent + descent matches it.
        int cell = std::min(lf.lfHeight, kMaxPixels);
        font.setPixelSize(cell);
        int measured = QFontMetrics(font).height();
        if (measured > 0)
            font.setPixelSize(std::max(1, int(std::lround(double(cell) * cell / measured))));
    } else {
        font.setPixelSize(13);
    }
    return font;
}

} // namespace tb

namespace tb {

namespace {

// Widths kept per font before they are forgotten and measured again: a bound on the memory
// that designs with ever new labels can take.
constexpr size_t kMaxWidthsPerFont = 16384;

// Lines kept laid out per font before they are forgotten and laid out again.
constexpr size_t kMaxTextsPerFont = 4096;

// Whether a line laid out ahead draws exactly as Qt draws it on the spot: so for the Latin
// letters below U+0240, but not for combining marks, right-to-left scripts or characters
// from fallback fonts, which are drawn as they come.
bool LaysOutAlike(std::string_view line) {
    return std::all_of(line.begin(), line.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0xC9; });
}

struct CLogFontHash {
    size_t operator()(const LOGFONT& font) const {
        size_t h = std::hash<std::string>{}(font.lfFaceName);
        for (int64_t n : {int64_t(font.lfHeight), int64_t(font.lfWeight), int64_t(font.lfItalic)})
            h = h * 1000003u ^ std::hash<int64_t>{}(n);
        return h;
    }
};

struct CFontCache {
    std::unordered_map<LOGFONT, CCachedFont, CLogFontHash> fonts;
    uint64_t nGeneration = 1;
    bool bDropOnExit = false; // a post routine of the current application will drop it
};

CFontCache& FontCache() {
    static CFontCache cache;
    return cache;
}

// Called as the GUI application goes, before its fonts do.
void DropFontCache() {
    CFontCache& cache = FontCache();
    cache.fonts.clear();
    ++cache.nGeneration;
    cache.bDropOnExit = false;
}

} // namespace

CCachedFont& CachedFont(const LOGFONT& font) {
    CFontCache& cache = FontCache();
    if (!cache.bDropOnExit) {
        qAddPostRoutine(DropFontCache);
        cache.bDropOnExit = true;
    }
    auto found = cache.fonts.find(font);
    if (found == cache.fonts.end()) {
        CCachedFont entry;
        entry.font = FontFromLogFont(font);
        const QFontMetrics metrics(entry.font);
        entry.nAscent = metrics.ascent();
        entry.nHeight = metrics.height();
        found = cache.fonts.emplace(font, std::move(entry)).first;
    }
    return found->second;
}

uint64_t FontCacheGeneration() {
    return FontCache().nGeneration;
}

} // namespace tb

CQtSurface::CQtSurface(int w, int h, COLORREF fill)
    : m_image(tb::SurfaceSizeAllowed(w, h) ? w : 0, tb::SurfaceSizeAllowed(w, h) ? h : 0,
              QImage::Format_RGB32) {
    if (!m_image.isNull())
        m_image.fill(tb::ToQRgb(fill));
}

CQtSurface::~CQtSurface() {
    EndText();
}

std::unique_ptr<CSurface> CQtSurface::CreateCompatible(int w, int h) const {
    return std::make_unique<CQtSurface>(w, h);
}

const QImage& CQtSurface::Image() const {
    EndText();
    return m_image;
}

void CQtSurface::EndText() const {
    m_pText.reset();
    m_pTextFont = nullptr;
    m_crTextPen = CLR_INVALID;
}

COLORREF CQtSurface::DevGetPixel(int x, int y) const {
    return tb::FromQRgb(reinterpret_cast<const QRgb*>(m_image.constScanLine(y))[x]);
}

void CQtSurface::DevSetPixel(int x, int y, COLORREF cr) {
    reinterpret_cast<QRgb*>(m_image.scanLine(y))[x] = tb::ToQRgb(cr);
}

void CQtSurface::DevFill(const CRect& rect, COLORREF cr) {
    const QRgb rgb = tb::ToQRgb(cr);
    uchar* const bits = m_image.bits(); // one detach check for the whole fill
    const qsizetype stride = m_image.bytesPerLine();
    for (int y = rect.top; y < rect.bottom; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(bits + y * stride);
        std::fill(row + rect.left, row + rect.right, rgb);
    }
}

bool CQtSurface::DevCopyBlock(const CRect& dest, const CSurface& src, int xSrc, int ySrc) {
    const auto* pSrc = dynamic_cast<const CQtSurface*>(&src);
    if (!pSrc)
        return false;
    // This image's bits first: should it have to detach, the source's are read afterwards.
    uchar* const to = m_image.bits();
    const uchar* const from = pSrc->m_image.constBits();
    const qsizetype toStride = m_image.bytesPerLine();
    const qsizetype fromStride = pSrc->m_image.bytesPerLine();
    const size_t nBytes = size_t(dest.Width()) * sizeof(QRgb);
    // Rows go bottom up when the block moves down within one image, so that no row is
    // overwritten before it is copied; memmove takes care of overlap within a row.
    const bool bBottomUp = pSrc == this && dest.top > ySrc;
    for (int j = 0; j < dest.Height(); ++j) {
        const int row = bBottomUp ? dest.Height() - 1 - j : j;
        std::memmove(to + (dest.top + row) * toStride + dest.left * qsizetype(sizeof(QRgb)),
                     from + (ySrc + row) * fromStride + xSrc * qsizetype(sizeof(QRgb)), nBytes);
    }
    return true;
}

bool CQtSurface::HaveFonts() const {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

void CQtSurface::OnFontChanged() {
    m_pFont = nullptr;
}

tb::CCachedFont& CQtSurface::CurrentFont() {
    if (!m_pFont || m_nFontGeneration != tb::FontCacheGeneration()) {
        if (m_nFontGeneration != tb::FontCacheGeneration())
            EndText(); // its font may have gone with the cache
        m_pFont = &tb::CachedFont(GetFont());
        m_nFontGeneration = tb::FontCacheGeneration();
    }
    return *m_pFont;
}

int CQtSurface::MeasureLineWidth(std::string_view line) {
    if (!HaveFonts())
        return tb::FixedCellLineWidth(GetFont(), line);
    tb::CCachedFont& font = CurrentFont();
    if (const auto found = font.widths.find(line); found != font.widths.end())
        return found->second;
    const int nWidth = QFontMetrics(font.font).horizontalAdvance(
        QString::fromUtf8(line.data(), qsizetype(line.size())));
    if (font.widths.size() >= tb::kMaxWidthsPerFont)
        font.widths.clear();
    font.widths.emplace(line, nWidth);
    return nWidth;
}

int CQtSurface::LineHeight() {
    if (!HaveFonts())
        return tb::FixedCellLineHeight(GetFont());
    return CurrentFont().nHeight;
}

void CQtSurface::DevDrawTextLine(std::string_view line, int x, int y, const CRect& clip) {
    if (!HaveFonts() || line.empty() || m_image.isNull())
        return;
    tb::CCachedFont& cached = CurrentFont();
    const QFont& font = cached.font;
    if (!m_pText) {
        m_pText = std::make_unique<QPainter>(&m_image);
        m_pText->setRenderHint(QPainter::TextAntialiasing, false);
        m_pText->setClipRect(tb::ToQRect(clip));
        m_rcTextClip = clip;
    } else if (clip != m_rcTextClip) {
        m_pText->setClipRect(tb::ToQRect(clip));
        m_rcTextClip = clip;
    }
    if (&font != m_pTextFont) {
        m_pText->setFont(font);
        m_pTextFont = &font;
    }
    if (TextColor() != m_crTextPen) {
        m_pText->setPen(tb::ToQColor(TextColor()));
        m_crTextPen = TextColor();
    }
    const QString text = QString::fromUtf8(line.data(), qsizetype(line.size()));
    if (!tb::LaysOutAlike(line)) {
        m_pText->drawText(QPoint(x, y + cached.nAscent), text);
        return;
    }
    // Laying a line out is most of the cost of drawing it: repaints draw it ready-made.
    auto found = cached.texts.find(line);
    if (found == cached.texts.end()) {
        if (cached.texts.size() >= tb::kMaxTextsPerFont)
            cached.texts.clear();
        QStaticText laidOut(text);
        laidOut.setTextFormat(Qt::PlainText);
        laidOut.prepare(QTransform(), font);
        found = cached.texts.emplace(std::string(line), std::move(laidOut)).first;
    }
    m_pText->drawStaticText(QPoint(x, y), found->second);
}
