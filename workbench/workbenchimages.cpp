#include "workbench/workbenchimages.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>

#include "workbench/core/commandids.h"

// The resource initialiser lives at global scope, where Q_INIT_RESOURCE must be called from.
static void InitWorkbenchImageResources() {
    Q_INIT_RESOURCE(workbenchimages);
}

namespace tb {

namespace {

constexpr int kGlyphSize = 32;
constexpr int kLeftMargin = 9;
constexpr int kGlyphGap = 8;
constexpr int kRightMargin = 12;
constexpr int kButtonHeight = 48;
// The face is drawn 2 pixels above the bottom, where its shadow lies.
constexpr int kFaceBottomGap = 3;

QString ResourcePath(const QString& name) {
    static const bool bInitialised = [] {
        InitWorkbenchImageResources();
        return true;
    }();
    (void)bInitialised;
    return QStringLiteral(":/workbench/") + name;
}

void RenderSvg(QPainter& painter, const QString& name, const QRectF& target) {
    QSvgRenderer renderer(ResourcePath(name));
    renderer.render(&painter, target);
}

QPixmap RenderSquare(const QString& name, int nSize, qreal ratio) {
    const int nPixels = qRound(nSize * ratio);
    QPixmap pixmap(nPixels, nPixels);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    RenderSvg(painter, name, QRectF(0, 0, nPixels, nPixels));
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QIcon IconFromSvg(const QString& name, std::initializer_list<int> sizes) {
    QIcon icon;
    for (int nSize : sizes) {
        for (qreal ratio : {1.0, 2.0})
            icon.addPixmap(RenderSquare(name, nSize, ratio));
    }
    return icon;
}

} // namespace

QSize FormButtonSize(const QStringList& captions, const QFont& font) {
    const QFontMetrics metrics(font);
    int nWidest = 0;
    for (const QString& caption : captions)
        nWidest = std::max(nWidest, metrics.horizontalAdvance(caption));
    return {std::max(176, kLeftMargin + kGlyphSize + kGlyphGap + nWidest + kRightMargin),
            std::max(kButtonHeight, metrics.height() + 2 * 12)};
}

QPixmap FormButtonImage(const QString& glyph, const QString& caption, const QFont& font, QSize size,
                        FormButtonLook look, qreal ratio) {
    QPixmap pixmap(qRound(size.width() * ratio), qRound(size.height() * ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(QColor(kFormColor));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const bool bPressed = look == FormButtonLook::Pressed;
    RenderSvg(painter,
              bPressed ? QStringLiteral("form/plate-pressed.svg")
                       : QStringLiteral("form/plate.svg"),
              QRectF(0, 0, size.width(), size.height()));
    if (look == FormButtonLook::Hot) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 70));
        painter.drawRoundedRect(QRectF(1, 1, size.width() - 3.0, size.height() - 5.0), 6, 6);
    }

    // Pushed in, the content moves down and right with the face.
    const QPointF shift = bPressed ? QPointF(1, 2) : QPointF(0, 0);
    const qreal faceHeight = size.height() - kFaceBottomGap;
    const QRectF glyphRect(kLeftMargin, (faceHeight - kGlyphSize) / 2, kGlyphSize, kGlyphSize);
    if (look == FormButtonLook::Disabled)
        painter.setOpacity(0.35);
    RenderSvg(painter, QStringLiteral("form/%1.svg").arg(glyph), glyphRect.translated(shift));
    painter.setOpacity(1.0);

    painter.setFont(font);
    painter.setPen(look == FormButtonLook::Disabled ? QColor(0x86, 0x86, 0x9e)
                                                    : QColor(0x1e, 0x24, 0x4a));
    const qreal textLeft = kLeftMargin + kGlyphSize + kGlyphGap;
    const QRectF textRect(textLeft, 0, size.width() - textLeft - kRightMargin, faceHeight);
    painter.drawText(textRect.translated(shift), Qt::AlignVCenter | Qt::AlignLeft, caption);
    painter.end();
    return pixmap;
}

QIcon ToolBarIcon(unsigned nCommandId) {
    switch (nCommandId) {
    case ID_FILE_SAVE:
        return IconFromSvg(QStringLiteral("toolbar/save.svg"), {16, 24, 32});
    case ID_FILE_SAVE_AS_TEMPLATE:
        return IconFromSvg(QStringLiteral("toolbar/template.svg"), {16, 24, 32});
    case ID_FILE_SUPPORT_FILES:
        return IconFromSvg(QStringLiteral("toolbar/support-files.svg"), {16, 24, 32});
    case ID_HELP_WORK_WITH_EDITOR:
        return IconFromSvg(QStringLiteral("toolbar/tips.svg"), {16, 24, 32});
    default:
        return {};
    }
}

QIcon WorkbenchIcon() {
    return IconFromSvg(QStringLiteral("ambrel-brisko.svg"), {16, 24, 32, 48, 64, 128});
}

} // namespace tb
