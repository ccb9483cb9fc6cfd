#include "addin/webpreviewpane.h"

#include <QUrl>

#include "platform/ui/qt/qtstring.h"

namespace tb::addin {

CWebPreviewPane::CWebPreviewPane(QWidget* parent) : QWebEngineView(parent) {
    setContextMenuPolicy(Qt::NoContextMenu);
}

void CWebPreviewPane::Navigate(const std::string& pathOrBlank) {
    if (pathOrBlank.empty() || pathOrBlank == kAboutBlank)
        setUrl(QUrl(QString::fromLatin1(kAboutBlank)));
    else
        setUrl(QUrl::fromLocalFile(ToQString(pathOrBlank)));
}

} // namespace tb::addin
