#include "workbench/newdialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/profile/profile.h"
#include "platform/ui/qt/qtstring.h"
#include "platform/ui/web/browserpanewidget.h"
#include "workbench/core/helptopics.h"
#include "workbench/core/namerule.h"
#include "workbench/core/previewpage.h"
#include "workbench/core/tessera.h"
#include "workbench/core/workbenchstrings.h"

namespace tb {

namespace {
const char kPreviewSection[] = "Preview";
const char kNewPreviewEntry[] = "New Preview";
// Room left right of "Preview >>" when the preview is folded away.
constexpr int kCollapsedMargin = 15;
} // namespace

CDlgNew::CDlgNew(CTessera& target, std::string workFolder, std::string userTemplateFolder,
                 QWidget* parent)
    : CHelpDialog(IDD_NEW, parent), m_target(target), m_pLister(std::make_unique<CTessera>()),
      m_strWorkFolder(std::move(workFolder)), m_pName(new QLineEdit), m_pDescription(new QLineEdit),
      m_pBlank(new QRadioButton(QStringLiteral("Create &blank widget"))),
      m_pFromTemplate(new QRadioButton(QStringLiteral("Create from &template"))),
      m_pList(new QListWidget), m_pTemplateDescription(new QLabel),
      m_pPreviewButton(new QPushButton(QStringLiteral("&Preview >>"))),
      m_pOk(new QPushButton(QStringLiteral("OK"))) {
    setWindowTitle(QStringLiteral("New"));
    // The dialog ends through OK or Cancel only.
    setWindowFlags(windowFlags() & ~Qt::WindowCloseButtonHint);

    const CBrowserPaneWidget pane = CreateBrowserPane(this);
    m_pPaneWidget = pane.pWidget;
    m_pPane = pane.pPane;
    m_pPaneWidget->setMinimumSize(520, 320);
    m_pPaneWidget->setToolTip(QStringLiteral("How the new widget looks"));
    m_pPane->Navigate(kAboutBlank);

    m_pName->setToolTip(QStringLiteral("Letters A to Z and digits only"));
    m_pDescription->setToolTip(QStringLiteral("A few words on what the widget is for"));
    m_pList->setToolTip(QStringLiteral("The templates a widget can start from"));
    m_pList->setMinimumHeight(120);
    m_pTemplateDescription->setWordWrap(true);
    m_pTemplateDescription->setMinimumHeight(40);
    m_pTemplateDescription->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_pPreviewButton->setCheckable(true);
    m_pPreviewButton->setToolTip(QStringLiteral("Show or hide the preview"));
    m_pOk->setDefault(true);
    auto* pCancel = new QPushButton(QStringLiteral("Cancel"));

    auto* pForm = new QFormLayout;
    pForm->addRow(QStringLiteral("&Name:"), m_pName);
    pForm->addRow(QStringLiteral("&Description:"), m_pDescription);
    auto* pPreviewRow = new QHBoxLayout;
    pPreviewRow->addStretch();
    pPreviewRow->addWidget(m_pPreviewButton);
    auto* pButtons = new QHBoxLayout;
    pButtons->addStretch();
    pButtons->addWidget(m_pOk);
    pButtons->addWidget(pCancel);

    auto* pLeft = new QVBoxLayout;
    pLeft->addLayout(pForm);
    pLeft->addWidget(m_pBlank);
    pLeft->addWidget(m_pFromTemplate);
    pLeft->addWidget(m_pList, 1);
    pLeft->addWidget(m_pTemplateDescription);
    pLeft->addLayout(pPreviewRow);
    pLeft->addLayout(pButtons);
    auto* pLeftWidget = new QWidget;
    pLeftWidget->setLayout(pLeft);
    pLeft->setContentsMargins(0, 0, 0, 0);
    pLeftWidget->setFixedWidth(300);

    auto* pLayout = new QHBoxLayout(this);
    pLayout->addWidget(pLeftWidget);
    pLayout->addWidget(m_pPaneWidget, 1);
    setTabOrder(m_pName, m_pDescription);
    setTabOrder(m_pDescription, m_pBlank);
    setTabOrder(m_pBlank, m_pFromTemplate);
    setTabOrder(m_pFromTemplate, m_pList);
    setTabOrder(m_pList, m_pPreviewButton);
    setTabOrder(m_pPreviewButton, m_pOk);
    setTabOrder(m_pOk, pCancel);

    connect(m_pOk, &QPushButton::clicked, this, &CDlgNew::accept);
    connect(pCancel, &QPushButton::clicked, this, &CDlgNew::reject);
    connect(m_pBlank, &QRadioButton::clicked, this, [this] { OnChoice(false); });
    connect(m_pFromTemplate, &QRadioButton::clicked, this, [this] { OnChoice(true); });
    connect(m_pList, &QListWidget::currentRowChanged, this, &CDlgNew::OnSelectionChanged);

    m_bUsable = m_pLister->CreateFromProgID(LoadHostString(IDS_WIDGET_PROGID));
    if (!m_bUsable)
        return;
    m_pName->setText(QStringLiteral("NewButton"));
    m_templates = ListTemplates(*m_pLister, userTemplateFolder);
    {
        const QSignalBlocker block(m_pList);
        for (const std::string& name : m_templates.names)
            m_pList->addItem(ToQString(name));
        if (m_templates.Size() > 0) {
            m_pList->setCurrentRow(0);
            m_nShownRow = 0;
            m_pTemplateDescription->setText(ToQString(m_templates.descriptions[0]));
        }
    }

    m_pBlank->setChecked(true);
    m_pList->setEnabled(false);
    const bool bPreview = GetProfileInt(kPreviewSection, kNewPreviewEntry, 1) != 0;
    {
        const QSignalBlocker block(m_pPreviewButton);
        m_pPreviewButton->setChecked(bPreview);
    }
    if (bPreview)
        ShowBlankPreview();
    connect(m_pPreviewButton, &QPushButton::toggled, this, &CDlgNew::OnPreviewToggled);
    m_pName->setFocus();
    m_pName->selectAll();
}

CDlgNew::~CDlgNew() = default;

int CDlgNew::exec() {
    if (!m_bUsable)
        return QDialog::Rejected;
    return QDialog::exec();
}

void CDlgNew::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_nFullWidth != 0)
        return;
    // The widths are known once the layout has placed everything.
    layout()->activate();
    m_nFullWidth = width();
    m_nCollapsedWidth =
        m_pPreviewButton->mapTo(this, QPoint(m_pPreviewButton->width(), 0)).x() + kCollapsedMargin;
    if (!IsPreviewOn())
        Collapse();
}

bool CDlgNew::IsPreviewOn() const {
    return m_pPreviewButton->isChecked();
}

void CDlgNew::OnChoice(bool bFromTemplate) {
    if (bFromTemplate == m_bFromTemplate)
        return;
    m_bFromTemplate = bFromTemplate;
    m_pList->setEnabled(bFromTemplate);
    ShowPreview();
}

void CDlgNew::OnSelectionChanged(int nRow) {
    if (nRow == m_nShownRow)
        return;
    m_nShownRow = nRow;
    const bool bValid = nRow >= 0 && static_cast<size_t>(nRow) < m_templates.Size();
    m_pTemplateDescription->setText(bValid ? ToQString(m_templates.descriptions[nRow]) : QString());
    ShowPreview();
}

void CDlgNew::OnPreviewToggled(bool bOn) {
    if (!bOn) {
        Collapse();
        return;
    }
    Expand();
    if (m_bPreviewStale)
        ShowPreview();
}

void CDlgNew::ShowPreview() {
    if (!IsPreviewOn()) {
        m_bPreviewStale = true;
        return;
    }
    m_bPreviewStale = false;
    if (m_bFromTemplate)
        ShowTemplatePreview(m_pList->currentRow());
    else
        ShowBlankPreview();
}

void CDlgNew::ShowTemplatePreview(int nRow) {
    const std::string path = nRow >= 0 && static_cast<size_t>(nRow) < m_templates.Size()
                                 ? m_templates.paths[static_cast<size_t>(nRow)]
                                 : std::string();
    std::string page;
    if (m_pLister->ReadConfigFile(path))
        page = BuildPreviewPage(m_pLister.get(), m_strWorkFolder);
    m_pPane->Navigate(page.empty() ? kAboutBlank : page);
}

void CDlgNew::ShowBlankPreview() {
    std::string page;
    {
        CTessera blank;
        if (blank.CreateFromProgID(LoadHostString(IDS_WIDGET_PROGID)))
            page = BuildPreviewPage(&blank, m_strWorkFolder);
    }
    m_pPane->Navigate(page.empty() ? kAboutBlank : page);
}

void CDlgNew::Collapse() {
    m_pPaneWidget->hide();
    layout()->activate();
    setMinimumWidth(0);
    resize(m_nCollapsedWidth, height());
}

void CDlgNew::Expand() {
    m_pPaneWidget->show();
    layout()->activate();
    resize(m_nFullWidth, height());
}

void CDlgNew::accept() {
    const std::string name = ToUtf8(m_pName->text());
    if (!ValidateWidgetName(name)) {
        m_pName->setFocus();
        m_pName->selectAll();
        return;
    }
    if (m_bFromTemplate) {
        const int nRow = m_pList->currentRow();
        if (nRow >= 0 && static_cast<size_t>(nRow) < m_templates.Size())
            m_target.ReadConfigFile(m_templates.paths[static_cast<size_t>(nRow)]);
        m_target.SetTitle(name);
        m_target.SetDescription(ToUtf8(m_pDescription->text()));
        m_target.SetPreviewPath("");
    }
    WriteProfileInt(kPreviewSection, kNewPreviewEntry, IsPreviewOn() ? 1 : 0);
    QDialog::accept();
}

} // namespace tb
