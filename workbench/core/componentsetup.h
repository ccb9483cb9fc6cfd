#pragma once
// The workbench needs its widget component registered. A program folder that was copied or
// built but never installed holds the component module next to the program without any
// registration, and a registration may name a module that has since gone; in both cases the
// module beside the program is registered for the user, as its installer would have.

#include <string>

namespace tb {

// The component module the workbench ships with.
inline constexpr char kComponentModuleName[] = "TesseraBrisko.so";

enum class ComponentSetup {
    Ready,         // registered, and its module is there
    RegisteredNow, // the module beside the program was registered just now
    NotRegistered, // neither: creating the widget will fail
};

// *pModulePath receives the module registered just now (RegisteredNow only).
ComponentSetup EnsureComponentRegistered(const std::string& progID,
                                         const std::string& programFolder,
                                         std::string* pModulePath = nullptr);

} // namespace tb
