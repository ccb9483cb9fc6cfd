#include "platform/com/guid.h"

#include <cstdio>

#include "platform/core/numfmt.h"

const IID IID_NULL = {};
const IID IID_IUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID IID_IDispatch = {0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID IID_IClassFactory = {0x00000001, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

namespace tb {

namespace {

// Reads `count` hexadecimal digits starting at text[pos].
bool ReadHex(std::string_view text, size_t pos, size_t count, uint32_t* value) {
    uint32_t v = 0;
    for (size_t i = 0; i < count; ++i) {
        int d = HexDigit(text[pos + i]);
        if (d < 0)
            return false;
        v = v * 16 + static_cast<uint32_t>(d);
    }
    *value = v;
    return true;
}

} // namespace

bool GuidFromString(std::string_view text, GUID* guid) {
    // {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}
    if (text.size() != 38 || text.front() != '{' || text.back() != '}' || text[9] != '-' ||
        text[14] != '-' || text[19] != '-' || text[24] != '-')
        return false;
    GUID g;
    uint32_t v = 0;
    if (!ReadHex(text, 1, 8, &v))
        return false;
    g.Data1 = v;
    if (!ReadHex(text, 10, 4, &v))
        return false;
    g.Data2 = static_cast<uint16_t>(v);
    if (!ReadHex(text, 15, 4, &v))
        return false;
    g.Data3 = static_cast<uint16_t>(v);
    static constexpr size_t kBytePos[8] = {20, 22, 25, 27, 29, 31, 33, 35};
    for (int i = 0; i < 8; ++i) {
        if (!ReadHex(text, kBytePos[i], 2, &v))
            return false;
        g.Data4[i] = static_cast<uint8_t>(v);
    }
    if (guid)
        *guid = g;
    return true;
}

std::string GuidToString(const GUID& g) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  static_cast<unsigned>(g.Data1), g.Data2, g.Data3, g.Data4[0], g.Data4[1],
                  g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
    return buf;
}

GUID MakeGuid(std::string_view text) {
    GUID g;
    if (!GuidFromString(text, &g))
        return IID_NULL;
    return g;
}

} // namespace tb
