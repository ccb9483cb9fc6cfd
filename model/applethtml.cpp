// The applet element that carries a whole design to the button applet: the opening tag, the
// notice and applet style, one group of parameter lines per shown menu, and the link value
// that tells the applet how the menus hang together.

#include "model/appletparameters.h"
#include "model/drawrect.h"
#include "model/htmlwidget.h"
#include "model/marquel.h"
#include "model/marquelitem.h"
#include "model/menugeometry.h"
#include "model/paramname.h"
#include "model/storagewalk.h"
#include "model/valuefields.h"
#include "platform/core/colorref.h"
#include "platform/core/numfmt.h"
#include "platform/core/paths.h"

#include <string>
#include <string_view>

namespace {

// Product and version, our notice, and the licence word: the applet checks all three.
constexpr std::string_view kNotice = "Brisko2.0,Copyright Tallowby,Registered";
constexpr std::string_view kSelfTarget = "_self";

void AppendColour(std::string& out, COLORREF cr) {
    tb::AppendHex2(out, GetRValue(cr));
    tb::AppendHex2(out, GetGValue(cr));
    tb::AppendHex2(out, GetBValue(cr));
}

// A double quote would end the attribute early and turn the rest of the value into stray
// markup; as an entity the browser hands the applet the same character. A line break (CR LF,
// CR or LF) is written as one blank: the applet element must stay one line per parameter, or
// a text could end the HTML segment of a saved widget file early.
void AppendAttributeText(std::string& out, std::string_view text) {
    size_t nPos = 0;
    for (size_t nHit; (nHit = text.find_first_of("\"\r\n", nPos)) != std::string_view::npos;
         nPos = nHit + 1) {
        out.append(text, nPos, nHit - nPos);
        if (text[nHit] == '"') {
            out += "&quot;";
            continue;
        }
        out += ' ';
        if (text[nHit] == '\r' && nHit + 1 < text.size() && text[nHit + 1] == '\n')
            ++nHit;
    }
    out.append(text, nPos, std::string_view::npos);
}

// A free text inside a value list: its commas would split it and move every later field, so
// each travels as commaAs.
void AppendOneField(std::string& out, std::string_view text, std::string_view commaAs) {
    size_t nPos = 0;
    for (size_t nHit; (nHit = text.find(',', nPos)) != std::string_view::npos; nPos = nHit + 1) {
        out.append(text, nPos, nHit - nPos);
        out += commaAs;
    }
    out.append(text, nPos, std::string_view::npos);
}

// An address keeps its meaning with the comma percent-encoded.
constexpr std::string_view kUrlComma = "%2C";

class CHtmlWriter : public tb::IStorageWalkSink {
public:
    CHtmlWriter(CAppletParameters& applet, std::string strPrefix, std::string& out)
        : m_applet(applet), m_strPrefix(std::move(strPrefix)), m_out(out) {}

    void WriteOpeningTag();
    void WriteNotice() { WriteParam("Notice", kNotice); }
    void WriteAppletStyle();
    // The menus, numbered as the applet shows them; returns the numbering for the links.
    tb::CMenuNumbering WriteButtons();
    void WriteLinks(const tb::CMenuNumbering& numbering) {
        WriteParam("Misc", tb::MenuLinkValue(numbering));
    }
    // The script player, from where the element's codebase points.
    void WritePlayerLine();

    // The numbering walk hands over each shown menu and visible item as it numbers it.
    void OnMenu(int nMenu, const CMarquel& menu) override;
    void OnItem(int nMenu, int nPosition, CMarquelItem& item) override;

private:
    void WriteParam(std::string_view name, std::string_view value);
    void AppendFileRef(std::string& value, const std::string& strPath) const;

    void BuildMenuStyle(const CMarquel& menu);
    void BuildStateStyle(const CMarquel& menu);
    void BuildItem(const CMarquelItem& item);

    CAppletParameters& m_applet;
    const std::string m_strPrefix;
    std::string& m_out;
    // The text is reserved once the first button's lines are written: they are measured up
    // to the menu of the button after it, and the buttons from that one on are taken to need
    // as much, the links included.
    const CMarquel* m_pMeasuredUpTo = nullptr;
    size_t m_nMeasureFrom = 0;
    size_t m_nButtonsAfter = 0;
    std::string m_strValue; // scratch: parameter value
};

void CHtmlWriter::WriteParam(std::string_view name, std::string_view value) {
    m_out += "\t<param name=\"";
    m_out += name;
    m_out += "\" value=\"";
    AppendAttributeText(m_out, value);
    m_out += "\">\r\n";
}

void CHtmlWriter::AppendFileRef(std::string& value, const std::string& strPath) const {
    if (strPath.empty())
        return;
    // A file reference is an address too.
    AppendOneField(value, m_strPrefix, kUrlComma);
    AppendOneField(value, tb::FileNameView(strPath), kUrlComma);
}

void CHtmlWriter::WriteOpeningTag() {
    m_out += "<applet ";
    if (!m_strPrefix.empty()) {
        m_out += "codebase=\"";
        AppendAttributeText(m_out, m_strPrefix);
        m_out += '"';
    }
    m_out += " code=\"";
    m_out += tb::kAppletClassFile;
    m_out += "\" align=\"baseline\" width=\"";
    tb::AppendInt(m_out, m_applet.m_nWidth);
    m_out += "\" height=\"";
    tb::AppendInt(m_out, m_applet.m_nHeight);
    m_out += "\">\r\n";
}

void CHtmlWriter::WritePlayerLine() {
    m_out += "<script src=\"";
    AppendAttributeText(m_out, m_strPrefix);
    m_out += tb::kScriptPlayerFile;
    m_out += "\"></script>\r\n";
}

void CHtmlWriter::WriteAppletStyle() {
    const CAppletParameters& a = m_applet;
    std::string& v = m_strValue;
    v.clear();
    AppendColour(v, a.m_crBack);
    v += ',';
    AppendColour(v, a.m_crFade);
    v += ',';
    AppendFileRef(v, a.m_strBackImage);
    v += ',';
    tb::CFieldJoiner(v, true).AddInt(a.m_nImageDisplay).AddInt(a.m_nImageX).AddInt(a.m_nImageY);
    AppendFileRef(v, a.m_strBackAudio);
    v += ',';
    tb::AppendInt(v, a.m_nBackStyle);
    tb::AppendInt(v, a.m_nBorderStyle);
    v += ',';
    tb::AppendInt(v, a.m_nBorderThick);
    v += ',';
    AppendColour(v, a.m_crBorder);
    v += ',';
    tb::AppendInt(v, a.m_bProgressBar);
    v += ',';
    AppendOneField(v, a.m_strLoadingMessage, tb::kCommaEscape);
    WriteParam("ApStyle", v);
}

void CHtmlWriter::BuildMenuStyle(const CMarquel& m) {
    std::string& v = m_strValue;
    v.clear();
    AppendColour(v, m.m_crMenuColor);
    v += ',';
    tb::AppendInt(v, m.m_nMenuStyle);
    tb::AppendInt(v, m.m_nMenuStyle2);
    v += ',';
    tb::CFieldJoiner(v, true)
        .AddInt(0)
        .AddInt(0)
        .AddInt(m.m_nLeft)
        .AddInt(m.m_nTop)
        .AddInt(m.m_nWidth)
        .AddInt(m.m_nHeight)
        .AddInt(m.m_nMenuParam1)
        .AddInt(m.m_nBorderThick);
    AppendColour(v, m.m_crMenuColor2);
    v += ',';
    tb::AppendInt(v, m.m_nMenuParam2);
    v += ',';
    AppendColour(v, m.m_crMenuColor3);
}

void CHtmlWriter::BuildStateStyle(const CMarquel& m) {
    std::string& v = m_strValue;
    v.clear();
    for (const CMarquelState& s : m.m_states) {
        AppendColour(v, s.m_crBack);
        v += ',';
        AppendColour(v, s.m_crFont);
        v += ',';
        tb::AppendInt(v, s.m_nBackStyle);
        tb::AppendInt(v, s.m_nBorderStyle);
        v += ',';
        tb::CFieldJoiner(v, true)
            .AddInt(s.m_nFontEffect)
            .AddInt(s.m_nFontName)
            .AddInt(s.m_nFontSize)
            .AddInt(s.m_nFontStyle);
        tb::AppendInt(v, s.m_nImageAlign);
        tb::AppendInt(v, s.m_nTextAlign);
        v += ',';
        tb::CFieldJoiner(v, true).AddInt(s.m_nImageOffset).AddInt(s.m_nTextOffset).Add("").Add("");
        AppendColour(v, s.m_crBorder);
        v += ',';
        AppendColour(v, s.m_crFade);
        v += ',';
    }
}

void CHtmlWriter::BuildItem(const CMarquelItem& item) {
    std::string& v = m_strValue;
    v.clear();
    tb::AppendEscapedLabel(v, item.m_strLabel);
    v += ',';
    AppendOneField(v, item.m_strDescription, tb::kCommaEscape);
    for (const std::string* pPath :
         {&item.m_strImageNormal, &item.m_strImageOver, &item.m_strImageClick, &item.m_strAudioOver,
          &item.m_strAudioClick}) {
        v += ',';
        AppendFileRef(v, *pPath);
    }
    v += ',';
    AppendOneField(v, item.m_strTarget.empty() ? kSelfTarget : std::string_view(item.m_strTarget),
                   tb::kCommaEscape);
    v += ',';
    AppendOneField(v, item.m_strUrl, kUrlComma);
}

void CHtmlWriter::OnMenu(int nMenu, const CMarquel& menu) {
    if (&menu == m_pMeasuredUpTo) {
        const size_t nPerButton = m_out.size() - m_nMeasureFrom;
        m_out.reserve(m_out.size() + m_nButtonsAfter * (nPerButton + nPerButton / 8) + 4096);
        m_pMeasuredUpTo = nullptr;
    }
    BuildMenuStyle(menu);
    WriteParam(tb::CParamName("MStyle-", nMenu).View(), m_strValue);
    BuildStateStyle(menu);
    WriteParam(tb::CParamName("IStyle-", nMenu).View(), m_strValue);
}

void CHtmlWriter::OnItem(int nMenu, int nPosition, CMarquelItem& item) {
    BuildItem(item);
    // The applet counts a menu's items from 0.
    WriteParam(tb::CParamName(nMenu, nPosition - 1).View(), m_strValue);
}

tb::CMenuNumbering CHtmlWriter::WriteButtons() {
    size_t nButtons = 0;
    for (const auto& pButton : m_applet.m_buttons) {
        if (!pButton || !pButton->menu)
            continue;
        // The stored bounds stay as the user left them; only the menu's geometry follows.
        tb::SetMenuGeometry(*pButton->menu, pButton->bounds);
        if (++nButtons == 2)
            m_pMeasuredUpTo = pButton->menu.get();
    }
    m_nMeasureFrom = m_out.size();
    m_nButtonsAfter = nButtons > 0 ? nButtons - 1 : 0;
    return tb::NumberMenus(m_applet, tb::MenuSelection::Shown, this);
}

} // namespace

std::string CAppletParameters::GetHTML(IHtmlWidget* pWidget, tb::HtmlMode mode) {
    // The rebuild may clear references to files that are gone; it must run before any of
    // them is written.
    if (pWidget != nullptr)
        pWidget->RebuildResourceList();

    std::string strPrefix;
    if (mode == tb::HtmlMode::Preview)
        strPrefix = pWidget != nullptr ? pWidget->GetPreviewPath() : std::string();
    else if (mode == tb::HtmlMode::Publish)
        strPrefix = m_strWebPath;

    std::string out;
    out.reserve(4096);
    CHtmlWriter writer(*this, std::move(strPrefix), out);
    writer.WriteOpeningTag();
    writer.WriteNotice();
    writer.WriteAppletStyle();
    writer.WriteLinks(writer.WriteButtons());
    out += "</applet>\r\n";
    if (m_bPlayer != 0)
        writer.WritePlayerLine();
    return out;
}
