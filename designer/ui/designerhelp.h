#pragma once
// The designer's help: which page of the help folder belongs to which dialog template, and
// the one lookup every page and dialog of the designer uses for F1 and its "Help" button.

#include <initializer_list>
#include <string_view>

class QWidget;

namespace tb {

// The dialog templates that have help, by their numbers.
enum HelpTemplate : unsigned {
    IDD_APPLET_PARAMETERS = 103,
    IDD_FONT = 139,
    IDD_LABEL = 141,
    IDD_NORMAL = 144,
    IDD_MOUSE_OVER = 147,
    IDD_CLICKED = 148,
    IDD_IMAGE = 150,
    IDD_AUDIO = 151,
    IDD_BROWSE_FILES = 611,
    IDD_BUTTON_PROPERTIES = 4003,
    IDD_HINT = 4004,
    IDD_APPLET_MORE = 4005,
    IDD_COPY_RESOURCES = 4006,
};

// The page of a template ("dmenu.htm"), or empty for a template without help.
std::string_view DesignerHelpTopic(unsigned nTemplate);

// Opens the template's page in the help window, or shows kDialogHelpMissing with the stop
// icon when the page is not in the help folder. A template without help opens nothing.
// Returns whether a page opened.
bool ShowDesignerHelp(unsigned nTemplate);
// The help's index page, for the design window's "Help Topics".
bool ShowDesignerHelpIndex();

// Gives a page or dialog its template: F1 anywhere inside it, and its "Help" button, open
// that template's page.
void SetHelpTemplate(QWidget& widget, unsigned nTemplate);
// Gives the pages of a sheet their templates by place, so that a page put in later in the
// place of another answers with the same help.
void SetPageHelpTemplates(QWidget& sheet, std::initializer_list<unsigned> templates);
// The template of the nearest widget around pWidget that has one; a property sheet answers
// for the page it shows. 0 when none has.
unsigned HelpTemplateAround(const QWidget* pWidget);
// F1 in the window opens the help of the template around the focus.
void InstallHelpKey(QWidget& window);

} // namespace tb
