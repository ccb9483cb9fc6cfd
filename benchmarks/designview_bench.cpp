// Cost of the design view's painting on a 1200 x 1200 applet as the design grows: one full
// repaint of the view (the canvas painted off screen and shown), and one step of dragging a
// selected button, which repaints only where the button was and is. Arguments: the design
// sizes in buttons (default 10 100 1000) and --reps=N.

#include <QApplication>
#include <QWidget>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "benchmarks/benchtable.h"
#include "benchmarks/viewstandins.h"
#include "designer/ui/drawview.h"
#include "model/appletparameters.h"
#include "model/drawrect.h"
#include "model/marquel.h"
#include "model/marquelitem.h"
#include "platform/core/numfmt.h"

namespace {

using tb::bench::CBenchStep;

constexpr int kAppletSide = 1200;

// Buttons of 80 x 30 with two-line labels and gradient faces spread evenly over the applet,
// overlapping where there are many of them.
void BuildCanvas(CAppletParameters& applet, int nButtons) {
    applet.m_nWidth = kAppletSide;
    applet.m_nHeight = kAppletSide;
    applet.m_nBackStyle = 2;
    const int nColumns = std::max(1, int(std::ceil(std::sqrt(double(nButtons)))));
    const int nStep = (kAppletSide - 90) / std::max(1, nColumns - 1);
    for (int b = 0; b < nButtons; ++b) {
        const int left = 5 + (b % nColumns) * nStep;
        const int top = 5 + (b / nColumns) * nStep;
        CDrawRect* p =
            applet.AddButton(std::make_unique<CDrawRect>(CRect{left, top, left + 80, top + 30}));
        p->menu->m_items.front()->m_strLabel = "Button " + tb::FormatInt(b) + "\r\nline two";
        p->menu->m_states[0].m_nBackStyle = 3;
    }
}

struct CViewContext {
    CAppletParameters applet;
    tb::bench::CNoSheets sheets;
    std::unique_ptr<tb::CDrawView> pView;
    int nDx = 1;
    int nSink = 0; // keeps the canvas step's picture from being thrown away unseen
};

void Flush() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

std::vector<CBenchStep<CViewContext>> ViewSteps() {
    return {
        {"repaint", nullptr, [](CViewContext& c) { c.pView->repaint(); }, nullptr, ""},
        // The canvas painter alone, without showing the picture.
        {"canvas", nullptr,
         [](CViewContext& c) { c.nSink += c.pView->RenderClient(c.pView->rect()).width(); },
         nullptr, ""},
        // One mouse move of a drag: the middle button, selected, one pixel further; then the
        // pending repaint of what that changed.
        {"drag step", [](CViewContext&) { Flush(); },
         [](CViewContext& c) {
             c.nDx = -c.nDx;
             const CPoint at = c.pView->Core().ToolState().lastDevicePoint;
             c.pView->Core().OnMouseMove(tb::MK_LBUTTON, {at.x + c.nDx, at.y});
             Flush();
         },
         nullptr, ""},
    };
}

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);

    tb::KeepFreedMemory();
    const tb::bench::CBenchOptions options =
        tb::bench::BenchOptionsFrom(argc, argv, {10, 100, 1000});
    const std::vector<CBenchStep<CViewContext>> steps = ViewSteps();
    std::printf("Design view of a %d x %d applet; buttons 80 x 30 with two-line labels.\n",
                kAppletSide, kAppletSide);
    std::vector<std::vector<tb::bench::CStepTimes>> timesBySize;
    for (int nButtons : options.sizes) {
        CViewContext context;
        BuildCanvas(context.applet, nButtons);
        context.pView = std::make_unique<tb::CDrawView>(context.applet, context.sheets);
        context.pView->resize(kAppletSide, kAppletSide);
        context.pView->show();
        context.pView->Core().SetActive(true);
        // Press on the middle button: it is selected and the drag has begun.
        CDrawRect* pMiddle = context.applet.m_buttons[size_t(nButtons / 2)].get();
        context.pView->Core().OnLButtonDown(tb::MK_LBUTTON,
                                            {pMiddle->bounds.left + 40, pMiddle->bounds.top + 15});
        QCoreApplication::processEvents();
        const int reps = options.nReps > 0 ? options.nReps : std::max(5, 2000 / nButtons);
        timesBySize.push_back(tb::bench::TimeSteps(steps, context, reps));
        tb::bench::PrintTimes(nButtons, steps, timesBySize.back());
    }
    tb::bench::PrintGrowth(options.sizes, steps, timesBySize);
    return 0;
}
