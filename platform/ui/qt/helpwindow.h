#pragma once
// Help: a folder of HTML pages next to the running program ("TesseraBrisko.help"), shown in
// one help window with Back, Forward and the index page. Every dialog of every program opens
// its pages through ShowHelpPage; each program keeps its own table of which page belongs to
// which window, and its own message for a page that is not there.

#include <QPointer>
#include <QWidget>
#include <string>

class QAction;
class QTextBrowser;

namespace tb {

// The help folder's name, next to the executable.
inline constexpr char kHelpFolderName[] = "TesseraBrisko.help";
// The help's first page, with the list of all topics.
inline constexpr char kHelpIndexPage[] = "index.htm";
// What a dialog of any of the programs says when its help page is not there.
inline constexpr char kDialogHelpMissing[] = "帮助文件没有找到.";

// The folder the pages are looked up in: the running program's folder + "/TesseraBrisko.help",
// or the folder set below.
std::string HelpFolder();
// Looks the pages up in another folder (tests; a host that keeps them elsewhere); an empty
// text goes back to the program's folder.
void SetHelpFolder(const std::string& strFolder);

// Opens a page (a file name such as "dmenu.htm") of the help folder in the help window and
// brings the window up. When the page is not there, shows strMissing with the stop icon
// under strCaption instead and returns false.
bool ShowHelpPage(const std::string& strPage, const std::string& strMissing,
                  const std::string& strCaption);

// The window the pages show in: one for the process, made when the first page opens. It
// stays usable beside a modal dialog by belonging to it while that dialog is open, and goes
// with the last modal dialog it belonged to.
class CHelpWindow : public QWidget {
    Q_OBJECT

public:
    // The window, or null while no page has been opened (or it went with its dialog).
    static CHelpWindow* Existing();

    // Shows the page (a local file) and brings the window up beside the modal dialog, if any.
    void Open(const QString& path);

    QTextBrowser& Browser() const { return *m_pBrowser; }
    QAction& BackAction() const { return *m_pBack; }
    QAction& ForwardAction() const { return *m_pForward; }
    QAction& IndexAction() const { return *m_pIndex; }
    // The file name of the page shown ("dmenu.htm"), or empty.
    QString CurrentPage() const;

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    CHelpWindow();
    friend CHelpWindow& TheHelpWindow();
    // Belongs to pOwner (a modal dialog) or to nobody, keeping its place and visibility.
    void BelongTo(QWidget* pOwner);

    QTextBrowser* m_pBrowser;
    QAction* m_pBack;
    QAction* m_pForward;
    QAction* m_pIndex;
    QPointer<QWidget> m_pOwner;
};

} // namespace tb
