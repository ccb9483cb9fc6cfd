#include "workbench/core/commandtable.h"

#include <algorithm>

#include "workbench/core/commandids.h"
#include "workbench/core/workbenchstrings.h"

namespace tb {

namespace {

constexpr CWorkbenchCommand kCommands[] = {
    {ID_FILE_NEW, "&New", "Ctrl+N", "Create a new widget", 0},
    {ID_FILE_OPEN, "&Open...", "Ctrl+O", "Open a widget file", 0},
    {ID_FILE_SAVE, "&Save", "Ctrl+S", "Save the widget", IDS_TOOLBAR_SAVE},
    {ID_FILE_SAVE_AS, "Save &As...", "", "Save the widget in a file of a new name", 0},
    {ID_FILE_SAVE_AS_TEMPLATE, "Save as &Template...", "Ctrl+T",
     "Keep the widget as a template for new widgets", IDS_TOOLBAR_AS_TEMPLATE},
    {ID_FILE_SUPPORT_FILES, "Su&pport Files...", "",
     "List the image, audio and class files the widget needs, and copy them",
     IDS_TOOLBAR_SUPPORT_FILES},
    {ID_APP_EXIT, "E&xit", "Ctrl+Q", "Quit Ambrel Brisko; it asks to save a changed widget", 0},
    {ID_EDIT_CONFIGURE, "&Configure...", "Alt+Return",
     "Draw and edit the widget's buttons in the designer", 0},
    {ID_EDIT_RENAME, "&Rename...", "", "Change the widget's name and description", 0},
    {ID_OPTION_WEB_BROWSER, "&Web Browser...", "", "Choose the web browsers for previews", 0},
    {ID_OPTION_TEMPLATE, "&Template...", "", "Rename or delete templates", 0},
    {ID_HELP_FINDER, "&Help Topics", "F1", "List the help topics", 0},
    {ID_HELP_TUTORIAL, "&Tutorial", "", "Make and publish a widget step by step", 0},
    {ID_HELP_WORK_WITH_EDITOR, "&Work with Ambrel HTML Editor", "",
     "Tips on publishing widgets with Ambrel HTML Editor", IDS_TOOLBAR_TIPS},
    {ID_HELP_VIEW_SAMPLE, "View &Sample", "", "Open the sample page of widgets in your browser", 0},
    {ID_HELP_FAQ, "&Frequently Asked Questions", "", "Answers to frequently asked questions", 0},
    {ID_HELP_ORDERING, "&Ordering Information", "", "How to order Ambrel Brisko", 0},
    {ID_APP_ABOUT, "&About Ambrel Brisko...", "", "The program's version and its maker", 0},
    {ID_FILE_MRU_FILE1, "", "", "Open this widget file", 0},
    {ID_FILE_MRU_FILE1 + 1, "", "", "Open this widget file", 0},
    {ID_FILE_MRU_FILE1 + 2, "", "", "Open this widget file", 0},
    {ID_FILE_MRU_FILE1 + 3, "", "", "Open this widget file", 0},
    {IDC_COPY_CODE, "Copy Code...", "", "Copy the widget's HTML code to paste into a page later",
     0},
    {IDC_NEW_PAGE, "New Page...", "", "Make a web page that holds only the widget", 0},
    {IDC_INSERT_INTO, "Insert into...", "", "Insert the widget into a web page you have", 0},
    {IDC_MORE_INFORMATION, "More Information...", "", "More about putting widgets into pages", 0},
};

constexpr unsigned kFileMenu[] = {ID_FILE_NEW,
                                  ID_FILE_OPEN,
                                  ID_FILE_SAVE,
                                  ID_FILE_SAVE_AS,
                                  kSeparator,
                                  ID_FILE_SAVE_AS_TEMPLATE,
                                  ID_FILE_SUPPORT_FILES,
                                  kSeparator,
                                  kRecentFiles,
                                  kSeparator,
                                  ID_APP_EXIT};
constexpr unsigned kEditMenu[] = {ID_EDIT_CONFIGURE, ID_EDIT_RENAME};
constexpr unsigned kOptionMenu[] = {ID_OPTION_WEB_BROWSER, ID_OPTION_TEMPLATE};
constexpr unsigned kHelpMenu[] = {ID_HELP_FINDER,      ID_HELP_TUTORIAL, ID_HELP_WORK_WITH_EDITOR,
                                  ID_HELP_VIEW_SAMPLE, ID_HELP_FAQ,      kSeparator,
                                  ID_HELP_ORDERING,    ID_APP_ABOUT};

constexpr CMenuDefinition kMenus[] = {
    {"&File", kFileMenu},
    {"&Edit", kEditMenu},
    {"&Option", kOptionMenu},
    {"&Help", kHelpMenu},
};

constexpr unsigned kToolBar[] = {ID_FILE_SAVE, ID_FILE_SAVE_AS_TEMPLATE,
                                 kSeparator,   ID_FILE_SUPPORT_FILES,
                                 kSeparator,   ID_HELP_WORK_WITH_EDITOR};

} // namespace

std::span<const CWorkbenchCommand> CCommandTable::Commands() {
    return kCommands;
}

const CWorkbenchCommand* CCommandTable::Find(unsigned nId) {
    const auto it = std::find_if(std::begin(kCommands), std::end(kCommands),
                                 [nId](const CWorkbenchCommand& c) { return c.nId == nId; });
    return it == std::end(kCommands) ? nullptr : &*it;
}

std::span<const CMenuDefinition> CCommandTable::MenuLayout() {
    return kMenus;
}

std::span<const unsigned> CCommandTable::ToolBarLayout() {
    return kToolBar;
}

void CCommandTable::SetAction(unsigned nId, Action action, Rule rule) {
    if (action)
        m_handlers[nId] = {std::move(action), std::move(rule)};
    else
        m_handlers.erase(nId);
}

bool CCommandTable::HasAction(unsigned nId) const {
    return m_handlers.count(nId) != 0;
}

bool CCommandTable::IsEnabled(unsigned nId) const {
    const auto it = m_handlers.find(nId);
    return it != m_handlers.end() && (!it->second.rule || it->second.rule());
}

bool CCommandTable::Execute(unsigned nId) {
    if (!IsEnabled(nId))
        return false;
    // A copy: the action may replace its own handler while it runs.
    const Action action = m_handlers[nId].action;
    action();
    return true;
}

} // namespace tb
