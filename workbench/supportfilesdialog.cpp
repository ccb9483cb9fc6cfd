#include "workbench/supportfilesdialog.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <optional>

#include "platform/ui/qt/qtstring.h"
#include "platform/ui/uiservices.h"
#include "workbench/core/helptopics.h"
#include "workbench/core/workbenchstrings.h"

namespace tb {

CDlgSupportFiles::CDlgSupportFiles(CTessera& widget, QWidget* parent)
    : CHelpDialog(IDD_SUPPORT_FILES, parent), m_files(ListSupportFiles(widget)),
      m_pList(new QTreeWidget) {
    setWindowTitle(QStringLiteral("Support Files"));
    auto* pLabel =
        new QLabel(QStringLiteral("Your Brisko has used these image,audio and class &files:"));
    pLabel->setBuddy(m_pList);

    const QStringList headings = {ToQString(LoadHostString(IDS_COLUMN_FILE_NAME)),
                                  ToQString(LoadHostString(IDS_COLUMN_SOURCE_PATH)),
                                  ToQString(LoadHostString(IDS_COLUMN_WEB_PATH))};
    m_pList->setHeaderLabels(headings);
    m_pList->setRootIsDecorated(false);
    m_pList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pList->setToolTip(QStringLiteral("The selected files are copied"));
    const QFontMetrics metrics(m_pList->header()->font());
    const int extra[] = {50, 140, 120};
    for (int i = 0; i < 3; ++i)
        m_pList->setColumnWidth(i, metrics.horizontalAdvance(headings[i]) + extra[i]);
    for (const CSupportFile& file : m_files) {
        auto* pItem = new QTreeWidgetItem(
            {ToQString(file.name), ToQString(file.localPath), ToQString(file.webPath)});
        m_pList->addTopLevelItem(pItem);
        pItem->setSelected(true);
    }
    m_pList->setMinimumSize(560, 220);

    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok);
    QPushButton* pCopy =
        pButtons->addButton(QStringLiteral("&Copy to..."), QDialogButtonBox::ActionRole);
    pCopy->setToolTip(QStringLiteral("Copy the selected files into a folder"));
    connect(pCopy, &QPushButton::clicked, this, &CDlgSupportFiles::OnCopyTo);
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(pLabel);
    pLayout->addWidget(m_pList);
    pLayout->addWidget(pButtons);
}

void CDlgSupportFiles::OnCopyTo() {
    std::vector<CSupportFile> selected;
    for (int i = 0; i < m_pList->topLevelItemCount(); ++i) {
        if (m_pList->topLevelItem(i)->isSelected())
            selected.push_back(m_files[static_cast<size_t>(i)]);
    }
    if (selected.empty()) {
        AfxMessageBox(LoadHostString(IDS_SELECT_FILES_TO_COPY));
        return;
    }
    const std::optional<std::string> folder = Ui().BrowseForFolder("Choose a directory", {});
    if (!folder)
        return;
    AfxMessageBox(SupportFilesCopiedMessage(*folder, CopySupportFiles(selected, *folder)));
}

} // namespace tb
