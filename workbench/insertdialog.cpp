#include "workbench/insertdialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

#include "platform/ui/qt/qtstring.h"
#include "workbench/core/helptopics.h"
#include "workbench/core/pagereader.h"
#include "workbench/core/publishing.h"
#include "workbench/core/workbenchstrings.h"

namespace tb {

CDlgInsert::CDlgInsert(const std::string& page, CTessera& widget, QWidget* parent)
    : CHelpDialog(IDD_INSERT, parent), m_strPage(page), m_widget(widget),
      m_pText(new QPlainTextEdit), m_pNotice(new QLabel),
      m_pInsert(new QPushButton(QStringLiteral("&Insert"))),
      m_pUndo(new QPushButton(QStringLiteral("&Undo"))),
      m_pCopyFiles(new QCheckBox(
          QStringLiteral("&Copy class,image and audio files into same directory automatically"))) {
    setWindowTitle(QStringLiteral("Insert into ") + ToQString(page));
    m_pText->setObjectName(QStringLiteral("IDC_%1").arg(IDC_PAGE_TEXT));
    m_pText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_pText->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_pText->setMinimumSize(640, 360);
    m_pText->setToolTip(QStringLiteral("Put the caret where the widget goes; you may also edit "
                                       "the page here"));
    auto* pCaption = new QLabel(QStringLiteral("&Locate the insert point using caret:"));
    pCaption->setBuddy(m_pText);

    m_pInsert->setObjectName(QStringLiteral("IDC_%1").arg(IDC_INSERT));
    m_pInsert->setToolTip(QStringLiteral("Insert the widget at the caret"));
    m_pInsert->setAutoDefault(false);
    m_pUndo->setObjectName(QStringLiteral("IDC_%1").arg(IDC_UNDO));
    m_pUndo->setToolTip(QStringLiteral("Take the last change back"));
    m_pUndo->setAutoDefault(false);
    m_pCopyFiles->setObjectName(QStringLiteral("IDC_%1").arg(IDC_COPY_FILES));
    m_pCopyFiles->setToolTip(QStringLiteral("The widget's files go into the page's folder on OK"));
    m_pNotice->setWordWrap(true);
    m_pNotice->setStyleSheet(QStringLiteral("QLabel { color: #a01818; font-weight: bold; }"));
    m_pNotice->hide();
    connect(m_pInsert, &QPushButton::clicked, this, &CDlgInsert::OnInsert);
    connect(m_pUndo, &QPushButton::clicked, this, &CDlgInsert::OnUndo);

    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_pOk = pButtons->button(QDialogButtonBox::Ok);
    connect(pButtons, &QDialogButtonBox::accepted, this, &CDlgInsert::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* pEdits = new QHBoxLayout;
    pEdits->addWidget(m_pInsert);
    pEdits->addWidget(m_pUndo);
    pEdits->addStretch(1);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pNotice);
    pLayout->addWidget(pCaption);
    pLayout->addWidget(m_pText, 1);
    pLayout->addLayout(pEdits);
    pLayout->addWidget(m_pCopyFiles);
    pLayout->addWidget(pButtons);
    setTabOrder(m_pText, m_pInsert);
    setTabOrder(m_pInsert, m_pUndo);
    setTabOrder(m_pUndo, m_pCopyFiles);

    ReadPage();
}

void CDlgInsert::ReadPage() {
    const CPageReading reading = ReadPageFile(m_strPage);
    m_codec = CPageTextCodec(reading.text);
    m_pText->setPlainText(m_codec.ToEditor(reading.text));
    switch (reading.status) {
    case CPageReading::Status::CannotOpen:
        ShowUnreadable(FormatHostString(IDS_OPEN_ERROR, {m_strPage}));
        return;
    case CPageReading::Status::CannotRead:
        ShowUnreadable(FormatHostString(IDS_CANNOT_READ, {m_strPage}));
        return;
    case CPageReading::Status::Read:
        break;
    }
    m_bPageRead = true;
    m_pUndo->setEnabled(false);
    m_pCopyFiles->setChecked(true);
    m_pText->moveCursor(QTextCursor::Start);
}

// Writing a page read only in part would lose the rest of it: the text only shows what was
// read, and Cancel is the one way out.
void CDlgInsert::ShowUnreadable(const std::string& message) {
    AfxMessageBox(message);
    m_pNotice->setText(ToQString(message) +
                       QStringLiteral("\nThe page is left as it is; nothing can be inserted."));
    m_pNotice->show();
    m_pText->setReadOnly(true);
    m_pOk->hide();
    m_pInsert->hide();
    m_pUndo->hide();
    m_pCopyFiles->setChecked(false);
    m_pCopyFiles->hide();
}

std::string CDlgInsert::PageBytes() const {
    return m_codec.FromEditor(*m_pText->document());
}

void CDlgInsert::OnInsert() {
    if (!m_bPageRead)
        return;
    // The whole block is one edit, so Undo takes it back at once.
    m_pText->textCursor().insertText(m_codec.ToEditor(WidgetMarkerBlock(m_widget)));
    m_pUndo->setEnabled(true);
    m_pText->setFocus();
}

void CDlgInsert::OnUndo() {
    m_pText->undo();
    m_pUndo->setEnabled(false);
    m_pText->setFocus();
}

void CDlgInsert::accept() {
    if (!m_bPageRead)
        return;
    if (SaveInsertedPage(m_widget, m_strPage, PageBytes(), m_pCopyFiles->isChecked()))
        QDialog::accept();
}

} // namespace tb
