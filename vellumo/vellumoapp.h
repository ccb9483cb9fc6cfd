#pragma once
// Starting Vellumo: the engine's environment, the application, the window with its add-ins
// and the page named on the command line.

namespace tb::vellumo {

int RunVellumo(int argc, char** argv);

} // namespace tb::vellumo
