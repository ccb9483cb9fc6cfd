#include "workbench/templatedialogs.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>
#include <system_error>

#include "platform/core/paths.h"
#include "platform/ui/qt/qtstring.h"
#include "workbench/core/helptopics.h"
#include "workbench/core/namerule.h"
#include "workbench/core/tessera.h"
#include "workbench/core/workbenchstrings.h"

namespace tb {

namespace {

std::unique_ptr<CTessera> CreateLister(bool* pbCreated) {
    auto pWidget = std::make_unique<CTessera>();
    *pbCreated = pWidget->CreateFromProgID(LoadHostString(IDS_WIDGET_PROGID));
    return pWidget;
}

std::string TargetFolder(const std::string& userFolder, const CTessera& lister) {
    return userFolder.empty() ? lister.m_strFolder : userFolder;
}

const char kShippedTemplate[] =
    "\"%s\" is one of the program's own templates: it cannot be renamed or deleted.";

} // namespace

CDlgSaveAsTemplate::CDlgSaveAsTemplate(CTessera& widget, std::string userFolder, QWidget* parent)
    : CHelpDialog(IDD_SAVE_AS_TEMPLATE, parent),
      m_pName(new QLineEdit(ToQString(widget.GetTitle()))),
      m_pDescription(new QLineEdit(ToQString(widget.GetDescription()))), m_pTarget(new QLabel),
      m_pList(new QListWidget) {
    setWindowTitle(QStringLiteral("Save as Template"));
    m_pName->setToolTip(QStringLiteral("Letters A to Z and digits only"));
    m_pDescription->setToolTip(QStringLiteral("What new widgets from this template are for"));
    m_pTarget->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_pTarget->setWordWrap(true);
    m_pList->setToolTip(QStringLiteral("The templates there are already"));
    m_pList->setMinimumHeight(120);
    m_pName->setMinimumWidth(320);

    auto* pForm = new QFormLayout;
    pForm->addRow(QStringLiteral("&Name:"), m_pName);
    pForm->addRow(QStringLiteral("&Description:"), m_pDescription);
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(pButtons, &QDialogButtonBox::accepted, this, &CDlgSaveAsTemplate::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pForm);
    pLayout->addWidget(new QLabel(QStringLiteral("Widget's parameters will stored in:")));
    pLayout->addWidget(m_pTarget);
    pLayout->addWidget(new QLabel(QStringLiteral("Existing Templates:")));
    pLayout->addWidget(m_pList);
    pLayout->addWidget(pButtons);

    m_pLister = CreateLister(&m_bUsable);
    if (!m_bUsable) {
        AfxMessageBox(LoadHostString(IDS_TEMPLATE_SAVE_FAILED));
        return;
    }
    m_strFolder = TargetFolder(userFolder, *m_pLister);
    for (const std::string& name : ListTemplates(*m_pLister, userFolder).names)
        m_pList->addItem(ToQString(name));
    connect(m_pName, &QLineEdit::textChanged, this, &CDlgSaveAsTemplate::UpdateTarget);
    UpdateTarget();
    m_pName->setFocus();
    m_pName->selectAll();
}

CDlgSaveAsTemplate::~CDlgSaveAsTemplate() = default;

int CDlgSaveAsTemplate::exec() {
    return m_bUsable ? QDialog::exec() : QDialog::Rejected;
}

std::string CDlgSaveAsTemplate::Name() const {
    return ToUtf8(m_pName->text());
}
std::string CDlgSaveAsTemplate::Description() const {
    return ToUtf8(m_pDescription->text());
}
std::string CDlgSaveAsTemplate::TargetPath() const {
    return TemplatePath(m_strFolder, Name(), m_pLister->m_strProgID);
}

void CDlgSaveAsTemplate::UpdateTarget() {
    m_pTarget->setText(ToQString(TargetPath()));
}

void CDlgSaveAsTemplate::accept() {
    if (!ValidateWidgetName(Name())) {
        m_pName->setFocus();
        m_pName->selectAll();
        return;
    }
    if (FileExists(TargetPath())) {
        AfxMessageBox(FormatHostString(IDS_TEMPLATE_EXISTS, {TargetPath()}));
        return;
    }
    QDialog::accept();
}

void RunSaveAsTemplate(CTessera& widget, const std::string& userFolder, QWidget* parent) {
    CDlgSaveAsTemplate dialog(widget, userFolder, parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    SaveWidgetAsTemplate(widget, dialog.TargetPath(), dialog.Name(), dialog.Description());
}

CDlgManageTemplates::CDlgManageTemplates(std::string userFolder, QWidget* parent)
    : CHelpDialog(IDD_MANAGE_TEMPLATES, parent), m_pName(new QLineEdit),
      m_pDescription(new QLineEdit), m_pList(new QListWidget) {
    setWindowTitle(QStringLiteral("Manage Templates"));
    m_pName->setToolTip(QStringLiteral("The template's new name: letters A to Z and digits only"));
    m_pDescription->setToolTip(QStringLiteral("The template's description"));
    m_pList->setMinimumSize(320, 160);
    m_pList->setToolTip(QStringLiteral("Your templates and the program's own"));

    auto* pForm = new QFormLayout;
    pForm->addRow(QStringLiteral("&Name:"), m_pName);
    pForm->addRow(QStringLiteral("&Description:"), m_pDescription);
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok);
    QPushButton* pRename =
        pButtons->addButton(QStringLiteral("&Rename"), QDialogButtonBox::ActionRole);
    QPushButton* pDelete =
        pButtons->addButton(QStringLiteral("De&lete"), QDialogButtonBox::ActionRole);
    pRename->setToolTip(
        QStringLiteral("Give the selected template the name and description above"));
    pDelete->setToolTip(QStringLiteral("Delete the selected template"));
    connect(pRename, &QPushButton::clicked, this, &CDlgManageTemplates::OnRename);
    connect(pDelete, &QPushButton::clicked, this, &CDlgManageTemplates::OnDelete);
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* pListLabel = new QLabel(QStringLiteral("&Templates List:"));
    pListLabel->setBuddy(m_pList);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(pListLabel);
    pLayout->addWidget(m_pList);
    pLayout->addLayout(pForm);
    pLayout->addWidget(pButtons);

    m_pWidget = CreateLister(&m_bUsable);
    if (!m_bUsable) {
        AfxMessageBox(LoadHostString(IDS_MANAGE_TEMPLATES_FAILED));
        return;
    }
    m_strFolder = TargetFolder(userFolder, *m_pWidget);
    m_templates = ListTemplates(*m_pWidget, userFolder);
    FillList();
    if (m_templates.Size() > 0)
        m_nCurrent = 0;
    ShowCurrent();
    connect(m_pList, &QListWidget::currentRowChanged, this,
            &CDlgManageTemplates::OnSelectionChanged);
}

CDlgManageTemplates::~CDlgManageTemplates() = default;

int CDlgManageTemplates::exec() {
    return m_bUsable ? QDialog::exec() : QDialog::Rejected;
}

void CDlgManageTemplates::FillList() {
    const QSignalBlocker block(m_pList);
    m_pList->clear();
    for (const std::string& name : m_templates.names)
        m_pList->addItem(ToQString(name));
}

void CDlgManageTemplates::ShowCurrent() {
    const bool bValid = m_nCurrent >= 0 && static_cast<size_t>(m_nCurrent) < m_templates.Size();
    const QSignalBlocker block(m_pList);
    m_pList->setCurrentRow(bValid ? m_nCurrent : -1);
    m_pName->setText(bValid ? ToQString(m_templates.names[m_nCurrent]) : QString());
    m_pDescription->setText(bValid ? ToQString(m_templates.descriptions[m_nCurrent]) : QString());
}

void CDlgManageTemplates::OnSelectionChanged(int nRow) {
    if (nRow == m_nCurrent || nRow < 0)
        return;
    m_nCurrent = nRow;
    ShowCurrent();
}

bool CDlgManageTemplates::CheckChangeable() {
    if (m_nCurrent < 0) {
        AfxMessageBox(LoadHostString(IDS_SELECT_TEMPLATE));
        return false;
    }
    const size_t i = static_cast<size_t>(m_nCurrent);
    if (IsShippedTemplate(*m_pWidget, m_templates.paths[i])) {
        AfxMessageBox(FormatWithStrings(kShippedTemplate, {m_templates.names[i]}));
        return false;
    }
    return true;
}

void CDlgManageTemplates::OnDelete() {
    if (!CheckChangeable())
        return;
    const size_t i = static_cast<size_t>(m_nCurrent);
    if (AfxMessageBox(FormatHostString(IDS_ASK_DELETE_TEMPLATE, {m_templates.names[i]}),
                      MbButtons::OKCancel) != IDOK)
        return;
    std::error_code ec;
    std::filesystem::remove(m_templates.paths[i], ec);
    m_templates.Erase(i);
    FillList();
    if (static_cast<size_t>(m_nCurrent) >= m_templates.Size())
        --m_nCurrent;
    ShowCurrent();
}

void CDlgManageTemplates::OnRename() {
    if (!CheckChangeable())
        return;
    const size_t i = static_cast<size_t>(m_nCurrent);
    const std::string name = ToUtf8(m_pName->text());
    if (!ValidateWidgetName(name))
        return;
    const std::string newPath = TemplatePath(m_strFolder, name, m_pWidget->m_strProgID);
    if (FileExists(newPath)) {
        AfxMessageBox(FormatHostString(IDS_TEMPLATE_NAME_USED, {name}));
        return;
    }
    if (AfxMessageBox(FormatHostString(IDS_ASK_RENAME_TEMPLATE, {m_templates.names[i], name}),
                      MbButtons::OKCancel) != IDOK)
        return;
    const std::string description = ToUtf8(m_pDescription->text());
    m_pWidget->ReadConfigFile(m_templates.paths[i]);
    m_pWidget->SetTitle(name);
    m_pWidget->SetDescription(description);
    if (!m_pWidget->WriteConfigFile(newPath)) {
        AfxMessageBox(LoadHostString(IDS_RENAME_FAILED));
        return;
    }
    std::error_code ec;
    std::filesystem::remove(m_templates.paths[i], ec);
    m_templates.names[i] = name;
    m_templates.paths[i] = newPath;
    m_templates.descriptions[i] = description;
    FillList();
    ShowCurrent();
}

} // namespace tb
