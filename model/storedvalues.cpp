#include "model/storedvalues.h"

#include "model/appletparameters.h"
#include "model/marquel.h"
#include "model/marquelitem.h"
#include "model/valuefields.h"
#include "platform/core/paths.h"

#include <cstdint>

namespace tb {

namespace {

// Base folder + the file-name part of field nPos, read where it lies when it holds no escape.
std::string PathAt(const CValueFields& fields, size_t nPos, std::string_view strBaseFolder) {
    const std::string_view stored = fields.Escaped(nPos);
    if (stored.find('`') == std::string_view::npos)
        return StoredFileToPath(stored, strBaseFolder);
    return StoredFileToPath(UnescapeField(stored), strBaseFolder);
}

// Colours are written with "%d", so the few with the top bit set come out negative.
long long ColourInt(COLORREF cr) {
    return static_cast<int32_t>(cr);
}

COLORREF Colour(const CValueFields& fields, size_t nPos) {
    return static_cast<COLORREF>(fields.Int(nPos));
}

} // namespace

std::string StoredText(std::string_view text) {
    std::string stored;
    stored.reserve(text.size());
    AppendEscapedText(stored, text);
    return stored;
}

std::string StoredFileToPath(std::string_view strField, std::string_view strBaseFolder) {
    if (strField.empty())
        return std::string();
    const std::string_view name = FileNameView(strField);
    std::string path;
    path.reserve(strBaseFolder.size() + name.size());
    path += strBaseFolder;
    path += name;
    return path;
}

std::string AppletValue(const CAppletParameters& a) {
    std::string value;
    CFieldJoiner(value)
        .AddEscaped(a.m_strName)
        .AddInt(a.m_nAlign)
        .AddInt(a.m_nWidth)
        .AddInt(a.m_nHeight)
        .AddInt(ColourInt(a.m_crBack))
        .AddInt(ColourInt(a.m_crFade))
        .AddEscaped(FileNameView(a.m_strBackImage))
        .AddInt(a.m_nImageDisplay)
        .AddInt(a.m_nImageX)
        .AddInt(a.m_nImageY)
        .AddEscaped(FileNameView(a.m_strBackAudio))
        .AddInt(a.m_nBackStyle)
        .AddInt(a.m_nBorderStyle)
        .AddInt(a.m_nBorderThick)
        .AddInt(ColourInt(a.m_crBorder))
        .AddEscaped(a.m_strWebPathBackImage)
        .AddEscaped(a.m_strWebPathBackAudio)
        .AddEscaped(a.m_strWebPath)
        .AddInt(a.m_bProgressBar)
        .AddEscaped(a.m_strLoadingMessage);
    return value;
}

void ReadAppletValue(CAppletParameters& a, std::string_view value, std::string_view base) {
    CValueFields f(value);
    a.m_strName = f.Text(0);
    a.m_nAlign = f.Int(1);
    a.m_nWidth = f.Int(2);
    a.m_nHeight = f.Int(3);
    a.m_crBack = Colour(f, 4);
    a.m_crFade = Colour(f, 5);
    a.m_strBackImage = PathAt(f, 6, base);
    a.m_nImageDisplay = f.Int(7);
    a.m_nImageX = f.Int(8);
    a.m_nImageY = f.Int(9);
    a.m_strBackAudio = PathAt(f, 10, base);
    a.m_nBackStyle = f.Int(11);
    a.m_nBorderStyle = f.Int(12);
    a.m_nBorderThick = f.Int(13);
    a.m_crBorder = Colour(f, 14);
    a.m_strWebPathBackImage = f.Text(15);
    a.m_strWebPathBackAudio = f.Text(16);
    a.m_strWebPath = f.Text(17);
    a.m_bProgressBar = f.Int(18);
    a.m_strLoadingMessage = f.Text(19);
}

std::string MenuValue(const CMarquel& m) {
    std::string value;
    CFieldJoiner(value)
        .AddInt(ColourInt(m.m_crMenuColor))
        .AddInt(m.m_nMenuStyle)
        .AddInt(m.m_nReserved1)
        .AddInt(m.m_nReserved2)
        .AddInt(m.m_nLeft)
        .AddInt(m.m_nTop)
        .AddInt(m.m_nWidth)
        .AddInt(m.m_nHeight)
        .AddInt(m.m_nMenuParam1)
        .AddInt(m.m_nBorderThick)
        .AddInt(ColourInt(m.m_crMenuColor2))
        .AddInt(m.m_nMenuParam2)
        .AddInt(ColourInt(m.m_crMenuColor3))
        .AddEscaped(m.m_strName)
        .AddInt(m.m_bShow);
    return value;
}

void ReadMenuValue(CMarquel& m, std::string_view value) {
    CValueFields f(value);
    m.m_crMenuColor = Colour(f, 0);
    m.m_nMenuStyle = f.Int(1);
    m.m_nReserved1 = f.Int(2);
    m.m_nReserved2 = f.Int(3);
    m.m_nLeft = f.Int(4);
    m.m_nTop = f.Int(5);
    m.m_nWidth = f.Int(6);
    m.m_nHeight = f.Int(7);
    m.m_nMenuParam1 = f.Int(8);
    m.m_nBorderThick = f.Int(9);
    m.m_crMenuColor2 = Colour(f, 10);
    m.m_nMenuParam2 = f.Int(11);
    m.m_crMenuColor3 = Colour(f, 12);
    m.m_strName = f.Text(13);
    m.m_bShow = f.Int(14);
}

std::string StateValue(const CMarquel& m) {
    std::string value;
    value.reserve(42 * 8);
    CFieldJoiner out(value, /*bTerminated=*/true);
    for (const CMarquelState& s : m.m_states) {
        out.AddInt(ColourInt(s.m_crBack))
            .AddInt(ColourInt(s.m_crFont))
            .AddInt(s.m_nBackStyle)
            .AddInt(s.m_nFontEffect)
            .AddInt(s.m_nFontName)
            .AddInt(s.m_nFontSize)
            .AddInt(s.m_nFontStyle)
            .AddInt(s.m_nImageAlign)
            .AddInt(s.m_nTextAlign)
            .AddInt(s.m_nImageOffset)
            .AddInt(s.m_nTextOffset)
            .AddInt(ColourInt(s.m_crBorder))
            .AddInt(s.m_nBorderStyle)
            .AddInt(ColourInt(s.m_crFade));
    }
    return value;
}

void ReadStateValue(CMarquel& m, std::string_view value) {
    CValueFields f(value);
    size_t n = 0;
    for (CMarquelState& s : m.m_states) {
        s.m_crBack = Colour(f, n++);
        s.m_crFont = Colour(f, n++);
        s.m_nBackStyle = f.Int(n++);
        s.m_nFontEffect = f.Int(n++);
        s.m_nFontName = f.Int(n++);
        s.m_nFontSize = f.Int(n++);
        s.m_nFontStyle = f.Int(n++);
        s.m_nImageAlign = f.Int(n++);
        s.m_nTextAlign = f.Int(n++);
        s.m_nImageOffset = f.Int(n++);
        s.m_nTextOffset = f.Int(n++);
        s.m_crBorder = Colour(f, n++);
        s.m_nBorderStyle = f.Int(n++);
        s.m_crFade = Colour(f, n++);
    }
}

std::string ItemValue(const CMarquelItem& item) {
    std::string value;
    CFieldJoiner(value)
        .AddEscaped(item.m_strLabel)
        .AddEscaped(item.m_strDescription)
        .AddEscaped(item.m_strUrl)
        .AddEscaped(item.m_strTarget)
        .AddEscaped(FileNameView(item.m_strImageNormal))
        .AddEscaped(FileNameView(item.m_strImageOver))
        .AddEscaped(FileNameView(item.m_strImageClick))
        .AddEscaped(FileNameView(item.m_strAudioOver))
        .AddEscaped(FileNameView(item.m_strAudioClick))
        .AddInt(item.m_bVisible)
        .AddEscaped(item.m_strWebPathImageNormal)
        .AddEscaped(item.m_strWebPathImageOver)
        .AddEscaped(item.m_strWebPathImageClick)
        .AddEscaped(item.m_strWebPathAudioOver)
        .AddEscaped(item.m_strWebPathAudioClick);
    return value;
}

void ReadItemValue(CMarquelItem& item, std::string_view value, std::string_view base) {
    CValueFields f(value);
    item.m_strLabel = f.Text(0);
    item.m_strDescription = f.Text(1);
    item.m_strUrl = f.Text(2);
    item.m_strTarget = f.Text(3);
    item.m_strImageNormal = PathAt(f, 4, base);
    item.m_strImageOver = PathAt(f, 5, base);
    item.m_strImageClick = PathAt(f, 6, base);
    item.m_strAudioOver = PathAt(f, 7, base);
    item.m_strAudioClick = PathAt(f, 8, base);
    item.m_bVisible = f.Int(9);
    item.m_strWebPathImageNormal = f.Text(10);
    item.m_strWebPathImageOver = f.Text(11);
    item.m_strWebPathImageClick = f.Text(12);
    item.m_strWebPathAudioOver = f.Text(13);
    item.m_strWebPathAudioClick = f.Text(14);
}

} // namespace tb
