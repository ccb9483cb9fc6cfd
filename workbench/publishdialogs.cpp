#include "workbench/publishdialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "workbench/core/helptopics.h"

namespace tb {

QLabel* MakerNoteLabel(const QString& text) {
    auto* pLabel = new QLabel(text);
    pLabel->setWordWrap(true);
    pLabel->setAutoFillBackground(true);
    QPalette palette = pLabel->palette();
    palette.setColor(QPalette::Window, QColor(13, 47, 109));
    palette.setColor(QPalette::WindowText, Qt::white);
    pLabel->setPalette(palette);
    pLabel->setMargin(10);
    return pLabel;
}

CDlgHtmlCode::CDlgHtmlCode(const QString& code, QWidget* parent)
    : CHelpDialog(IDD_VIEW_CODE, parent), m_pCode(new QPlainTextEdit) {
    setWindowTitle(QStringLiteral("Brisko's HTML Code"));
    m_pCode->setObjectName(QStringLiteral("IDC_%1").arg(IDC_CODE));
    m_pCode->setPlainText(code);
    m_pCode->setReadOnly(true);
    m_pCode->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_pCode->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_pCode->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_pCode->setMinimumSize(520, 240);
    m_pCode->setToolTip(QStringLiteral("The widget's HTML code, also on the clipboard"));

    auto* pCaption = new QLabel(QStringLiteral("The HTML &code of your Brisko is on the clipboard; "
                                               "paste it into your page where the buttons go:"));
    pCaption->setWordWrap(true);
    pCaption->setBuddy(m_pCode);
    QLabel* pReminder = MakerNoteLabel(QStringLiteral(
        "Remember: the buttons need their class, image and audio files in the folder of the "
        "page. Copy them there with File > Support Files..."));
    pReminder->setObjectName(QStringLiteral("IDC_%1").arg(IDC_REMINDER));

    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(pCaption);
    pLayout->addWidget(m_pCode, 1);
    pLayout->addWidget(pReminder);
    pLayout->addWidget(pButtons);
}

CDlgEditorChoice::CDlgEditorChoice(bool bEditorInstalled, QWidget* parent)
    : CHelpDialog(IDD_EDITOR_CHOICE, parent),
      m_pUseEditor(
          new QCheckBox(QStringLiteral("Using Ambrel HTML Editor's File\\Import Widget... "))),
      m_pRecommendation(nullptr) {
    setWindowTitle(QStringLiteral("Insert Brisko into Page"));
    QString text = QStringLiteral(
        "We recommend Ambrel HTML Editor for putting widgets into pages: its File\\Import "
        "Widget... places a widget where you want it in the page's design view, and edits it "
        "again later.");
    if (!bEditorInstalled)
        text += QStringLiteral("\n\nAmbrel HTML Editor (vellumo) is not installed on this "
                               "computer, so the page opens in the insert dialog here.");
    m_pRecommendation = MakerNoteLabel(text);
    m_pRecommendation->setObjectName(QStringLiteral("IDC_%1").arg(IDC_RECOMMENDATION));
    m_pRecommendation->setMinimumWidth(380);

    m_pUseEditor->setObjectName(QStringLiteral("IDC_%1").arg(IDC_USE_EDITOR));
    m_pUseEditor->setChecked(bEditorInstalled);
    m_pUseEditor->setToolTip(bEditorInstalled
                                 ? QStringLiteral("Open the page in Ambrel HTML Editor")
                                 : QStringLiteral("Ambrel HTML Editor is not installed"));

    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pRecommendation);
    pLayout->addWidget(m_pUseEditor);
    pLayout->addWidget(pButtons);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);
}

bool CDlgEditorChoice::UseEditor() const {
    return m_pUseEditor->isChecked();
}

} // namespace tb
