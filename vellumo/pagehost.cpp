#include "vellumo/pagehost.h"

#include <QPointer>
#include <QTimer>

#include "addin/host/addinsettings.h"
#include "addin/host/pageaddress.h"
#include "platform/ui/qt/qtstring.h"
#include "vellumo/designview.h"

namespace tb::vellumo {

class CVellumoHost::CRange : public host::IHTMLTxtRange {
public:
    CRange(CVellumoHost& host, int id, unsigned load)
        : m_pHost(&host), m_alive(host.m_pAlive), m_nId(id), m_nLoad(load) {}
    ~CRange() override {
        if (CDesignView* design = Design(false))
            design->Call(QStringLiteral("vellumo.dropRange(%1)").arg(m_nId));
    }

    std::string htmlText() const override {
        CDesignView* design = Design(false);
        return design ? ToUtf8(design->Call(QStringLiteral("vellumo.rangeHtml(%1)").arg(m_nId))
                                   .toString())
                      : std::string();
    }

    bool pasteHTML(const std::string& html) override {
        CDesignView* design = Design(true);
        if (!design)
            return false;
        QVariant error = design->Call(QStringLiteral("vellumo.pasteHTML(%1, %2)")
                                          .arg(m_nId)
                                          .arg(CDesignView::Literal(ToQString(html))));
        if (!error.isValid())
            return m_pHost->Fail("The page did not answer.");
        if (!error.toString().isEmpty())
            return m_pHost->Fail(ToUtf8(error.toString()));
        return true;
    }

private:
    CDesignView* Design(bool report) const {
        if (m_alive.expired())
            return nullptr;
        CDesignView* design = m_pHost->m_site.EditableDesign();
        if (!design || design->LoadCount() != m_nLoad) {
            if (report)
                m_pHost->Fail("The range belongs to a page that is no longer being edited.");
            return nullptr;
        }
        return design;
    }

    CVellumoHost* m_pHost;
    std::weak_ptr<bool> m_alive;
    int m_nId;
    unsigned m_nLoad;
};

class CVellumoHost::CTransaction : public host::IUndoTransaction {
public:
    CTransaction(CVellumoHost& host, unsigned load)
        : m_pHost(&host), m_alive(host.m_pAlive), m_nLoad(load) {}
    ~CTransaction() override { commit(); }

    void commit() override {
        if (m_bCommitted)
            return;
        m_bCommitted = true;
        if (m_alive.expired())
            return;
        CDesignView* design = m_pHost->m_site.EditableDesign();
        if (design && design->LoadCount() == m_nLoad)
            design->Call(QStringLiteral("vellumo.commitTransaction()"));
    }

private:
    CVellumoHost* m_pHost;
    std::weak_ptr<bool> m_alive;
    unsigned m_nLoad;
    bool m_bCommitted = false;
};

CVellumoHost::CVellumoHost(IVellumoSite& site) : m_site(site) {}

CVellumoHost::~CVellumoHost() = default;

host::IPageWindow* CVellumoHost::ActivePageWindow() {
    return m_site.HasPage() ? this : nullptr;
}

host::IHTMLDocument2* CVellumoHost::ActiveDocument() {
    return m_site.HasPage() ? this : nullptr;
}

std::string CVellumoHost::GetSetting(const std::string& appName, const std::string& section,
                                     const std::string& key, const std::string& defaultValue) {
    return host::GetAddInSetting(appName, section, key, defaultValue);
}

bool CVellumoHost::SaveSetting(const std::string& appName, const std::string& section,
                               const std::string& key, const std::string& value) {
    return host::SaveAddInSetting(appName, section, key, value) ||
           Fail("The setting " + key + " could not be saved.");
}

std::string CVellumoHost::Address() const {
    return host::LocationOfPage(m_site.PagePath()).href;
}

bool CVellumoHost::SetViewMode(int mode) {
    if (mode < host::ViewModeNormal || mode > host::ViewModePreview)
        return Fail("There is no view mode " + std::to_string(mode) + ".");
    return m_site.ChangeViewMode(mode) || Fail("The view could not be changed.");
}

host::HTMLLocation CVellumoHost::location() const {
    return host::LocationOfPage(m_site.PagePath());
}

std::unique_ptr<host::IHTMLElement> CVellumoHost::activeElement() const {
    QVariantMap active = State().value("active").toMap();
    if (active.isEmpty())
        return nullptr;
    return std::make_unique<host::CElementSnapshot>(ToUtf8(active.value("id").toString()),
                                                    ToUtf8(active.value("tag").toString()),
                                                    ToUtf8(active.value("html").toString()));
}

std::unique_ptr<host::IUndoTransaction>
CVellumoHost::createUndoTransaction(const std::string& name) {
    CDesignView* design = m_site.EditableDesign();
    if (design)
        design->Call(QStringLiteral("vellumo.beginTransaction(%1)")
                         .arg(CDesignView::Literal(ToQString(name))));
    return std::make_unique<CTransaction>(*this, design ? design->LoadCount() : 0);
}

std::string CVellumoHost::type() const {
    QString kind = State().value("type").toString();
    return kind.isEmpty() ? host::kSelectionNone : ToUtf8(kind);
}

bool CVellumoHost::clear() {
    CDesignView* design = Design("cleared");
    if (!design)
        return false;
    QVariant error = design->Call(QStringLiteral("vellumo.clear()"));
    return error.isValid() || Fail("The page did not answer.");
}

std::unique_ptr<host::IHTMLTxtRange> CVellumoHost::createRange() {
    CDesignView* design = Design("edited");
    if (!design)
        return nullptr;
    QVariant id = design->Call(QStringLiteral("vellumo.createRange()"));
    if (!id.isValid()) {
        Fail("The page did not answer.");
        return nullptr;
    }
    return std::make_unique<CRange>(*this, id.toInt(), design->LoadCount());
}

void CVellumoHost::ScheduleUpdate() {
    if (m_bUpdatePending)
        return;
    m_bUpdatePending = true;
    std::weak_ptr<bool> alive = m_pAlive;
    QTimer::singleShot(0, [this, alive] {
        if (!alive.expired())
            RaiseUpdateNow();
    });
}

void CVellumoHost::RaiseUpdateNow() {
    CDesignView* design = m_site.EditableDesign();
    if (design && design->IsBusy()) {
        // An add-in is waiting for the page; tell it about the change afterwards.
        std::weak_ptr<bool> alive = m_pAlive;
        QTimer::singleShot(10, [this, alive] {
            if (!alive.expired())
                RaiseUpdateNow();
        });
        return;
    }
    m_bUpdatePending = false;
    m_bars.RaiseUpdate();
}

QVariantMap CVellumoHost::State() const {
    CDesignView* design = m_site.EditableDesign();
    return design ? design->Call(QStringLiteral("vellumo.state()")).toMap() : QVariantMap();
}

CDesignView* CVellumoHost::Design(const char* action) {
    CDesignView* design = m_site.EditableDesign();
    if (!design)
        Fail(std::string("The page can be ") + action +
             " only in the normal view, once it is loaded.");
    return design;
}

bool CVellumoHost::Fail(const std::string& reason) {
    m_strLastError = reason;
    return false;
}

} // namespace tb::vellumo
