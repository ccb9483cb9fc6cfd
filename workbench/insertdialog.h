#pragma once
// "Insert into <page>": the page as plain text, where the caret marks the insertion point.
// "Insert" puts the widget's marked block there (again on every press), "Undo" takes the
// last edit back, and OK writes the page whole, with the widget's files beside it when the
// box is ticked. A page that could not be read whole is never written: the dialog says which
// page it is and offers only Cancel.

#include <string>

#include "workbench/pagetextcodec.h"
#include "workbench/workbenchhelp.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tb {

class CTessera;

class CDlgInsert : public CHelpDialog {
    Q_OBJECT

public:
    enum ControlId : int {
        IDC_PAGE_TEXT = 1030,
        IDC_INSERT = 1031,
        IDC_UNDO = 1032,
        IDC_COPY_FILES = 1034,
    };

    // Reads the page; a page that cannot be opened or read to its end is said so in a
    // message, and the dialog then only cancels.
    CDlgInsert(const std::string& page, CTessera& widget, QWidget* parent = nullptr);

    bool PageRead() const { return m_bPageRead; }
    QPlainTextEdit* PageText() const { return m_pText; }
    QPushButton* InsertButton() const { return m_pInsert; }
    QPushButton* UndoButton() const { return m_pUndo; }
    QPushButton* OkButton() const { return m_pOk; }
    QCheckBox* CopyFilesBox() const { return m_pCopyFiles; }
    QLabel* Notice() const { return m_pNotice; }
    // The bytes OK would write.
    std::string PageBytes() const;

    void OnInsert();
    void OnUndo();
    void accept() override;

private:
    void ReadPage();
    void ShowUnreadable(const std::string& message);

    std::string m_strPage;
    CTessera& m_widget;
    CPageTextCodec m_codec{""};
    bool m_bPageRead = false;
    QPlainTextEdit* m_pText;
    QLabel* m_pNotice;
    QPushButton* m_pInsert;
    QPushButton* m_pUndo;
    QPushButton* m_pOk;
    QCheckBox* m_pCopyFiles;
};

} // namespace tb
