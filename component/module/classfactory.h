#pragma once
// The module's one class factory: it makes CBrisko objects.

#include "platform/com/interfaces.h"

namespace tb {

IClassFactory& BriskoClassFactory();

} // namespace tb
