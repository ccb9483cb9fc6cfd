#pragma once
// The rule every widget and template name follows: not empty, and letters and digits only.
// Names become parts of template file names ("Name_ProgID.tsq"), where the first "_"
// separates the name from the ProgID, so the underscore is refused like any other sign; so
// are letters beyond ASCII, which would make file names that depend on the encoding.

#include <string>

namespace tb {

enum class NameProblem {
    None,
    Empty,   // "You must enter a name!"
    Invalid, // a character other than A-Z, a-z, 0-9
};

NameProblem CheckWidgetName(const std::string& name);

// Checks the name and shows the message of its problem (strings 141 and 142); true when the
// name may be used.
bool ValidateWidgetName(const std::string& name);

} // namespace tb
