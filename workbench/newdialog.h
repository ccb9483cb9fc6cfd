#pragma once
// "New": a blank widget or a copy of a template, named and described, with a preview of the
// choice beside it. "Preview >>" folds the preview away (the window shrinks to end just
// right of the button) and back; the choice is kept in the profile ("Preview"/"New Preview").
// The dialog lists and previews through a widget of its own and changes the target, the
// document's fresh widget, only on OK.

#include "workbench/workbenchhelp.h"

#include <memory>
#include <string>

#include "workbench/core/templates.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace tb {

class CBrowserPane;
class CTessera;

class CDlgNew : public CHelpDialog {
    Q_OBJECT

public:
    // workFolder: where preview pages go; userTemplateFolder: the user's templates ("" for
    // none).
    CDlgNew(CTessera& target, std::string workFolder, std::string userTemplateFolder,
            QWidget* parent = nullptr);
    ~CDlgNew() override;

    // False when the dialog's own widget could not be made: it then ends as cancelled.
    bool IsUsable() const { return m_bUsable; }
    int exec() override;
    void accept() override;

    // Known once the dialog has been shown.
    int FullWidth() const { return m_nFullWidth; }
    int CollapsedWidth() const { return m_nCollapsedWidth; }
    bool IsPreviewOn() const;

    QLineEdit* NameEdit() const { return m_pName; }
    QLineEdit* DescriptionEdit() const { return m_pDescription; }
    QRadioButton* BlankButton() const { return m_pBlank; }
    QRadioButton* TemplateButton() const { return m_pFromTemplate; }
    QListWidget* TemplateList() const { return m_pList; }
    QLabel* TemplateDescription() const { return m_pTemplateDescription; }
    QPushButton* PreviewButton() const { return m_pPreviewButton; }
    QPushButton* OkButton() const { return m_pOk; }
    QWidget* PreviewPane() const { return m_pPaneWidget; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnChoice(bool bFromTemplate);
    void OnSelectionChanged(int nRow);
    void OnPreviewToggled(bool bOn);
    void ShowPreview();
    void ShowTemplatePreview(int nRow);
    void ShowBlankPreview();
    void Collapse();
    void Expand();

    CTessera& m_target;
    std::unique_ptr<CTessera> m_pLister;
    std::string m_strWorkFolder;
    CTemplateList m_templates;
    bool m_bUsable = false;
    bool m_bFromTemplate = false;
    int m_nShownRow = -1;
    // The choice or the selection changed while the preview was folded away.
    bool m_bPreviewStale = false;
    int m_nFullWidth = 0;
    int m_nCollapsedWidth = 0;

    QLineEdit* m_pName;
    QLineEdit* m_pDescription;
    QRadioButton* m_pBlank;
    QRadioButton* m_pFromTemplate;
    QListWidget* m_pList;
    QLabel* m_pTemplateDescription;
    QPushButton* m_pPreviewButton;
    QPushButton* m_pOk;
    QWidget* m_pPaneWidget = nullptr;
    CBrowserPane* m_pPane = nullptr;
};

} // namespace tb
