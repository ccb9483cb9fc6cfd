#include "designer/ui/dlgcopyresources.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "designer/ui/designerhelp.h"
#include "designer/ui/dlgbrowsefiles.h"
#include "platform/ui/qt/qtstring.h"
#include "platform/ui/uiservices.h"

namespace tb {

namespace {

constexpr char kCaption[] = "Copy Resources";

// Ends the in-place editing of a name through the dialog, which keeps or refuses it.
class CNameDelegate : public QStyledItemDelegate {
public:
    explicit CNameDelegate(CDlgCopyResources& dialog)
        : QStyledItemDelegate(&dialog), m_dialog(dialog) {}

    void setModelData(QWidget* pEditor, QAbstractItemModel*,
                      const QModelIndex& index) const override {
        if (auto* pEdit = qobject_cast<QLineEdit*>(pEditor))
            m_dialog.TakeTypedName(index.row(), pEdit->text());
    }

private:
    CDlgCopyResources& m_dialog;
};

int CaptionWidth(const QTreeWidget& list, const QString& caption) {
    return list.header()->fontMetrics().horizontalAdvance(caption) +
           2 * list.style()->pixelMetric(QStyle::PM_HeaderMargin) + 8;
}

} // namespace

CDlgCopyResources::CDlgCopyResources(std::string strDestFolder, QWidget* pParent)
    : QDialog(pParent), m_copies(std::move(strDestFolder)),
      m_clock([] { return std::time(nullptr); }), m_pDestination(new QLabel(this)),
      m_pList(new QTreeWidget(this)), m_pOk(new QPushButton(tr("OK"), this)),
      m_pRename(new QPushButton(tr("&Rename"), this)),
      m_pRenameAll(new QPushButton(tr("Rename &All"), this)),
      m_pBrowse(new QPushButton(tr("&Browse ..."), this)) {
    setWindowTitle(QString::fromLatin1(kCaption));
    SetHelpTemplate(*this, IDD_COPY_RESOURCES);
    InstallHelpKey(*this);

    m_pDestination->setText(QStringLiteral("Destination Directory: ") +
                            ToQString(m_copies.DestFolder()));
    m_pDestination->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* pExplanation = new QLabel(
        QStringLiteral("These files' names have already been used in the destination directory. "
                       "If you don't rename the destination file's name, the files with same "
                       "name will be overwritten."),
        this);
    pExplanation->setWordWrap(true);

    const QString nameCaption = QStringLiteral("Destination File Name");
    const QString sourceCaption = QStringLiteral("Resource File");
    m_pList->setHeaderLabels({nameCaption, sourceCaption});
    m_pList->setRootIsDecorated(false);
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->setEditTriggers(QAbstractItemView::SelectedClicked |
                             QAbstractItemView::EditKeyPressed);
    m_pList->setItemDelegateForColumn(0, new CNameDelegate(*this));
    m_pList->setColumnWidth(0, CaptionWidth(*m_pList, nameCaption));
    m_pList->setColumnWidth(1, CaptionWidth(*m_pList, sourceCaption) + 140);
    m_pList->setMinimumWidth(m_pList->columnWidth(0) + m_pList->columnWidth(1) + 24);
    m_pList->setToolTip(tr("The name each file gets in the destination directory (F2 renames)"));

    m_pOk->setDefault(true);
    m_pOk->setToolTip(tr("Copy the files under these names"));
    m_pRename->setToolTip(tr("Type a new name for the selected file"));
    m_pRenameAll->setToolTip(tr("Give every file a new name no file there has"));
    m_pBrowse->setToolTip(tr("The image and audio files already in the destination directory"));
    m_pBrowse->hide();
    auto* pHelp = new QPushButton(tr("Help"), this);
    pHelp->setAutoDefault(false);
    for (QPushButton* pButton : {m_pRename, m_pRenameAll, m_pBrowse})
        pButton->setAutoDefault(false);

    auto* pButtons = new QVBoxLayout;
    for (QPushButton* pButton : {m_pOk, m_pRename, m_pRenameAll, m_pBrowse, pHelp})
        pButtons->addWidget(pButton);
    pButtons->addStretch(1);

    auto* pTop = new QHBoxLayout;
    auto* pLeft = new QVBoxLayout;
    pLeft->addWidget(m_pDestination);
    pLeft->addWidget(m_pList, 1);
    pTop->addLayout(pLeft, 1);
    pTop->addLayout(pButtons);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pTop, 1);
    pLayout->addWidget(pExplanation);

    connect(m_pOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_pRename, &QPushButton::clicked, this, &CDlgCopyResources::RenameFocused);
    connect(m_pRenameAll, &QPushButton::clicked, this, &CDlgCopyResources::RenameAll);
    connect(m_pBrowse, &QPushButton::clicked, this, [this] {
        RunBrowseFiles(ToQString(m_copies.DestFolder()), QStringLiteral("*.gif;*.jpg;*.jpeg;*.au"),
                       this);
    });
    connect(pHelp, &QPushButton::clicked, this, [] { ShowDesignerHelp(IDD_COPY_RESOURCES); });
}

void CDlgCopyResources::AddReference(std::string* pReference) {
    m_copies.AddReference(pReference);
}

void CDlgCopyResources::showEvent(QShowEvent* pEvent) {
    FillList();
    QDialog::showEvent(pEvent);
}

void CDlgCopyResources::FillList() {
    if (m_pList->topLevelItemCount() == int(m_copies.Rows().size()))
        return;
    m_pList->clear();
    for (const CResourceCopies::CRow& row : m_copies.Rows()) {
        auto* pItem =
            new QTreeWidgetItem(m_pList, {ToQString(row.strDestName), ToQString(row.strSource)});
        pItem->setFlags(pItem->flags() | Qt::ItemIsEditable);
        pItem->setToolTip(1, ToQString(row.strSource));
    }
}

void CDlgCopyResources::ShowNames() {
    const std::vector<CResourceCopies::CRow>& rows = m_copies.Rows();
    for (size_t i = 0; i < rows.size(); ++i)
        m_pList->topLevelItem(int(i))->setText(0, ToQString(rows[i].strDestName));
}

void CDlgCopyResources::RenameFocused() {
    QTreeWidgetItem* pItem = m_pList->currentItem();
    if (!pItem) {
        Ui().MessageBox("Please select a file to rename!", kCaption, MbButtons::OK,
                        MbIcon::Warning);
        return;
    }
    m_pList->setFocus(Qt::OtherFocusReason);
    m_pList->editItem(pItem, 0);
}

bool CDlgCopyResources::TakeTypedName(int nRow, const QString& name) {
    switch (m_copies.Rename(size_t(nRow), ToUtf8(name))) {
    case CResourceCopies::RenameResult::Renamed:
        ShowNames();
        return true;
    case CResourceCopies::RenameResult::NameUsed:
        Ui().MessageBox("New name has been used!", kCaption, MbButtons::OK, MbIcon::Warning);
        return false;
    case CResourceCopies::RenameResult::FileExists:
        Ui().MessageBox("This file has already existed!", kCaption, MbButtons::OK, MbIcon::Warning);
        return false;
    }
    return false;
}

void CDlgCopyResources::RenameAll() {
    m_copies.RenameAll(m_clock());
    ShowNames();
}

void CDlgCopyResources::accept() {
    const std::vector<CResourceCopies::CFailure> failures = m_copies.CopyAll();
    if (!failures.empty()) {
        std::string text = "These files could not be copied; the design still refers to them "
                           "where they are:";
        for (const CResourceCopies::CFailure& failure : failures)
            text += "\n" + failure.strSource + " (" + failure.strWhy + ")";
        Ui().MessageBox(text, kCaption, MbButtons::OK, MbIcon::Warning);
    }
    QDialog::accept();
}

void CCopyResourcesDialogHandler::CopyResources(const std::vector<std::string*>& references,
                                                const std::string& strDestinationFolder) {
    CDlgCopyResources dialog(strDestinationFolder, QApplication::activeWindow());
    for (std::string* pReference : references)
        dialog.AddReference(pReference);
    dialog.exec();
}

} // namespace tb
