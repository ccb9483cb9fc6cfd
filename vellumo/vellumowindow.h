#pragma once
// Vellumo's main window: one page, shown in the normal view (edited in place), as HTML text,
// or as a preview; the File, Edit, View and Tools menus; the add-ins' tool bars under the
// menu. The window is the add-ins' editor: it owns the host object model they talk to and
// loads the registered add-ins.

#include <QMainWindow>

#include <memory>
#include <optional>
#include <string>

#include "addin/host/addinmanager.h"
#include "vellumo/commandbarview.h"
#include "vellumo/designview.h"
#include "vellumo/pagehost.h"

class QActionGroup;
class QPlainTextEdit;
class QTabWidget;
class QWebEngineView;

namespace tb::vellumo {

inline constexpr const char* kPageFilter =
    "HTML Files(*.htm;*.html)|*.htm;*.html|All Files(*.*)|*.*||";

class CVellumoWindow : public QMainWindow, public IVellumoSite {
public:
    // programFolder holds the script player, "tlwbtn.js", when it is installed.
    explicit CVellumoWindow(const std::string& programFolder, QWidget* parent = nullptr);
    ~CVellumoWindow() override;

    // Connects the add-ins registered to load at start-up.
    void ConnectStartupAddIns();

    // The File menu. Each asks first whether to save a changed page (Cancel stops).
    void NewPage();
    bool OpenPage(const std::string& path);
    bool OpenPageWithDialog();
    bool Save();
    // An empty path asks for one.
    bool SaveAs(const std::string& path = {});

    // The Edit menu, on the view being shown.
    bool Undo();
    bool Redo();

    void ShowAddInsDialog();

    // The page's bytes as they would be saved now.
    std::optional<std::string> CurrentBytes();
    bool IsModified() const { return m_bModified; }
    const std::string& Charset() const { return m_strCharset; }

    // IVellumoSite
    bool HasPage() const override { return m_bHasPage; }
    std::string PagePath() const override { return m_strPath; }
    int CurrentViewMode() const override { return m_nViewMode; }
    bool ChangeViewMode(int mode) override;
    CDesignView* EditableDesign() override;

    CVellumoHost& Host() { return *m_pHost; }
    host::CAddInManager& AddIns() { return *m_pAddIns; }
    CCommandBarsView& BarsView() { return *m_pBarsView; }
    CDesignView* Design() const { return m_pDesign; }
    QPlainTextEdit* Source() const { return m_pSource; }
    QWebEngineView* Preview() const { return m_pPreview; }
    QTabWidget* Tabs() const { return m_pTabs; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildViews();
    void BuildMenus();
    void ShowPage(std::string path, std::string bytes);
    // Takes the content of the view being shown into m_bytes; false when it could not.
    bool Capture();
    void Enter(int mode);
    bool MaybeSave();
    // Writes the page there; false (after a message) when the file was left as it was.
    bool WriteTo(const std::string& target);
    void SetModified(bool modified);
    void UpdateTitle();
    QUrl BaseUrl() const;

    std::string m_strProgramFolder;
    QString m_strPlayer;
    std::unique_ptr<CVellumoHost> m_pHost;
    std::unique_ptr<host::CAddInManager> m_pAddIns;
    std::unique_ptr<CCommandBarsView> m_pBarsView;
    QTabWidget* m_pTabs = nullptr;
    CDesignView* m_pDesign = nullptr;
    QPlainTextEdit* m_pSource = nullptr;
    QWebEngineView* m_pPreview = nullptr;
    QActionGroup* m_pViewActions = nullptr;

    bool m_bHasPage = false;
    std::string m_strPath;
    std::string m_bytes;
    std::string m_strCharset = "UTF-8";
    int m_nViewMode = host::ViewModeNormal;
    bool m_bModified = false;
    bool m_bDesignStale = true;
    bool m_bSourceEdited = false;
    bool m_bFillingSource = false;
    bool m_bSwitching = false;
};

} // namespace tb::vellumo
