#pragma once
// The automation value that crosses the dispatch boundary.
//
// Not the Win32 union: a plain struct with one field per kind, so that the string can be a
// std::string (UTF-8) and nobody has to free a BSTR. It crosses the dlopen boundary by
// pointer; that is sound because the hosts and every component are built by the same
// compiler and standard library from this header, so both sides lay it out identically.
// A component built elsewhere must not be loaded into a host of ours.

#include <cstdint>
#include <string>

#include "platform/com/hresult.h"

using VARTYPE = uint16_t;
using VARIANT_BOOL = int16_t;
using DATE = double; // days since 1899-12-30, fraction = time of day

// Win32 numbering, so that stored or logged types read the same.
enum VARENUM : VARTYPE {
    VT_EMPTY = 0,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_R8 = 5,
    VT_DATE = 7,
    VT_BSTR = 8,
    VT_BOOL = 11,
};

constexpr VARIANT_BOOL VARIANT_TRUE = -1;
constexpr VARIANT_BOOL VARIANT_FALSE = 0;

// Flag for VariantChangeType: booleans become "True"/"False" instead of "-1"/"0".
constexpr uint16_t VARIANT_ALPHABOOL = 0x02;

struct VARIANT {
    VARTYPE vt = VT_EMPTY;
    int16_t iVal = 0;         // VT_I2
    int32_t lVal = 0;         // VT_I4
    VARIANT_BOOL boolVal = 0; // VT_BOOL
    double dblVal = 0.0;      // VT_R8
    DATE date = 0.0;          // VT_DATE
    std::string bstrVal;      // VT_BSTR, UTF-8
};
using VARIANTARG = VARIANT;

void VariantInit(VARIANT* v);
HRESULT VariantClear(VARIANT* v);

// Converts *src to type vt into *dest (dest may equal src). Booleans convert to numbers as
// 0 / -1 and from numbers as zero / non-zero; strings convert to and from numbers with '.'
// as the decimal point whatever the C locale says, and "True"/"False" (any case) read as
// booleans. A string that is not a number gives DISP_E_TYPEMISMATCH, a number outside the
// target's range DISP_E_OVERFLOW, a type outside VARENUM DISP_E_BADVARTYPE. Dates convert
// like doubles. On failure *dest is left unchanged.
HRESULT VariantChangeType(VARIANT* dest, const VARIANT* src, uint16_t flags, VARTYPE vt);

namespace tb {

VARIANT VariantI2(int16_t value);
VARIANT VariantI4(int32_t value);
VARIANT VariantBool(bool value);
VARIANT VariantR8(double value);
VARIANT VariantDate(DATE value);
VARIANT VariantString(std::string value);

// Plain reads for handlers and hosts: the value coerced to the type, or the fallback when it
// cannot be coerced.
int32_t VariantToLong(const VARIANT& v, int32_t fallback = 0);
double VariantToDouble(const VARIANT& v, double fallback = 0.0);
bool VariantToBool(const VARIANT& v, bool fallback = false);
std::string VariantToString(const VARIANT& v);

} // namespace tb
