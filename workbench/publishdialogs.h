#pragma once
// The two small dialogs of publishing: "Brisko's HTML Code", which shows the code just put
// on the clipboard, and "Insert Brisko into Page", which recommends the maker's page editor
// for inserting widgets and offers it when it is installed.

#include "workbench/workbenchhelp.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;

namespace tb {

class CDlgHtmlCode : public CHelpDialog {
    Q_OBJECT

public:
    enum ControlId : int { IDC_CODE = 1036, IDC_REMINDER = 1041 };

    explicit CDlgHtmlCode(const QString& code, QWidget* parent = nullptr);

    QPlainTextEdit* CodeBox() const { return m_pCode; }

private:
    QPlainTextEdit* m_pCode;
};

class CDlgEditorChoice : public CHelpDialog {
    Q_OBJECT

public:
    enum ControlId : int { IDC_USE_EDITOR = 1042, IDC_RECOMMENDATION = 1043 };

    // Without the editor installed the box starts cleared and the dialog says so.
    explicit CDlgEditorChoice(bool bEditorInstalled, QWidget* parent = nullptr);

    QCheckBox* UseEditorBox() const { return m_pUseEditor; }
    QLabel* Recommendation() const { return m_pRecommendation; }
    bool UseEditor() const;

private:
    QCheckBox* m_pUseEditor;
    QLabel* m_pRecommendation;
};

// A label in the maker's colours, white on dark blue, as the dialogs' explanations are.
QLabel* MakerNoteLabel(const QString& text);

} // namespace tb
