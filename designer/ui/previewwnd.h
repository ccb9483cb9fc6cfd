#pragma once
// The design window: a top-level window whose client area is the applet, filled by the design
// view, with the floating "Palette" beside it. While it tracks its size, resizing it resizes
// the applet. It runs the Preview command: the page is written into the designer run's
// scratch folder and opened in the default browser, or in a browser from the Preview
// button's drop-down.

#include <QWidget>
#include <memory>
#include <string>

#include "component/browserlist.h"

class CAppletParameters;
class CBrisko;
class QMenu;

namespace tb {

class CButtonClipboardQt;
class CCommandActions;
class CDrawView;
class CEditCommands;
class CPaletteWnd;
class IDesignerSheets;

class CPreviewWnd : public QWidget {
    Q_OBJECT

public:
    // pWidget is the object whose preview path the page leaves out; it may be null, and then
    // Preview has nothing to write.
    CPreviewWnd(CAppletParameters& params, CBrisko* pWidget, IDesignerSheets& sheets,
                std::string strScratchFolder, QWidget* pOwner);
    ~CPreviewWnd() override;

    CDrawView& View() const { return *m_pView; }
    CPaletteWnd& Palette() const { return *m_pPalette; }
    CCommandActions& Actions() const { return *m_pActions; }
    CEditCommands& EditCommands() const { return *m_pEditCommands; }

    // Opens the window at its stored place with the applet's size, and the palette at its
    // stored place; from then on resizing the window resizes the applet.
    void ShowAtStoredPlace();
    // Gives the window the size whose client area is the applet (m_nWidth x m_nHeight),
    // without moving or activating it.
    void FitToApplet();
    // Stores the window's and the palette's positions in the design.
    void SavePlacement();

    // Preview(command): ID_PREVIEW for the default browser, or a browser's number.
    void Preview(unsigned nCommand);
    // The Preview button's drop-down, filled afresh from the browser list each time it opens.
    QMenu& BrowserMenu() const { return *m_pBrowserMenu; }
    // How known browsers are looked for (tests look nowhere); the search path by default.
    void SetBrowserLookup(BrowserList::ProgramLookup lookup) { m_browserLookup = lookup; }

    // Enabled and pressed states of every command, as they are now.
    void UpdateCommandStates();

signals:
    // The applet's size changed with the window's.
    void AppletResized();
    // The user closed the window: the designer as a whole should close.
    void CloseRequested();

protected:
    void closeEvent(QCloseEvent* pEvent) override;

private:
    void OnClientResized(QSize size);
    void FillBrowserMenu();
    void ShowContextMenu(QPoint globalPos);

    CAppletParameters& m_params;
    CBrisko* m_pWidget;
    std::string m_strScratchFolder;
    CDrawView* m_pView;
    CButtonClipboardQt* m_pClipboard;
    // Before the view goes (a child, deleted after the members): it takes its actions off.
    std::unique_ptr<CEditCommands> m_pEditCommands;
    CCommandActions* m_pActions;
    CPaletteWnd* m_pPalette;
    QMenu* m_pBrowserMenu;
    BrowserList::ProgramLookup m_browserLookup;
    bool m_bTrackSize = false;
};

} // namespace tb
