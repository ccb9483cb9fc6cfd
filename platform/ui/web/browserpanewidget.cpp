#include "platform/ui/web/browserpanewidget.h"

#include <QCoreApplication>
#include <QUrl>

#include <cstdlib>
#include <unistd.h>

#include "platform/ui/qt/qtstring.h"

namespace tb {

namespace {
BrowserPaneFactory& InstalledFactory() {
    static BrowserPaneFactory factory;
    return factory;
}
} // namespace

CBrowserPaneWidget CreateBrowserPane(QWidget* parent) {
    if (InstalledFactory())
        return InstalledFactory()(parent);
    auto* pView = new CWebBrowserPane(parent);
    return {pView, pView};
}

BrowserPaneFactory SetBrowserPaneFactory(BrowserPaneFactory factory) {
    BrowserPaneFactory previous = std::move(InstalledFactory());
    InstalledFactory() = std::move(factory);
    return previous;
}

CWebBrowserPane::CWebBrowserPane(QWidget* parent) : QWebEngineView(parent) {
    setContextMenuPolicy(Qt::NoContextMenu);
}

void CWebBrowserPane::Navigate(const std::string& pathOrBlank) {
    if (pathOrBlank.empty() || pathOrBlank == kAboutBlank)
        setUrl(QUrl(QString::fromLatin1(kAboutBlank)));
    else
        setUrl(QUrl::fromLocalFile(ToQString(pathOrBlank)));
}

void PrepareWebEngine() {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (::geteuid() == 0)
        ::setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);
}

} // namespace tb
