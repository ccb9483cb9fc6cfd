#pragma once
// The desktop's own dialogs behind UiServices. The builders are separate from the Qt
// implementation's modal calls so that what a box or dialog would show can be checked
// without running it.

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <memory>
#include <string_view>

#include "platform/ui/uiservices.h"

class QFileDialog;
class QWidget;

namespace tb {

// The filter text converted for QFileDialog: one name per entry, "Widget Files(*.tsq)",
// "All Files(*.*) (*)" ...; ToQtFilter joins them with ";;".
QStringList ToQtFilterList(std::string_view filter);
QString ToQtFilter(std::string_view filter);

// A message box with the text (shown as plain text), the caption as window title, the
// buttons in the platform's order with the first as default, and the icon.
std::unique_ptr<QMessageBox> BuildMessageBox(const std::string& text, const std::string& caption,
                                             MbButtons buttons, MbIcon icon,
                                             QWidget* parent = nullptr);

// IDOK ... IDNO for the button a box returned; IDCANCEL for anything else.
int AnswerFromButton(int standardButton);

// An open (save == false) or save dialog set up from the request.
std::unique_ptr<QFileDialog> BuildFileDialog(const FileDialogRequest& request, bool save,
                                             QWidget* parent = nullptr);

// An address ("scheme:...", two letters or more before the colon) as it stands, anything
// else as a local file.
QUrl DocumentUrl(std::string_view pathOrUrl);

class QtUiServices : public UiServices {
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

// For a module with its own copy of the platform: while a QApplication runs, the module's
// messages are the desktop's message boxes rather than lines on stderr (installed on the
// first such call). True when a QApplication runs.
bool UseDesktopDialogsIfGui();

} // namespace tb
