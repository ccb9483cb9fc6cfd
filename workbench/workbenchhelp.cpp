#include "workbench/workbenchhelp.h"

#include <QShortcut>
#include <string>

#include "platform/ui/qt/helpwindow.h"
#include "workbench/core/helptopics.h"
#include "workbench/core/workbenchstrings.h"

namespace tb {

bool ShowWorkbenchHelp(unsigned nKey, HelpCaller caller) {
    const std::string_view page = WorkbenchHelpPage(nKey);
    if (page.empty())
        return false;
    const std::string missing =
        caller == HelpCaller::Dialog ? kDialogHelpMissing : LoadHostString(IDS_HELP_NOT_FOUND);
    return ShowHelpPage(std::string(page), missing, LoadHostString(AFX_IDS_APP_TITLE));
}

CHelpDialog::CHelpDialog(unsigned nTemplate, QWidget* parent)
    : QDialog(parent), m_nTemplate(nTemplate) {
    auto* pShortcut = new QShortcut(QKeySequence(Qt::Key_F1), this);
    pShortcut->setContext(Qt::WindowShortcut);
    connect(pShortcut, &QShortcut::activated, this,
            [this] { ShowWorkbenchHelp(m_nTemplate, HelpCaller::Dialog); });
}

} // namespace tb
