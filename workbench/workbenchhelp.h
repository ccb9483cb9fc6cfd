#pragma once
// Opens the workbench's help pages in the help window shared with the designer, and the
// dialog base class whose F1 opens the dialog's page.

#include <QDialog>

namespace tb {

// Where a help request comes from: a dialog says that a page is missing in its own words.
enum class HelpCaller { Frame, Dialog };

// Opens the page of the key (a template, command or form number). A key without a page
// opens nothing and says nothing; a page that is not in the help folder shows the missing
// page message with the stop icon. Returns whether a page opened.
bool ShowWorkbenchHelp(unsigned nKey, HelpCaller caller = HelpCaller::Frame);

// A workbench dialog: F1 anywhere in it opens the help page of its template.
class CHelpDialog : public QDialog {
    Q_OBJECT

public:
    explicit CHelpDialog(unsigned nTemplate, QWidget* parent = nullptr);

    unsigned HelpTemplate() const { return m_nTemplate; }

private:
    unsigned m_nTemplate;
};

} // namespace tb
