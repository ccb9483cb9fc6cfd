#pragma once
// The add-in's messages, shown through UiServices under the add-in's caption.

#include <string>

#include "platform/ui/uiservices.h"

namespace tb::addin {

inline constexpr const char* kMessageCaption = "Ambrel Widgets";

inline constexpr const char* kMsgSaveFirst = "You must save this file before using Ambrel widgets.";
inline constexpr const char* kMsgSwitchToDesign =
    "You must switch to design window to use Ambrel widgets.";
inline constexpr const char* kMsgSwitchNow = "Switch to normal view mode now?";
inline constexpr const char* kMsgNotInstalled = "This widget is not installed in your machine!";
inline constexpr const char* kMsgReadError = "Read configuration file error!";
inline constexpr const char* kMsgSaveError = "Save widget into file error!";
inline constexpr const char* kMsgNoHtml = "No HTML codes!";
inline constexpr const char* kMsgSelectTemplate = "Please select a template.";
inline constexpr const char* kMsgSelectFile = "Please select a widget file.";
inline constexpr const char* kMsgAnotherType =
    "This widget is another type, Are you sure to insert it?";
inline constexpr const char* kMsgCannotCreate = "This widget can't be created!";
inline constexpr const char* kAddInOperationOn = "AddIn operation on: ";

inline int ShowMessage(const std::string& text, MbButtons buttons = MbButtons::OK,
                       MbIcon icon = MbIcon::None) {
    return Ui().MessageBox(text, kMessageCaption, buttons, icon);
}

// An error's description in a box with an OK button; an empty description still tells the
// user that something failed.
inline void ShowError(const std::string& description) {
    ShowMessage(description.empty() ? std::string("Unknown error.") : description);
}

} // namespace tb::addin
