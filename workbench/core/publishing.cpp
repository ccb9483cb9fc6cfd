#include "workbench/core/publishing.h"

#include <cstdio>

#include "platform/core/atomicfile.h"
#include "platform/core/paths.h"
#include "workbench/core/tessera.h"
#include "workbench/core/workbenchstrings.h"

namespace tb {

CPageSegments CollectPageSegments(CTessera& widget, int16_t nMode) {
    CPageSegments segments;
    const int16_t n = widget.GetHTMLSegmentNumber();
    for (int16_t i = 0; i < n; ++i) {
        const std::string position = widget.GetHTMLPosition(i);
        if (position == "style")
            segments.style = widget.GetHTMLBody(i, nMode);
        else if (position == "script")
            segments.script = widget.GetHTMLBody(i, nMode);
        else if (position == "cursor")
            segments.cursor = widget.GetHTMLBody(i, nMode);
    }
    return segments;
}

std::string ResourceExportPath(const std::string& page) {
    return FolderPart(page) + std::string(FileTitleView(page)) + ".restsq";
}

void ExportWidgetFilesBeside(CTessera& widget, const std::string& page, bool bForInsert) {
    const std::string exportPath = ResourceExportPath(page);
    if (bForInsert)
        widget.WriteConfigFileEx(exportPath, 1);
    else
        widget.WriteConfigFile(exportPath);
    std::remove(exportPath.c_str());
}

std::string NewPageText(const std::string& title, const CPageSegments& segments,
                        const std::string& headLines) {
    return "<HTML>\r\n<HEAD>\r\n<TITLE>" + title + "</TITLE>\r\n" + headLines + segments.style +
           "\r\n" + segments.script + "\r\n</HEAD>\r\n" + "<BODY>\r\n" + segments.cursor +
           "\r\n</BODY>\r\n" + "</HTML>";
}

std::string MarkerBlock(const std::string& body) {
    return "<!--Insert By Tallowby Marquel-->\r\n" + body + "\r\n<!--End of Marquel-->\r\n";
}

std::string WidgetMarkerBlock(CTessera& widget) {
    return MarkerBlock(widget.GetHTMLBody(0, 1));
}

bool CreateWidgetPage(CTessera& widget, const std::string& page) {
    ExportWidgetFilesBeside(widget, page, false);
    const CPageSegments segments = CollectPageSegments(widget, 1);
    // The page is replaced only once all of it is written, so a failure keeps an old one.
    if (!WriteFileAtomically(page, NewPageText(widget.m_strName, segments))) {
        AfxMessageBox(LoadHostString(IDS_CREATE_HTML_FAILED));
        return false;
    }
    AfxMessageBox(FormatHostString(IDS_PAGE_SAVED, {page}));
    return true;
}

bool SaveInsertedPage(CTessera& widget, const std::string& page, const std::string& bytes,
                      bool bCopyFiles) {
    if (!WriteFileAtomically(page, bytes)) {
        AfxMessageBox(FormatHostString(IDS_SAVE_ERROR, {page}));
        return false;
    }
    if (bCopyFiles)
        ExportWidgetFilesBeside(widget, page, true);
    return true;
}

} // namespace tb
