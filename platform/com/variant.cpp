#include "platform/com/variant.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

#include "platform/core/asciitext.h"
#include "platform/core/numfmt.h"

namespace {

// A whole string that is one decimal number (surrounding white space allowed). The value is
// read by the locale-independent helper; this only decides whether the text is a number.
bool ParseNumber(std::string_view text, double* value) {
    std::string_view t = tb::TrimCSpace(text);
    size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ++i;
    size_t digits = 0;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9')
        ++i, ++digits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9')
            ++i, ++digits;
    }
    if (digits == 0)
        return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-'))
            ++i;
        size_t expDigits = 0;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9')
            ++i, ++expDigits;
        if (expDigits == 0)
            return false;
    }
    if (i != t.size())
        return false;
    *value = tb::AtoF(t);
    return std::isfinite(*value);
}

std::string FormatDouble(double value) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
}

// Every source read as a double first; strings that are not numbers fail.
HRESULT ToDouble(const VARIANT& v, double* out) {
    switch (v.vt) {
    case VT_EMPTY:
        *out = 0.0;
        return S_OK;
    case VT_I2:
        *out = v.iVal;
        return S_OK;
    case VT_I4:
        *out = v.lVal;
        return S_OK;
    case VT_BOOL:
        *out = v.boolVal ? -1.0 : 0.0;
        return S_OK;
    case VT_R8:
        *out = v.dblVal;
        return S_OK;
    case VT_DATE:
        *out = v.date;
        return S_OK;
    case VT_BSTR:
        if (tb::EqualsNoCase(v.bstrVal, "True")) {
            *out = -1.0;
            return S_OK;
        }
        if (tb::EqualsNoCase(v.bstrVal, "False")) {
            *out = 0.0;
            return S_OK;
        }
        return ParseNumber(v.bstrVal, out) ? S_OK : DISP_E_TYPEMISMATCH;
    default:
        return DISP_E_BADVARTYPE;
    }
}

// Automation rounds to the nearest integer, halves to even.
HRESULT ToInteger(double d, double lo, double hi, double* out) {
    double r = std::nearbyint(d);
    if (!(r >= lo && r <= hi))
        return DISP_E_OVERFLOW;
    *out = r;
    return S_OK;
}

} // namespace

void VariantInit(VARIANT* v) {
    if (v)
        *v = VARIANT{};
}

HRESULT VariantClear(VARIANT* v) {
    if (!v)
        return E_INVALIDARG;
    *v = VARIANT{};
    return S_OK;
}

namespace {

// A number, boolean or date of type vt from src (which differs from vt); out.vt is set.
HRESULT ChangeToNumeric(VARIANT& out, const VARIANT& src, VARTYPE vt) {
    double d = 0.0;
    HRESULT hr = ToDouble(src, &d);
    if (FAILED(hr))
        return hr;
    switch (vt) {
    case VT_I2:
        if (SUCCEEDED(hr = ToInteger(d, -32768, 32767, &d)))
            out.iVal = static_cast<int16_t>(d);
        return hr;
    case VT_I4:
        if (SUCCEEDED(hr = ToInteger(d, -2147483648.0, 2147483647.0, &d)))
            out.lVal = static_cast<int32_t>(d);
        return hr;
    case VT_BOOL:
        out.boolVal = d != 0.0 ? VARIANT_TRUE : VARIANT_FALSE;
        return S_OK;
    case VT_R8:
        out.dblVal = d;
        return S_OK;
    default: // VT_DATE
        out.date = d;
        return S_OK;
    }
}

// The text of src (which is not a string); empty stays empty.
HRESULT ChangeToString(VARIANT& out, const VARIANT& src, uint16_t flags) {
    switch (src.vt) {
    case VT_EMPTY:
        return S_OK;
    case VT_I2:
        out.bstrVal = tb::FormatInt(src.iVal);
        return S_OK;
    case VT_I4:
        out.bstrVal = tb::FormatInt(src.lVal);
        return S_OK;
    case VT_BOOL:
        if (flags & VARIANT_ALPHABOOL)
            out.bstrVal = src.boolVal ? "True" : "False";
        else
            out.bstrVal = src.boolVal ? "-1" : "0";
        return S_OK;
    case VT_R8:
        out.bstrVal = FormatDouble(src.dblVal);
        return S_OK;
    case VT_DATE:
        out.bstrVal = FormatDouble(src.date);
        return S_OK;
    default:
        return DISP_E_BADVARTYPE;
    }
}

} // namespace

HRESULT VariantChangeType(VARIANT* dest, const VARIANT* src, uint16_t flags, VARTYPE vt) {
    if (!dest || !src)
        return E_INVALIDARG;
    if (src->vt == vt) {
        if (dest != src)
            *dest = *src;
        return S_OK;
    }
    VARIANT out;
    out.vt = vt;
    HRESULT hr = S_OK;
    switch (vt) {
    case VT_EMPTY:
        break;
    case VT_I2:
    case VT_I4:
    case VT_BOOL:
    case VT_R8:
    case VT_DATE:
        hr = ChangeToNumeric(out, *src, vt);
        break;
    case VT_BSTR:
        hr = ChangeToString(out, *src, flags);
        break;
    default:
        hr = DISP_E_BADVARTYPE;
        break;
    }
    if (FAILED(hr))
        return hr;
    *dest = std::move(out);
    return S_OK;
}

namespace tb {

namespace {

// A variant of type vt whose field for that type holds value.
template <typename T> VARIANT MakeVariant(VARTYPE vt, T VARIANT::*field, T value) {
    VARIANT v;
    v.vt = vt;
    v.*field = std::move(value);
    return v;
}

} // namespace

VARIANT VariantI2(int16_t value) {
    return MakeVariant(VT_I2, &VARIANT::iVal, value);
}

VARIANT VariantI4(int32_t value) {
    return MakeVariant(VT_I4, &VARIANT::lVal, value);
}

VARIANT VariantBool(bool value) {
    return MakeVariant(VT_BOOL, &VARIANT::boolVal, value ? VARIANT_TRUE : VARIANT_FALSE);
}

VARIANT VariantR8(double value) {
    return MakeVariant(VT_R8, &VARIANT::dblVal, value);
}

VARIANT VariantDate(DATE value) {
    return MakeVariant(VT_DATE, &VARIANT::date, value);
}

VARIANT VariantString(std::string value) {
    return MakeVariant(VT_BSTR, &VARIANT::bstrVal, std::move(value));
}

int32_t VariantToLong(const VARIANT& v, int32_t fallback) {
    VARIANT out;
    return SUCCEEDED(VariantChangeType(&out, &v, 0, VT_I4)) ? out.lVal : fallback;
}

double VariantToDouble(const VARIANT& v, double fallback) {
    VARIANT out;
    return SUCCEEDED(VariantChangeType(&out, &v, 0, VT_R8)) ? out.dblVal : fallback;
}

bool VariantToBool(const VARIANT& v, bool fallback) {
    VARIANT out;
    return SUCCEEDED(VariantChangeType(&out, &v, 0, VT_BOOL)) ? out.boolVal != 0 : fallback;
}

std::string VariantToString(const VARIANT& v) {
    VARIANT out;
    return SUCCEEDED(VariantChangeType(&out, &v, VARIANT_ALPHABOOL, VT_BSTR)) ? out.bstrVal
                                                                              : std::string();
}

} // namespace tb
