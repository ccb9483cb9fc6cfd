#pragma once
// The web path under which the published page finds the applet's files: typed with either
// kind of slash, kept with forward slashes and one trailing slash, so that file names can be
// appended to it directly. An empty path stays empty (the files sit beside the page).

#include <string>

namespace tb {

std::string NormalizeWebPath(std::string strPath);

} // namespace tb
