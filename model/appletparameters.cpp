#include "model/appletparameters.h"

#include "model/archive.h"
#include "model/drawrect.h"
#include "model/marquel.h"

#include <algorithm>
#include <unordered_set>

const CRuntimeClass CAppletParameters::classCAppletParameters{
    "CAppletParameters", 1, RUNTIME_CLASS(CObject), &CAppletParameters::CreateObject};

std::unique_ptr<CObject> CAppletParameters::CreateObject() {
    return std::make_unique<CAppletParameters>();
}

CAppletParameters::CAppletParameters() = default;

CAppletParameters::~CAppletParameters() {
    DeleteContents();
}

CDrawRect* CAppletParameters::AddButton(std::unique_ptr<CDrawRect> pButton) {
    if (!pButton)
        return nullptr;
    pButton->owner = this;
    m_buttons.push_back(std::move(pButton));
    return m_buttons.back().get();
}

std::unique_ptr<CDrawRect> CAppletParameters::RemoveButton(const CDrawRect* pButton) {
    auto it = std::find_if(m_buttons.begin(), m_buttons.end(),
                           [&](const auto& p) { return p.get() == pButton; });
    if (it == m_buttons.end())
        return nullptr;
    std::erase(m_selection, pButton);
    std::unique_ptr<CDrawRect> taken = std::move(*it);
    m_buttons.erase(it);
    return taken;
}

void CAppletParameters::DeleteContents() {
    // The selection only borrows from the button list: empty it first so nothing dangles.
    m_selection.clear();
    m_buttons.clear();
}

void CAppletParameters::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        tb::WriteObjectList(ar, m_buttons);
        // Only selected objects that are buttons: anything else would come back as an object
        // nobody owns.
        std::unordered_set<const CDrawRect*> known;
        for (const auto& p : m_buttons)
            known.insert(p.get());
        std::vector<CDrawRect*> selection;
        for (CDrawRect* p : m_selection) {
            if (known.count(p))
                selection.push_back(p);
        }
        tb::WriteObjectList(ar, selection);
        return;
    }

    // Everything is read aside first, so that a malformed archive leaves this object alone.
    std::vector<std::unique_ptr<CDrawRect>> buttons;
    tb::ReadOwnedObjectList(ar, buttons);
    std::unordered_set<const CDrawRect*> loaded;
    for (const auto& p : buttons)
        loaded.insert(p.get());
    std::vector<CDrawRect*> selection;
    std::unordered_set<const CDrawRect*> selected;
    const size_t n = ar.ReadCount();
    for (size_t i = 0; i < n; ++i) {
        auto* p = static_cast<CDrawRect*>(ar.ReadObjectRef(RUNTIME_CLASS(CDrawRect)));
        if (!loaded.count(p) || !selected.insert(p).second)
            CArchive::Fail(CArchiveException::badObject,
                           "The archive selects an object that is not one of its buttons.");
        selection.push_back(p);
    }
    for (auto& p : buttons)
        AddButton(std::move(p));
    m_selection.insert(m_selection.end(), selection.begin(), selection.end());
}
