#include "addin/core/widgetbar.h"

#include "addin/core/addinmessages.h"
#include "addin/core/pageaccess.h"
#include "addin/core/profilefile.h"
#include "addin/core/widgetobject.h"
#include "platform/com/comruntime.h"
#include "platform/core/paths.h"

namespace tb::addin {

using namespace tb::host;

namespace {

ICommandBar* VisibleBar(IPageEditorApplication& application) {
    ICommandBar* bar = application.CommandBars().Find(kBarName);
    return bar && bar->Visible() && bar->Controls().Count() > 0 ? bar : nullptr;
}

void EnableAll(ICommandBar& bar, bool enabled) {
    for (int i = 1; i <= bar.Controls().Count(); ++i)
        bar.Controls().Item(i)->SetEnabled(enabled);
}

} // namespace

std::string ComponentFolderOf(const std::string& progId) {
    CLSID clsid;
    std::string path;
    if (FAILED(CLSIDFromProgID(progId, &clsid)) || FAILED(InProcServerPath(clsid, &path)))
        return {};
    return FolderPart(path);
}

ICommandBar* AddCommandBar(IPageEditorApplication& application, const std::string& iniPath,
                           CWidgetTables& tables) {
    tables = {};
    ICommandBar* bar = application.CommandBars().Add(kBarName, true);
    if (!bar) {
        ShowError(application.LastErrorDescription());
        return nullptr;
    }
    const CProfileFile installed(iniPath);
    for (const std::string& progId :
         SplitSectionNames(installed.SectionNamesBuffer(kProfileBufferSize))) {
        CWidgetObject widget;
        if (!widget.Create(progId))
            continue;
        ICommandBarButton* button = bar->Controls().Add(ControlTypeButton);
        if (!button)
            continue;
        const size_t nIndex = tables.progIds.size();
        tables.progIds.push_back(progId);
        tables.componentFolders.push_back(ComponentFolderOf(progId));
        button->SetStyle(ButtonStyleIconAndCaption);
        button->SetCaption(installed.String(progId, "name", "", kProfileBufferSize));
        button->SetTooltipText(installed.String(progId, "des", "", kProfileBufferSize));
        button->SetFace(widget.SmallIcon());
        button->SetTag(std::to_string(nIndex));
    }
    bar->SetVisible(true);
    return bar;
}

void DeleteCommandBars(IPageEditorApplication& application) {
    ICommandBars& bars = application.CommandBars();
    for (int i = bars.Count(); i >= 1; --i)
        if (bars.Item(i)->Name() == kBarName)
            bars.Item(i)->Delete();
}

void UpdateCommandBar(IPageEditorApplication& application, const CWidgetTables& tables) {
    ICommandBar* bar = VisibleBar(application);
    if (!bar)
        return;
    IPageWindow* window = application.ActivePageWindow();
    if (!window || window->ViewMode() != ViewModeNormal) {
        EnableAll(*bar, false);
        return;
    }
    const std::string tsqFile = GetTsqFile(application, false);
    if (tsqFile.empty()) {
        EnableAll(*bar, true);
        return;
    }
    // Any installed component reads the kind a widget file names.
    CWidgetObject reader;
    if (tables.progIds.empty() || !reader.Create(tables.progIds[0]))
        return;
    reader.ReadConfigFile(GetCurrentFilePath(application, false) + tsqFile);
    const std::string kind = reader.GetProgID();
    int nOwner = -1;
    for (size_t i = 0; i < tables.progIds.size(); ++i)
        if (tables.progIds[i] == kind)
            nOwner = static_cast<int>(i);
    for (int i = 1; i <= bar->Controls().Count(); ++i) {
        ICommandBarButton* button = bar->Controls().Item(i);
        button->SetEnabled(button->Tag() == std::to_string(nOwner));
    }
}

} // namespace tb::addin
