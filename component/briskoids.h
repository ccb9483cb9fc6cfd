#pragma once
// The fixed identities of the widget component; hosts and installed widget files depend on
// every one of them.

#include <cstdint>

namespace tb {

inline constexpr char kBriskoProgID[] = "TesseraServer.Brisko";
inline constexpr char kBriskoClsid[] = "{B2471160-D234-11D2-B481-00400533CDD6}";
inline constexpr char kTesserasCatid[] = "{2542EDC1-7EFB-11D2-8CA5-0088CC081531}";
inline constexpr char kTesserasCategory[] = "Tallowby Tesseras";
inline constexpr uint32_t kTesserasCategoryLocale = 0x409;

// Catalogue resources in the component's string table and images.
inline constexpr int32_t kIdsTesseraType = 1;
inline constexpr int32_t kIdsTesseraName = 2;
inline constexpr int32_t kIdsMenuText = 3;
inline constexpr int32_t kIdsMessageText = 4;
inline constexpr int32_t kIdsTipsText = 5;
inline constexpr int32_t kIdiBrisko = 4000;

} // namespace tb
