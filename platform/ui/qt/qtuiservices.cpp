#include "platform/ui/qt/qtuiservices.h"

#include <QApplication>
#include <QColor>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>

#include "platform/core/paths.h"
#include "platform/ui/filefilter.h"
#include "platform/ui/qt/qtstring.h"

namespace tb {

namespace {

QWidget* DialogParent() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

QMessageBox::StandardButtons ButtonsFor(MbButtons buttons) {
    switch (buttons) {
    case MbButtons::OK:
        return QMessageBox::Ok;
    case MbButtons::OKCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MbButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MbButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MbButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    case MbButtons::AbortRetryIgnore:
        return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton FirstButton(MbButtons buttons) {
    switch (buttons) {
    case MbButtons::OK:
    case MbButtons::OKCancel:
        return QMessageBox::Ok;
    case MbButtons::YesNo:
    case MbButtons::YesNoCancel:
        return QMessageBox::Yes;
    case MbButtons::RetryCancel:
        return QMessageBox::Retry;
    case MbButtons::AbortRetryIgnore:
        return QMessageBox::Abort;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton ButtonForAnswer(int answer) {
    switch (answer) {
    case IDOK:
        return QMessageBox::Ok;
    case IDCANCEL:
        return QMessageBox::Cancel;
    case IDABORT:
        return QMessageBox::Abort;
    case IDRETRY:
        return QMessageBox::Retry;
    case IDIGNORE:
        return QMessageBox::Ignore;
    case IDYES:
        return QMessageBox::Yes;
    case IDNO:
        return QMessageBox::No;
    }
    return QMessageBox::Cancel;
}

QMessageBox::Icon IconFor(MbIcon icon) {
    switch (icon) {
    case MbIcon::None:
        return QMessageBox::NoIcon;
    case MbIcon::Information:
        return QMessageBox::Information;
    case MbIcon::Warning:
        return QMessageBox::Warning;
    case MbIcon::Error:
        return QMessageBox::Critical;
    case MbIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

std::vector<std::string> ToUtf8List(const QStringList& list) {
    std::vector<std::string> result;
    result.reserve(static_cast<size_t>(list.size()));
    for (const QString& item : list)
        result.push_back(ToUtf8(item));
    return result;
}

} // namespace

QStringList ToQtFilterList(std::string_view filter) {
    QStringList names;
    for (const FileFilterEntry& entry : ParseFileFilter(filter))
        names.append(ToQString(FilterDisplayName(entry)));
    return names;
}

QString ToQtFilter(std::string_view filter) {
    return ToQtFilterList(filter).join(";;");
}

std::unique_ptr<QMessageBox> BuildMessageBox(const std::string& text, const std::string& caption,
                                             MbButtons buttons, MbIcon icon, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(ToQString(caption));
    // Messages quote file names and HTML fragments; none of that is markup for the box.
    box->setTextFormat(Qt::PlainText);
    box->setText(ToQString(text));
    box->setIcon(IconFor(icon));
    box->setStandardButtons(ButtonsFor(buttons));
    box->setDefaultButton(FirstButton(buttons));
    box->setEscapeButton(ButtonForAnswer(DeclinedAnswer(buttons)));
    return box;
}

int AnswerFromButton(int standardButton) {
    switch (standardButton) {
    case QMessageBox::Ok:
        return IDOK;
    case QMessageBox::Abort:
        return IDABORT;
    case QMessageBox::Retry:
        return IDRETRY;
    case QMessageBox::Ignore:
        return IDIGNORE;
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    default:
        return IDCANCEL;
    }
}

std::unique_ptr<QFileDialog> BuildFileDialog(const FileDialogRequest& request, bool save,
                                             QWidget* parent) {
    auto dialog = std::make_unique<QFileDialog>(parent);
    dialog->setWindowTitle(
        ToQString(request.title.empty() ? (save ? "Save As" : "Open") : request.title));
    dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (save)
        dialog->setFileMode(QFileDialog::AnyFile);
    else
        dialog->setFileMode(request.multiSelect ? QFileDialog::ExistingFiles
                                                : QFileDialog::ExistingFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, save && !request.overwritePrompt);

    QStringList names = ToQtFilterList(request.filter);
    if (!names.isEmpty()) {
        dialog->setNameFilters(names);
        dialog->selectNameFilter(names.front());
    }
    std::string extension = request.defaultExtension;
    if (!extension.empty() && extension.front() == '.')
        extension.erase(0, 1);
    dialog->setDefaultSuffix(ToQString(extension));

    // A box's text may already be a full path: its folder wins over the initial folder.
    std::string initial = ToNativeSeparators(request.initialFile);
    size_t separator = LastSeparator(initial);
    std::string folder = ToNativeSeparators(request.initialFolder);
    if (separator != std::string::npos)
        folder = initial.substr(0, separator == 0 ? 1 : separator);
    if (!folder.empty())
        dialog->setDirectory(ToQString(folder));
    std::string name = FileNamePart(initial);
    if (!name.empty())
        dialog->selectFile(ToQString(name));
    return dialog;
}

QUrl DocumentUrl(std::string_view pathOrUrl) {
    QString text = ToQString(pathOrUrl);
    qsizetype colon = text.indexOf(':');
    bool isAddress = colon >= 2;
    for (qsizetype i = 0; isAddress && i < colon; ++i) {
        QChar c = text[i];
        isAddress = (c.isLetterOrNumber() && c.unicode() < 128) || c == '+' || c == '-' || c == '.';
    }
    if (isAddress && text[0].isLetter())
        return QUrl(text);
    return QUrl::fromLocalFile(QFileInfo(ToNativeSeparators(pathOrUrl).c_str()).absoluteFilePath());
}

int QtUiServices::MessageBox(const std::string& text, const std::string& caption, MbButtons buttons,
                             MbIcon icon) {
    std::unique_ptr<QMessageBox> box =
        BuildMessageBox(text, caption, buttons, icon, DialogParent());
    box->exec();
    QAbstractButton* clicked = box->clickedButton();
    if (!clicked)
        return DeclinedAnswer(buttons);
    return AnswerFromButton(box->standardButton(clicked));
}

std::optional<COLORREF> QtUiServices::ChooseColor(COLORREF initial) {
    QColor start(static_cast<int>(GetRValue(initial)), static_cast<int>(GetGValue(initial)),
                 static_cast<int>(GetBValue(initial)));
    QColor chosen = QColorDialog::getColor(start, DialogParent());
    if (!chosen.isValid())
        return std::nullopt;
    return RGB(static_cast<unsigned>(chosen.red()), static_cast<unsigned>(chosen.green()),
               static_cast<unsigned>(chosen.blue()));
}

std::vector<std::string> QtUiServices::GetOpenFileNames(const FileDialogRequest& request) {
    std::unique_ptr<QFileDialog> dialog = BuildFileDialog(request, false, DialogParent());
    if (dialog->exec() != QDialog::Accepted)
        return {};
    return ToUtf8List(dialog->selectedFiles());
}

std::optional<std::string> QtUiServices::GetSaveFileName(const FileDialogRequest& request) {
    std::unique_ptr<QFileDialog> dialog = BuildFileDialog(request, true, DialogParent());
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return ToUtf8(dialog->selectedFiles().front());
}

std::optional<std::string> QtUiServices::BrowseForFolder(const std::string& title,
                                                         const std::string& initialFolder) {
    QString folder = QFileDialog::getExistingDirectory(
        DialogParent(), ToQString(title), ToQString(ToNativeSeparators(initialFolder)));
    if (folder.isEmpty())
        return std::nullopt;
    return ToUtf8(QDir::cleanPath(folder));
}

bool QtUiServices::OpenDocument(const std::string& pathOrUrl) {
    if (pathOrUrl.empty())
        return false;
    return QDesktopServices::openUrl(DocumentUrl(pathOrUrl));
}

bool QtUiServices::StartProgram(const std::string& program,
                                const std::vector<std::string>& arguments) {
    if (program.empty())
        return false;
    QStringList list;
    for (const std::string& argument : arguments)
        list.append(ToQString(argument));
    return QProcess::startDetached(ToQString(program), list);
}

bool UseDesktopDialogsIfGui() {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return false;
    static QtUiServices desktop;
    static bool bInstalled = false;
    if (!bInstalled) {
        SetUi(&desktop);
        bInstalled = true;
    }
    return true;
}

} // namespace tb
