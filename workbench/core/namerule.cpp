#include "workbench/core/namerule.h"

#include "workbench/core/workbenchstrings.h"

namespace tb {

NameProblem CheckWidgetName(const std::string& name) {
    if (name.empty())
        return NameProblem::Empty;
    for (char c : name) {
        const bool bAlnum =
            (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (!bAlnum)
            return NameProblem::Invalid;
    }
    return NameProblem::None;
}

bool ValidateWidgetName(const std::string& name) {
    switch (CheckWidgetName(name)) {
    case NameProblem::None:
        return true;
    case NameProblem::Empty:
        AfxMessageBox(LoadHostString(IDS_NAME_EMPTY));
        return false;
    case NameProblem::Invalid:
        AfxMessageBox(LoadHostString(IDS_NAME_INVALID));
        return false;
    }
    return false;
}

} // namespace tb
