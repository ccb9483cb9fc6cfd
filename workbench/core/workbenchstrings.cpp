#include "workbench/core/workbenchstrings.h"

namespace tb {

namespace {

// The texts are the program's own, slips included: users, help pages and the component's
// other hosts know the messages by them.
const ModuleString kStrings[] = {
    {IDR_MAINFRAME, "Ambrel Brisko\nUntitled_TesseraServer.Brisko\nAmbrel Brisko\n"
                    "Ambrel Widgets File(*.tsq) \n.tsq\nAmbrelTool.Document\nAmbrelTool Document"},
    {IDS_BROWSER_NAME_AND_PATH,
     "You must input the name and execute file's path for the specified web browser."},
    {IDS_BROWSER_NAME_USED, "Please give a new name to this browser!"},
    {IDS_BROWSER_SELECT_TO_DELETE, "Please select a browser to delete!"},
    {IDP_OLE_INIT_FAILED, "OLE initialization failed.  Make sure that the OLE libraries are the "
                          "correct version."},
    {IDS_CREATE_DISPATCH_ERROR, "Create the dispatch of the %s Error!"},
    {IDS_OPEN_ERROR, "Open %s Error!"},
    {IDS_NOT_SAVED_BY, "This File is not saved by  %s!"},
    {IDS_SAVE_ERROR, "Save to %s Error!"},
    {IDS_TEMPLATE_SAVED, "Save as the template success!"},
    {IDS_TEMPLATE_SAVE_FAILED, "Save as the template failure!"},
    {IDS_CREATE_HTML_FAILED, "Create HTML File Failure!"},
    {IDS_PAGE_SAVED, "You have saved widget into %s successfully!"},
    {IDS_SAVE_BEFORE_EDITOR, "You must save your widget before using Ambrel WebEditor,Save it?"},
    {IDS_EDITOR_NOT_FOUND, "Can't find AmbrelHTMLEditor.exe, Download it?"},
    {IDS_CANNOT_READ, "Can't read content from %s"},
    {IDS_NAME_EMPTY, "You must enter a name!"},
    {IDS_NAME_INVALID,
     "The template name of widget is not valid.It accept only alphanumeric characters.\nYou have "
     "entered an invalid character, such as '-', '_', ':', ';', '#', (), [], or ?, in the "
     "name.\n"},
    {IDS_TEMPLATE_EXISTS, "%s is already exist.Please enter a new template name."},
    {IDS_MANAGE_TEMPLATES_FAILED, "Manage templates failure!"},
    {IDS_SELECT_TEMPLATE, "Please select a template first!"},
    {IDS_ASK_DELETE_TEMPLATE, "Are you sure to delete \"%s\" template?"},
    {IDS_TEMPLATE_NAME_USED, "The %s template has been there,please give a new name!"},
    {IDS_ASK_RENAME_TEMPLATE, "Are you sure to rename \" %s\" template to \"%s\"?"},
    {IDS_RENAME_FAILED, "Rename Failure!"},
    {IDS_SELECT_FILES_TO_COPY, "Please select files to copy."},
    {IDS_SUPPORT_FILES_COPIED, "Copy support files to %s success!"},
    {IDS_HELP_NOT_FOUND, "The help file is not found!"},
    {IDS_WIDGET_EXTENSION, "tsq"},
    {IDS_TOOLBAR_SAVE, "Save"},
    {IDS_TOOLBAR_AS_TEMPLATE, "As Template"},
    {IDS_TOOLBAR_SUPPORT_FILES, "Support Files"},
    {IDS_TOOLBAR_TIPS, "Tips"},
    {IDS_ORDER_PAGE, "https://www.tallowby.example/order.htm"},
    {IDS_COLUMN_FILE_NAME, "File Name"},
    {IDS_COLUMN_SOURCE_PATH, "Source File Path"},
    {IDS_COLUMN_WEB_PATH, "Web Path"},
    {IDS_WIDGET_PROGID, "TesseraServer.Brisko"},
    {AFX_IDS_APP_TITLE, "Ambrel Brisko"},
    {AFX_IDS_IDLEMESSAGE, "Ready"},
    {IDS_ASK_TO_SAVE, "Save changes to %1?"},
    {IDS_ALL_FILES_FILTER, "All Files (*.*)"},
    {IDS_COMPONENT_REGISTERED, "The widget component %s beside the program is now registered."},
};

} // namespace

namespace {
HINSTANCE g_hWorkbenchStrings = 0;
} // namespace

std::unique_ptr<CModuleResources> RegisterWorkbenchStrings() {
    auto pResources = std::make_unique<CModuleResources>("AmbrelBrisko", kStrings);
    g_hWorkbenchStrings = pResources->handle();
    AfxSetResourceHandle(g_hWorkbenchStrings);
    return pResources;
}

HINSTANCE WorkbenchStringsHandle() {
    return g_hWorkbenchStrings;
}

std::string LoadHostString(uint32_t nId) {
    return LoadStringFromModule(AfxGetResourceHandle(), nId);
}

std::string FormatWithStrings(std::string_view format,
                              std::initializer_list<std::string_view> args) {
    std::string text;
    auto next = args.begin();
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size()) {
            if (format[i + 1] == 's') {
                if (next != args.end())
                    text += *next++;
                ++i;
                continue;
            }
            if (format[i + 1] == '%') {
                text += '%';
                ++i;
                continue;
            }
        }
        text += format[i];
    }
    return text;
}

std::string FormatHostString(uint32_t nId, std::initializer_list<std::string_view> args) {
    return FormatWithStrings(LoadHostString(nId), args);
}

int AfxMessageBox(const std::string& text, MbButtons buttons, MbIcon icon) {
    if (icon == MbIcon::None) {
        if (buttons == MbButtons::OK || buttons == MbButtons::OKCancel)
            icon = MbIcon::Exclamation;
        else if (buttons == MbButtons::YesNo || buttons == MbButtons::YesNoCancel)
            icon = MbIcon::Question;
    }
    // The caption is the program's own even while a component's texts are being loaded.
    std::string caption = LoadStringFromModule(WorkbenchStringsHandle(), AFX_IDS_APP_TITLE);
    if (caption.empty())
        caption = "Ambrel Brisko";
    return Ui().MessageBox(text, caption, buttons, icon);
}

} // namespace tb
