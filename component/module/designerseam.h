#pragma once
// The designer joins the component only where it can show windows: in a process with a
// QApplication. Elsewhere (a command-line host) Config answers that it is not implemented.

namespace tb {

// Installs the designer, the "Copy Resources" dialog for colliding media files and the
// desktop's dialogs for the component's messages when the process has a QApplication now,
// and takes them out again when it has none. Called when the module loads and whenever a
// host asks for an object.
void InstallDesignerIfGui();

} // namespace tb
