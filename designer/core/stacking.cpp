#include "designer/core/stacking.h"

#include <algorithm>

#include "model/appletparameters.h"
#include "model/drawrect.h"

namespace tb {

bool MoveInStack(CAppletParameters& params, const CDrawRect* pButton, StackMove move) {
    auto& buttons = params.m_buttons;
    const auto it = std::find_if(buttons.begin(), buttons.end(),
                                 [pButton](const auto& p) { return p.get() == pButton; });
    if (it == buttons.end())
        return false;
    const bool bAtBottom = it == buttons.begin();
    const bool bAtTop = std::next(it) == buttons.end();
    switch (move) {
    case StackMove::Backward:
        if (bAtBottom)
            return false;
        std::iter_swap(it, std::prev(it));
        return true;
    case StackMove::Forward:
        if (bAtTop)
            return false;
        std::iter_swap(it, std::next(it));
        return true;
    case StackMove::ToBack:
        if (bAtBottom)
            return false;
        std::rotate(buttons.begin(), it, std::next(it));
        return true;
    case StackMove::ToFront:
        if (bAtTop)
            return false;
        std::rotate(it, std::next(it), buttons.end());
        return true;
    }
    return false;
}

} // namespace tb
