#pragma once
// The desktop's clipboard behind IButtonClipboard: copied buttons under a private MIME type
// (the format "Brisko Preview"), and their labels as plain text for every other program.
// Other processes of this system, and other designers of this one, paste them back.

#include <QObject>
#include <QString>

#include "designer/core/buttonclipboard.h"

namespace tb {

// The MIME type the buttons' archive travels under.
QString ButtonMimeType();

class CButtonClipboardQt : public QObject, public IButtonClipboard {
    Q_OBJECT

public:
    explicit CButtonClipboardQt(QObject* pParent = nullptr);

    bool SetButtons(const std::string& archive, const std::string& text) override;
    bool OffersButtons() const override;
    std::optional<std::string> GetButtons() const override;

signals:
    // Anything put on the clipboard, here or by another program: Paste may have come or gone.
    void Changed();
};

} // namespace tb
