#pragma once
// What the pages of the selected button's sheet show, as plain values, and how they are read
// from and written into the button. The pages' widgets only move these values in and out of
// their controls; every rule about which fields a page touches lives here.
//
// A button keeps its texts on its first item and its hint box in that item's sub-menu (the
// hint menu), whose first item is the hint item. A button read from a damaged file may lack
// either item: loading shows empty texts, and storing makes the item only when there is
// something to keep in it.

#include <array>
#include <span>
#include <string>
#include <vector>

#include "model/marquel.h"
#include "platform/core/rect.h"

class CAppletParameters;
class CDrawRect;
class IDrawView;

namespace tb {

// ---- The "Label" page: texts, target, placement and border thickness.
struct CLabelPageValues {
    std::string strLabel;
    std::string strDescription;
    std::string strUrl;
    std::string strTarget;
    int nX = 0;
    int nY = 0;
    int nWidth = 0;
    int nHeight = 0;
    int nBorderThick = 0;
};

// The placement comes from the button's bounds, normalized.
CLabelPageValues LoadLabelPage(const CDrawRect& button);
// Moves the button to (X, Y, X + width, Y + height) through the view (which repaints the old
// and new places) and writes the thickness, placement fields and texts. A width or height of
// 0 writes nothing at all: false then.
bool StoreLabelPage(const CLabelPageValues& values, CDrawRect& button, IDrawView* pView);

// ---- The font of one state block, as the font dialog edits it.
struct CFontValues {
    int nFontName = 0; // 0 TimesRoman, 1 Helvetica, 2 Courier
    COLORREF crFont = 0;
    int nFontSize = 14;
    int nFontStyle = 0;  // 0 Plain, 1 Bold, 2 Italic
    int nFontEffect = 0; // 0 Normal ... 4 With Shadow
    friend bool operator==(const CFontValues&, const CFontValues&) = default;
};

CFontValues LoadFont(const CMarquelState& state);
void StoreFont(const CFontValues& font, CMarquelState& state);

// ---- The "Normal", "Mouse Over" and "Clicked" pages: one state block each.
struct CStatePageValues {
    COLORREF crBack = 0;
    COLORREF crFade = 0;
    int nBackStyle = 1;
    COLORREF crBorder = 0;
    int nBorderStyle = 1;
    int nTextAlign = 0;
    int nTextOffset = 0;
    int nImageAlign = 0;
    int nImageOffset = 0;
    CFontValues font;
};

CStatePageValues LoadStatePage(const CMarquelState& state);
// Writes every value above; the reserved fields stay.
void StoreStatePage(const CStatePageValues& values, CMarquelState& state);

// ---- The "Hint " page: the hint box.
struct CHintPageValues {
    bool bVisible = false;
    std::string strLabel;
    int nTextAlign = 0;
    CFontValues font;
    COLORREF crBack = 0;
    COLORREF crFade = 0;
    int nBackStyle = 1;
    COLORREF crBorder = 0;
    int nBorderStyle = 1;
    int nThick = 0;
    int nX = 0;
    int nY = 0;
    int nWidth = 0;
    int nHeight = 0;
};

// The hint menu of a button (its first item's sub-menu); null when the button has no item.
CMarquel* HintMenu(CDrawRect& button);

// First gives the hint menu's Mouse Over and Click looks its Normal look, then reads.
CHintPageValues LoadHintPage(CDrawRect& button);
// Writes every value into the hint menu's Normal look and geometry, with a text offset of 0
// and 10 for a width or height of 0, then copies the Normal look to the other two states,
// so the hint box looks the same whatever the button does.
void StoreHintPage(const CHintPageValues& values, CDrawRect& button);

// The hint box's size for a text measured at `text` (multi-line, in the hint's font): the
// text plus the border on each side, or 10 x 10 when the text measures nothing either way.
CSize HintAutoSize(CSize text, int nThick);

// ---- The image and audio dialogs: file paths of the first item, each with its web path.
struct CMediaSlot {
    std::string CMarquelItem::*pPath;
    std::string CMarquelItem::*pWebPath;
};

// Normal, Mouse Over and Click image; mouse-over and click sound.
std::span<const CMediaSlot> ImageSlots();
std::span<const CMediaSlot> AudioSlots();

struct CMediaFile {
    std::string strPath;
    std::string strWebPath;
    friend bool operator==(const CMediaFile&, const CMediaFile&) = default;
};

// One entry per slot; empty texts for a button without items.
std::vector<CMediaFile> LoadMedia(const CDrawRect& button, std::span<const CMediaSlot> mediaSlots);

enum class MediaScope { ThisButton, AllButtons };

// Writes the files into the first item of the button, or of every button of its applet.
void StoreMedia(const std::vector<CMediaFile>& files, std::span<const CMediaSlot> mediaSlots,
                MediaScope scope, CDrawRect& button);

// ---- Texts of multi-line boxes: the model keeps CR LF line ends, the boxes show LF.
std::string ToBoxLineEnds(const std::string& text);
std::string ToModelLineEnds(const std::string& text);

} // namespace tb
