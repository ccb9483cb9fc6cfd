#pragma once
// Process-wide values of the widget component: its folder (where the applet class file, the
// script player and the templates live), its resource module handle, and the
// hooks through which the layers above the GUI-free logic (the designer, the "Copy
// Resources" dialog) plug in. The module sets them when it loads; tests set them directly.
// Each module links its own copy, so these never leak between components.

#include <string>

#include "platform/module/moduleres.h"

class CAppletParameters;
class CBrisko;
class ICopyResourcesHandler;

namespace tb {

// The component folder without a trailing separator ("" until set).
const std::string& ComponentFolder();
void SetComponentFolder(const std::string& folder);

// The handle the component's string table and icon are registered under (0 until set).
HINSTANCE ComponentResourceHandle();
void SetComponentResourceHandle(HINSTANCE module);

// Runs the designer modally on the applet, owned by the widget object, and returns when the
// user closes it. Preview pages go into strScratchFolder, a private folder that exists for
// this run only ("" when none could be made).
using PFN_RunDesigner = void (*)(CBrisko& owner, CAppletParameters& applet,
                                 const std::string& strScratchFolder);
// Null until the designer registers itself (the module does when the process has a
// QApplication); without it Config fails with E_NOTIMPL.
PFN_RunDesigner RunDesigner();
void SetRunDesigner(PFN_RunDesigner pfn);

// Handles colliding media files while a widget file is written; null means collisions
// leave the references as they are (nothing is asked).
ICopyResourcesHandler* CopyResourcesHandler();
void SetCopyResourcesHandler(ICopyResourcesHandler* handler);

} // namespace tb
