#pragma once
// The template dialogs. "Save as Template" names and describes the current widget for a new
// template in the user's folder, showing the target file and the existing templates. "Manage
// Templates" renames and deletes the user's templates; the program's own templates are listed
// too but stay as they are.

#include "workbench/workbenchhelp.h"

#include <memory>
#include <string>

#include "workbench/core/templates.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace tb {

class CTessera;

class CDlgSaveAsTemplate : public CHelpDialog {
    Q_OBJECT

public:
    // widget: the document's; userFolder: where the template goes ("" for the component's
    // folder).
    CDlgSaveAsTemplate(CTessera& widget, std::string userFolder, QWidget* parent = nullptr);
    ~CDlgSaveAsTemplate() override;

    bool IsUsable() const { return m_bUsable; }
    int exec() override;
    void accept() override;

    std::string Name() const;
    std::string Description() const;
    std::string TargetPath() const;
    QLineEdit* NameEdit() const { return m_pName; }
    QLineEdit* DescriptionEdit() const { return m_pDescription; }
    QListWidget* TemplateList() const { return m_pList; }
    QLabel* TargetLabel() const { return m_pTarget; }

private:
    void UpdateTarget();

    std::unique_ptr<CTessera> m_pLister;
    std::string m_strFolder;
    bool m_bUsable = false;
    QLineEdit* m_pName;
    QLineEdit* m_pDescription;
    QLabel* m_pTarget;
    QListWidget* m_pList;
};

// Save as Template from start to end on the document's widget: the dialog, then the save
// with its message. The document's modified state is not touched.
void RunSaveAsTemplate(CTessera& widget, const std::string& userFolder, QWidget* parent);

class CDlgManageTemplates : public CHelpDialog {
    Q_OBJECT

public:
    CDlgManageTemplates(std::string userFolder, QWidget* parent = nullptr);
    ~CDlgManageTemplates() override;

    bool IsUsable() const { return m_bUsable; }
    int exec() override;

    void OnRename();
    void OnDelete();

    const CTemplateList& Templates() const { return m_templates; }
    int Current() const { return m_nCurrent; }
    QLineEdit* NameEdit() const { return m_pName; }
    QLineEdit* DescriptionEdit() const { return m_pDescription; }
    QListWidget* TemplateList() const { return m_pList; }

private:
    void OnSelectionChanged(int nRow);
    void ShowCurrent();
    void FillList();
    // A template the program ships cannot change; says so. True when it can.
    bool CheckChangeable();

    std::unique_ptr<CTessera> m_pWidget;
    std::string m_strFolder;
    CTemplateList m_templates;
    int m_nCurrent = -1;
    bool m_bUsable = false;
    QLineEdit* m_pName;
    QLineEdit* m_pDescription;
    QListWidget* m_pList;
};

} // namespace tb
