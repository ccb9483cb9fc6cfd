#pragma once
// The design view: the canvas widget that fills the design window. It paints the applet and
// its buttons through the canvas painter into an off-screen image (only the area that needs
// it), and turns Qt's mouse and key events into calls of its CDrawViewCore, which holds all
// editing logic. Pages and commands work through Core().

#include <QWidget>
#include <optional>

#include "designer/core/drawviewcore.h"
#include "designer/paint/buttonpaint.h"

class CAppletParameters;

namespace tb {

class CDrawView : public QWidget, public IViewWindow {
    Q_OBJECT

public:
    CDrawView(CAppletParameters& params, IDesignerSheets& sheets, QWidget* pParent = nullptr);
    ~CDrawView() override;

    CDrawViewCore& Core() { return m_core; }
    CAppletParameters& Params() const { return m_core.Params(); }

    // The client area as the view paints it: canvas, handles and rubber band.
    QImage RenderClient(const QRect& area);

    // --- IViewWindow
    void InvalidateClient(const CRect& rect) override;
    void InvalidateWholeClient() override;
    void SetCapture() override;
    void ReleaseCapture() override;
    bool HasCapture() const override { return m_bCaptured; }
    void SetViewCursor(ViewCursor cursor) override;
    void ShowFocusRect(const CRect* pRect) override;

signals:
    // The client area changed size (the applet's size follows it while the window tracks it).
    void ClientResized(QSize size);
    // Mouse or key input was handled: the selection or the tool may have changed.
    void InputHandled();
    // The right button was pressed and its click replayed; the context menu belongs there.
    void ContextMenuRequested(QPoint globalPos);

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;
    void changeEvent(QEvent* pEvent) override;
    void showEvent(QShowEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    // Tab advances the selection instead of moving the focus.
    bool focusNextPrevChild(bool bNext) override;

private:
    // A press on an inactive view activates its window first, as a click on a window does.
    void ActivateForInput();
    void InvalidateFocusRectFrame(const CRect& rect);

    CDrawViewCore m_core;
    CLastPaintedState m_lastPainted; // one per designer run: every run starts in "normal"
    bool m_bCaptured = false;
    std::optional<CRect> m_focusRect;
};

} // namespace tb
