// Writes a generated design as a widget file with some of its media files, so that scripts
// can run tessera on a design of any size:
//   tb-make-design FOLDER BUTTONS [WIDTH HEIGHT]
// writes FOLDER/design.tsq (the buttons on a grid filling a WIDTH x HEIGHT canvas, default
// 1200 x 1200) and, into FOLDER, the media files of about 20 buttons spread over the design
// (every other one in small designs). The other buttons' files stay missing, so readers also
// meet references to files that are gone. The same arguments always give the same bytes.

#include "benchmarks/designbuilder.h"
#include "component/briskoids.h"
#include "component/widgetconfig.h"
#include "model/appletparameters.h"
#include "model/drawrect.h"
#include "model/marquel.h"
#include "model/marquelitem.h"
#include "platform/core/numfmt.h"
#include "platform/core/paths.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

// Writes a small file for each media reference of the item and of the items below it.
bool WriteMediaFiles(const CMarquelItem& item) {
    for (const std::string* pPath :
         {&item.m_strImageNormal, &item.m_strImageOver, &item.m_strImageClick, &item.m_strAudioOver,
          &item.m_strAudioClick}) {
        if (pPath->empty())
            continue;
        std::ofstream file(*pPath, std::ios::binary | std::ios::trunc);
        file << "media " << tb::FileNamePart(*pPath) << '\n';
        if (!file.flush())
            return false;
    }
    if (item.m_pSubMenu)
        for (const auto& pSub : item.m_pSubMenu->m_items)
            if (pSub && !WriteMediaFiles(*pSub))
                return false;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 5) {
        std::fprintf(stderr, "usage: tb-make-design FOLDER BUTTONS [WIDTH HEIGHT]\n");
        return 2;
    }
    const std::string strFolder = std::string(argv[1]) + "/";
    const int nButtons = tb::AtoI(argv[2]);
    const int nWidth = argc == 5 ? tb::AtoI(argv[3]) : 1200;
    const int nHeight = argc == 5 ? tb::AtoI(argv[4]) : 1200;
    if (nButtons < 0 || nWidth <= 0 || nHeight <= 0) {
        std::fprintf(stderr, "tb-make-design: sizes must be positive\n");
        return 2;
    }

    CAppletParameters applet;
    applet.m_nWidth = nWidth;
    applet.m_nHeight = nHeight;
    applet.m_nBackStyle = 2;
    applet.m_nBorderThick = 4;
    applet.m_strWebPath = "http://www.example.com/media/";
    tb::bench::CDesignShape shape = tb::bench::CanvasShape(nButtons, nWidth, nHeight);
    shape.strMediaFolder = strFolder;
    tb::bench::BuildDesign(applet, nButtons, shape);

    const size_t nMediaStep = size_t(std::max(2, nButtons / 20));
    for (size_t b = 0; b < applet.m_buttons.size(); b += nMediaStep)
        for (const auto& pItem : applet.m_buttons[b]->menu->m_items)
            if (!WriteMediaFiles(*pItem)) {
                std::fprintf(stderr, "tb-make-design: cannot write the media files\n");
                return 1;
            }

    WidgetConfig config;
    config.SetDescription(tb::kDescProgID, tb::kBriskoProgID);
    config.SetDescription(tb::kDescTitle,
                          "Generated design of " + tb::FormatInt(nButtons) + " buttons");
    config.SetLastUpdateTime(45000.5);
    applet.WriteParameters(config.Parameters());
    if (!config.Write(strFolder + "design.tsq")) {
        std::fprintf(stderr, "tb-make-design: cannot write %sdesign.tsq\n", strFolder.c_str());
        return 1;
    }
    return 0;
}
