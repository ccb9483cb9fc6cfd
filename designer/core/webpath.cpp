#include "designer/core/webpath.h"

#include <algorithm>

namespace tb {

std::string NormalizeWebPath(std::string strPath) {
    if (strPath.empty())
        return strPath;
    std::replace(strPath.begin(), strPath.end(), '\\', '/');
    if (strPath.back() != '/')
        strPath += '/';
    return strPath;
}

} // namespace tb
