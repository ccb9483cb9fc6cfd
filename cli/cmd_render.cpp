// render: the design canvas as the designer paints it, into a PNG. The only command that
// works on the design itself rather than through the component: it reads the stored design
// and runs the painting code, so that designs can be looked at without a display.

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>

#include "cli/clicommand.h"
#include "cli/widgetdispids.h"
#include "cli/widgetsession.h"
#include "component/brisko.h"
#include "designer/paint/buttonpaint.h"
#include "designer/paint/canvaspaint.h"
#include "designer/paint/fixedstateview.h"
#include "platform/com/interfaceptr.h"
#include "platform/core/atomicfile.h"
#include "platform/surface/qt/qtsurface.h"
#include "platform/surface/surface.h"

namespace tb::cli {

int RunRender(const CliArgs& args) {
    short nState = 1;
    if (!ShortOption(args, "--state", 1, &nState))
        return 1;
    if (nState < 1 || nState > 3)
        return Fail("--state must be 1 (normal), 2 (mouse over) or 3 (clicked)");
    const std::string& in = args.positional[0];
    std::string error;
    if (!CheckWidgetFile(in, &error))
        return Fail(error);

    // The design is read as the component reads it; the object is never handed to a host.
    const auto pWidget = CInterfacePtr<CBrisko>::Adopt(new CBrisko);
    if (!pWidget->ReadConfigFile(in))
        return Fail(CannotReadText(in));
    const std::string progID = pWidget->config.PeekDescription(kDescProgID);
    if (progID.empty())
        return Fail("the widget file " + in + " names no component");
    if (progID != kDefaultWidgetProgID)
        return Fail("the widget file " + in + " belongs to another component (" + progID + ")");
    CAppletParameters& applet = pWidget->applet;
    // The surface's own limit, checked before anything is painted.
    if (!SurfaceSizeAllowed(applet.m_nWidth, applet.m_nHeight))
        return Fail("the applet size " + std::to_string(applet.m_nWidth) + " x " +
                    std::to_string(applet.m_nHeight) +
                    " cannot be rendered: a picture needs a positive width and height and may "
                    "have at most " +
                    std::to_string(kMaxSurfacePixels) + " pixels");

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
