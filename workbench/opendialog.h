#pragma once
// The Open dialog: the file chooser for widget files with a "Preview widget" check box and a
// preview pane under it. The chosen file's widget is read into the dialog's own widget and
// shown; a file of another component shows the program's page that says so. The check box
// is kept in the profile ("Preview"/"Open Preview").

#include <QFileDialog>

#include <memory>
#include <string>

class QCheckBox;

namespace tb {

class CBrowserPane;
class CTessera;

// The filter of every Open dialog for widget files, as the program has always written it: the
// double bar ends the list after the first pair.
inline constexpr char kWidgetOpenFilter[] = "Widget Files(*.tsq) | *.tsq||All Files(*.*) | *.*||";

class CDlgOpenWidget : public QFileDialog {
    Q_OBJECT

public:
    CDlgOpenWidget(std::string workFolder, std::string programFolder,
                   const std::string& initialFolder, QWidget* parent = nullptr);
    ~CDlgOpenWidget() override;

    // False when the dialog's own widget could not be made: it then ends at once.
    bool IsUsable() const { return m_bUsable; }
    int exec() override;

    // What the file list reports: the file under the cursor, or that a folder was entered.
    void OnSelectionChanged(const QString& path);
    void OnFolderChanged();
    void UpdatePreview();

    QCheckBox* PreviewCheck() const { return m_pPreviewCheck; }
    QWidget* PreviewPane() const { return m_pPaneWidget; }

private:
    void OnPreviewToggled(bool bOn);

    std::unique_ptr<CTessera> m_pWidget;
    std::string m_strWorkFolder;
    std::string m_strProgramFolder;
    std::string m_strSelected;
    bool m_bUsable = false;
    // A folder change is followed by a selection notice of the folder's own; that one is not
    // a choice.
    bool m_bIgnoreNextSelection = false;
    QCheckBox* m_pPreviewCheck;
    QWidget* m_pPaneWidget = nullptr;
    CBrowserPane* m_pPane = nullptr;
};

} // namespace tb
