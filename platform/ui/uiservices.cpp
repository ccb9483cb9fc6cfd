#include "platform/ui/uiservices.h"

#include <atomic>
#include <cstdio>

namespace tb {

namespace {

std::atomic<UiServices*> g_pCurrent{nullptr};

NonInteractiveUiServices& DefaultUi() {
    static NonInteractiveUiServices services;
    return services;
}

const char* ButtonsName(MbButtons buttons) {
    switch (buttons) {
    case MbButtons::OK:
        return "OK";
    case MbButtons::OKCancel:
        return "OK/Cancel";
    case MbButtons::YesNo:
        return "Yes/No";
    case MbButtons::YesNoCancel:
        return "Yes/No/Cancel";
    case MbButtons::RetryCancel:
        return "Retry/Cancel";
    case MbButtons::AbortRetryIgnore:
        return "Abort/Retry/Ignore";
    }
    return "?";
}

void Note(const std::string& line) {
    std::fprintf(stderr, "[no user interface] %s\n", line.c_str());
    std::fflush(stderr);
}

} // namespace

std::optional<std::string> UiServices::GetOpenFileName(FileDialogRequest request) {
    request.multiSelect = false;
    std::vector<std::string> paths = GetOpenFileNames(request);
    if (paths.empty())
        return std::nullopt;
    return paths.front();
}

UiServices& Ui() {
    UiServices* current = g_pCurrent.load();
    return current ? *current : DefaultUi();
}

UiServices* SetUi(UiServices* services) {
    return g_pCurrent.exchange(services);
}

int DeclinedAnswer(MbButtons buttons) {
    switch (buttons) {
    case MbButtons::OK:
        return IDOK;
    case MbButtons::YesNo:
        return IDNO;
    case MbButtons::AbortRetryIgnore:
        return IDABORT;
    case MbButtons::OKCancel:
    case MbButtons::YesNoCancel:
    case MbButtons::RetryCancel:
        return IDCANCEL;
    }
    return IDCANCEL;
}

int NonInteractiveUiServices::MessageBox(const std::string& text, const std::string& caption,
                                         MbButtons buttons, MbIcon) {
    Note("message box \"" + caption + "\" [" + ButtonsName(buttons) + "]: " + text);
    return DeclinedAnswer(buttons);
}

std::optional<COLORREF> NonInteractiveUiServices::ChooseColor(COLORREF) {
    Note("colour chooser cancelled");
    return std::nullopt;
}

std::vector<std::string> NonInteractiveUiServices::GetOpenFileNames(const FileDialogRequest& r) {
    Note("open-file dialog \"" + r.title + "\" cancelled (filter \"" + r.filter + "\")");
    return {};
}

std::optional<std::string> NonInteractiveUiServices::GetSaveFileName(const FileDialogRequest& r) {
    Note("save-file dialog \"" + r.title + "\" cancelled (filter \"" + r.filter + "\")");
    return std::nullopt;
}

std::optional<std::string> NonInteractiveUiServices::BrowseForFolder(const std::string& title,
                                                                     const std::string&) {
    Note("folder chooser \"" + title + "\" cancelled");
    return std::nullopt;
}

bool NonInteractiveUiServices::OpenDocument(const std::string& pathOrUrl) {
    Note("not opening " + pathOrUrl);
    return false;
}

bool NonInteractiveUiServices::StartProgram(const std::string& program,
                                            const std::vector<std::string>&) {
    Note("not starting " + program);
    return false;
}

} // namespace tb
