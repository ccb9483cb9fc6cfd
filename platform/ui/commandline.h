#pragma once
// Programs are started with a list of arguments, while the settings and callers often hold
// one parameter text such as "\"/path/with blanks/page.htm\"". This splits such a text the
// way it was meant: blanks separate, double quotes group (and are dropped), "" is an empty
// argument. Backslashes are ordinary characters, so Windows-style paths survive.

#include <string>
#include <string_view>
#include <vector>

namespace tb {

std::vector<std::string> SplitCommandLine(std::string_view parameters);

} // namespace tb
