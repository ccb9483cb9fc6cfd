#include "workbench/opendialog.h"

#include <QCheckBox>
#include <QGridLayout>

#include "platform/core/asciitext.h"
#include "platform/core/paths.h"
#include "platform/profile/profile.h"
#include "platform/ui/qt/qtstring.h"
#include "platform/ui/qt/qtuiservices.h"
#include "platform/ui/web/browserpanewidget.h"
#include "workbench/core/previewpage.h"
#include "workbench/core/tessera.h"
#include "workbench/core/workbenchstrings.h"

namespace tb {

namespace {
const char kPreviewSection[] = "Preview";
const char kOpenPreviewEntry[] = "Open Preview";

bool HasWidgetExtension(const std::string& path) {
    const std::string_view extension = ExtensionView(path);
    return !extension.empty() &&
           EqualsNoCase(extension.substr(1), LoadHostString(IDS_WIDGET_EXTENSION));
}
} // namespace

CDlgOpenWidget::CDlgOpenWidget(std::string workFolder, std::string programFolder,
                               const std::string& initialFolder, QWidget* parent)
    : QFileDialog(parent), m_pWidget(std::make_unique<CTessera>()),
      m_strWorkFolder(std::move(workFolder)), m_strProgramFolder(std::move(programFolder)),
      m_pPreviewCheck(new QCheckBox(QStringLiteral("Pre&view widget"))) {
    setWindowTitle(QStringLiteral("Open"));
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::ExistingFile);
    const QStringList filters = ToQtFilterList(kWidgetOpenFilter);
    setNameFilters(filters);
    if (!filters.isEmpty())
        selectNameFilter(filters.front());
    if (!initialFolder.empty())
        setDirectory(ToQString(initialFolder));

    const CBrowserPaneWidget pane = CreateBrowserPane(this);
    m_pPaneWidget = pane.pWidget;
    m_pPane = pane.pPane;
    m_pPaneWidget->setMinimumHeight(160);
    m_pPaneWidget->setToolTip(QStringLiteral("The widget in the chosen file"));
    m_pPreviewCheck->setToolTip(QStringLiteral("Show the chosen widget below"));
    if (auto* pGrid = qobject_cast<QGridLayout*>(layout())) {
        const int nRow = pGrid->rowCount();
        pGrid->addWidget(m_pPreviewCheck, nRow, 0, 1, pGrid->columnCount());
        pGrid->addWidget(m_pPaneWidget, nRow + 1, 0, 1, pGrid->columnCount());
    }
    m_pPane->Navigate(kAboutBlank);

    m_bUsable = m_pWidget->CreateFromProgID(LoadHostString(IDS_WIDGET_PROGID));
    m_pPreviewCheck->setChecked(GetProfileInt(kPreviewSection, kOpenPreviewEntry, 1) != 0);
    connect(m_pPreviewCheck, &QCheckBox::toggled, this, &CDlgOpenWidget::OnPreviewToggled);
    connect(this, &QFileDialog::currentChanged, this, &CDlgOpenWidget::OnSelectionChanged);
    connect(this, &QFileDialog::directoryEntered, this, &CDlgOpenWidget::OnFolderChanged);
}

CDlgOpenWidget::~CDlgOpenWidget() = default;

int CDlgOpenWidget::exec() {
    if (!m_bUsable)
        return QDialog::Rejected;
    return QFileDialog::exec();
}

void CDlgOpenWidget::OnSelectionChanged(const QString& path) {
    m_strSelected = ToUtf8(path);
    if (m_bIgnoreNextSelection) {
        m_bIgnoreNextSelection = false;
        return;
    }
    if (m_pPreviewCheck->isChecked())
        UpdatePreview();
}

void CDlgOpenWidget::OnFolderChanged() {
    m_pPane->Navigate(kAboutBlank);
    m_bIgnoreNextSelection = true;
}

void CDlgOpenWidget::UpdatePreview() {
    if (!HasWidgetExtension(m_strSelected) || !m_pWidget->ReadConfigFile(m_strSelected)) {
        m_pPane->Navigate(kAboutBlank);
        return;
    }
    if (m_pWidget->GetProgID() != LoadHostString(IDS_WIDGET_PROGID)) {
        m_pPane->Navigate(JoinPath(m_strProgramFolder, "previewerr.htm"));
        return;
    }
    const std::string page = BuildPreviewPage(m_pWidget.get(), m_strWorkFolder);
    m_pPane->Navigate(page.empty() ? kAboutBlank : page);
}

void CDlgOpenWidget::OnPreviewToggled(bool bOn) {
    if (bOn)
        UpdatePreview();
    else
        m_pPane->Navigate(kAboutBlank);
    WriteProfileInt(kPreviewSection, kOpenPreviewEntry, bOn ? 1 : 0);
}

} // namespace tb
