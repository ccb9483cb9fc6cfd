#pragma once
// What the add-in reads of the page being edited before it inserts or edits a widget.

#include <string>

#include "addin/host/pageapplication.h"

namespace tb::addin {

// Whether the active page can take a widget now. A page never saved cannot (after a
// message); a page outside the normal view can when the user agrees to switch to it.
bool IsInsertable(host::IPageEditorApplication& application);

// The active page's document; null when no page is open, which showErrors reports.
host::IHTMLDocument2* ActiveDocument(host::IPageEditorApplication& application,
                                     bool showErrors = true);

// The widget file (relative to the page's folder, '/'-separated) of the selected widget
// element; "" when nothing or something else is selected. showErrors: a missing page is
// reported (a click), or passed over quietly (the bar's update).
std::string GetTsqFile(host::IPageEditorApplication& application, bool showErrors = true);

// The active page's folder, with its trailing '/'.
std::string GetCurrentFilePath(host::IPageEditorApplication& application, bool showErrors = true);

} // namespace tb::addin
