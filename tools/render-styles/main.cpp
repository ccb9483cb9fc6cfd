// tb-render-styles [output.png]: paints a sheet of the canvas painters (background styles 0-5,
// border styles 0-6 at thicknesses 1, 4 and 10, a button in its three states) and of the
// pickers' samples, and saves it as a PNG.

#include <QGuiApplication>
#include <cstdio>
#include <string>

#include "designer/paint/backgroundfill.h"
#include "designer/paint/borderpaint.h"
#include "designer/paint/buttonpaint.h"
#include "designer/paint/fixedstateview.h"
#include "designer/paint/stylesamples.h"
#include "model/drawrect.h"
#include "model/marquel.h"
#include "platform/surface/qt/qtsurface.h"

namespace {

constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr COLORREF kInk = RGB(0, 0, 0);
constexpr int kCell = 110;
constexpr int kLeft = 150;

void Caption(CSurface& s, int x, int y, const std::string& text) {
    LOGFONT lf;
    lf.lfHeight = -12;
    lf.lfFaceName = "Arial";
    s.SelectFont(lf);
    s.SetBkMode(TRANSPARENT);
    s.SetTextColor(kInk);
    CRect r{x, y, x, y};
    s.DrawText(text, r, DT_CALCRECT);
    s.DrawText(text, r, DT_LEFT);
}

// A checkerboard, so that transparent styles show what lies behind them.
void Checker(CSurface& s, const CRect& r) {
    for (int y = r.top; y < r.bottom; y += 5)
        for (int x = r.left; x < r.right; x += 5)
            s.FillSolidRect({x, y, std::min(x + 5, r.right), std::min(y + 5, r.bottom)},
                            ((x - r.left) / 5 + (y - r.top) / 5) % 2 ? RGB(220, 220, 220)
                                                                     : RGB(255, 255, 255));
}

class SheetPainter : public tb::IStyleSamplePainter {
public:
    bool m_bBorder = false;
    void PaintSample(CSurface& s, const CRect& r, int nStyle, COLORREF text) const override {
        if (m_bBorder)
            tb::PaintBorderStyleSample(s, r, tb::BorderStyle(nStyle), 0x426F8C, text);
        else
            tb::PaintBackStyleSample(s, r, tb::BackStyle(nStyle), 0x404080, 0x80FFFF, text);
    }
};

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const std::string out = argc > 1 ? argv[1] : "styles.png";
    const int width = kLeft + 7 * kCell + 20;
    const int height = 510;
    CQtSurface s(width, height, kPaper);

    int y = 10;
    Caption(s, 10, y + 15, "Background 0-5");
    for (int style = 0; style <= 5; ++style) {
        CRect r{kLeft + style * kCell, y, kLeft + style * kCell + 100, y + 50};
        Checker(s, r);
        tb::FillBackground(s, r, 0x404080, 0x80FFFF, tb::BackStyle(style));
        Caption(s, r.left, r.bottom + 2, "style " + std::to_string(style));
    }
    y += 80;

    for (int thickness : {1, 4, 10}) {
        Caption(s, 10, y + 15, "Border, thickness " + std::to_string(thickness));
        for (int style = 0; style <= 6; ++style) {
            CRect r{kLeft + style * kCell, y, kLeft + style * kCell + 100, y + 50};
            s.FillSolidRect(r, RGB(200, 200, 200));
            tb::DrawBorder(s, r, 0x426F8C, thickness, tb::BorderStyle(style));
            Caption(s, r.left, r.bottom + 2, "style " + std::to_string(style));
        }
        y += 80;
    }

    Caption(s, 10, y + 15, "Button states 1-3");
    tb::CLastPaintedState last;
    for (int state = 1; state <= 3; ++state) {
        CRect r{kLeft + (state - 1) * 150, y, kLeft + (state - 1) * 150 + 130, y + 50};
        Checker(s, {r.left - 5, r.top - 5, r.right + 5, r.bottom + 5});
        CDrawRect button(r);
        button.menu->m_items.front()->m_strLabel = "Button\r\nstate " + std::to_string(state);
        button.menu->m_states[1].m_nTextAlign = 1;
        button.menu->m_states[2].m_nTextAlign = 2;
        CFixedStateView view(state);
        tb::DrawButton(s, button, &view, last);
    }
    y += 80;

    SheetPainter painter;
    tb::PickerColors colors;
    Caption(s, 10, y + 10, "Back style picker");
    for (int style = 0; style <= 5; ++style)
        tb::DrawPickerEntry(s, {kLeft + style * kCell, y, kLeft + style * kCell + 100, y + 22},
                            style, style == 2, style == 2, colors, painter);
    y += 40;
    painter.m_bBorder = true;
    Caption(s, 10, y + 10, "Border style picker");
    for (int style = 0; style <= 6; ++style)
        tb::DrawPickerEntry(s, {kLeft + style * kCell, y, kLeft + style * kCell + 100, y + 22},
                            style, style == 5, style == 5, colors, painter);

    if (!s.Image().save(QString::fromStdString(out), "PNG")) {
        std::fprintf(stderr, "tb-render-styles: cannot write %s\n", out.c_str());
        return 1;
    }
    std::printf("%s\n", out.c_str());
    return 0;
}
