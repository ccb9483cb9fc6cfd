#include "addin/core/widgetinsertion.h"

#include <filesystem>
#include <system_error>

#include "addin/core/addinmessages.h"
#include "addin/core/pageaccess.h"
#include "addin/core/widgetpaths.h"
#include "platform/core/autodate.h"
#include "platform/core/paths.h"

namespace tb::addin {

using namespace tb::host;

namespace {

constexpr double kOneSecond = 1.0 / 86400.0;

} // namespace

CWidgetInsertion::CWidgetInsertion(IPageEditorApplication& application, const CWidgetTables& tables,
                                   FormSource form, Clock clock)
    : m_application(application), m_tables(tables), m_form(std::move(form)),
      m_clock(clock ? std::move(clock) : Clock(&CurrentAutomationDate)) {}

void CWidgetInsertion::OnClick(int nIndex) {
    if (nIndex < 0 || nIndex >= static_cast<int>(m_tables.progIds.size()))
        return;
    if (!IsInsertable(m_application))
        return;
    const std::string tsqFile = GetTsqFile(m_application);
    if (!tsqFile.empty())
        ConfigWidget(m_tables.progIds[nIndex], tsqFile);
    else
        InsertWidget(nIndex);
}

void CWidgetInsertion::InsertWidget(int nIndex) {
    const std::string progId = m_tables.progIds[nIndex];
    INewWidgetForm& form = m_form();
    CNewWidgetChooser& chooser = form.Chooser();
    chooser.sProgID = progId;
    chooser.sTesseraPath = m_tables.componentFolders[nIndex];
    const std::string pageFolder = GetCurrentFilePath(m_application);
    chooser.sHTMLFilePath = pageFolder;
    chooser.bOk = false;
    if (!chooser.InitForm())
        return;
    form.ShowModal();
    if (!chooser.bOk)
        return;

    const std::string chosen = chooser.sTemplateTsqFile;
    const std::string widgetFolder = pageFolder + kWidgetFolderName + "/";
    if (!chosen.empty() && FolderPart(chosen) == widgetFolder) {
        // The file already belongs to the page: it is edited where it lies.
        ConfigWidget(progId, std::string(kWidgetFolderName) + "/" + FileNamePart(chosen));
        return;
    }

    CWidgetObject widget;
    if (!widget.Create(progId)) {
        ShowError(widget.ErrorDescription());
        return;
    }
    if (!chosen.empty())
        widget.ReadConfigFile(chosen);
    if (!widget.Config())
        return;

    std::error_code ec;
    std::filesystem::create_directories(pageFolder + kWidgetFolderName, ec);
    const double now = m_clock();
    double nameTime = now;
    const std::string relative = FreshWidgetFile(pageFolder, progId, nameTime);
    widget.SetPreviewPath(kPagePreviewPath);
    widget.SetTitle("FP" + AutomationDateText(nameTime));
    widget.SetProgID(progId);
    widget.SetLastUpdateTime(now);
    widget.SetDescription("");
    // HTML pointing at a widget file that is not there would be a broken widget in the page.
    if (!widget.WriteConfigFileEx(pageFolder + relative, 0)) {
        ShowMessage(kMsgSaveError);
        return;
    }
    InsertHTML(widget, relative);
}

void CWidgetInsertion::ConfigWidget(const std::string& sProgID, const std::string& sTsqFile) {
    const std::string pageFolder = GetCurrentFilePath(m_application);
    const std::string path = pageFolder + sTsqFile;
    CWidgetObject widget;
    if (!widget.Create(sProgID)) {
        ShowMessage(kMsgNotInstalled);
        return;
    }
    if (!widget.ReadConfigFile(path))
        ShowMessage(kMsgReadError);
    // A file that names no kind (it could not be read) is designed afresh by the clicked
    // button's component rather than reported as a widget nobody installed.
    const std::string kind = widget.GetProgID();
    if (!kind.empty() && kind != sProgID) {
        if (!widget.Create(kind)) {
            ShowMessage(kMsgNotInstalled);
            return;
        }
        widget.ReadConfigFile(path);
    }
    if (!widget.Config())
        return;
    widget.SetPreviewPath(kPagePreviewPath);
    if (!widget.WriteConfigFile(path)) {
        ShowMessage(kMsgSaveError);
        return;
    }
    InsertHTML(widget, sTsqFile);
}

bool CWidgetInsertion::InsertHTML(CWidgetObject& widget, const std::string& sRelativeTsqFile) {
    IHTMLDocument2* document = ActiveDocument(m_application);
    if (!document)
        return false;
    bool bInserted = false;
    const int16_t n = widget.GetHTMLSegmentNumber();
    for (int16_t i = 0; i < n; ++i) {
        const std::string html = widget.GetHTMLBody(i, 0);
        if (widget.GetHTMLPosition(i) != "cursor") {
            ShowMessage(kMsgNoHtml);
            continue;
        }
        const std::string placed = PlaceWidgetId(html, sRelativeTsqFile);
        std::unique_ptr<IUndoTransaction> transaction = document->createUndoTransaction(kUndoName);
        document->selection().clear();
        std::unique_ptr<IHTMLTxtRange> range = document->selection().createRange();
        const bool bPasted = range && range->pasteHTML(placed);
        if (transaction)
            transaction->commit();
        if (!bPasted) {
            ShowError(m_application.LastErrorDescription());
            return false;
        }
        bInserted = true;
    }
    return bInserted;
}

std::string CWidgetInsertion::FreshWidgetFile(const std::string& pageFolder,
                                              const std::string& progId, double& time) {
    // Two widgets made within one second would otherwise share (and overwrite) one file.
    std::string relative = NewWidgetFileName(AutomationDateText(time), progId);
    for (int attempts = 0; FileExists(pageFolder + relative) && attempts < 1000; ++attempts) {
        time += kOneSecond;
        relative = NewWidgetFileName(AutomationDateText(time), progId);
    }
    return relative;
}

} // namespace tb::addin
