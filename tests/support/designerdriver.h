#pragma once
// Drives a designer that a modal call (Config, tessera edit) is about to open, from the
// test's side: once the dialog shows, it looks at the windows, draws one button as a user
// would when asked (the palette's button tool, then a click on the canvas) and closes the
// dialog, which ends the modal call. Finds everything by title, so that it also works on a
// designer inside a loaded module.

#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <optional>

#include "tests/support/widgetapp.h"

namespace tb::test {

struct CDesignerSeen {
    QWidget* pDialog = nullptr;
    QWidget* pDesignWindow = nullptr;
    QWidget* pPalette = nullptr;
    QWidget* pCanvas = nullptr;
};

class CDesignerDriver {
public:
    // drawAt: where to draw a button, or nothing to draw none. onOpen runs first.
    explicit CDesignerDriver(std::optional<QPoint> drawAt = std::nullopt,
                             std::function<void(const CDesignerSeen&)> onOpen = {}) {
        m_poll.setInterval(20);
        QObject::connect(&m_poll, &QTimer::timeout, [this, drawAt, onOpen] {
            CDesignerSeen seen;
            seen.pDialog = VisibleWindow("Button Properties");
            if (!seen.pDialog)
                return;
            m_poll.stop();
            seen.pDesignWindow = VisibleWindow("Button Design");
            seen.pPalette = VisibleWindow("Palette");
            seen.pCanvas = seen.pDesignWindow ? seen.pDesignWindow->focusProxy() : nullptr;
            m_seen = seen;
            if (onOpen)
                onOpen(seen);
            if (drawAt && seen.pPalette && seen.pCanvas) {
                for (QToolButton* pButton : seen.pPalette->findChildren<QToolButton*>()) {
                    if (pButton->toolTip() == "Hold and drag to draw a button")
                        QTest::mouseClick(pButton, Qt::LeftButton);
                }
                QTest::mouseClick(seen.pCanvas, Qt::LeftButton, {}, *drawAt);
            }
            seen.pDialog->close();
        });
        m_poll.start();
    }

    // What the driver found when the designer opened; all null while it never opened.
    const CDesignerSeen& Seen() const { return m_seen; }
    bool DesignerOpened() const { return m_seen.pDialog != nullptr; }

private:
    QTimer m_poll;
    CDesignerSeen m_seen;
};

} // namespace tb::test
