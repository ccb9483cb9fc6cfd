#pragma once
// 16-byte identifiers of classes, interfaces and categories, in the Win32 layout, and their
// braced upper-case text form "{B2471160-D234-11D2-B481-00400533CDD6}" as the registry keeps
// them.

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

struct GUID {
    uint32_t Data1 = 0;
    uint16_t Data2 = 0;
    uint16_t Data3 = 0;
    uint8_t Data4[8] = {};

    friend bool operator==(const GUID& a, const GUID& b) {
        return std::memcmp(&a, &b, sizeof(GUID)) == 0;
    }
    friend bool operator<(const GUID& a, const GUID& b) {
        return std::memcmp(&a, &b, sizeof(GUID)) < 0;
    }
};
static_assert(sizeof(GUID) == 16, "GUID must keep the Win32 layout");

using CLSID = GUID;
using IID = GUID;
using CATID = GUID;
using REFGUID = const GUID&;
using REFCLSID = const GUID&;
using REFIID = const GUID&;

inline bool IsEqualGUID(REFGUID a, REFGUID b) {
    return a == b;
}

extern const IID IID_NULL;
extern const IID IID_IUnknown;
extern const IID IID_IDispatch;
extern const IID IID_IClassFactory;

namespace tb {

// Parses exactly the braced form: '{', 8-4-4-4-12 hexadecimal digits (either case), '}'.
// Anything else (no braces, wrong group lengths, stray characters) is rejected.
bool GuidFromString(std::string_view text, GUID* guid);

// The braced upper-case form, zero-padded.
std::string GuidToString(const GUID& guid);

// For literals in code: aborts nothing, gives IID_NULL for malformed text.
GUID MakeGuid(std::string_view text);

} // namespace tb
