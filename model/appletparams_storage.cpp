// Writing the design into the widget file's parameter map and rebuilding it from there.

#include "model/appletparameters.h"
#include "model/archive.h"
#include "model/drawrect.h"
#include "model/marquel.h"
#include "model/marquelitem.h"
#include "model/menugeometry.h"
#include "model/parametermap.h"
#include "model/paramname.h"
#include "model/storagelinks.h"
#include "model/storagewalk.h"
#include "model/storedvalues.h"
#include "model/valuefields.h"
#include "platform/core/numfmt.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kVersion = "Version";
constexpr std::string_view kWindowPosition = "WindowPosition";
constexpr std::string_view kApStyle = "ApStyle";
constexpr std::string_view kMisc = "Misc";
// Present, as "1", only while the design plays in current browsers, so that the files of
// designs without it keep every byte.
constexpr std::string_view kPlayer = "Player";

// Deeper menus could not be archived for undo or the clipboard: the items of a menu at this
// depth own sub-menus one level further down, the last level an archive loads.
constexpr int kMaxMenuDepth = CArchive::kMaxLoadNesting - 2;

// Storing under low memory: a value that cannot be stored is skipped.
void StoreValue(IParameterMap& map, std::string_view key, std::string value) {
    try {
        map.Set(key, std::move(value));
    } catch (const std::bad_alloc&) {
    }
}

class CParameterSink : public tb::IStorageWalkSink {
public:
    explicit CParameterSink(IParameterMap& map) : m_map(map) {}
    void OnMenu(int nMenu, const CMarquel& menu) override {
        StoreValue(m_map, tb::CParamName("MStyle-", nMenu).View(), tb::MenuValue(menu));
        StoreValue(m_map, tb::CParamName("IStyle-", nMenu).View(), tb::StateValue(menu));
    }
    void OnItem(int nMenu, int nPosition, CMarquelItem& item) override {
        StoreValue(m_map, tb::CParamName(nMenu, nPosition).View(), tb::ItemValue(item));
    }

private:
    IParameterMap& m_map;
};

std::string_view ValueOr(const IParameterMap& map, std::string_view key,
                         std::string_view defaultValue) {
    const std::string* pValue = map.Find(key);
    return pValue ? std::string_view(*pValue) : defaultValue;
}

// "i-m" is item i's sub-menu m, "-m" a button's menu; anything without a hyphen is no entry.
bool ParseLinkEntry(const std::string& entry, tb::CStorageLink& link) {
    const size_t nHyphen = entry.find('-');
    if (nHyphen == std::string::npos)
        return false;
    link.nMenu = tb::AtoI(std::string_view(entry).substr(nHyphen + 1));
    link.nItem = nHyphen == 0 ? -1 : tb::AtoI(std::string_view(entry).substr(0, nHyphen));
    // A negative item number must not read as a button entry.
    if (nHyphen != 0 && link.nItem < 0)
        return false;
    return true;
}

// The window positions, the player switch and, when the map has them, the applet's own
// fields. Only maps written elsewhere lack "ApStyle"; the applet then stays as it is.
void ReadAppletFields(CAppletParameters& applet, const IParameterMap& map,
                      const std::string& strBaseFolder) {
    tb::CValueFields windowPos(ValueOr(map, kWindowPosition, ""));
    for (size_t i = 0; i < applet.m_nWindowPos.size(); ++i)
        applet.m_nWindowPos[i] = windowPos.Int(i);
    applet.m_bPlayer = tb::AtoI(ValueOr(map, kPlayer, "")) != 0 ? 1 : 0;
    if (const std::string* pApStyle = map.Find(kApStyle))
        tb::ReadAppletValue(applet, *pApStyle, strBaseFolder);
}

// The number of menus the link value claims, as far as it can describe them. The link
// entries of N menus lie at positions N+1 to 2N. With N at or beyond the number of fields no
// entry exists, nothing could be placed and no menu needs to be made: this bounds the work by
// the size of the value, whatever number it claims.
int ClaimedMenuCount(const tb::CValueFields& links) {
    const int nMenus = std::max(0, links.Int(0));
    return static_cast<size_t>(nMenus) >= links.Count() ? 0 : nMenus;
}

// The menus of a stored design before they are linked, with their items.
struct CStoredMenus {
    std::vector<std::unique_ptr<CMarquel>> menus;
    std::vector<CMarquelItem*> items; // every item in menu order (owned by its menu)
    std::vector<int> itemOwner;       // the menu of each item
};

// The item counts of the menus the link value claims. Every item written has a parameter of
// its own, so a map cannot describe more items than it has entries; hand-made maps that leave
// the item values out get as many again as the link value has fields. Larger counts are cut to
// that, so memory follows the input size.
std::vector<size_t> StoredItemCounts(const IParameterMap& map, const tb::CValueFields& links,
                                     int nMenus) {
    size_t nItemBudget = map.Size() + links.Count();
    std::vector<size_t> counts(static_cast<size_t>(nMenus));
    for (int j = 0; j < nMenus; ++j) {
        counts[size_t(j)] = std::min(size_t(std::max(0, links.Int(j + 1))), nItemBudget);
        nItemBudget -= counts[size_t(j)];
    }
    return counts;
}

// A number as parameter names write it (digits, no leading zero) and below nLimit.
bool ReadNameNumber(std::string_view digits, int64_t nLimit, int64_t& n) {
    if (digits.empty() || digits.size() > 10 || (digits[0] == '0' && digits.size() > 1))
        return false;
    n = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return false;
        n = n * 10 + (c - '0');
    }
    return n < nLimit;
}

// Where the values of the stored menus and items lie in the map (null when missing), found in
// one pass over its entries rather than by a lookup each. The names are exactly those the
// lookups would ask for: "MStyle-j", "IStyle-j" and "Ij-k" for the items k = 1 .. count.
struct CStoredValues {
    std::vector<const std::string*> menuStyles;
    std::vector<const std::string*> stateStyles;
    std::vector<size_t> firstItem; // per menu, where its items start in `items`
    std::vector<const std::string*> items;
};

CStoredValues FindStoredValues(const IParameterMap& map, const std::vector<size_t>& counts) {
    const auto nMenus = int64_t(counts.size());
    CStoredValues values;
    values.menuStyles.assign(counts.size(), nullptr);
    values.stateStyles.assign(counts.size(), nullptr);
    values.firstItem.reserve(counts.size());
    size_t nItems = 0;
    for (size_t nCount : counts) {
        values.firstItem.push_back(nItems);
        nItems += nCount;
    }
    values.items.assign(nItems, nullptr);
    map.ForEach([&](std::string_view name, const std::string& value) {
        int64_t j = 0, k = 0;
        if (name.starts_with("MStyle-")) {
            if (ReadNameNumber(name.substr(7), nMenus, j))
                values.menuStyles[size_t(j)] = &value;
        } else if (name.starts_with("IStyle-")) {
            if (ReadNameNumber(name.substr(7), nMenus, j))
                values.stateStyles[size_t(j)] = &value;
        } else if (name.starts_with('I')) {
            const size_t nHyphen = name.find('-');
            if (nHyphen != std::string_view::npos &&
                ReadNameNumber(name.substr(1, nHyphen - 1), nMenus, j) &&
                ReadNameNumber(name.substr(nHyphen + 1), int64_t(counts[size_t(j)]) + 1, k) &&
                k >= 1)
                values.items[values.firstItem[size_t(j)] + size_t(k - 1)] = &value;
        }
    });
    return values;
}

std::string_view ValueOrDefault(const std::string* pValue, std::string_view defaultValue) {
    return pValue ? std::string_view(*pValue) : defaultValue;
}

CStoredMenus ReadStoredMenus(const IParameterMap& map, const tb::CValueFields& links, int nMenus,
                             const std::string& strBaseFolder) {
    const std::vector<size_t> counts = StoredItemCounts(map, links, nMenus);
    const CStoredValues values = FindStoredValues(map, counts);
    CStoredMenus stored;
    stored.menus.reserve(size_t(nMenus));
    stored.items.reserve(values.items.size());
    stored.itemOwner.reserve(values.items.size());
    for (int j = 0; j < nMenus; ++j) {
        auto pMenu = std::make_unique<CMarquel>();
        tb::ReadMenuValue(*pMenu, ValueOrDefault(values.menuStyles[size_t(j)],
                                                 tb::kDefaultMenuValue));
        tb::ReadStateValue(*pMenu, ValueOrDefault(values.stateStyles[size_t(j)],
                                                  tb::kDefaultStateValue));
        const size_t nCount = counts[size_t(j)];
        pMenu->m_items.reserve(nCount);
        for (size_t k = 0; k < nCount; ++k) {
            // Sub-menus come with the links; items the links give none get a new one then.
            auto pItem = CMarquelItem::WithoutSubMenu("Button");
            // A missing item value leaves the new item as constructed.
            if (const std::string* pValue = values.items[values.firstItem[size_t(j)] + k])
                tb::ReadItemValue(*pItem, *pValue, strBaseFolder);
            stored.items.push_back(pItem.get());
            stored.itemOwner.push_back(j);
            pMenu->m_items.push_back(std::move(pItem));
        }
        stored.menus.push_back(std::move(pMenu));
    }
    return stored;
}

std::vector<tb::CStorageLink> ReadLinkEntries(const tb::CValueFields& links, int nMenus) {
    std::vector<tb::CStorageLink> entries;
    for (size_t nPos = static_cast<size_t>(nMenus) + 1; nPos <= 2 * static_cast<size_t>(nMenus);
         ++nPos) {
        tb::CStorageLink link{};
        if (ParseLinkEntry(links.Text(nPos), link))
            entries.push_back(link);
    }
    return entries;
}

// Hangs the sub-menus the plan places below their items and makes a button of every
// top-level menu; menus the plan leaves out go with `stored`.
void PlaceMenus(CAppletParameters& applet, CStoredMenus& stored, const tb::CStorageLinkPlan& plan) {
    for (const tb::CStorageLink& link : plan.itemLinks)
        stored.items[link.nItem]->SetSubMenu(std::move(stored.menus[link.nMenu]));
    for (CMarquelItem* pItem : stored.items)
        if (!pItem->m_pSubMenu)
            pItem->SetSubMenu(std::make_unique<CMarquel>());
    for (int m : plan.topLevel) {
        std::unique_ptr<CMarquel>& pMenu = stored.menus[m];
        pMenu->m_strName = "top-level";
        // The new button's own model would be replaced at once, so start from the bare object.
        auto pButton = std::make_unique<CDrawRect>();
        pButton->bounds = tb::MenuRectangle(*pMenu);
        pButton->menu = std::move(pMenu);
        applet.AddButton(std::move(pButton));
    }
}

} // namespace

void CAppletParameters::WriteParameters(IParameterMap& map) {
    map.Clear();
    StoreValue(map, kVersion, "1.5");
    StoreValue(map, kWindowPosition,
               tb::JoinInts({m_nWindowPos[0], m_nWindowPos[1], m_nWindowPos[2], m_nWindowPos[3],
                             m_nWindowPos[4], m_nWindowPos[5]}));
    StoreValue(map, kApStyle, tb::AppletValue(*this));

    CParameterSink sink(map);
    const tb::CMenuNumbering numbering =
        tb::StorageNumberingWalk(*this, /*bSetGeometry=*/true, &sink);
    StoreValue(map, kMisc, tb::MenuLinkValue(numbering));
    if (m_bPlayer != 0)
        StoreValue(map, kPlayer, "1");
}

bool CAppletParameters::ReadParameters(const IParameterMap& map, const std::string& strBaseFolder) {
    ReadAppletFields(*this, map, strBaseFolder);
    const std::string* pMisc = map.Find(kMisc);
    if (!pMisc || pMisc->empty())
        return true;
    const tb::CValueFields links(*pMisc);
    const int nMenus = ClaimedMenuCount(links);
    CStoredMenus stored = ReadStoredMenus(map, links, nMenus, strBaseFolder);
    DeleteContents();
    const tb::CStorageLinkPlan plan = tb::PlanStorageLinks(
        nMenus, stored.itemOwner, ReadLinkEntries(links, nMenus), kMaxMenuDepth);
    PlaceMenus(*this, stored, plan);
    return true;
}
