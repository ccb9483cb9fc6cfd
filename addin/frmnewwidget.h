#pragma once
// The form "New Widget": how a new widget starts (blank, from a template, from an existing
// widget file) with a live preview of the choice. The decisions are the chooser's; the form
// shows its state and passes the clicks on. One form serves every insertion of a connection.

#include <QDialog>

#include "addin/core/widgetinsertion.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace tb::addin {

class CFrmNewWidget : public QDialog, public INewWidgetForm {
    Q_OBJECT

public:
    // The preview pane comes from the platform's pane factory (a web view unless a test
    // installed another).
    explicit CFrmNewWidget(QWidget* parent = nullptr);
    ~CFrmNewWidget() override;

    CNewWidgetChooser& Chooser() override { return m_chooser; }
    // Shows the chooser's state and waits for OK or Cancel.
    void ShowModal() override;
    // The controls as the chooser holds them now (also what ShowModal starts with).
    void ShowChooserState();

    QRadioButton* OptionButton(int option) const { return m_pOptions[option]; }
    QListWidget* TemplateList() const { return m_pTemplates; }
    QLineEdit* WidgetFileBox() const { return m_pWidgetFile; }
    QPushButton* BrowseButton() const { return m_pBrowse; }
    QCheckBox* PreviewBox() const { return m_pPreview; }
    QPushButton* OkButton() const { return m_pOk; }
    QPushButton* CancelButton() const { return m_pCancel; }

protected:
    void reject() override;

private:
    void OnOption(int option);
    void EnableControls();

    CNewWidgetChooser m_chooser;
    QRadioButton* m_pOptions[3] = {};
    QListWidget* m_pTemplates = nullptr;
    QLineEdit* m_pWidgetFile = nullptr;
    QPushButton* m_pBrowse = nullptr;
    QCheckBox* m_pPreview = nullptr;
    QPushButton* m_pOk = nullptr;
    QPushButton* m_pCancel = nullptr;
    bool m_bShowingState = false;
};

} // namespace tb::addin
