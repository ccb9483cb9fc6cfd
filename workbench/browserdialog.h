#pragma once
// "Web Browser": the browsers found on this machine, the user's own browsers for previews,
// and adding or deleting one of the user's. Changes are stored at once, where the designer's
// preview menus read them.

#include <memory>

#include "component/browserlist.h"
#include "workbench/workbenchhelp.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace tb {

class CDlgWebBrowser : public CHelpDialog {
    Q_OBJECT

public:
    enum ControlId : int {
        IDC_BROWSE = 1010,
        IDC_NAME = 1012,
        IDC_SPECIFIED_LIST = 1026,
        IDC_ADD = 1027,
        IDC_PATH = 1039,
        IDC_DELETE = 1049,
        IDC_INSTALLED_LIST = 1053,
    };

    // Detects the installed browsers now; findProgram looks programs up (the search path
    // when empty).
    explicit CDlgWebBrowser(QWidget* parent = nullptr,
                            BrowserList::ProgramLookup findProgram = nullptr);
    ~CDlgWebBrowser() override;

    void OnBrowse();
    void OnAdd();
    void OnDelete();

    QListWidget& InstalledList() const { return *m_pInstalled; }
    QListWidget& SpecifiedList() const { return *m_pSpecified; }
    QLineEdit& NameEdit() const { return *m_pName; }
    QLineEdit& PathEdit() const { return *m_pPath; }
    QPushButton& BrowseButton() const { return *m_pBrowse; }
    QPushButton& AddButton() const { return *m_pAdd; }
    QPushButton& DeleteButton() const { return *m_pDelete; }
    const BrowserList& Browsers() const { return *m_pBrowsers; }

private:
    std::unique_ptr<BrowserList> m_pBrowsers;
    QListWidget* m_pInstalled;
    QListWidget* m_pSpecified;
    QLineEdit* m_pName;
    QLineEdit* m_pPath;
    QPushButton* m_pBrowse;
    QPushButton* m_pAdd;
    QPushButton* m_pDelete;
};

} // namespace tb
