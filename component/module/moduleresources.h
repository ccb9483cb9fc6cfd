#pragma once
// The component's own resources (catalogue strings and the widget icon) and its start-up.

#include <string>

namespace tb {

// Once per load: records the component folder from the module's own file, registers the
// string table and icon and points the profile at the company key. Safe to call again.
void InitBriskoModule();

// The module file's full path.
std::string BriskoModulePath();

} // namespace tb
