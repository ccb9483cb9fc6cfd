#include "workbench/helpcommands.h"

#include "platform/ui/uiservices.h"
#include "workbench/aboutdialog.h"
#include "workbench/browserdialog.h"
#include "workbench/core/aboutdata.h"
#include "workbench/core/commandids.h"
#include "workbench/core/commandtable.h"
#include "workbench/core/workbenchstrings.h"
#include "workbench/mainframe.h"
#include "workbench/workbenchhelp.h"

namespace tb {

void AttachHelpCommands(CCommandTable& commands, CMainFrame& frame) {
    CMainFrame* pFrame = &frame;
    commands.SetAction(ID_OPTION_WEB_BROWSER, [pFrame] {
        CDlgWebBrowser dialog(pFrame);
        dialog.exec();
    });
    commands.SetAction(ID_APP_ABOUT, [pFrame] {
        CAboutDlg dialog(InstallationAboutData(), pFrame);
        dialog.exec();
    });
    commands.SetAction(ID_HELP_ORDERING, [] { Ui().OpenDocument(LoadHostString(IDS_ORDER_PAGE)); });
    for (unsigned nKey : {ID_HELP_FINDER, ID_HELP_TUTORIAL, ID_HELP_FAQ, ID_HELP_WORK_WITH_EDITOR,
                          IDC_MORE_INFORMATION})
        commands.SetAction(nKey, [nKey] { ShowWorkbenchHelp(nKey); });
}

} // namespace tb
