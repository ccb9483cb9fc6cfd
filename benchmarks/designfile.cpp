#include "benchmarks/designfile.h"

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
#include <fstream>

namespace tb::bench {

namespace {

// Writes a small file for each media reference of the item and of the items below it.
bool WriteMediaFiles(const CMarquelItem& item) {
    for (const std::string* pPath :
         {&item.m_strImageNormal, &item.m_strImageOver, &item.m_strImageClick, &item.m_strAudioOver,
          &item.m_strAudioClick}) {
        if (pPath->empty())
            continue;
        std::ofstream file(*pPath, std::ios::binary | std::ios::trunc);
        file << "media " << FileNamePart(*pPath) << '\n';
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

bool WriteDesignFile(const std::string& strFolder, int nButtons, int nWidth, int nHeight) {
    const std::string strBase = strFolder.ends_with('/') ? strFolder : strFolder + "/";
    CAppletParameters applet;
    applet.m_nWidth = nWidth;
    applet.m_nHeight = nHeight;
    applet.m_nBackStyle = 2;
    applet.m_nBorderThick = 4;
    applet.m_strWebPath = "http://www.example.com/media/";
    CDesignShape shape = CanvasShape(nButtons, nWidth, nHeight);
    shape.strMediaFolder = strBase;
    BuildDesign(applet, nButtons, shape);

    const size_t nMediaStep = size_t(std::max(2, nButtons / 20));
    for (size_t b = 0; b < applet.m_buttons.size(); b += nMediaStep)
        for (const auto& pItem : applet.m_buttons[b]->menu->m_items)
            if (!WriteMediaFiles(*pItem))
                return false;

    WidgetConfig config;
    config.SetDescription(kDescProgID, kBriskoProgID);
    config.SetDescription(kDescTitle, "Generated design of " + FormatInt(nButtons) + " buttons");
    config.SetLastUpdateTime(45000.5);
    applet.WriteParameters(config.Parameters());
    return config.Write(strBase + "design.tsq");
}

} // namespace tb::bench
