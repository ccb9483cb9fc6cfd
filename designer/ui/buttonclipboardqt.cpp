#include "designer/ui/buttonclipboardqt.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace tb {

namespace {

QClipboard* Clipboard() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance())
               ? QGuiApplication::clipboard()
               : nullptr;
}

} // namespace

QString ButtonMimeType() {
    return QStringLiteral("application/x-brisko-preview");
}

CButtonClipboardQt::CButtonClipboardQt(QObject* pParent) : QObject(pParent) {
    if (QClipboard* pClipboard = Clipboard())
        connect(pClipboard, &QClipboard::dataChanged, this, &CButtonClipboardQt::Changed);
}

bool CButtonClipboardQt::SetButtons(const std::string& archive, const std::string& text) {
    QClipboard* pClipboard = Clipboard();
    if (!pClipboard)
        return false;
    auto* pData = new QMimeData;
    pData->setData(ButtonMimeType(), QByteArray(archive.data(), qsizetype(archive.size())));
    pData->setText(QString::fromUtf8(text.data(), qsizetype(text.size())));
    pClipboard->setMimeData(pData); // the clipboard owns it from here
    // A clipboard that could not take the data (no desktop to hold it) does not show it back.
    return OffersButtons();
}

bool CButtonClipboardQt::OffersButtons() const {
    QClipboard* pClipboard = Clipboard();
    const QMimeData* pData = pClipboard ? pClipboard->mimeData() : nullptr;
    return pData && pData->hasFormat(ButtonMimeType());
}

std::optional<std::string> CButtonClipboardQt::GetButtons() const {
    QClipboard* pClipboard = Clipboard();
    const QMimeData* pData = pClipboard ? pClipboard->mimeData() : nullptr;
    if (!pData || !pData->hasFormat(ButtonMimeType()))
        return std::nullopt;
    const QByteArray bytes = pData->data(ButtonMimeType());
    return std::string(bytes.constData(), size_t(bytes.size()));
}

} // namespace tb
