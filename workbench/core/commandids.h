#pragma once
// The workbench's command identifiers: the menu's, the tool bar's and the main form's
// buttons. The framework's own commands keep the framework's numbers; help pages and the
// help lookup know the others by theirs.

namespace tb {

enum WorkbenchCommandId : unsigned {
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_MRU_FILE1 = 57616, // up to ID_FILE_MRU_FILE1 + 3
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_HELP_FINDER = 57667,
    ID_EDIT_CONFIGURE = 32771,
    ID_FILE_SUPPORT_FILES = 32775,
    ID_EDIT_RENAME = 32776,
    ID_FILE_SAVE_AS_TEMPLATE = 32777,
    ID_OPTION_TEMPLATE = 32778,
    ID_OPTION_WEB_BROWSER = 32781,
    ID_HELP_WORK_WITH_EDITOR = 32783,
    ID_HELP_FAQ = 32790,
    ID_HELP_ORDERING = 32791,
    ID_HELP_TUTORIAL = 32793,
    ID_HELP_VIEW_SAMPLE = 32794,
    // The main form's buttons that run commands of their own.
    IDC_COPY_CODE = 1024,
    IDC_NEW_PAGE = 1025,
    IDC_INSERT_INTO = 1026,
    IDC_MORE_INFORMATION = 1028,
};

} // namespace tb
