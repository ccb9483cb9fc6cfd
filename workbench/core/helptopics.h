#pragma once
// The workbench's help: which page of the help folder answers which key. A key is a
// dialog's template number (F1 in that dialog), a Help menu command's number, or one of the
// main form's.

#include <string_view>

namespace tb {

// The workbench's windows that have help, by their template numbers.
enum WorkbenchHelpKey : unsigned {
    IDD_ABOUTBOX = 100,
    IDD_MAIN_FORM = 101,
    IDD_NEW = 130,
    IDD_RENAME = 131,
    IDD_INSERT = 132,
    IDD_WEB_BROWSER = 134,
    IDD_SAVE_AS_TEMPLATE = 135,
    IDD_SUPPORT_FILES = 141,
    IDD_VIEW_CODE = 142,
    IDD_EDITOR_CHOICE = 147,
    IDD_MANAGE_TEMPLATES = 155,
};

// The page of a key ("dnew.htm"), or empty for a key without help.
std::string_view WorkbenchHelpPage(unsigned nKey);

} // namespace tb
