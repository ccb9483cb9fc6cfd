#pragma once
// A UiServices for tests: every call is recorded, and each is answered from a queue of
// expected calls filled beforehand. A call that was not expected (the queue is empty, or the
// next answer is for another kind of call, or for another text) is recorded as a failure and
// declined as nobody-at-the-desk would; the test checks ok() or failures() at the end.

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/uiservices.h"

namespace tb {

enum class UiCallKind {
    MessageBox,
    ChooseColor,
    GetOpenFileName,
    GetSaveFileName,
    BrowseForFolder,
    OpenDocument,
    StartProgram,
};

const char* UiCallKindName(UiCallKind kind);

// What the code under test asked for.
struct UiCall {
    UiCallKind kind = UiCallKind::MessageBox;
    std::string text;    // message text, file filter, folder chooser title, document, program
    std::string caption; // message caption, dialog or folder chooser title
    MbButtons buttons = MbButtons::OK;
    MbIcon icon = MbIcon::None;
    COLORREF color = 0;                 // initial colour
    FileDialogRequest file;             // both file dialogs
    std::string initialFolder;          // folder chooser
    std::vector<std::string> arguments; // program start
    bool expected = true;               // false: answered by the fallback
};

// One expected call and the answer to give. Build them with the named constructors.
struct UiAnswer {
    UiCallKind kind = UiCallKind::MessageBox;
    int id = IDOK;                           // message box
    std::optional<COLORREF> color;           // colour chooser; nothing = Cancel
    std::vector<std::string> paths;          // file and folder choosers; empty = Cancel
    bool success = true;                     // document open, program start
    std::optional<std::string> expectedText; // when set, UiCall::text must equal it

    static UiAnswer Message(int id);
    static UiAnswer Color(COLORREF color);
    static UiAnswer OpenFile(std::string path);
    static UiAnswer OpenFiles(std::vector<std::string> paths);
    static UiAnswer SaveFile(std::string path);
    static UiAnswer Folder(std::string path);
    static UiAnswer Cancel(UiCallKind kind);
    static UiAnswer Document(bool success = true);
    static UiAnswer Program(bool success = true);

    // Also checks UiCall::text (message text, filter, folder title, document or program).
    UiAnswer&& WithText(std::string text) &&;
};

class ScriptedUiServices : public UiServices {
public:
    ScriptedUiServices() = default;

    // Queues the answer for the next call.
    ScriptedUiServices& Expect(UiAnswer answer);

    const std::vector<UiCall>& calls() const { return m_calls; }
    size_t pending() const { return m_answers.size(); }
    // Unexpected calls, then a line for every expected call that never came.
    std::vector<std::string> failures() const;
    bool ok() const { return failures().empty(); }

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

private:
    // Records the call; gives the queued answer when it fits, nothing otherwise.
    std::optional<UiAnswer> Take(UiCall call);

    std::deque<UiAnswer> m_answers;
    std::vector<UiCall> m_calls;
    std::vector<std::string> m_failures;
};

} // namespace tb
