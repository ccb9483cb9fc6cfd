#pragma once
// A design view's window and designer sheets for benchmarks that run the view's logic without
// windows: nothing repaints, no sheet shows.

#include "designer/core/viewhost.h"

namespace tb::bench {

class CNoWindow : public IViewWindow {
public:
    void InvalidateClient(const CRect&) override {}
    void InvalidateWholeClient() override {}
    void SetCapture() override { m_bCaptured = true; }
    void ReleaseCapture() override { m_bCaptured = false; }
    bool HasCapture() const override { return m_bCaptured; }
    void SetViewCursor(ViewCursor) override {}
    void ShowFocusRect(const CRect*) override {}

private:
    bool m_bCaptured = false;
};

// Buttons paint in the normal state.
class CNoSheets : public IDesignerSheets {
public:
    void ShowMenuSheet() override {}
    void ShowAppletSheet() override {}
    void RefreshActivePage() override {}
    int ActiveMenuPage() const override { return -1; }
    void EditLabelBox(LabelBox) override {}
};

} // namespace tb::bench
