#pragma once
// The workbench's one document: the widget being edited, held through a CTessera. New,
// Open and Save delegate everything about the file to the component (ReadConfigFile,
// WriteConfigFile); the document only checks that a file is the component's own and keeps
// the modified flag.

#include <functional>
#include <memory>
#include <string>

#include "workbench/core/document.h"
#include "workbench/core/tessera.h"

namespace tb {

class CVellumoToolDoc : public CDocument {
public:
    // The New dialog, run on the document's fresh widget (its target); true for OK. Without
    // one, New goes on as OK with a blank widget.
    using NewDialog = std::function<bool(CTessera& target)>;
    // Sends a command to the main window and returns when it has run.
    using CommandSender = std::function<void(unsigned nId)>;

    CVellumoToolDoc();

    bool OnNewDocument() override;
    bool OnOpenDocument(const std::string& path) override;
    bool OnSaveDocument(const std::string& path) override;

    // The widget; null after a failed New, until the next New or Open.
    CTessera* Tessera() const { return m_pTessera.get(); }

    // Configure: runs the designer; the document is modified when the designer reports
    // success. False when there is no widget or the designer did not succeed.
    bool ConfigureWidget();
    // After Rename's OK: the widget's new Title and Description; the document is modified.
    void RenameWidget(const std::string& name, const std::string& description);
    // View Sample: the component's sample page, opened by the desktop.
    bool CanViewSample() const;
    void ViewSample();
    // Support Files may run only for a widget that uses files.
    bool HasSupportFiles() const;

    void SetNewDialog(NewDialog dialog) { m_newDialog = std::move(dialog); }
    void SetCommandSender(CommandSender sender) { m_sendCommand = std::move(sender); }

private:
    // A widget of the workbench's component; null, after the message, when it cannot be made.
    std::unique_ptr<CTessera> CreateWidget();
    void SendCommand(unsigned nId);

    std::unique_ptr<CTessera> m_pTessera;
    bool m_bFirstNew = true;
    NewDialog m_newDialog;
    CommandSender m_sendCommand;
};

} // namespace tb
