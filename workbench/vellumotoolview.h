#pragma once
// The main form: the three steps of the job (make or open a widget, configure it, publish
// it), each with its large buttons and its explanation. The buttons run the commands of the
// command table, so a button is enabled exactly when its command is; the view itself
// handles Configure and Rename on the document's widget.

#include <map>

#include "workbench/colorformview.h"
#include "workbench/core/commandids.h"

class QLabel;

namespace tb {

class CBitmapButton;
class CCommandTable;
class CVellumoToolDoc;

class CVellumoToolView : public CColorFormView {
    Q_OBJECT

public:
    // The form's controls.
    enum ControlId : int {
        IDC_NEW = 1021,
        IDC_OPEN = 1022,
        IDC_CONFIGURE = 1023,
        // These four run commands of their own, under the same numbers.
        IDC_COPY_CODE = tb::IDC_COPY_CODE,
        IDC_NEW_PAGE = tb::IDC_NEW_PAGE,
        IDC_INSERT_INTO = tb::IDC_INSERT_INTO,
        IDC_MORE_INFORMATION = tb::IDC_MORE_INFORMATION,
        IDC_STEP_FIRST = 1046, // the six explanations, 1046 to 1051
        IDC_STEP_LAST = 1051,
    };

    // Attaches Configure and Rename to the command table.
    CVellumoToolView(CVellumoToolDoc& document, CCommandTable& commands, QWidget* parent = nullptr);

    // The buttons' pictures, the form's colour, no border.
    void OnInitialUpdate();

    CBitmapButton* Button(int nControlId) const;
    QLabel* StepText(int nControlId) const;
    // Enables each button as its command is now.
    void UpdateCommandStates();

    void OnConfigure();
    void OnRename();

signals:
    // A button ran its command; what it changed may have changed other commands' states.
    void CommandRun(unsigned nCommandId);

protected:
    // F1 in the form opens the form's page, before the frame's F1 opens the help's index.
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildForm();
    CBitmapButton* AddButton(int nControlId, unsigned nCommandId, const QString& caption,
                             const QString& glyph);
    QLabel* AddStepText(int nControlId, const QString& text);
    void RenderButtonPictures();

    CVellumoToolDoc& m_document;
    CCommandTable& m_commands;
    struct ButtonEntry {
        CBitmapButton* pButton;
        unsigned nCommandId;
        QString glyph;
    };
    std::map<int, ButtonEntry> m_buttons;
    std::map<int, QLabel*> m_stepTexts;
};

} // namespace tb
