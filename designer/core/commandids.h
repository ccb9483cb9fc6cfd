#pragma once
// The command identifiers of the design window: its tool bar, context menu and keys. The
// numbers are the design window's own and stay fixed, since the stored tool-bar order and the
// browser range are written in them.

namespace tb {

enum DesignCommandId : unsigned {
    ID_TOOL_SELECT = 32770,
    ID_TOOL_BUTTON = 32772,
    ID_MOVE_BACKWARD = 32775,
    ID_MOVE_FORWARD = 32776,
    ID_MOVE_TO_FRONT = 32777,
    ID_MOVE_TO_BACK = 32778,
    ID_ALIGN_LEFT = 32779,
    ID_ALIGN_RIGHT = 32780,
    ID_ALIGN_TOP = 32781,
    ID_ALIGN_BOTTOM = 32782,
    ID_SAME_WIDTH = 32785,
    ID_SAME_HEIGHT = 32786,
    ID_SAME_SIZE = 32787,
    ID_CENTER_VERTICAL = 32788,
    ID_DUPLICATE = 32790,
    ID_SPACE_ACROSS = 32791,
    ID_SPACE_DOWN = 32792,
    ID_CENTER_HORIZONTAL = 32795,
    ID_UNDO = 32796,
    ID_REDO = 32797,
    ID_PREVIEW = 32798,
    ID_EDIT_LABEL = 32800,
    ID_EDIT_URL = 32801,
    ID_NEW_BUTTON = 32804,
    ID_EDIT_CLEAR = 57632,
    ID_EDIT_COPY = 57634,
    ID_EDIT_CUT = 57635,
    ID_EDIT_PASTE = 57637,
    ID_EDIT_SELECT_ALL = 57642,
    ID_HELP_FINDER = 57667,
};

// The Preview button's drop-down numbers its browsers from here: the known ones first, then,
// one number further on (the separator's place), the user's own.
constexpr unsigned ID_BROWSER_FIRST = 32806;
constexpr unsigned ID_BROWSER_LAST = 32900;

} // namespace tb
