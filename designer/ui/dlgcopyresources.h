#pragma once
// The dialog "Copy Resources": shown once when media files of different folders would take
// the same name in the destination folder. Each distinct source is a row with the name its
// copy gets (edited in place with "Rename", or all at once with "Rename All"); OK copies the
// files and points the design's references at the copies. Any other way out copies nothing.
// Also the handler that file gathering calls with the colliding references.

#include <QDialog>
#include <ctime>
#include <functional>

#include "designer/core/resourcecopies.h"
#include "model/copyresources.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace tb {

class CDlgCopyResources : public QDialog {
    Q_OBJECT

public:
    explicit CDlgCopyResources(std::string strDestFolder, QWidget* pParent = nullptr);

    void AddReference(std::string* pReference);
    int ReferenceCount() const { return m_copies.ReferenceCount(); }

    QTreeWidget& List() const { return *m_pList; }
    QLabel& DestinationText() const { return *m_pDestination; }
    QPushButton& RenameButton() const { return *m_pRename; }
    QPushButton& RenameAllButton() const { return *m_pRenameAll; }
    QPushButton& OkButton() const { return *m_pOk; }
    // "Browse ...": kept for the files of the destination folder, not shown.
    QPushButton& BrowseButton() const { return *m_pBrowse; }

    // Starts editing the focused row's name, or says that none is.
    void RenameFocused();
    // Takes a name typed for a row: the row gets it, or a message says why not.
    bool TakeTypedName(int nRow, const QString& name);
    void RenameAll();
    // The clock Rename All seeds its names with (seconds); tests fix it.
    void SetClock(std::function<std::time_t()> clock) { m_clock = std::move(clock); }

    // Shows the rows of the references added so far (done when the dialog shows).
    void FillList();

    // Copies, rewrites the references of the rows copied, reports the others, closes.
    void accept() override;

protected:
    void showEvent(QShowEvent* pEvent) override;

private:
    void ShowNames();

    CResourceCopies m_copies;
    std::function<std::time_t()> m_clock;
    QLabel* m_pDestination;
    QTreeWidget* m_pList;
    QPushButton* m_pOk;
    QPushButton* m_pRename;
    QPushButton* m_pRenameAll;
    QPushButton* m_pBrowse;
};

// File gathering's handler with a display: the dialog, modal, over the active window.
class CCopyResourcesDialogHandler : public ICopyResourcesHandler {
public:
    void CopyResources(const std::vector<std::string*>& references,
                       const std::string& strDestinationFolder) override;
};

} // namespace tb
