#include "workbench/browserdialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/ui/qt/qtstring.h"
#include "platform/ui/uiservices.h"
#include "workbench/core/browseroptions.h"
#include "workbench/core/helptopics.h"
#include "workbench/core/workbenchstrings.h"

namespace tb {

namespace {

// Any program may be a browser here: there is no extension that marks one.
const char kProgramFilter[] = "Web Browser(all files) | *||";
const char kProgramFolder[] = "/usr/bin";

QListWidget* NewList(int nControlId, const QString& tip) {
    auto* pList = new QListWidget;
    pList->setProperty("controlId", nControlId);
    pList->setToolTip(tip);
    pList->setMinimumSize(220, 150);
    return pList;
}

} // namespace

CDlgWebBrowser::CDlgWebBrowser(QWidget* parent, BrowserList::ProgramLookup findProgram)
    : CHelpDialog(IDD_WEB_BROWSER, parent),
      m_pBrowsers(findProgram ? std::make_unique<BrowserList>(std::move(findProgram))
                              : std::make_unique<BrowserList>()),
      m_pInstalled(NewList(IDC_INSTALLED_LIST,
                           QStringLiteral("The browsers found on this computer; previews can "
                                          "always use these"))),
      m_pSpecified(NewList(IDC_SPECIFIED_LIST,
                           QStringLiteral("Browsers you added; the designer's preview menu "
                                          "lists them too"))),
      m_pName(new QLineEdit), m_pPath(new QLineEdit), m_pBrowse(new QPushButton("...")),
      m_pAdd(new QPushButton(QStringLiteral("&Add"))),
      m_pDelete(new QPushButton(QStringLiteral("&Delete"))) {
    setWindowTitle(QStringLiteral("Web Browser"));

    m_pName->setToolTip(QStringLiteral("The name the preview menu shows, such as \"My Browser\""));
    m_pPath->setToolTip(QStringLiteral("The program that opens a page given on its command line"));
    m_pBrowse->setToolTip(QStringLiteral("Choose the browser's program"));
    m_pAdd->setToolTip(QStringLiteral("Add the browser to your list"));
    m_pDelete->setToolTip(QStringLiteral("Remove the selected browser from your list"));
    m_pPath->setMinimumWidth(320);
    const int nBrowseWidth = m_pBrowse->fontMetrics().horizontalAdvance(QStringLiteral("...")) * 4;
    m_pBrowse->setMaximumWidth(nBrowseWidth);

    auto* pInstalledLabel = new QLabel(QStringLiteral("&Installed Browser List"));
    pInstalledLabel->setBuddy(m_pInstalled);
    auto* pSpecifiedLabel = new QLabel(QStringLiteral("&Specify Browser List"));
    pSpecifiedLabel->setBuddy(m_pSpecified);

    auto* pLists = new QGridLayout;
    pLists->addWidget(pInstalledLabel, 0, 0);
    pLists->addWidget(m_pInstalled, 1, 0, 2, 1);
    pLists->addWidget(pSpecifiedLabel, 0, 1);
    pLists->addWidget(m_pSpecified, 1, 1);
    auto* pDeleteRow = new QHBoxLayout;
    pDeleteRow->addStretch();
    pDeleteRow->addWidget(m_pDelete);
    pLists->addLayout(pDeleteRow, 2, 1);

    auto* pNewGroup = new QGroupBox(QStringLiteral("New Web Browser"));
    auto* pPathRow = new QHBoxLayout;
    pPathRow->addWidget(m_pPath, 1);
    pPathRow->addWidget(m_pBrowse);
    auto* pForm = new QFormLayout;
    pForm->addRow(QStringLiteral("&Name:"), m_pName);
    // A label of a row of several controls names its buddy itself.
    auto* pPathLabel = new QLabel(QStringLiteral("File &Path:"));
    pPathLabel->setBuddy(m_pPath);
    pForm->addRow(pPathLabel, pPathRow);
    auto* pAddRow = new QHBoxLayout;
    pAddRow->addStretch();
    pAddRow->addWidget(m_pAdd);
    auto* pGroupLayout = new QVBoxLayout(pNewGroup);
    pGroupLayout->addLayout(pForm);
    pGroupLayout->addLayout(pAddRow);

    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(pButtons, &QDialogButtonBox::rejected, this, &CDlgWebBrowser::reject);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pLists);
    pLayout->addWidget(pNewGroup);
    pLayout->addWidget(pButtons);

    connect(m_pBrowse, &QPushButton::clicked, this, &CDlgWebBrowser::OnBrowse);
    connect(m_pAdd, &QPushButton::clicked, this, &CDlgWebBrowser::OnAdd);
    connect(m_pDelete, &QPushButton::clicked, this, &CDlgWebBrowser::OnDelete);
    // Enter in the new browser's fields adds it rather than closing the dialog.
    m_pAdd->setDefault(true);
    m_pAdd->setAutoDefault(true);

    setTabOrder(m_pInstalled, m_pSpecified);
    setTabOrder(m_pSpecified, m_pDelete);
    setTabOrder(m_pDelete, m_pName);
    setTabOrder(m_pName, m_pPath);
    setTabOrder(m_pPath, m_pBrowse);
    setTabOrder(m_pBrowse, m_pAdd);

    for (int i = 0; i < m_pBrowsers->specifiedCount(); ++i)
        m_pSpecified->addItem(ToQString(m_pBrowsers->specifiedName(i)));
    for (int i = 0; i < m_pBrowsers->knownCount(); ++i) {
        auto* pItem = new QListWidgetItem(ToQString(m_pBrowsers->knownName(i)), m_pInstalled);
        pItem->setToolTip(ToQString(m_pBrowsers->knownPath(i)));
    }
    m_pName->setFocus();
}

CDlgWebBrowser::~CDlgWebBrowser() = default;

void CDlgWebBrowser::OnBrowse() {
    FileDialogRequest request;
    request.filter = kProgramFilter;
    request.initialFolder = kProgramFolder;
    const std::optional<std::string> chosen = Ui().GetOpenFileName(request);
    if (chosen)
        m_pPath->setText(ToQString(*chosen));
}

void CDlgWebBrowser::OnAdd() {
    const std::string name = ToUtf8(m_pName->text());
    const std::string path = ToUtf8(m_pPath->text());
    if (name.empty() || path.empty()) {
        AfxMessageBox(LoadHostString(IDS_BROWSER_NAME_AND_PATH));
        return;
    }
    if (AddSpecifiedBrowser(*m_pBrowsers, path, name))
        m_pSpecified->addItem(ToQString(name));
}

void CDlgWebBrowser::OnDelete() {
    QListWidgetItem* pItem = m_pSpecified->currentItem();
    if (!pItem || !pItem->isSelected()) {
        AfxMessageBox(LoadHostString(IDS_BROWSER_SELECT_TO_DELETE));
        return;
    }
    if (DeleteSpecifiedBrowser(*m_pBrowsers, ToUtf8(pItem->text())))
        delete pItem;
}

} // namespace tb
