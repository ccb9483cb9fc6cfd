#include "platform/surface/qt/qtsurface.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>

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

CQtSurface::CQtSurface(int w, int h, COLORREF fill)
    : m_image(tb::SurfaceSizeAllowed(w, h) ? w : 0, tb::SurfaceSizeAllowed(w, h) ? h : 0,
              QImage::Format_RGB32) {
    if (!m_image.isNull())
        m_image.fill(tb::ToQRgb(fill));
}

std::unique_ptr<CSurface> CQtSurface::CreateCompatible(int w, int h) const {
    return std::make_unique<CQtSurface>(w, h);
}

COLORREF CQtSurface::DevGetPixel(int x, int y) const {
    return tb::FromQRgb(reinterpret_cast<const QRgb*>(m_image.constScanLine(y))[x]);
}

void CQtSurface::DevSetPixel(int x, int y, COLORREF cr) {
    reinterpret_cast<QRgb*>(m_image.scanLine(y))[x] = tb::ToQRgb(cr);
}

void CQtSurface::DevFill(const CRect& rect, COLORREF cr) {
    const QRgb rgb = tb::ToQRgb(cr);
    for (int y = rect.top; y < rect.bottom; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(m_image.scanLine(y));
        std::fill(row + rect.left, row + rect.right, rgb);
    }
}

bool CQtSurface::HaveFonts() const {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

void CQtSurface::OnFontChanged() {
    m_font.reset();
}

const QFont& CQtSurface::CurrentFont() {
    if (!m_font)
        m_font = tb::FontFromLogFont(GetFont());
    return *m_font;
}

int CQtSurface::MeasureLineWidth(std::string_view line) {
    if (!HaveFonts())
        return tb::FixedCellLineWidth(GetFont(), line);
    return QFontMetrics(CurrentFont())
        .horizontalAdvance(QString::fromUtf8(line.data(), qsizetype(line.size())));
}

int CQtSurface::LineHeight() {
    if (!HaveFonts())
        return tb::FixedCellLineHeight(GetFont());
    return QFontMetrics(CurrentFont()).height();
}

void CQtSurface::DevDrawTextLine(std::string_view line, int x, int y, const CRect& clip) {
    if (!HaveFonts() || line.empty() || m_image.isNull())
        return;
    const QFont& font = CurrentFont();
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setClipRect(tb::ToQRect(clip));
    painter.setFont(font);
    painter.setPen(tb::ToQColor(TextColor()));
    painter.drawText(QPoint(x, y + QFontMetrics(font).ascent()),
                     QString::fromUtf8(line.data(), qsizetype(line.size())));
}
