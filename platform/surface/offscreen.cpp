#include "platform/surface/offscreen.h"

#include <memory>

#include "platform/surface/surface.h"

namespace tb {

bool ComposeOffscreen(CSurface& target, const CRect& area,
                      const std::function<void(CSurface& memory)>& paint) {
    CRect visible;
    if (!visible.IntersectRect(area.Normalized(), target.GetClipBox()))
        return false;
    std::unique_ptr<CSurface> pMemory = target.CreateCompatible(visible.Width(), visible.Height());
    if (pMemory->GetWidth() == 0)
        return false;
    pMemory->SetViewportOrg(-visible.left, -visible.top);
    pMemory->SelectFont(target.GetFont());
    pMemory->BitBlt(visible.left, visible.top, visible.Width(), visible.Height(), target,
                    visible.left, visible.top);
    paint(*pMemory);
    target.BitBlt(visible.left, visible.top, visible.Width(), visible.Height(), *pMemory,
                  visible.left, visible.top);
    return true;
}

} // namespace tb
