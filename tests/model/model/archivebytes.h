#pragma once
// Archive bytes written out by hand for the tests: hex helpers and the fixed parts of the
// model's archive forms.

#include <cstddef>
#include <string>

namespace tbtest {

// "FF FF 01 00" -> the four bytes; spaces and line breaks are ignored.
inline std::string Hex(const std::string& hex) {
    std::string out;
    int hi = -1;
    for (char c : hex) {
        int v;
        if (c >= '0' && c <= '9')
            v = c - '0';
        else if (c >= 'A' && c <= 'F')
            v = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f')
            v = c - 'a' + 10;
        else
            continue;
        if (hi < 0) {
            hi = v;
        } else {
            out.push_back(static_cast<char>(hi * 16 + v));
            hi = -1;
        }
    }
    return out;
}

// A counted string of fewer than 255 bytes: the length byte and the text.
inline std::string Counted(const std::string& s) {
    return std::string(1, char(s.size())) + s;
}

// A new class record: new-class tag, schema, name length, name.
inline std::string NewClass(const std::string& name, int schema) {
    return Hex("FF FF") + std::string(1, char(schema)) + std::string(1, '\0') +
           std::string(1, char(name.size())) + std::string(1, '\0') + name;
}

// A CMarquel's form after its name and up to m_bShow, all at the constructor's defaults.
inline std::string DefaultMenuBody() {
    return Hex(
        // m_crMenuColor
        "00000000"
        // m_nMenuStyle, m_nMenuStyle2, m_nReserved1, m_nReserved2
        "00000000 00000000 00000000 00000000"
        // m_nLeft 10, m_nTop 15, m_nWidth 80, m_nHeight 30, m_nMenuParam1 5, m_nBorderThick 6
        "0A000000 0F000000 50000000 1E000000 05000000 06000000"
        // m_crMenuColor2, m_nMenuParam2, m_crMenuColor3
        "00000000 00000000 00000000"
        // Normal: back 0x404080, back style 3, fade 0x80FFFF, font 0, border 0x426F8C
        "80404000 03000000 FFFF8000 00000000 8C6F4200"
        // border style 1, reserved 1, 1, effect 0, font 0, size 14, style 0,
        // text align 0, text offset 0, image align 0, image offset 0, reserved text ""
        "01000000 01000000 01000000 00000000 00000000 0E000000 00000000"
        "00000000 00000000 00000000 00000000 00"
        // Mouse Over: font 0xFFFFFF, back style 2, border style 2
        "80404000 02000000 FFFF8000 FFFFFF00 8C6F4200"
        "02000000 01000000 01000000 00000000 00000000 0E000000 00000000"
        "00000000 00000000 00000000 00000000 00"
        // Click: back style 5, border style 4
        "80404000 05000000 FFFF8000 00000000 8C6F4200"
        "04000000 01000000 01000000 00000000 00000000 0E000000 00000000"
        "00000000 00000000 00000000 00000000 00"
        // m_bShow
        "01000000");
}

// A fresh item's form (after its object tag) with the given label: its empty sub-menu
// "Brisko" inline, the label, thirteen empty texts and m_bVisible 1.
inline std::string FreshItemBody(const std::string& label) {
    return Counted("Brisko") + DefaultMenuBody() + Hex("0000") + Counted(label) +
           std::string(13, '\0') + Hex("01000000");
}

} // namespace tbtest
