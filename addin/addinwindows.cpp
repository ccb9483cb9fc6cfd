#include "addin/addinwindows.h"

#include "addin/frmaddin.h"
#include "addin/frmnewwidget.h"

namespace tb::addin {

// The forms are windows of their own, without a parent: the editor may destroy its windows
// before it lets the add-in go.
CAddInWindows::CAddInWindows() = default;
CAddInWindows::~CAddInWindows() = default;

void CAddInWindows::ShowAddInForm(host::IPageEditorApplication& application) {
    if (!m_pAddInForm)
        m_pAddInForm = std::make_unique<CFrmAddIn>(application, m_fnHide);
    m_pAddInForm->show();
}

void CAddInWindows::HideAddInForm() {
    if (m_pAddInForm)
        m_pAddInForm->hide();
}

void CAddInWindows::UnloadAddInForm() {
    m_pAddInForm.reset();
}

INewWidgetForm& CAddInWindows::NewWidgetForm() {
    if (!m_pNewWidgetForm)
        m_pNewWidgetForm = std::make_unique<CFrmNewWidget>();
    return *m_pNewWidgetForm;
}

} // namespace tb::addin
