#pragma once
// Everything modal that the system asks of the desktop (message boxes, the colour, file and
// folder choosers) and the shell's "open" and program start go through one interface. The
// program installs the Qt implementation at start-up; tests install a scripted one; a host
// without a display keeps the default, which never waits for anybody.

#include <optional>
#include <string>
#include <vector>

#include "platform/core/colorref.h"
#include "platform/ui/dialogresult.h"

namespace tb {

enum class MbButtons { OK, OKCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };

enum class MbIcon {
    None,
    Information,
    Warning,
    Error,
    Question,
    Exclamation = Warning, // the names the messages are usually described with
    Stop = Error,
};

// One open or save dialog. The filter is the platform's text as written, descriptions and
// patterns separated by '|', e.g. "Widget Files(*.tsq)|*.tsq|All Files(*.*)|*.*||".
struct FileDialogRequest {
    std::string title;            // empty: "Open" or "Save As"
    std::string initialFolder;    // empty: the current folder
    std::string initialFile;      // a name, or a full path that also sets the folder
    std::string filter;           // empty: every file
    std::string defaultExtension; // added to a typed name without one ("htm" or ".htm")
    bool multiSelect = false;     // open only
    bool overwritePrompt = true;  // save only
};

class UiServices {
public:
    virtual ~UiServices() = default;

    // Shows the text with the caption as window title; returns the IDOK ... IDNO of the button
    // pressed. Closing the box counts as its Cancel (or No, or the only button).
    virtual int MessageBox(const std::string& text, const std::string& caption,
                           MbButtons buttons = MbButtons::OK, MbIcon icon = MbIcon::None) = 0;

    // The full colour chooser, preset to `initial`; nothing on Cancel.
    virtual std::optional<COLORREF> ChooseColor(COLORREF initial) = 0;

    // The chosen existing files as full paths (one unless request.multiSelect); empty on Cancel.
    virtual std::vector<std::string> GetOpenFileNames(const FileDialogRequest& request) = 0;

    // The path to save to; nothing on Cancel.
    virtual std::optional<std::string> GetSaveFileName(const FileDialogRequest& request) = 0;

    // The chosen folder, without a trailing separator; nothing on Cancel.
    virtual std::optional<std::string> BrowseForFolder(const std::string& title,
                                                       const std::string& initialFolder) = 0;

    // The shell's "open" of a file (a page opens in the default browser) or of an address
    // such as "http://..." or "mailto:..."; false when nothing could open it.
    virtual bool OpenDocument(const std::string& pathOrUrl) = 0;

    // Starts a program (a path, or a name looked up in PATH) with its arguments, without
    // waiting for it; false when it could not be started.
    virtual bool StartProgram(const std::string& program,
                              const std::vector<std::string>& arguments) = 0;

    // Single selection: the chosen file, or nothing on Cancel.
    std::optional<std::string> GetOpenFileName(FileDialogRequest request);
};

// The implementation in use; the non-interactive default when none was installed.
UiServices& Ui();

// Installs `services` (nullptr: back to the default) and returns the one it replaces
// (nullptr when that was the default). The caller keeps ownership.
UiServices* SetUi(UiServices* services);

// Answers without asking anybody: every request is written to stderr, message boxes answer
// Cancel, No, Abort or their only OK, choosers are cancelled and nothing is opened or started.
// A command-line host therefore never blocks on a question nobody can see.
class NonInteractiveUiServices : public UiServices {
public:
    int MessageBox(const std::string& text, const std::string& caption, MbButtons buttons,
                   MbIcon icon) override;
    std::optional<COLORREF> ChooseColor(COLORREF initial) override;
    std::vector<std::string> GetOpenFileNames(const FileDialogRequest& request) override;
    std::optional<std::string> GetSaveFileName(const FileDialogRequest& request) override;
    std::optional<std::string> BrowseForFolder(const std::string& title,
                                               const std::string& initialFolder) override;
    bool OpenDocument(const std::string& pathOrUrl) override;
    bool StartProgram(const std::string& program,
                      const std::vector<std::string>& arguments) override;
};

// The answer a message box gives when nobody chooses: Cancel where there is one, otherwise
// No, otherwise Abort, otherwise OK.
int DeclinedAnswer(MbButtons buttons);

// Installs an implementation for the lifetime of this object and then puts back the previous.
class ScopedUi {
public:
    explicit ScopedUi(UiServices& services) : m_pPrevious(SetUi(&services)) {}
    ~ScopedUi() { SetUi(m_pPrevious); }
    ScopedUi(const ScopedUi&) = delete;
    ScopedUi& operator=(const ScopedUi&) = delete;

private:
    UiServices* m_pPrevious;
};

} // namespace tb
