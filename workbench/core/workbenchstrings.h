#pragma once
// The workbench's string table: its messages, captions and names under the numbers its
// dialogs, help pages and installers know them by. The program registers the table as its
// own resource module at start-up; every text is loaded through the current resource module,
// which CTessera switches to a component's while it loads that component's texts.

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "platform/module/moduleres.h"
#include "platform/ui/uiservices.h"

namespace tb {

enum WorkbenchStringId : uint32_t {
    IDR_MAINFRAME = 128, // the document template's seven fields, '\n' between them
    IDS_BROWSER_NAME_AND_PATH = 112,
    IDS_BROWSER_NAME_USED = 113,
    IDS_BROWSER_SELECT_TO_DELETE = 114,
    IDP_OLE_INIT_FAILED = 129,
    IDS_CREATE_DISPATCH_ERROR = 130,
    IDS_OPEN_ERROR = 131,
    IDS_NOT_SAVED_BY = 132,
    IDS_SAVE_ERROR = 133,
    IDS_TEMPLATE_SAVED = 134,
    IDS_TEMPLATE_SAVE_FAILED = 135,
    IDS_CREATE_HTML_FAILED = 136,
    IDS_PAGE_SAVED = 137,
    IDS_SAVE_BEFORE_EDITOR = 138,
    IDS_EDITOR_NOT_FOUND = 139,
    IDS_CANNOT_READ = 140,
    IDS_NAME_EMPTY = 141,
    IDS_NAME_INVALID = 142,
    IDS_TEMPLATE_EXISTS = 143,
    IDS_MANAGE_TEMPLATES_FAILED = 144,
    IDS_SELECT_TEMPLATE = 145,
    IDS_ASK_DELETE_TEMPLATE = 146,
    IDS_TEMPLATE_NAME_USED = 147,
    IDS_ASK_RENAME_TEMPLATE = 148,
    IDS_RENAME_FAILED = 149,
    IDS_SELECT_FILES_TO_COPY = 150,
    IDS_SUPPORT_FILES_COPIED = 151,
    IDS_HELP_NOT_FOUND = 152,
    IDS_WIDGET_EXTENSION = 200,
    IDS_TOOLBAR_SAVE = 202,
    IDS_TOOLBAR_AS_TEMPLATE = 203,
    IDS_TOOLBAR_SUPPORT_FILES = 204,
    IDS_TOOLBAR_TIPS = 206,
    IDS_ORDER_PAGE = 208, // the maker's order page address, an installation setting
    IDS_COLUMN_FILE_NAME = 209,
    IDS_COLUMN_SOURCE_PATH = 210,
    IDS_COLUMN_WEB_PATH = 211,
    IDS_WIDGET_PROGID = 301,
    AFX_IDS_APP_TITLE = 57344,
    AFX_IDS_IDLEMESSAGE = 57345,
    // The framework's own texts.
    IDS_ASK_TO_SAVE = 61440,      // "%1" is the document's title
    IDS_ALL_FILES_FILTER = 61441, // the Save As dialog's second filter entry
    IDS_COMPONENT_REGISTERED = 61442,
};

// Registers the table as a resource module for the lifetime of the returned object and
// makes it the current resource module.
std::unique_ptr<CModuleResources> RegisterWorkbenchStrings();
// The handle of the table registered last (0 before).
HINSTANCE WorkbenchStringsHandle();

// A text of the current resource module ("" when it has none under that id).
std::string LoadHostString(uint32_t nId);

// The format with each "%s" replaced by the next argument, in order ("" once they run out),
// and "%%" by "%"; everything else stays as it is.
std::string FormatWithStrings(std::string_view format,
                              std::initializer_list<std::string_view> args);

// LoadHostString(nId) formatted so.
std::string FormatHostString(uint32_t nId, std::initializer_list<std::string_view> args);

// A message box titled with the program's name, through UiServices. Without an icon of its
// own, an OK or OK/Cancel box shows the exclamation mark and a Yes/No box the question mark,
// as the framework's boxes do. Returns IDOK ... IDNO.
int AfxMessageBox(const std::string& text, MbButtons buttons = MbButtons::OK,
                  MbIcon icon = MbIcon::None);

} // namespace tb
