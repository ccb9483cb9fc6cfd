#pragma once
// The editor as its add-ins see it: the object model of addin/host answered from the
// editor's window and its normal view. Document calls reach the page only while it is shown
// in the normal view and loaded; otherwise they answer as for an empty selection, and edits
// fail with a reason.

#include <QVariantMap>

#include <memory>
#include <string>

#include "addin/host/commandbarset.h"
#include "addin/host/pageapplication.h"

namespace tb::vellumo {

class CDesignView;

// What the host needs of the window holding the page.
class IVellumoSite {
public:
    virtual bool HasPage() const = 0;
    // Empty until the page is saved.
    virtual std::string PagePath() const = 0;
    virtual int CurrentViewMode() const = 0;
    virtual bool ChangeViewMode(int mode) = 0;
    // The normal view when the page is shown there and ready for editing, else null.
    virtual CDesignView* EditableDesign() = 0;

protected:
    ~IVellumoSite() = default;
};

class CVellumoHost : public host::IPageEditorApplication,
                     public host::IPageWindow,
                     public host::IHTMLDocument2,
                     public host::IHTMLSelectionObject {
public:
    explicit CVellumoHost(IVellumoSite& site);
    ~CVellumoHost();
    CVellumoHost(const CVellumoHost&) = delete;
    CVellumoHost& operator=(const CVellumoHost&) = delete;

    // IPageEditorApplication
    host::ICommandBars& CommandBars() override { return m_bars; }
    host::IPageWindow* ActivePageWindow() override;
    host::IHTMLDocument2* ActiveDocument() override;
    std::string GetSetting(const std::string& appName, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override;
    bool SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                     const std::string& value) override;
    std::string LastErrorDescription() const override { return m_strLastError; }

    // IPageWindow
    std::string Address() const override;
    int ViewMode() const override { return m_site.CurrentViewMode(); }
    bool SetViewMode(int mode) override;
    host::IHTMLDocument2* Document() override { return ActiveDocument(); }

    // IHTMLDocument2
    host::HTMLLocation location() const override;
    host::IHTMLSelectionObject& selection() override { return *this; }
    std::unique_ptr<host::IHTMLElement> activeElement() const override;
    std::unique_ptr<host::IUndoTransaction> createUndoTransaction(const std::string& name) override;

    // IHTMLSelectionObject
    std::string type() const override;
    bool clear() override;
    std::unique_ptr<host::IHTMLTxtRange> createRange() override;

    host::CCommandBars& Bars() { return m_bars; }
    // Raises the update event once the current event is handled (several requests, one event).
    void ScheduleUpdate();

private:
    class CRange;
    class CTransaction;

    QVariantMap State() const;
    CDesignView* Design(const char* action);
    bool Fail(const std::string& reason);
    void RaiseUpdateNow();

    IVellumoSite& m_site;
    host::CCommandBars m_bars;
    mutable std::string m_strLastError;
    bool m_bUpdatePending = false;
    std::shared_ptr<bool> m_pAlive = std::make_shared<bool>(true);
};

} // namespace tb::vellumo
