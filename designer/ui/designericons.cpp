#include "designer/ui/designericons.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include "designer/core/commandids.h"

// The resource initialiser lives at global scope, where Q_INIT_RESOURCE must be called from.
static void InitDesignerIconResources() {
    Q_INIT_RESOURCE(designericons);
}

namespace tb {

namespace {

struct CIconName {
    unsigned nId;
    const char* pszName;
};

constexpr CIconName kIconNames[] = {
    {ID_PREVIEW, "preview"},
    {ID_EDIT_CUT, "cut"},
    {ID_EDIT_COPY, "copy"},
    {ID_EDIT_PASTE, "paste"},
    {ID_DUPLICATE, "duplicate"},
    {ID_TOOL_SELECT, "select"},
    {ID_TOOL_BUTTON, "button"},
    {ID_UNDO, "undo"},
    {ID_REDO, "redo"},
    {ID_MOVE_BACKWARD, "move-backward"},
    {ID_MOVE_FORWARD, "move-forward"},
    {ID_MOVE_TO_BACK, "move-to-back"},
    {ID_MOVE_TO_FRONT, "move-to-front"},
    {ID_ALIGN_LEFT, "align-left"},
    {ID_ALIGN_RIGHT, "align-right"},
    {ID_ALIGN_TOP, "align-top"},
    {ID_ALIGN_BOTTOM, "align-bottom"},
    {ID_SAME_WIDTH, "same-width"},
    {ID_SAME_HEIGHT, "same-height"},
    {ID_SAME_SIZE, "same-size"},
    {ID_SPACE_ACROSS, "space-across"},
    {ID_SPACE_DOWN, "space-down"},
    {ID_CENTER_VERTICAL, "center-vertical"},
    {ID_CENTER_HORIZONTAL, "center-horizontal"},
    {ID_HELP_FINDER, "help"},
};

// Sizes the drawings are rendered at: the tool bar's 16 and 24 pixels and the menus', each at
// the screen's pixel ratio, so that nothing is scaled from a bitmap.
constexpr int kIconSizes[] = {16, 24, 32};

QPixmap Render(QSvgRenderer& renderer, int nSize, qreal ratio) {
    const int nPixels = qRound(nSize * ratio);
    QPixmap pixmap(nPixels, nPixels);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace

const char* DesignerIconName(unsigned nCommandId) {
    for (const CIconName& entry : kIconNames) {
        if (entry.nId == nCommandId)
            return entry.pszName;
    }
    return "";
}

QIcon DesignerIcon(unsigned nCommandId) {
    const QString name = QString::fromLatin1(DesignerIconName(nCommandId));
    if (name.isEmpty())
        return {};
    static const bool bResourcesReady = (InitDesignerIconResources(), true);
    (void)bResourcesReady;
    QSvgRenderer renderer(QStringLiteral(":/designer/icons/%1.svg").arg(name));
    if (!renderer.isValid())
        return {};
    const qreal screenRatio = qApp ? qApp->devicePixelRatio() : 1.0;
    QIcon icon;
    for (int nSize : kIconSizes) {
        icon.addPixmap(Render(renderer, nSize, 1.0));
        if (screenRatio > 1.0)
            icon.addPixmap(Render(renderer, nSize, screenRatio));
    }
    return icon;
}

} // namespace tb
