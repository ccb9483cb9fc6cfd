// render: the design canvas as the designer paints it, into a PNG. The only command that
// works on the design itself rather than through the component: it reads the stored design
// and runs the painting code, so that designs can be looked at without a display.

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>

#include "cli/clicommand.h"
#include "cli/widgetdispids.h"
#include "component/brisko.h"
#include "designer/paint/buttonpaint.h"
#include "designer/paint/canvaspaint.h"
#include "designer/paint/fixedstateview.h"
#include "platform/com/interfaceptr.h"
#include "platform/core/atomicfile.h"
#include "platform/core/paths.h"
#include "platform/surface/qt/qtsurface.h"

namespace tb::cli {

namespace {

// Canvases beyond this are refused rather than allocated.
constexpr int kMaxCanvasSide = 8192;

} // namespace

int RunRender(const CliArgs& args) {
    short nState = 1;
    if (!ShortOption(args, "--state", 1, &nState))
        return 1;
    if (nState < 1 || nState > 3)
        return Fail("--state must be 1 (normal), 2 (mouse over) or 3 (clicked)");
    const std::string& in = args.positional[0];
    if (!FileExists(in))
        return Fail("no such widget file: " + in);

    // The design is read as the component reads it; the object is never handed to a host.
    const auto pWidget = CInterfacePtr<CBrisko>::Adopt(new CBrisko);
    if (!pWidget->ReadConfigFile(in))
        return Fail("cannot read the widget file " + in);
    if (pWidget->config.PeekDescription(kDescProgID) != kDefaultWidgetProgID)
        return Fail("the widget file " + in + " belongs to another component (" +
                    pWidget->config.PeekDescription(kDescProgID) + ")");
    CAppletParameters& applet = pWidget->applet;
    if (applet.m_nWidth <= 0 || applet.m_nHeight <= 0 || applet.m_nWidth > kMaxCanvasSide ||
        applet.m_nHeight > kMaxCanvasSide)
        return Fail("the applet size " + std::to_string(applet.m_nWidth) + " x " +
                    std::to_string(applet.m_nHeight) + " cannot be rendered");

    static int argc = 1;
    static char name[] = "tessera";
    static char* argv[] = {name, nullptr};
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    CQtSurface surface(applet.m_nWidth, applet.m_nHeight);
    CFixedStateView view(nState);
    CLastPaintedState last;
    PaintAppletCanvas(surface, CRect(0, 0, applet.m_nWidth, applet.m_nHeight), applet, &view, last,
                      false);
    // Encoded in memory first, so that a failed write never leaves half a picture behind.
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !surface.Image().save(&buffer, "PNG"))
        return Fail("cannot encode the picture");
    std::string why;
    if (!WriteFileAtomically(args.positional[1], std::string_view(png.constData(), png.size()),
                             &why))
        return Fail("cannot write " + args.positional[1] + ": " + why);
    return 0;
}

} // namespace tb::cli
