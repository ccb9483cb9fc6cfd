#pragma once
// The design view's logic with a recording window and recording sheets in place of the
// widgets: what was repainted, captured, shown and with which cursor.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

#include "designer/core/drawviewcore.h"
#include "model/appletparameters.h"
#include "model/drawrect.h"

namespace tb::test {

struct CRecordingWindow : IViewWindow {
    void InvalidateClient(const CRect& rect) override { invalidated.push_back(rect); }
    void InvalidateWholeClient() override { ++nWholeInvalidations; }
    void SetCapture() override { bCaptured = true; }
    void ReleaseCapture() override { bCaptured = false; }
    bool HasCapture() const override { return bCaptured; }
    void SetViewCursor(ViewCursor c) override { cursor = c; }
    void ShowFocusRect(const CRect* pRect) override {
        focusRect = pRect ? std::optional<CRect>(*pRect) : std::nullopt;
    }

    std::vector<CRect> invalidated;
    int nWholeInvalidations = 0;
    bool bCaptured = false;
    ViewCursor cursor = ViewCursor::Arrow;
    std::optional<CRect> focusRect;
};

struct CRecordingSheets : IDesignerSheets {
    enum class Sheet { Applet, Menu };
    void ShowMenuSheet() override {
        shown = Sheet::Menu;
        ++nMenuShows;
    }
    void ShowAppletSheet() override {
        shown = Sheet::Applet;
        ++nAppletShows;
    }
    void RefreshActivePage() override { ++nRefreshes; }
    int ActiveMenuPage() const override { return nActivePage; }
    void EditLabelBox(LabelBox box) override {
        shown = Sheet::Menu;
        editedBoxes.push_back(box);
    }

    Sheet shown = Sheet::Applet;
    int nMenuShows = 0;
    int nAppletShows = 0;
    int nRefreshes = 0;
    int nActivePage = -1;
    std::vector<LabelBox> editedBoxes;
};

class ViewFixture : public ::testing::Test {
protected:
    ViewFixture() { view.SetActive(true); }

    CDrawRect* AddButton(CRect r) { return params.AddButton(std::make_unique<CDrawRect>(r)); }
    size_t Snapshots() const { return params.m_history.undoList.size(); }

    void Press(int x, int y, unsigned flags = 0) { view.OnLButtonDown(MK_LBUTTON | flags, {x, y}); }
    void MoveTo(int x, int y, unsigned flags = 0) { view.OnMouseMove(MK_LBUTTON | flags, {x, y}); }
    void Release(int x, int y, unsigned flags = 0) { view.OnLButtonUp(flags, {x, y}); }
    void Click(int x, int y, unsigned flags = 0) {
        Press(x, y, flags);
        Release(x, y, flags);
    }
    void Drag(CPoint from, CPoint to, unsigned flags = 0) {
        Press(from.x, from.y, flags);
        MoveTo((from.x + to.x) / 2, (from.y + to.y) / 2, flags);
        MoveTo(to.x, to.y, flags);
        Release(to.x, to.y, flags);
    }

    CAppletParameters params;
    CRecordingWindow window;
    CRecordingSheets sheets;
    CDrawViewCore view{params, window, sheets};
};

} // namespace tb::test
