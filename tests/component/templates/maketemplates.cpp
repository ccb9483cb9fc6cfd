// Builds the template widget files shipped in the program folder, with the model API and
// the component's own writer. Run by hand when the designs change:
//   maketemplates resources/component/templates
// Not part of the program folder.

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "component/brisko.h"
#include "component/componentstate.h"
#include "model/drawrect.h"
#include "model/marquel.h"
#include "model/marquelitem.h"
#include "platform/com/interfaceptr.h"
#include "platform/core/colorref.h"

namespace {

struct Look {
    COLORREF crBack, crFade, crFont, crBorder;
    int nBackStyle, nBorderStyle, nFontSize, nFontStyle;
};

struct Design {
    const char* pszFile;
    const char* pszTitle;
    const char* pszDescription;
    int nWidth, nHeight;
    COLORREF crBack, crFade, crBorder;
    int nBackStyle, nBorderStyle, nBorderThick;
    bool bVertical;
    int nButtonW, nButtonH, nGap, nButtonBorder;
    Look looks[3];
    std::vector<const char*> labels;
};

void AddButtons(CAppletParameters& applet, const Design& d) {
    const int margin = d.nBorderThick + 6;
    for (size_t i = 0; i < d.labels.size(); ++i) {
        const int step = static_cast<int>(i) * ((d.bVertical ? d.nButtonH : d.nButtonW) + d.nGap);
        const int left = margin + (d.bVertical ? 0 : step);
        const int top = margin + (d.bVertical ? step : 0);
        auto pButton =
            std::make_unique<CDrawRect>(CRect(left, top, left + d.nButtonW, top + d.nButtonH));
        CMarquel& menu = *pButton->menu;
        menu.m_nBorderThick = d.nButtonBorder;
        for (int s = 0; s < 3; ++s) {
            CMarquelState& st = menu.m_states[s];
            const Look& look = d.looks[s];
            st.m_crBack = look.crBack;
            st.m_crFade = look.crFade;
            st.m_crFont = look.crFont;
            st.m_crBorder = look.crBorder;
            st.m_nBackStyle = look.nBackStyle;
            st.m_nBorderStyle = look.nBorderStyle;
            st.m_nFontSize = look.nFontSize;
            st.m_nFontStyle = look.nFontStyle;
            st.m_nFontName = 1;
            st.m_nTextAlign = 0;
        }
        CMarquelItem& item = *menu.m_items.front();
        item.m_strLabel = d.labels[i];
        item.m_strUrl =
            std::string(d.labels[i]) == "Home" ? "index.htm" : std::string(d.labels[i]) + ".htm";
        item.m_strDescription = std::string("Go to ") + d.labels[i];
        applet.AddButton(std::move(pButton));
    }
}

bool WriteDesign(const Design& d, const std::string& folder) {
    const auto pWidget = tb::CInterfacePtr<CBrisko>::Adopt(new CBrisko);
    CAppletParameters& a = pWidget->applet;
    a.m_nWidth = d.nWidth;
    a.m_nHeight = d.nHeight;
    a.m_crBack = d.crBack;
    a.m_crFade = d.crFade;
    a.m_crBorder = d.crBorder;
    a.m_nBackStyle = d.nBackStyle;
    a.m_nBorderStyle = d.nBorderStyle;
    a.m_nBorderThick = d.nBorderThick;
    AddButtons(a, d);
    pWidget->SetDescriptionEntry("Title", d.pszTitle);
    pWidget->SetDescriptionEntry("Description", d.pszDescription);
    pWidget->SetDescriptionEntry("BitmapFileName", "");
    pWidget->SetDescriptionEntry("PreviewPath", "");
    pWidget->SetLastUpdateTime(45000.5);
    return pWidget->WriteConfigFileEx(folder + "/" + d.pszFile, tb::GatherMode::CopyOnly);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: maketemplates OUTPUT-FOLDER\n");
        return 1;
    }
    // The class file is not copied next to templates; the resource list a host sees is
    // rebuilt from the installed component's folder anyway.
    tb::SetComponentFolder(".");
    const std::vector<Design> designs = {
        {"blueglassbar.tsq",
         "Blue Glass Bar",
         "A horizontal bar of glassy blue buttons that light up under the mouse",
         460,
         52,
         RGB(24, 40, 72),
         RGB(60, 90, 150),
         RGB(40, 60, 110),
         2,
         6,
         3,
         false,
         104,
         32,
         6,
         2,
         {{RGB(30, 80, 170), RGB(140, 190, 250), RGB(255, 255, 255), RGB(20, 50, 120), 3, 1, 14, 1},
          {RGB(60, 130, 230), RGB(200, 230, 255), RGB(255, 255, 200), RGB(30, 80, 170), 3, 1, 14,
           1},
          {RGB(20, 50, 120), RGB(60, 110, 200), RGB(255, 255, 255), RGB(10, 30, 80), 3, 2, 14, 1}},
         {"Home", "Products", "Support", "Contact"}},
        {"sunsettabs.tsq",
         "Sunset Tabs",
         "Warm orange tabs fading into red, with a raised border",
         420,
         50,
         RGB(60, 20, 30),
         RGB(120, 40, 40),
         RGB(90, 30, 30),
         2,
         1,
         2,
         false,
         96,
         30,
         4,
         3,
         {{RGB(250, 170, 60), RGB(220, 70, 50), RGB(60, 20, 10), RGB(180, 80, 40), 2, 1, 14, 1},
          {RGB(255, 210, 110), RGB(240, 110, 60), RGB(90, 20, 10), RGB(200, 100, 50), 2, 1, 14, 1},
          {RGB(220, 70, 50), RGB(250, 170, 60), RGB(255, 240, 220), RGB(150, 50, 30), 2, 2, 14, 1}},
         {"Home", "Gallery", "Journal", "About"}},
        {"plainlinks.tsq",
         "Plain Links",
         "A quiet vertical column of flat links on white",
         140,
         190,
         RGB(255, 255, 255),
         RGB(255, 255, 255),
         RGB(200, 200, 200),
         1,
         2,
         1,
         true,
         116,
         26,
         8,
         1,
         {{RGB(255, 255, 255), RGB(255, 255, 255), RGB(40, 40, 40), RGB(220, 220, 220), 1, 0, 14,
           0},
          {RGB(235, 242, 250), RGB(235, 242, 250), RGB(0, 70, 160), RGB(180, 200, 230), 1, 2, 14,
           0},
          {RGB(210, 225, 245), RGB(210, 225, 245), RGB(0, 40, 120), RGB(150, 170, 210), 1, 2, 14,
           0}},
         {"Home", "News", "Archive", "Links", "Contact"}},
    };
    for (const Design& d : designs) {
        if (!WriteDesign(d, argv[1])) {
            std::fprintf(stderr, "maketemplates: cannot write %s\n", d.pszFile);
            return 1;
        }
        std::printf("%s/%s\n", argv[1], d.pszFile);
    }
    return 0;
}
