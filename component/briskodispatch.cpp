// The automation interface of CBrisko: 28 members at fixed DISPIDs (hosts call them by these
// numbers or by name, so neither may change), one more after them for the design's player
// switch, and the thin handlers that turn the coerced arguments into calls of CBrisko's own
// operations.

#include "component/brisko.h"
#include "component/briskoids.h"
#include "component/componentstate.h"

using B = CBrisko;

std::span<const DispEntry<CBrisko>> CBrisko::DispTable() {
    static const DispEntry<CBrisko> kTable[] = {
        {"ProgID", 1, DispKind::Property, {}, VT_BSTR, &B::DispGetProgID, &B::DispPutProgID},
        {"Title", 2, DispKind::Property, {}, VT_BSTR, &B::DispGetTitle, &B::DispPutTitle},
        {"Description",
         3,
         DispKind::Property,
         {},
         VT_BSTR,
         &B::DispGetDescription,
         &B::DispPutDescription},
        {"BitmapFileName",
         4,
         DispKind::Property,
         {},
         VT_BSTR,
         &B::DispGetBitmapFileName,
         &B::DispPutBitmapFileName},
        {"PreviewPath",
         5,
         DispKind::Property,
         {},
         VT_BSTR,
         &B::DispGetPreviewPath,
         &B::DispPutPreviewPath},
        {"LastUpdateTime",
         6,
         DispKind::Property,
         {},
         VT_DATE,
         &B::DispGetLastUpdateTime,
         &B::DispPutLastUpdateTime},
        {"ReadConfigFile", 7, DispKind::Method, {VT_BSTR}, VT_BOOL, &B::DispReadConfigFile},
        {"WriteConfigFile", 8, DispKind::Method, {VT_BSTR}, VT_BOOL, &B::DispWriteConfigFile},
        {"Config", 9, DispKind::Method, {}, VT_BOOL, &B::DispConfig},
        {"GetTesseraTypeID", 10, DispKind::Method, {}, VT_I4, &B::DispGetTesseraTypeID},
        {"GetTesseraNameID", 11, DispKind::Method, {}, VT_I4, &B::DispGetTesseraNameID},
        {"GetMenuTextID", 12, DispKind::Method, {}, VT_I4, &B::DispGetMenuTextID},
        {"GetMessageTextID", 13, DispKind::Method, {}, VT_I4, &B::DispGetMessageTextID},
        {"GetTipsTextID", 14, DispKind::Method, {}, VT_I4, &B::DispGetTipsTextID},
        {"GetIconID", 15, DispKind::Method, {VT_I2}, VT_I4, &B::DispGetIconID},
        {"GetReservedNumber", 16, DispKind::Method, {}, VT_I2, &B::DispGetReservedNumber},
        {"GetHTMLSegmentNumber", 17, DispKind::Method, {}, VT_I2, &B::DispGetHTMLSegmentNumber},
        {"GetHTMLPosition", 18, DispKind::Method, {VT_I2}, VT_BSTR, &B::DispGetHTMLPosition},
        {"GetHTMLBody", 19, DispKind::Method, {VT_I2, VT_I2}, VT_BSTR, &B::DispGetHTMLBody},
        {"GetResourceInstance", 20, DispKind::Method, {}, VT_I4, &B::DispGetResourceInstance},
        {"GetResourceNumber", 21, DispKind::Method, {}, VT_I2, &B::DispGetResourceNumber},
        {"GetResourceName", 22, DispKind::Method, {VT_I2}, VT_BSTR, &B::DispGetResourceName},
        {"GetResourceLocalPath",
         23,
         DispKind::Method,
         {VT_I2},
         VT_BSTR,
         &B::DispGetResourceLocalPath},
        {"GetResourceWebPath", 24, DispKind::Method, {VT_I2}, VT_BSTR, &B::DispGetResourceWebPath},
        {"GetResourceLocalPathByName",
         25,
         DispKind::Method,
         {VT_BSTR},
         VT_BSTR,
         &B::DispGetResourceLocalPathByName},
        {"GetResourceWebPathByName",
         26,
         DispKind::Method,
         {VT_BSTR},
         VT_BSTR,
         &B::DispGetResourceWebPathByName},
        {"SetResourceLocalPath",
         27,
         DispKind::Method,
         {VT_BSTR},
         VT_BOOL,
         &B::DispSetResourceLocalPath},
        {"WriteConfigFileEx",
         28,
         DispKind::Method,
         {VT_BSTR, VT_I2},
         VT_BOOL,
         &B::DispWriteConfigFileEx},
        {"Player", 29, DispKind::Property, {}, VT_BOOL, &B::DispGetPlayer, &B::DispPutPlayer},
    };
    return kTable;
}

namespace {

HRESULT String(VARIANT* result, std::string text) {
    *result = tb::VariantString(std::move(text));
    return S_OK;
}
HRESULT Long(VARIANT* result, int32_t value) {
    *result = tb::VariantI4(value);
    return S_OK;
}
HRESULT Short(VARIANT* result, int value) {
    // The resource count is 16-bit on the interface, as in the widget file.
    *result = tb::VariantI2(static_cast<int16_t>(value));
    return S_OK;
}
HRESULT Bool(VARIANT* result, bool value) {
    *result = tb::VariantBool(value);
    return S_OK;
}

} // namespace

// clang-format off
HRESULT B::DispGetProgID(const DispArgs&, VARIANT* r) { return String(r, GetDescriptionEntry(tb::kDescProgID)); }
HRESULT B::DispPutProgID(const DispArgs& a, VARIANT*) { SetDescriptionEntry(tb::kDescProgID, a[0].bstrVal); return S_OK; }
HRESULT B::DispGetTitle(const DispArgs&, VARIANT* r) { return String(r, GetDescriptionEntry(tb::kDescTitle)); }
HRESULT B::DispPutTitle(const DispArgs& a, VARIANT*) { SetDescriptionEntry(tb::kDescTitle, a[0].bstrVal); return S_OK; }
HRESULT B::DispGetDescription(const DispArgs&, VARIANT* r) { return String(r, GetDescriptionEntry(tb::kDescDescription)); }
HRESULT B::DispPutDescription(const DispArgs& a, VARIANT*) { SetDescriptionEntry(tb::kDescDescription, a[0].bstrVal); return S_OK; }
HRESULT B::DispGetBitmapFileName(const DispArgs&, VARIANT* r) { return String(r, GetDescriptionEntry(tb::kDescBitmapFileName)); }
HRESULT B::DispPutBitmapFileName(const DispArgs& a, VARIANT*) { SetDescriptionEntry(tb::kDescBitmapFileName, a[0].bstrVal); return S_OK; }
HRESULT B::DispGetPreviewPath(const DispArgs&, VARIANT* r) { return String(r, GetDescriptionEntry(tb::kDescPreviewPath)); }
HRESULT B::DispPutPreviewPath(const DispArgs& a, VARIANT*) { SetDescriptionEntry(tb::kDescPreviewPath, a[0].bstrVal); return S_OK; }
// clang-format on

HRESULT B::DispGetLastUpdateTime(const DispArgs&, VARIANT* r) {
    *r = tb::VariantDate(GetLastUpdateTime());
    return S_OK;
}
HRESULT B::DispPutLastUpdateTime(const DispArgs& a, VARIANT*) {
    SetLastUpdateTime(a[0].date);
    return S_OK;
}

HRESULT B::DispReadConfigFile(const DispArgs& a, VARIANT* r) {
    return Bool(r, ReadConfigFile(a[0].bstrVal));
}
HRESULT B::DispWriteConfigFile(const DispArgs& a, VARIANT* r) {
    return Bool(r, WriteConfigFile(a[0].bstrVal));
}
HRESULT B::DispWriteConfigFileEx(const DispArgs& a, VARIANT* r) {
    return Bool(r, WriteConfigFileEx(a[0].bstrVal, tb::GatherModeFromNumber(a[1].iVal)));
}
HRESULT B::DispGetPlayer(const DispArgs&, VARIANT* r) {
    return Bool(r, GetPlayer());
}
HRESULT B::DispPutPlayer(const DispArgs& a, VARIANT*) {
    SetPlayer(a[0].boolVal != VARIANT_FALSE);
    return S_OK;
}
HRESULT B::DispConfig(const DispArgs&, VARIANT* r) {
    HRESULT hr = Config();
    if (FAILED(hr))
        return hr;
    return Bool(r, true);
}

// clang-format off
HRESULT B::DispGetTesseraTypeID(const DispArgs&, VARIANT* r) { return Long(r, tb::kIdsTesseraType); }
HRESULT B::DispGetTesseraNameID(const DispArgs&, VARIANT* r) { return Long(r, tb::kIdsTesseraName); }
HRESULT B::DispGetMenuTextID(const DispArgs&, VARIANT* r) { return Long(r, tb::kIdsMenuText); }
HRESULT B::DispGetMessageTextID(const DispArgs&, VARIANT* r) { return Long(r, tb::kIdsMessageText); }
HRESULT B::DispGetTipsTextID(const DispArgs&, VARIANT* r) { return Long(r, tb::kIdsTipsText); }
HRESULT B::DispGetIconID(const DispArgs&, VARIANT* r) { return Long(r, tb::kIdiBrisko); }
HRESULT B::DispGetReservedNumber(const DispArgs&, VARIANT* r) { return Short(r, 0); }
HRESULT B::DispGetHTMLSegmentNumber(const DispArgs&, VARIANT* r) { return Short(r, 1); }
HRESULT B::DispGetHTMLPosition(const DispArgs&, VARIANT* r) { return String(r, "cursor"); }
HRESULT B::DispGetHTMLBody(const DispArgs& a, VARIANT* r) { return String(r, GetHTMLBody(tb::HtmlModeFromNumber(a[1].iVal))); }
HRESULT B::DispGetResourceInstance(const DispArgs&, VARIANT* r) { return Long(r, tb::ComponentResourceHandle()); }
HRESULT B::DispGetResourceNumber(const DispArgs&, VARIANT* r) { return Short(r, GetResourceNumber()); }
HRESULT B::DispGetResourceName(const DispArgs& a, VARIANT* r) { return String(r, GetResourceName(a[0].iVal)); }
HRESULT B::DispGetResourceLocalPath(const DispArgs& a, VARIANT* r) { return String(r, GetResourceLocalPath(a[0].iVal)); }
HRESULT B::DispGetResourceWebPath(const DispArgs&, VARIANT* r) { return String(r, GetResourceWebPath()); }
HRESULT B::DispGetResourceLocalPathByName(const DispArgs& a, VARIANT* r) { return String(r, GetResourceLocalPathByName(a[0].bstrVal)); }
HRESULT B::DispGetResourceWebPathByName(const DispArgs&, VARIANT* r) { return String(r, GetResourceWebPath()); }
HRESULT B::DispSetResourceLocalPath(const DispArgs& a, VARIANT* r) { return Bool(r, SetResourceLocalPath(a[0].bstrVal)); }
// clang-format on
