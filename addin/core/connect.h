#pragma once
// The add-in's connection to the page editor: it builds the bar "Ambrel Widgets" when the
// editor connects it, hands the buttons' clicks to the insertion and the editor's update
// events to the bar, and takes everything down again when the editor lets it go. The small
// form "AmbrelWidget" (shown on an external start or when it was open at the last
// disconnection) and the form "New Widget" come from the windows the add-in module supplies.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "addin/core/widgetbar.h"
#include "addin/core/widgetinsertion.h"
#include "addin/host/addinconnect.h"

namespace tb::addin {

inline constexpr const char* kAddInProgId = "AmbrelWidget.Connect";
inline constexpr const char* kAddInClsid = "{8C2E5A71-3B94-4D0F-A6E2-71F05C9B3D48}";
inline constexpr const char* kAddInFriendlyName = "Ambrel Widgets";
inline constexpr const char* kAddInDescription =
    "Adding pop-up menu, animate text, button into page";
// Where the add-in keeps its one setting.
inline constexpr const char* kSettingsApp = "Ambrel Widgets";
inline constexpr const char* kSettingsSection = "Settings";
inline constexpr const char* kDisplayOnConnect = "DisplayOnConnect";

class IAddInWindows {
public:
    virtual ~IAddInWindows() = default;
    // The small form: shown, hidden, and destroyed when the add-in is let go.
    virtual void ShowAddInForm(host::IPageEditorApplication& application) = 0;
    virtual void HideAddInForm() = 0;
    virtual void UnloadAddInForm() = 0;
    // What the small form's Cancel asks for (the connection's Hide).
    virtual void SetHideRequest(std::function<void()> hide) = 0;
    // One form "New Widget", kept between uses.
    virtual INewWidgetForm& NewWidgetForm() = 0;
};

class CConnect : public host::IAddInConnect {
public:
    // addInFolder: the folder of the add-in's module, where "Tessera.ini" lies.
    CConnect(std::string addInFolder, std::unique_ptr<IAddInWindows> windows);
    ~CConnect() override;

    void OnConnection(host::IPageEditorApplication& application, int connectMode,
                      host::IAddIn& addInInstance) override;
    void OnDisconnection(int removeMode) override;

    void Show();
    void Hide();
    bool FormDisplayed() const { return m_bFormDisplayed; }
    const CWidgetTables& Tables() const { return m_tables; }
    // For tests: the clock the insertion names new widget files by.
    void SetClock(CWidgetInsertion::Clock clock);

private:
    void AddCommandBar();
    void RemoveHandlers();
    // The insertion for the connected editor, with the current clock.
    void MakeInsertion();

    std::string m_strAddInFolder;
    std::unique_ptr<IAddInWindows> m_pWindows;
    host::IPageEditorApplication* m_pVBInstance = nullptr;
    bool m_bFormDisplayed = false;
    CWidgetTables m_tables;
    std::unique_ptr<CWidgetInsertion> m_pInsertion;
    CWidgetInsertion::Clock m_clock;
    int m_nUpdateCookie = 0;
};

} // namespace tb::addin
