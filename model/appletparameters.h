#pragma once
// The applet as a whole: its size, background, border and loading message, its buttons in
// stacking order, and the designer's selection and undo history.

#include "model/gatherfiles.h"
#include "model/object.h"
#include "model/outputmodes.h"
#include "model/styles.h"
#include "model/undohistory.h"
#include "platform/core/colorref.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class CArchive;
class CDrawRect;
class ICopyResourcesHandler;
class IParameterMap;
class IHtmlWidget;

class CAppletParameters : public CObject {
public:
    static const CRuntimeClass classCAppletParameters;
    static const CRuntimeClass* GetThisClass() { return &classCAppletParameters; }
    static std::unique_ptr<CObject> CreateObject();

    CAppletParameters();
    CAppletParameters(const CAppletParameters&) = delete;
    CAppletParameters& operator=(const CAppletParameters&) = delete;
    ~CAppletParameters() override;

    const CRuntimeClass* GetRuntimeClass() const override { return &classCAppletParameters; }
    // The button list, then the selection, each as an object list. Loading appends the buttons
    // and selects the selected ones only when the whole archive is sound; a malformed archive
    // throws and leaves this object as it was.
    void Serialize(CArchive& ar) override;

    // Appends a button (top of the stacking order), makes this its owner and returns it.
    CDrawRect* AddButton(std::unique_ptr<CDrawRect> pButton);
    // Takes a button out of the list and out of the selection; null when it is not in the list.
    std::unique_ptr<CDrawRect> RemoveButton(const CDrawRect* pButton);
    // Deletes every button (with its menu tree) and empties the button list and the selection.
    void DeleteContents();

    // The applet element with its parameter lines (applethtml.cpp): file references under the
    // widget's preview path, under m_strWebPath, or bare. A null widget has no preview path.
    std::string GetHTML(IHtmlWidget* pWidget, tb::HtmlMode mode);

    // The stored parameter form of the design (appletparams_storage.cpp). Writing empties the
    // map first.
    void WriteParameters(IParameterMap& map);
    // Rebuilds the applet fields and, when the map holds a "Misc" value, the buttons. File
    // fields become strBaseFolder (ending with a separator) + the stored name. Always true.
    bool ReadParameters(const IParameterMap& map, const std::string& strBaseFolder);
    // Copies the program folder's files the HTML loads (tb::ProgramFolderFiles) from
    // strComponentFolder and every media file the design refers to into strDestFolder (ending
    // with '/'); GatherMode::PointAtCopies points the references at the copies and hands
    // colliding ones to the handler (which may be null).
    // No copy takes strReservedName (the widget file written there). Returns the copies that
    // failed, a missing source not counted (gatherfiles.cpp).
    std::vector<tb::CopyFailure> GatherFiles(const std::string& strDestFolder, tb::GatherMode mode,
                                             const std::string& strComponentFolder,
                                             ICopyResourcesHandler* pHandler,
                                             const std::string& strReservedName = std::string());

    std::string m_strName = "Brisko";
    int m_nAlign = 0;
    int m_nWidth = 105;
    int m_nHeight = 230;
    std::string m_strWebPath;
    std::string m_strResourceFolder = "Resource/";
    COLORREF m_crBack = 15509160;
    COLORREF m_crFade = 14841465;
    std::string m_strBackImage;
    std::string m_strWebPathBackImage;
    int m_nImageDisplay = 0;
    int m_nImageX = 0;
    int m_nImageY = 0;
    std::string m_strBackAudio;
    std::string m_strWebPathBackAudio;
    int m_nBackStyle = 1;
    int m_nBorderStyle = 6;
    int m_nBorderThick = 10;
    COLORREF m_crBorder = 15509160;
    tb::BackStyle GetBackStyle() const { return tb::BackStyle(m_nBackStyle); }
    tb::BorderStyle GetBorderStyle() const { return tb::BorderStyle(m_nBorderStyle); }
    int m_bProgressBar = 1;
    std::string m_strLoadingMessage = "Loading image ...";
    // "Play in current browsers": the published element is followed by the script player's
    // line. Off here, as for every stored design without it; a new widget turns it on.
    int m_bPlayer = 0;
    std::array<int, 6> m_nWindowPos = {95, 221, 111, 159, 217, 221};
    int m_nExtra = 0;
    std::string m_strExtra1;
    std::string m_strExtra2;
    std::vector<std::unique_ptr<CDrawRect>> m_buttons;
    std::vector<CDrawRect*> m_selection; // not owned; entries are in m_buttons

    CUndoHistory m_history;
};
