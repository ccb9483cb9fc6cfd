#pragma once
// The component-category manager: categories live under
// HKEY_CLASSES_ROOT\Component Categories\{catid} with one value per locale (named by the
// locale in hexadecimal, "409" for 1033) holding the description; a class's membership is
// the key HKEY_CLASSES_ROOT\CLSID\{clsid}\Implemented Categories\{catid}.

#include <span>
#include <string>
#include <vector>

#include "platform/com/interfaces.h"

struct CATEGORYINFO {
    CATID catid;
    LCID lcid = 0x409;
    std::string szDescription; // UTF-8; stored cut to 127 characters
};

namespace tb {

// Longest description stored, in UTF-16 units: a category record holds 128 units, the last
// of them the terminating zero.
constexpr size_t kMaxCategoryDescription = 127;

HRESULT RegisterCategories(std::span<const CATEGORYINFO> categories);
// Removes the categories' records (not the classes' membership entries).
HRESULT UnRegisterCategories(std::span<const CATID> catids);
HRESULT RegisterClassImplCategories(REFCLSID clsid, std::span<const CATID> catids);
HRESULT UnRegisterClassImplCategories(REFCLSID clsid, std::span<const CATID> catids);

// The description of a category for a locale; E_INVALIDARG when there is none.
HRESULT GetCategoryDesc(const CATID& catid, LCID lcid, std::string* description);

// The registered classes that implement at least one of the categories, in registry order.
HRESULT EnumClassesOfCategories(std::span<const CATID> implemented, std::vector<CLSID>* clsids);

// The description cut to at most 127 UTF-16 units, never inside a UTF-8 sequence.
std::string CutCategoryDescription(const std::string& text);

} // namespace tb
