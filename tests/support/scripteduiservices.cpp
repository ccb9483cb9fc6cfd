#include "tests/support/scripteduiservices.h"

#include <utility>

namespace tb {

namespace {

// An answer that hands the chooser of that kind one path.
UiAnswer PathAnswer(UiCallKind kind, std::string path) {
    UiAnswer answer;
    answer.kind = kind;
    answer.paths.push_back(std::move(path));
    return answer;
}

// An answer for a call that only succeeds or fails.
UiAnswer SuccessAnswer(UiCallKind kind, bool success) {
    UiAnswer answer;
    answer.kind = kind;
    answer.success = success;
    return answer;
}

// What either file dialog records.
UiCall FileCall(UiCallKind kind, const FileDialogRequest& request) {
    UiCall call;
    call.kind = kind;
    call.text = request.filter;
    call.caption = request.title;
    call.file = request;
    return call;
}

// The one path a save or folder chooser answers with; nothing when it was declined.
std::optional<std::string> FirstPath(const std::optional<UiAnswer>& answer) {
    if (!answer || answer->paths.empty())
        return std::nullopt;
    return answer->paths.front();
}

} // namespace

const char* UiCallKindName(UiCallKind kind) {
    switch (kind) {
    case UiCallKind::MessageBox:
        return "MessageBox";
    case UiCallKind::ChooseColor:
        return "ChooseColor";
    case UiCallKind::GetOpenFileName:
        return "GetOpenFileName";
    case UiCallKind::GetSaveFileName:
        return "GetSaveFileName";
    case UiCallKind::BrowseForFolder:
        return "BrowseForFolder";
    case UiCallKind::OpenDocument:
        return "OpenDocument";
    case UiCallKind::StartProgram:
        return "StartProgram";
    }
    return "?";
}

UiAnswer UiAnswer::Message(int id) {
    UiAnswer answer;
    answer.kind = UiCallKind::MessageBox;
    answer.id = id;
    return answer;
}

UiAnswer UiAnswer::Color(COLORREF color) {
    UiAnswer answer;
    answer.kind = UiCallKind::ChooseColor;
    answer.color = color;
    return answer;
}

UiAnswer UiAnswer::OpenFile(std::string path) {
    return OpenFiles(std::vector<std::string>{std::move(path)});
}

UiAnswer UiAnswer::OpenFiles(std::vector<std::string> paths) {
    UiAnswer answer;
    answer.kind = UiCallKind::GetOpenFileName;
    answer.paths = std::move(paths);
    return answer;
}

UiAnswer UiAnswer::SaveFile(std::string path) {
    return PathAnswer(UiCallKind::GetSaveFileName, std::move(path));
}

UiAnswer UiAnswer::Folder(std::string path) {
    return PathAnswer(UiCallKind::BrowseForFolder, std::move(path));
}

UiAnswer UiAnswer::Cancel(UiCallKind kind) {
    UiAnswer answer;
    answer.kind = kind;
    answer.id = IDCANCEL;
    answer.success = false;
    return answer;
}

UiAnswer UiAnswer::Document(bool success) {
    return SuccessAnswer(UiCallKind::OpenDocument, success);
}

UiAnswer UiAnswer::Program(bool success) {
    return SuccessAnswer(UiCallKind::StartProgram, success);
}

UiAnswer&& UiAnswer::WithText(std::string text) && {
    expectedText = std::move(text);
    return std::move(*this);
}

ScriptedUiServices& ScriptedUiServices::Expect(UiAnswer answer) {
    m_answers.push_back(std::move(answer));
    return *this;
}

std::vector<std::string> ScriptedUiServices::failures() const {
    std::vector<std::string> all = m_failures;
    for (const UiAnswer& answer : m_answers)
        all.push_back(std::string("expected ") + UiCallKindName(answer.kind) + " was never called" +
                      (answer.expectedText ? " (\"" + *answer.expectedText + "\")" : ""));
    return all;
}

std::optional<UiAnswer> ScriptedUiServices::Take(UiCall call) {
    std::string what = std::string(UiCallKindName(call.kind)) + " \"" + call.text + "\"";
    std::optional<UiAnswer> answer;
    if (m_answers.empty()) {
        m_failures.push_back("unexpected " + what + ": no answer queued");
    } else if (m_answers.front().kind != call.kind) {
        m_failures.push_back("unexpected " + what + ": the next answer is for " +
                             UiCallKindName(m_answers.front().kind));
    } else if (m_answers.front().expectedText && *m_answers.front().expectedText != call.text) {
        m_failures.push_back("unexpected " + what + ": expected \"" +
                             *m_answers.front().expectedText + "\"");
    } else {
        answer = std::move(m_answers.front());
        m_answers.pop_front();
    }
    // A mismatched answer stays queued: the call it was meant for may still come.
    call.expected = answer.has_value();
    m_calls.push_back(std::move(call));
    return answer;
}

int ScriptedUiServices::MessageBox(const std::string& text, const std::string& caption,
                                   MbButtons buttons, MbIcon icon) {
    UiCall call;
    call.kind = UiCallKind::MessageBox;
    call.text = text;
    call.caption = caption;
    call.buttons = buttons;
    call.icon = icon;
    std::optional<UiAnswer> answer = Take(std::move(call));
    return answer ? answer->id : DeclinedAnswer(buttons);
}

std::optional<COLORREF> ScriptedUiServices::ChooseColor(COLORREF initial) {
    UiCall call;
    call.kind = UiCallKind::ChooseColor;
    call.color = initial;
    std::optional<UiAnswer> answer = Take(std::move(call));
    return answer ? answer->color : std::nullopt;
}

std::vector<std::string> ScriptedUiServices::GetOpenFileNames(const FileDialogRequest& request) {
    std::optional<UiAnswer> answer = Take(FileCall(UiCallKind::GetOpenFileName, request));
    if (!answer)
        return {};
    if (!request.multiSelect && answer->paths.size() > 1) {
        m_failures.push_back("GetOpenFileName answered with several files for a single choice");
        answer->paths.resize(1);
    }
    return answer->paths;
}

std::optional<std::string> ScriptedUiServices::GetSaveFileName(const FileDialogRequest& request) {
    return FirstPath(Take(FileCall(UiCallKind::GetSaveFileName, request)));
}

std::optional<std::string> ScriptedUiServices::BrowseForFolder(const std::string& title,
                                                               const std::string& initialFolder) {
    UiCall call;
    call.kind = UiCallKind::BrowseForFolder;
    call.text = title;
    call.caption = title;
    call.initialFolder = initialFolder;
    return FirstPath(Take(std::move(call)));
}

bool ScriptedUiServices::OpenDocument(const std::string& pathOrUrl) {
    UiCall call;
    call.kind = UiCallKind::OpenDocument;
    call.text = pathOrUrl;
    std::optional<UiAnswer> answer = Take(std::move(call));
    return answer && answer->success;
}

bool ScriptedUiServices::StartProgram(const std::string& program,
                                      const std::vector<std::string>& arguments) {
    UiCall call;
    call.kind = UiCallKind::StartProgram;
    call.text = program;
    call.arguments = arguments;
    std::optional<UiAnswer> answer = Take(std::move(call));
    return answer && answer->success;
}

} // namespace tb
