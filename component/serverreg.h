#pragma once
// Registration of the widget component as an in-process server: the class and ProgID
// entries under HKEY_CLASSES_ROOT and its membership in the "Tallowby Tesseras" category.
// The module's exported DllRegisterServer/DllUnregisterServer call these with its own path.

#include <string>

#include "platform/com/hresult.h"

namespace tb {

// Writes the server entries (the ProgID and class-name entries only when absent), registers
// the category and the class's membership in it, all in one registry write. S_OK, the
// membership's failure, or SELFREG_E_CLASS when the entries could not be written.
HRESULT RegisterBriskoServer(const std::string& modulePath);

// Removes the class's membership and server entries in one registry write; the category
// itself stays. The ProgID lookup's failure when the class is not registered.
HRESULT UnregisterBriskoServer();

} // namespace tb
