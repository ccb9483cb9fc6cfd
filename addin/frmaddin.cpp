#include "addin/frmaddin.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "addin/core/addinmessages.h"

namespace tb::addin {

CFrmAddIn::CFrmAddIn(host::IPageEditorApplication& application, std::function<void()> cancel,
                     QWidget* parent)
    : QDialog(parent), m_application(application) {
    setWindowTitle(QStringLiteral("AmbrelWidget"));
    auto* pText =
        new QLabel(QStringLiteral("Ambrel Widgets is connected to the page editor."), this);
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    pButtons->button(QDialogButtonBox::Ok)
        ->setToolTip(QStringLiteral("Tell which page the add-in works on"));
    pButtons->button(QDialogButtonBox::Cancel)->setToolTip(QStringLiteral("Hide this form"));
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(pText);
    pLayout->addWidget(pButtons);
    connect(pButtons, &QDialogButtonBox::accepted, this, [this] {
        host::IPageWindow* window = m_application.ActivePageWindow();
        ShowMessage(kAddInOperationOn + (window ? window->Address() : std::string()));
    });
    connect(pButtons, &QDialogButtonBox::rejected, this, [cancel] {
        if (cancel)
            cancel();
    });
}

} // namespace tb::addin
