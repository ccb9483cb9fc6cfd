#pragma once
// Getting a widget onto web pages: its HTML in the publishing mode, a page of its own, the
// marked block that goes into an existing page, and its media and class files exported next
// to a page through a transient widget file. The host never parses a page.

#include <cstdint>
#include <string>

namespace tb {

class CTessera;

// The segments a page places: the head's style and script, the body's cursor.
struct CPageSegments {
    std::string style;
    std::string script;
    std::string cursor;
};

// The widget's "style", "script" and "cursor" segments in nMode (0 preview, 1 publishing).
// Positions compare exactly; a later segment of a position replaces an earlier one.
CPageSegments CollectPageSegments(CTessera& widget, int16_t nMode);

// The transient widget file that exports the widget's files beside page: the page's name up
// to its last '.', with ".restsq", in the page's folder.
std::string ResourceExportPath(const std::string& page);

// Writes the transient widget file beside page and removes it again, keeping only the files
// the component put beside it. bForInsert writes through WriteConfigFileEx with flag 1, as
// inserting into an existing page does. The component's answer is not reported.
void ExportWidgetFilesBeside(CTessera& widget, const std::string& page, bool bForInsert);

// The bytes of a page holding only the widget, titled title; headLines (each ended by CR LF)
// go right after the title.
std::string NewPageText(const std::string& title, const CPageSegments& segments,
                        const std::string& headLines = {});

// The block that goes into an existing page: the body between the two marker comments.
std::string MarkerBlock(const std::string& body);
// The block of the widget's segment 0 in the publishing mode, whatever its position.
std::string WidgetMarkerBlock(CTessera& widget);

// New Page after the save dialog: the files beside the page, then the page titled with the
// widget's name. Shows "Create HTML File Failure!" or the success message; true on success.
bool CreateWidgetPage(CTessera& widget, const std::string& page);

// OK of the Insert dialog: the page's new bytes replace it whole, or it stays as it was and
// "Save to %s Error!" says so. With bCopyFiles the widget's files go beside it afterwards.
bool SaveInsertedPage(CTessera& widget, const std::string& page, const std::string& bytes,
                      bool bCopyFiles);

} // namespace tb
