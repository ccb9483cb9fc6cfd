#pragma once
// The command bar "Ambrel Widgets": one button per installed widget component that can be
// created, found through the file "Tessera.ini" beside the add-in (its section names are the
// components' ProgIDs, "name" the caption and "des" the tooltip of each button), and the
// buttons' enabled state following the page.

#include <string>
#include <vector>

#include "addin/host/pageapplication.h"

namespace tb::addin {

inline constexpr const char* kBarName = "Ambrel Widgets";
inline constexpr const char* kInstalledWidgetsFile = "Tessera.ini";
// The profile calls' buffer: every name and value is cut to one character less.
inline constexpr size_t kProfileBufferSize = 256;

// One entry per button, in button order; a button's tag is its index here.
struct CWidgetTables {
    std::vector<std::string> progIds;
    // The folder of the component's module, with its trailing '/'.
    std::vector<std::string> componentFolders;
};

// The folder of the module registered for the ProgID, with its trailing '/'; "" when none.
std::string ComponentFolderOf(const std::string& progId);

// Adds the temporary bar with a button for each ProgID of iniPath whose object can be
// created, fills tables and makes the bar visible. Null (after the reason was shown when the
// host refused the bar) when there is no bar.
host::ICommandBar* AddCommandBar(host::IPageEditorApplication& application,
                                 const std::string& iniPath, CWidgetTables& tables);

// Deletes every bar of that name.
void DeleteCommandBars(host::IPageEditorApplication& application);

// The enabled state of the bar's buttons for the page as it is now: all disabled outside the
// normal view; all enabled with no widget selected; with a widget selected only the button
// of the widget's kind (none when that kind has no button); unchanged when no component can
// be created to read the widget's file.
void UpdateCommandBar(host::IPageEditorApplication& application, const CWidgetTables& tables);

} // namespace tb::addin
