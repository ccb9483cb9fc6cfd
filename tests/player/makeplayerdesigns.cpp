// Writes the widget files the browser tests of tlwbtn.js play, with the model API and the
// component's own writer, together with the images and sounds they refer to, and the
// designer's preview pages of two of them with the program folder's files:
//   makeplayerdesigns OUTPUT-FOLDER PROGRAM-FOLDER
// Designs named "faces*" and "applet*" carry no text, so that the player's canvas can be
// compared with the designer's painting pixel for pixel.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "component/brisko.h"
#include "component/componentstate.h"
#include "component/preview.h"
#include "model/drawrect.h"
#include "model/marquel.h"
#include "model/marquelitem.h"
#include "platform/core/colorref.h"

namespace {

using Bytes = std::vector<uint8_t>;

bool WriteFile(const std::string& path, const Bytes& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

void PutLE(Bytes& b, uint32_t v, int n) {
    for (int i = 0; i < n; ++i)
        b.push_back(uint8_t(v >> (8 * i)));
}
void PutBE(Bytes& b, uint32_t v) {
    for (int i = 3; i >= 0; --i)
        b.push_back(uint8_t(v >> (8 * i)));
}

// A 24-bit BMP of w x h pixels, colour(x, y) as 0xRRGGBB.
Bytes Bitmap(int w, int h, const std::function<uint32_t(int, int)>& colour) {
    const int rowBytes = (w * 3 + 3) / 4 * 4;
    Bytes b = {'B', 'M'};
    PutLE(b, uint32_t(54 + rowBytes * h), 4);
    PutLE(b, 0, 4);
    PutLE(b, 54, 4);
    PutLE(b, 40, 4);
    PutLE(b, uint32_t(w), 4);
    PutLE(b, uint32_t(h), 4);
    PutLE(b, 1, 2);
    PutLE(b, 24, 2);
    for (int i = 0; i < 6; ++i)
        PutLE(b, 0, 4);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const uint32_t c = colour(x, y);
            b.push_back(uint8_t(c));
            b.push_back(uint8_t(c >> 8));
            b.push_back(uint8_t(c >> 16));
        }
        for (int pad = w * 3; pad < rowBytes; ++pad)
            b.push_back(0);
    }
    return b;
}

uint8_t MuLaw(int sample) {
    const int kBias = 0x84;
    const int sign = sample < 0 ? 0x80 : 0;
    int magnitude = std::min(std::abs(sample), 32635) + kBias;
    int exponent = 7;
    for (int mask = 0x4000; (magnitude & mask) == 0 && exponent > 0; mask >>= 1)
        --exponent;
    const int mantissa = (magnitude >> (exponent + 3)) & 0x0F;
    return uint8_t(~(sign | (exponent << 4) | mantissa));
}

// A quarter second of a sine tone as an ".au" file: encoding 1 (mu-law) or 3 (16-bit).
Bytes AuTone(uint32_t encoding, uint32_t rate, double frequency) {
    Bytes b;
    PutBE(b, 0x2e736e64);
    PutBE(b, 32); // header with eight bytes of annotation
    const uint32_t frames = rate / 4;
    PutBE(b, frames * (encoding == 3 ? 2 : 1));
    PutBE(b, encoding);
    PutBE(b, rate);
    PutBE(b, 1);
    PutBE(b, 0);
    PutBE(b, 0);
    for (uint32_t i = 0; i < frames; ++i) {
        const int s = int(std::lround(12000 * std::sin(2 * M_PI * frequency * i / rate)));
        if (encoding == 3) {
            b.push_back(uint8_t(uint16_t(s) >> 8));
            b.push_back(uint8_t(s));
        } else {
            b.push_back(MuLaw(s));
        }
    }
    return b;
}

struct Look {
    COLORREF crBack, crFade, crBorder;
    int nBackStyle, nBorderStyle;
};

CDrawRect& AddButton(CAppletParameters& applet, CRect r, int nThick, const Look (&looks)[3],
                     const std::string& label, const std::string& url) {
    auto pButton = std::make_unique<CDrawRect>(r);
    CMarquel& menu = *pButton->menu;
    menu.m_nBorderThick = nThick;
    for (int s = 0; s < 3; ++s) {
        CMarquelState& st = menu.m_states[size_t(s)];
        st.m_crBack = looks[s].crBack;
        st.m_crFade = looks[s].crFade;
        st.m_crBorder = looks[s].crBorder;
        st.m_nBackStyle = looks[s].nBackStyle;
        st.m_nBorderStyle = looks[s].nBorderStyle;
        st.m_nFontName = 1;
        st.m_crFont = s == 1 ? RGB(255, 255, 200) : RGB(10, 10, 30);
    }
    CMarquelItem& item = *menu.m_items.front();
    item.m_strLabel = label;
    item.m_strUrl = url;
    CDrawRect& ref = *pButton;
    applet.AddButton(std::move(pButton));
    return ref;
}

void ShowHint(CDrawRect& button, const std::string& text, CRect box) {
    CMarquel& hint = *button.menu->m_items.front()->m_pSubMenu;
    hint.m_nLeft = box.left;
    hint.m_nTop = box.top;
    hint.m_nWidth = box.Width();
    hint.m_nHeight = box.Height();
    hint.m_nBorderThick = 2;
    CMarquelState& st = hint.m_states[0];
    st.m_crBack = RGB(255, 250, 200);
    st.m_crFade = RGB(255, 220, 120);
    st.m_crBorder = RGB(120, 100, 40);
    st.m_nBackStyle = 2;
    st.m_nBorderStyle = 2;
    st.m_nFontName = 1;
    st.m_nFontSize = 12;
    hint.ApplyNormalToAllStates();
    hint.m_items.front()->m_strLabel = text;
    hint.m_items.front()->m_bVisible = 1;
}

std::unique_ptr<CBrisko, void (*)(CBrisko*)> NewWidget(int w, int h) {
    std::unique_ptr<CBrisko, void (*)(CBrisko*)> p(new CBrisko, [](CBrisko* x) { x->Release(); });
    p->applet.m_nWidth = w;
    p->applet.m_nHeight = h;
    p->SetDescriptionEntry("Title", "Player test");
    p->SetDescriptionEntry("PreviewPath", "");
    return p;
}

void SetAppletLook(CAppletParameters& a, int nBackStyle, COLORREF crBack, COLORREF crFade,
                   int nBorderStyle, int nBorderThick, COLORREF crBorder) {
    a.m_nBackStyle = nBackStyle;
    a.m_crBack = crBack;
    a.m_crFade = crFade;
    a.m_nBorderStyle = nBorderStyle;
    a.m_nBorderThick = nBorderThick;
    a.m_crBorder = crBorder;
}

COLORREF Hue(int i, int s) {
    return RGB(unsigned(40 + 37 * i + 60 * s) % 256, unsigned(200 - 23 * i + 17 * s) % 256,
               unsigned(90 + 51 * i * s + 13 * i) % 256);
}

// Every background and border style in each state, thicknesses from none to rings that cross,
// odd and even sizes, a button that sticks out of the applet and two that overlap.
void BuildFaces(CAppletParameters& a) {
    SetAppletLook(a, 3, RGB(30, 60, 110), RGB(200, 220, 250), 6, 9, RGB(120, 140, 170));
    const int thick[] = {0, 1, 2, 3, 5, 7, 9, 4, 40, 6, 2, 3};
    const CRect rects[] = {{14, 14, 102, 74},   {110, 14, 197, 73},  {206, 14, 300, 75},
                           {310, 14, 405, 70},  {14, 84, 101, 147},  {110, 84, 200, 146},
                           {206, 84, 301, 150}, {310, 84, 346, 108}, {360, 90, 410, 120},
                           {14, 160, 120, 240}, {90, 190, 190, 250}, {330, 200, 460, 290}};
    for (int i = 0; i < 12; ++i) {
        Look looks[3];
        for (int s = 0; s < 3; ++s)
            looks[s] = {Hue(i, s), Hue(i + 5, s + 1), Hue(i + 2, 2 - s), (i + s) % 6,
                        (i + 2 * s + 1) % 7};
        CDrawRect& b =
            AddButton(a, rects[i], thick[i], looks, "", "face-" + std::to_string(i) + ".htm");
        b.menu->m_items.front()->m_strDescription = "Face " + std::to_string(i);
    }
    ShowHint(*a.m_buttons.front(), "A hint", CRect(20, 52, 110, 76));
    a.m_buttons[1]->menu->m_items.front()->m_strTarget = "_blank";
}

void BuildApplet(CAppletParameters& a, int k) {
    SetAppletLook(a, k % 6, Hue(k, 0), Hue(k + 3, 2), k, 2 + 3 * k, Hue(k + 1, 1));
    const Look looks[3] = {{RGB(250, 250, 250), RGB(20, 20, 20), RGB(100, 100, 100), 2, 1},
                           {RGB(250, 200, 0), RGB(0, 20, 200), RGB(200, 30, 30), 4, 3},
                           {RGB(10, 10, 10), RGB(250, 250, 250), RGB(30, 200, 30), 0, 5}};
    AddButton(a, CRect(30, 30, 90, 60), 3, looks, "", "a.htm");
    AddButton(a, CRect(100, 50, 160, 95), 5, looks, "", "b.htm");
}

const Look kPlain[3] = {{RGB(230, 235, 245), RGB(160, 180, 220), RGB(90, 110, 150), 2, 1},
                        {RGB(250, 230, 160), RGB(240, 170, 60), RGB(160, 110, 30), 2, 1},
                        {RGB(160, 180, 220), RGB(230, 235, 245), RGB(90, 110, 150), 2, 2}};

// Buttons with texts, links in every kind of target frame, descriptions and a hint.
void BuildLinks(CAppletParameters& a) {
    a.m_nBackStyle = 1;
    a.m_crBack = RGB(250, 250, 245);
    a.m_nBorderStyle = 0;
    const char* labels[] = {"Home", "New window", "In frame", "Whole page"};
    const char* targets[] = {"", "_blank", "side", "_top"};
    for (int i = 0; i < 4; ++i) {
        CDrawRect& b = AddButton(a, CRect(10 + 100 * i, 10, 100 + 100 * i, 40), 2, kPlain,
                                 labels[i], "target-" + std::to_string(i) + ".htm");
        CMarquelItem& item = *b.menu->m_items.front();
        item.m_strTarget = targets[i];
        item.m_strDescription = std::string("Opens ") + labels[i];
    }
    ShowHint(*a.m_buttons.front(), "Back to the start", CRect(10, 34, 130, 58));
    // A label with a line break and a comma, a description with a comma, and a link with one.
    CDrawRect& b = AddButton(a, CRect(10, 60, 150, 110), 2, kPlain, "Two lines,\r\nand a comma",
                             "list.htm?a=1,2");
    b.menu->m_items.front()->m_strDescription = "Shows a list, sorted";
    AddButton(a, CRect(160, 60, 300, 110), 2, kPlain, "", "");
}

// A button with further items, one of which has a sub-menu, as files from elsewhere hold.
void BuildMenus(CAppletParameters& a) {
    a.m_nBackStyle = 1;
    a.m_crBack = RGB(240, 240, 240);
    CDrawRect& b = AddButton(a, CRect(10, 10, 100, 40), 2, kPlain, "Products", "products.htm");
    CMarquel& menu = *b.menu;
    for (const char* label : {"Tools", "Books"}) {
        auto pItem = std::make_unique<CMarquelItem>(label);
        pItem->m_strUrl = std::string(label) + ".htm";
        menu.AddItem(std::move(pItem));
    }
    CMarquel& sub = *menu.m_items.back()->m_pSubMenu;
    sub.CopyStyle(menu);
    sub.m_nWidth = 70;
    sub.m_nHeight = 24;
    sub.m_nBorderThick = 1;
    for (const char* label : {"Novels", "Poems"}) {
        auto pItem = std::make_unique<CMarquelItem>(label);
        pItem->m_strUrl = std::string(label) + ".htm";
        pItem->m_strTarget = "_blank";
        sub.AddItem(std::move(pItem));
    }
    AddButton(a, CRect(10, 120, 100, 150), 2, kPlain, "About", "about.htm");
}

// Images for each state, a background image and sounds in both encodings.
bool BuildMedia(CAppletParameters& a, const std::string& folder) {
    auto solid = [](uint32_t c) { return [c](int, int) { return c; }; };
    const bool ok = WriteFile(folder + "/red.bmp", Bitmap(16, 12, solid(0xff0000))) &&
                    WriteFile(folder + "/green.bmp", Bitmap(16, 12, solid(0x00ff00))) &&
                    WriteFile(folder + "/blue.bmp", Bitmap(16, 12, solid(0x0000ff))) &&
                    WriteFile(folder + "/tile.bmp",
                              Bitmap(8, 8,
                                     [](int x, int y) {
                                         return (x / 4 + y / 4) % 2 ? 0x808080u : 0xc0c0c0u;
                                     })) &&
                    WriteFile(folder + "/over.au", AuTone(1, 8000, 440)) &&
                    WriteFile(folder + "/click.au", AuTone(3, 11025, 660));
    a.m_nWidth = 200;
    a.m_nHeight = 80;
    a.m_nBackStyle = 1;
    a.m_strBackImage = folder + "/tile.bmp";
    a.m_nImageDisplay = 1;
    CDrawRect& b = AddButton(a, CRect(20, 20, 120, 60), 2, kPlain, "", "media.htm");
    CMarquelItem& item = *b.menu->m_items.front();
    item.m_strImageNormal = folder + "/red.bmp";
    item.m_strImageOver = folder + "/green.bmp";
    item.m_strImageClick = folder + "/blue.bmp";
    item.m_strAudioOver = folder + "/over.au";
    item.m_strAudioClick = folder + "/click.au";
    for (CMarquelState& st : b.menu->m_states) {
        st.m_nImageAlign = 1;
        st.m_nImageOffset = 0;
    }
    return ok;
}

// Labels in the three faces, styles, alignments and offsets, one of two lines.
void BuildLabels(CAppletParameters& a) {
    a.m_nBackStyle = 1;
    a.m_crBack = RGB(255, 255, 255);
    const char* labels[] = {"Serif", "Sans bold", "Mono italic", "Two\r\nlines"};
    for (int i = 0; i < 4; ++i) {
        CDrawRect& b =
            AddButton(a, CRect(10, 10 + 50 * i, 210, 50 + 50 * i), i, kPlain, labels[i], "x.htm");
        for (CMarquelState& st : b.menu->m_states) {
            st.m_nBackStyle = 1;
            st.m_crBack = RGB(255, 255, 255);
            st.m_nFontName = i % 3;
            st.m_nFontStyle = i % 3;
            st.m_nFontSize = 12 + 2 * i;
            st.m_nTextAlign = i % 3;
            st.m_nTextOffset = i == 2 ? -4 : 2 * i;
        }
    }
}

// A hundred buttons with labels and hints, for the speed figures.
void BuildHundred(CAppletParameters& a) {
    SetAppletLook(a, 2, RGB(20, 30, 60), RGB(60, 90, 150), 1, 4, a.m_crBorder);
    for (int i = 0; i < 100; ++i) {
        const int x = 8 + (i % 10) * 80, y = 8 + (i / 10) * 32;
        CDrawRect& b =
            AddButton(a, CRect(x, y, x + 76, y + 28), 3, kPlain, "Item " + std::to_string(i + 1),
                      "item" + std::to_string(i) + ".htm");
        ShowHint(b, "Hint " + std::to_string(i + 1), CRect(10, 26, 80, 46));
    }
}

// The preview the designer writes for design `name` read back from its file, into
// preview-NAME-on and preview-NAME-off, with the design's player switch on and off.
bool WritePreviews(const std::string& folder, const std::string& name) {
    for (const bool bOn : {true, false}) {
        auto pWidget = NewWidget(0, 0);
        if (!pWidget->ReadConfigFile(folder + "/" + name + ".tsq"))
            return false;
        pWidget->SetPlayer(bOn);
        const std::string dir = folder + "/preview-" + name + (bOn ? "-on" : "-off");
        if (tb::WritePreviewPage(*pWidget, dir).empty())
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: makeplayerdesigns OUTPUT-FOLDER PROGRAM-FOLDER\n");
        return 1;
    }
    const std::string folder = argv[1];
    // No class file is wanted next to the designs.
    tb::SetComponentFolder(folder + "/no-such-folder");
    struct Entry {
        std::string name;
        int w, h;
        std::function<bool(CAppletParameters&)> build;
    };
    std::vector<Entry> entries = {
        {"faces", 420, 260, [](CAppletParameters& a) { return BuildFaces(a), true; }},
        {"links", 420, 130, [](CAppletParameters& a) { return BuildLinks(a), true; }},
        {"menus", 220, 170, [](CAppletParameters& a) { return BuildMenus(a), true; }},
        {"media", 200, 80, [&](CAppletParameters& a) { return BuildMedia(a, folder); }},
        {"labels", 220, 210, [](CAppletParameters& a) { return BuildLabels(a), true; }},
        {"hundred", 816, 336, [](CAppletParameters& a) { return BuildHundred(a), true; }},
    };
    for (int k = 0; k <= 6; ++k)
        entries.push_back({"applet" + std::to_string(k), 170, 110,
                           [k](CAppletParameters& a) { return BuildApplet(a, k), true; }});
    for (const Entry& e : entries) {
        auto pWidget = NewWidget(e.w, e.h);
        const std::string path = folder + "/" + e.name + ".tsq";
        if (!e.build(pWidget->applet) ||
            !pWidget->WriteConfigFileEx(path, tb::GatherMode::PointAtCopies)) {
            std::fprintf(stderr, "makeplayerdesigns: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s\n", path.c_str());
    }
    tb::SetComponentFolder(argv[2]);
    for (const char* name : {"faces", "media"}) {
        if (!WritePreviews(folder, name)) {
            std::fprintf(stderr, "makeplayerdesigns: cannot write the previews of %s\n", name);
            return 1;
        }
    }
    return 0;
}
