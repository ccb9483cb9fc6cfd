#include "addin/core/connect.h"

#include "platform/core/numfmt.h"
#include "platform/core/paths.h"

namespace tb::addin {

using namespace tb::host;

CConnect::CConnect(std::string addInFolder, std::unique_ptr<IAddInWindows> windows)
    : m_strAddInFolder(std::move(addInFolder)), m_pWindows(std::move(windows)) {
    m_pWindows->SetHideRequest([this] { Hide(); });
}

CConnect::~CConnect() {
    RemoveHandlers();
}

void CConnect::OnConnection(IPageEditorApplication& application, int connectMode, IAddIn&) {
    m_pVBInstance = &application;
    if (connectMode == ConnectModeExternal) {
        Show();
        return;
    }
    AddCommandBar();
    if (connectMode == ConnectModeAfterStartup &&
        application.GetSetting(kSettingsApp, kSettingsSection, kDisplayOnConnect, "0") == "1")
        Show();
}

void CConnect::OnDisconnection(int) {
    if (!m_pVBInstance)
        return;
    RemoveHandlers();
    DeleteCommandBars(*m_pVBInstance);
    m_pVBInstance->SaveSetting(kSettingsApp, kSettingsSection, kDisplayOnConnect,
                               m_bFormDisplayed ? "1" : "0");
    m_bFormDisplayed = false;
    m_pWindows->UnloadAddInForm();
    m_pInsertion.reset();
    m_pVBInstance = nullptr;
}

void CConnect::Show() {
    if (m_pVBInstance)
        m_pWindows->ShowAddInForm(*m_pVBInstance);
    m_bFormDisplayed = true;
}

void CConnect::Hide() {
    m_pWindows->HideAddInForm();
    m_bFormDisplayed = false;
}

void CConnect::SetClock(CWidgetInsertion::Clock clock) {
    m_clock = std::move(clock);
    if (m_pVBInstance)
        MakeInsertion();
}

void CConnect::AddCommandBar() {
    IPageEditorApplication& application = *m_pVBInstance;
    ICommandBar* bar = tb::addin::AddCommandBar(
        application, JoinPath(m_strAddInFolder, kInstalledWidgetsFile), m_tables);
    if (!bar)
        return;
    MakeInsertion();
    for (int i = 1; i <= bar->Controls().Count(); ++i)
        bar->Controls().Item(i)->AddClickHandler([this](ICommandBarButton& ctrl, bool&) {
            if (m_pInsertion)
                m_pInsertion->OnClick(AtoI(ctrl.Tag()));
        });
    // One handler serves every button: the rule looks at the whole bar at once.
    m_nUpdateCookie = application.CommandBars().AddUpdateHandler([this] {
        if (m_pVBInstance)
            UpdateCommandBar(*m_pVBInstance, m_tables);
    });
    UpdateCommandBar(application, m_tables);
}

void CConnect::MakeInsertion() {
    m_pInsertion = std::make_unique<CWidgetInsertion>(
        *m_pVBInstance, m_tables,
        [this]() -> INewWidgetForm& { return m_pWindows->NewWidgetForm(); }, m_clock);
}

void CConnect::RemoveHandlers() {
    if (m_pVBInstance && m_nUpdateCookie)
        m_pVBInstance->CommandBars().RemoveUpdateHandler(m_nUpdateCookie);
    m_nUpdateCookie = 0;
}

} // namespace tb::addin
