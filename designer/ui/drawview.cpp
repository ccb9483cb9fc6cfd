#include "designer/ui/drawview.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "designer/paint/canvaspaint.h"
#include "platform/surface/qt/qtrect.h"
#include "platform/surface/qt/qtsurface.h"

namespace tb {

namespace {

unsigned MouseFlagsOf(const QMouseEvent& event) {
    unsigned flags = 0;
    if (event.buttons() & Qt::LeftButton)
        flags |= MK_LBUTTON;
    if (event.buttons() & Qt::RightButton)
        flags |= MK_RBUTTON;
    if (event.modifiers() & Qt::ShiftModifier)
        flags |= MK_SHIFT;
    if (event.modifiers() & Qt::ControlModifier)
        flags |= MK_CONTROL;
    return flags;
}

CPoint ClientPoint(const QMouseEvent& event) {
    const QPoint p = event.position().toPoint();
    return {p.x(), p.y()};
}

Qt::CursorShape CursorShape(ViewCursor cursor) {
    switch (cursor) {
    case ViewCursor::Arrow:
        return Qt::ArrowCursor;
    case ViewCursor::Cross:
        return Qt::CrossCursor;
    case ViewCursor::SizeNWSE:
        return Qt::SizeFDiagCursor;
    case ViewCursor::SizeNS:
        return Qt::SizeVerCursor;
    case ViewCursor::SizeNESW:
        return Qt::SizeBDiagCursor;
    case ViewCursor::SizeWE:
        return Qt::SizeHorCursor;
    }
    return Qt::ArrowCursor;
}

} // namespace

CDrawView::CDrawView(CAppletParameters& params, IDesignerSheets& sheets, QWidget* pParent)
    : QWidget(pParent), m_core(params, *this, sheets) {
    // Every pixel is painted from the off-screen image: nothing to erase, nothing to flicker.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(1, 1);
}

CDrawView::~CDrawView() = default;

QImage CDrawView::RenderClient(const QRect& area) {
    CQtSurface surface(area.width(), area.height());
    surface.SetViewportOrg(-area.x(), -area.y());
    PaintAppletCanvas(surface, CRect{0, 0, width(), height()}, Params(), &m_core, m_lastPainted,
                      m_core.IsActive());
    if (m_focusRect)
        surface.DrawFocusRect(*m_focusRect);
    return surface.Image();
}

void CDrawView::paintEvent(QPaintEvent* pEvent) {
    QPainter painter(this);
    for (QRect area : pEvent->region()) {
        // The rubber band's dots follow the image's pixel grid: start every image on a pixel
        // of the client's even grid, so that the pieces of one band line up.
        if ((area.x() + area.y()) % 2 != 0) {
            if (area.x() > 0)
                area.setLeft(area.x() - 1);
            else
                area.setTop(area.y() - 1);
        }
        painter.drawImage(area.topLeft(), RenderClient(area));
    }
}

void CDrawView::resizeEvent(QResizeEvent* pEvent) {
    QWidget::resizeEvent(pEvent);
    emit ClientResized(size());
}

void CDrawView::changeEvent(QEvent* pEvent) {
    if (pEvent->type() == QEvent::ActivationChange)
        m_core.SetActive(isActiveWindow());
    QWidget::changeEvent(pEvent);
}

void CDrawView::showEvent(QShowEvent* pEvent) {
    QWidget::showEvent(pEvent);
    m_core.SetActive(isActiveWindow());
}

void CDrawView::ActivateForInput() {
    if (m_core.IsActive())
        return;
    activateWindow();
    setFocus(Qt::MouseFocusReason);
    m_core.SetActive(true);
}

void CDrawView::mousePressEvent(QMouseEvent* pEvent) {
    ActivateForInput();
    if (pEvent->button() == Qt::LeftButton) {
        m_core.OnLButtonDown(MouseFlagsOf(*pEvent), ClientPoint(*pEvent));
    } else if (pEvent->button() == Qt::RightButton) {
        m_core.OnRButtonDown(MouseFlagsOf(*pEvent), ClientPoint(*pEvent));
        emit InputHandled();
        emit ContextMenuRequested(pEvent->globalPosition().toPoint());
        return;
    }
    emit InputHandled();
}

void CDrawView::mouseReleaseEvent(QMouseEvent* pEvent) {
    if (pEvent->button() != Qt::LeftButton)
        return;
    m_core.OnLButtonUp(MouseFlagsOf(*pEvent), ClientPoint(*pEvent));
    emit InputHandled();
}

void CDrawView::mouseDoubleClickEvent(QMouseEvent* pEvent) {
    if (pEvent->button() == Qt::LeftButton) {
        m_core.OnLButtonDblClk(MouseFlagsOf(*pEvent), ClientPoint(*pEvent));
        emit InputHandled();
    } else {
        mousePressEvent(pEvent);
    }
}

void CDrawView::mouseMoveEvent(QMouseEvent* pEvent) {
    m_core.OnMouseMove(MouseFlagsOf(*pEvent), ClientPoint(*pEvent));
}

void CDrawView::keyPressEvent(QKeyEvent* pEvent) {
    switch (pEvent->key()) {
    case Qt::Key_Tab:
        if (pEvent->modifiers() == Qt::NoModifier) {
            m_core.AdvanceSelection();
            emit InputHandled();
            return;
        }
        break;
    case Qt::Key_Escape:
        m_core.OnCancel();
        emit InputHandled();
        return;
    }
    QWidget::keyPressEvent(pEvent);
}

bool CDrawView::focusNextPrevChild(bool) {
    return false;
}

void CDrawView::InvalidateClient(const CRect& rect) {
    update(ToQRect(rect.Normalized()));
}

void CDrawView::InvalidateWholeClient() {
    update();
}

void CDrawView::SetCapture() {
    m_bCaptured = true;
}

void CDrawView::ReleaseCapture() {
    m_bCaptured = false;
}

void CDrawView::SetViewCursor(ViewCursor cursor) {
    setCursor(CursorShape(cursor));
}

void CDrawView::ShowFocusRect(const CRect* pRect) {
    if (m_focusRect)
        InvalidateFocusRectFrame(*m_focusRect);
    m_focusRect = pRect ? std::optional<CRect>(pRect->Normalized()) : std::nullopt;
    if (m_focusRect)
        InvalidateFocusRectFrame(*m_focusRect);
}

void CDrawView::InvalidateFocusRectFrame(const CRect& r) {
    // Only the one-pixel frame changes; the inside keeps its pixels.
    update(ToQRect({r.left, r.top, r.right, r.top + 1}));
    update(ToQRect({r.left, r.bottom - 1, r.right, r.bottom}));
    update(ToQRect({r.left, r.top, r.left + 1, r.bottom}));
    update(ToQRect({r.right - 1, r.top, r.right, r.bottom}));
}

} // namespace tb
