#pragma once
// The preview panes' windows: a web view behind the browser-pane interface, made through a
// factory that tests replace with a pane that records where it was sent (a web engine is
// slow to start and needs a GPU-less set-up of its own).

#include <QWebEngineView>

#include <functional>

#include "platform/ui/browserpane.h"

namespace tb {

// One pane: the window to place and the interface to navigate it; the window owns the pane.
struct CBrowserPaneWidget {
    QWidget* pWidget = nullptr;
    CBrowserPane* pPane = nullptr;
};

using BrowserPaneFactory = std::function<CBrowserPaneWidget(QWidget* parent)>;

// A pane from the installed factory; a web view without one.
CBrowserPaneWidget CreateBrowserPane(QWidget* parent);
// Installs a factory (an empty one restores the web view) and returns the one before.
BrowserPaneFactory SetBrowserPaneFactory(BrowserPaneFactory factory);

class CWebBrowserPane : public QWebEngineView, public CBrowserPane {
    Q_OBJECT

public:
    explicit CWebBrowserPane(QWidget* parent = nullptr);
    void Navigate(const std::string& pathOrBlank) override;
};

// The web engine's needs that must be met before the application object exists: shared
// graphics contexts, and, for root, which the engine's sandbox refuses, no sandbox.
void PrepareWebEngine();

} // namespace tb
