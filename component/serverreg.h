#pragma once
// Registration of the widget component as an in-process server: the class and ProgID
// entries under HKEY_CLASSES_ROOT and its membership in the "Tallowby Tesseras" category.
// The module's exported DllRegisterServer/DllUnregisterServer call these with its own path.

#include <string>

#include "platform/com/hresult.h"

namespace tb {

// Writes the server entries (the ProgID and class-name entries only when absent), registers
// the category and the class's membership in it. S_OK, or the membership's failure.
HRESULT RegisterBriskoServer(const std::string& modulePath);

// Removes the class's membership and server entries; the category itself stays.
HRESULT UnregisterBriskoServer();

} // namespace tb
