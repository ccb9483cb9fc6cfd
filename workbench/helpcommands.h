#pragma once
// The frame's commands of the Option and Help menus: the Web Browser options, the help
// pages, Ordering Information and About, and the main form's More Information button.

namespace tb {

class CCommandTable;
class CMainFrame;

void AttachHelpCommands(CCommandTable& commands, CMainFrame& frame);

} // namespace tb
