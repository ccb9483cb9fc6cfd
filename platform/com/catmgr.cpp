#include "platform/com/catmgr.h"

#include <cstdio>

#include "platform/registry/regkey.h"

namespace tb {

namespace {

const char kCategoriesKey[] = "Component Categories\\";

std::string LocaleValueName(LCID lcid) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%x", static_cast<unsigned>(lcid));
    return buf;
}

std::string ImplKey(REFCLSID clsid) {
    return "CLSID\\" + GuidToString(clsid) + "\\Implemented Categories";
}

HRESULT FromRegistry(LONG rc) {
    if (rc == ERROR_SUCCESS)
        return S_OK;
    return rc == ERROR_BADDB ? REGDB_E_READREGDB : REGDB_E_WRITEREGDB;
}

} // namespace

std::string CutCategoryDescription(const std::string& text) {
    size_t units = 0;
    size_t i = 0;
    while (i < text.size()) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        size_t len = c < 0x80           ? 1
                     : (c >> 5) == 0x6  ? 2
                     : (c >> 4) == 0xE  ? 3
                     : (c >> 3) == 0x1E ? 4
                                        : 1;
        size_t need = len == 4 ? 2 : 1; // outside the basic plane a character takes two units
        if (units + need > kMaxCategoryDescription || i + len > text.size())
            break;
        units += need;
        i += len;
    }
    return text.substr(0, i);
}

HRESULT RegisterCategories(std::span<const CATEGORYINFO> categories) {
    for (const CATEGORYINFO& info : categories) {
        CRegKey key;
        LONG rc = key.Create(HKEY_CLASSES_ROOT, kCategoriesKey + GuidToString(info.catid));
        if (rc == ERROR_SUCCESS)
            rc = RegSetString(key.Get(), LocaleValueName(info.lcid),
                              CutCategoryDescription(info.szDescription));
        if (rc != ERROR_SUCCESS)
            return FromRegistry(rc);
    }
    return S_OK;
}

HRESULT UnRegisterCategories(std::span<const CATID> catids) {
    for (const CATID& catid : catids) {
        LONG rc = RegDeleteTree(HKEY_CLASSES_ROOT, kCategoriesKey + GuidToString(catid));
        if (rc != ERROR_SUCCESS && rc != ERROR_FILE_NOT_FOUND)
            return FromRegistry(rc);
    }
    return S_OK;
}

HRESULT RegisterClassImplCategories(REFCLSID clsid, std::span<const CATID> catids) {
    for (const CATID& catid : catids) {
        CRegKey key;
        LONG rc = key.Create(HKEY_CLASSES_ROOT, ImplKey(clsid) + "\\" + GuidToString(catid));
        if (rc != ERROR_SUCCESS)
            return FromRegistry(rc);
    }
    return S_OK;
}

HRESULT UnRegisterClassImplCategories(REFCLSID clsid, std::span<const CATID> catids) {
    for (const CATID& catid : catids) {
        LONG rc = RegDeleteTree(HKEY_CLASSES_ROOT, ImplKey(clsid) + "\\" + GuidToString(catid));
        if (rc != ERROR_SUCCESS && rc != ERROR_FILE_NOT_FOUND)
            return FromRegistry(rc);
    }
    return S_OK;
}

HRESULT GetCategoryDesc(const CATID& catid, LCID lcid, std::string* description) {
    if (!description)
        return E_POINTER;
    CRegKey key;
    LONG rc = key.Open(HKEY_CLASSES_ROOT, kCategoriesKey + GuidToString(catid));
    if (rc == ERROR_SUCCESS)
        rc = RegQueryString(key.Get(), LocaleValueName(lcid), description);
    if (rc == ERROR_BADDB)
        return REGDB_E_READREGDB;
    return rc == ERROR_SUCCESS ? S_OK : E_INVALIDARG;
}

HRESULT EnumClassesOfCategories(std::span<const CATID> implemented, std::vector<CLSID>* clsids) {
    if (!clsids)
        return E_POINTER;
    clsids->clear();
    CRegKey classes;
    LONG rc = classes.Open(HKEY_CLASSES_ROOT, "CLSID");
    if (rc == ERROR_FILE_NOT_FOUND)
        return S_OK;
    if (rc != ERROR_SUCCESS)
        return REGDB_E_READREGDB;
    std::string name;
    for (DWORD i = 0; RegEnumKeyEx(classes.Get(), i, &name) == ERROR_SUCCESS; ++i) {
        CLSID clsid;
        if (!GuidFromString(name, &clsid))
            continue;
        for (const CATID& catid : implemented) {
            CRegKey member;
            if (member.Open(classes.Get(), name + "\\Implemented Categories\\" +
                                               GuidToString(catid)) == ERROR_SUCCESS) {
                clsids->push_back(clsid);
                break;
            }
        }
    }
    return S_OK;
}

} // namespace tb
