#pragma once
// The add-in's windows for its connection: the small form, made when first shown, and the
// one form "New Widget", made when first needed.

#include <memory>

#include "addin/core/connect.h"

namespace tb::addin {

class CFrmAddIn;
class CFrmNewWidget;

class CAddInWindows : public IAddInWindows {
public:
    CAddInWindows();
    ~CAddInWindows() override;

    void ShowAddInForm(host::IPageEditorApplication& application) override;
    void HideAddInForm() override;
    void UnloadAddInForm() override;
    void SetHideRequest(std::function<void()> hide) override { m_fnHide = std::move(hide); }
    INewWidgetForm& NewWidgetForm() override;

    CFrmAddIn* AddInForm() const { return m_pAddInForm.get(); }

private:
    std::unique_ptr<CFrmAddIn> m_pAddInForm;
    std::unique_ptr<CFrmNewWidget> m_pNewWidgetForm;
    std::function<void()> m_fnHide;
};

} // namespace tb::addin
