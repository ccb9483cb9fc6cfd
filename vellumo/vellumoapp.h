#pragma once
// Starting Vellumo: the engine's environment, the application, the window with its add-ins
// and the page named on the command line.

namespace tb::vellumo {

// Settings the page engine reads when it starts, so they must come before the application
// object: as root its sandbox cannot run and is turned off for this process.
void PrepareWebEngine();

int RunVellumo(int argc, char** argv);

} // namespace tb::vellumo
