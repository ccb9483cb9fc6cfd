#include "workbench/renamedialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "platform/ui/qt/qtstring.h"
#include "workbench/core/helptopics.h"
#include "workbench/core/namerule.h"

namespace tb {

CDlgRename::CDlgRename(const std::string& name, const std::string& description, QWidget* parent)
    : CHelpDialog(IDD_RENAME, parent), m_pName(new QLineEdit(ToQString(name))),
      m_pDescription(new QLineEdit(ToQString(description))) {
    setWindowTitle(QStringLiteral("Rename"));
    m_pName->setToolTip(QStringLiteral("Letters A to Z and digits only"));
    m_pDescription->setToolTip(QStringLiteral("A few words on what the widget is for"));
    m_pName->setMinimumWidth(320);

    auto* pForm = new QFormLayout;
    pForm->addRow(QStringLiteral("&Name:"), m_pName);
    pForm->addRow(QStringLiteral("&Description:"), m_pDescription);

    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(pButtons, &QDialogButtonBox::accepted, this, &CDlgRename::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &CDlgRename::reject);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pForm);
    pLayout->addWidget(pButtons);
    setTabOrder(m_pName, m_pDescription);
    m_pName->setFocus();
    m_pName->selectAll();
}

std::string CDlgRename::Name() const {
    return ToUtf8(m_pName->text());
}

std::string CDlgRename::Description() const {
    return ToUtf8(m_pDescription->text());
}

void CDlgRename::accept() {
    if (!ValidateWidgetName(Name())) {
        // Back to the name, all of it selected, so that typing replaces it.
        m_pName->setFocus();
        m_pName->selectAll();
        return;
    }
    QDialog::accept();
}

} // namespace tb
