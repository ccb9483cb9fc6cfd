// Cost of one full repaint of the design canvas on the Qt surface the designer paints into:
// the applet's background and border, then every button with its label, as while a button is
// dragged. Against filling the canvas's pixels once. Buttons lie on the grid of 1,000 cells
// that fills a 1,200 x 1,200 canvas; beyond 1,000 they start again from the first cell, a few
// pixels further, so every button costs the same at every size. With --fill, each size gets
// its own grid filling the canvas instead (fewer buttons are larger).
// Arguments: the design sizes in buttons (default 100 1000 10000), --reps=N, --fill.

#include "benchmarks/benchtable.h"
#include "benchmarks/designbuilder.h"
#include "designer/paint/buttonpaint.h"
#include "designer/paint/canvaspaint.h"
#include "designer/paint/fixedstateview.h"
#include "model/appletparameters.h"
#include "platform/surface/qt/qtsurface.h"

#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using tb::bench::CBenchStep;

constexpr int kCanvasSide = 1200;
constexpr int kCellsOnCanvas = 1000;

struct CPaintContext {
    CAppletParameters applet;
    std::unique_ptr<CQtSurface> pSurface;
    CFixedStateView view{1};
    QImage floorImage{kCanvasSide, kCanvasSide, QImage::Format_RGB32};
    unsigned nFloorColour = 0;
};

void Repaint(CPaintContext& c) {
    tb::CLastPaintedState last;
    tb::PaintAppletCanvas(*c.pSurface, CRect(0, 0, kCanvasSide, kCanvasSide), c.applet, &c.view,
                          last, false);
}

std::vector<CBenchStep<CPaintContext>> PaintSteps() {
    return {
        {"repaint", nullptr, Repaint, [](CPaintContext& c) { c.floorImage.fill(++c.nFloorColour); },
         "filling the canvas's pixels once"},
    };
}

} // namespace

int main(int argc, char** argv) {
    tb::KeepFreedMemory();
    bool bFill = false;
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--fill") == 0)
            bFill = true;
        else
            args.push_back(argv[i]);
    }
    // Fonts need a GUI application; the offscreen platform needs no display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    const tb::bench::CBenchOptions options =
        tb::bench::BenchOptionsFrom(int(args.size()), args.data(), {100, 1000, 10000});
    const std::vector<CBenchStep<CPaintContext>> steps = PaintSteps();
    std::printf("Canvas %d x %d on the Qt surface; buttons %s, every label painted.\n", kCanvasSide,
                kCanvasSide,
                bFill ? "on a grid of their own filling the canvas"
                      : "on the canvas's grid of 1,000 cells, layered beyond 1,000");
    std::vector<std::vector<tb::bench::CStepTimes>> timesBySize;
    for (int nButtons : options.sizes) {
        CPaintContext c;
        tb::bench::CDesignShape shape =
            tb::bench::CanvasShape(bFill ? nButtons : kCellsOnCanvas, kCanvasSide, kCanvasSide);
        shape.nCellsPerLayer = bFill ? 0 : kCellsOnCanvas;
        c.applet.m_nWidth = c.applet.m_nHeight = kCanvasSide;
        c.applet.m_nBackStyle = 2;
        c.applet.m_nBorderThick = 4;
        tb::bench::BuildDesign(c.applet, nButtons, shape);
        c.pSurface = std::make_unique<CQtSurface>(kCanvasSide, kCanvasSide);

        // The first repaint also builds what later ones reuse (fonts, glyphs).
        const tb::bench::CSeconds first = tb::bench::SecondsOf([&] { Repaint(c); });
        timesBySize.push_back(
            tb::bench::TimeSteps(steps, c, tb::bench::RepetitionsFor(options, nButtons)));
        tb::bench::PrintTimes(nButtons, steps, timesBySize.back());
        std::printf("  first repaint %.3f ms (wall %.3f ms); buttons %d x %d pixels\n",
                    first.cpu * 1e3, first.wall * 1e3, shape.nButtonWidth, shape.nButtonHeight);
    }
    tb::bench::PrintGrowth(options.sizes, steps, timesBySize);
    return 0;
}
