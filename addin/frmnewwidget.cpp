#include "addin/frmnewwidget.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/core/userfolders.h"
#include "platform/ui/qt/qtstring.h"
#include "platform/ui/web/browserpanewidget.h"
#include "workbench/core/templates.h"

namespace tb::addin {

CFrmNewWidget::CFrmNewWidget(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("New Widget"));
    const CBrowserPaneWidget pane = CreateBrowserPane(this);
    QWidget* previewPane = pane.pWidget;
    previewPane->setMinimumSize(360, 260);
    m_chooser.SetPreviewPane(pane.pPane);
    m_chooser.SetUserTemplateFolder(UserTemplateFolder());

    auto* pGroup = new QButtonGroup(this);
    const char* captions[] = {"Create a &blank widget", "Create from &template",
                              "Create from &existing file"};
    const char* tips[] = {"Start from an empty widget of this kind",
                          "Start from one of the templates listed below",
                          "Start from a widget file on disk"};
    for (int i = 0; i < 3; ++i) {
        m_pOptions[i] = new QRadioButton(QString::fromLatin1(captions[i]), this);
        m_pOptions[i]->setToolTip(QString::fromLatin1(tips[i]));
        pGroup->addButton(m_pOptions[i], i);
    }
    m_pTemplates = new QListWidget(this);
    m_pTemplates->setToolTip(QStringLiteral("The templates of this widget kind"));
    m_pTemplates->setMinimumWidth(220);
    m_pWidgetFile = new QLineEdit(this);
    m_pWidgetFile->setToolTip(QStringLiteral("The widget file to start from"));
    m_pBrowse = new QPushButton(QStringLiteral("..."), this);
    m_pBrowse->setToolTip(QStringLiteral("Choose a widget file"));
    m_pBrowse->setFixedWidth(m_pBrowse->fontMetrics().horizontalAdvance(QStringLiteral("....")) +
                             24);
    m_pPreview = new QCheckBox(QStringLiteral("&Preview"), this);
    m_pPreview->setToolTip(QStringLiteral("Show the chosen widget as a browser plays it"));

    auto* pButtons = new QDialogButtonBox(this);
    m_pOk = pButtons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    m_pCancel = pButtons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    m_pOk->setDefault(true);

    auto* pChoice = new QGroupBox(QStringLiteral("Start from"), this);
    auto* pChoiceLayout = new QVBoxLayout(pChoice);
    pChoiceLayout->addWidget(m_pOptions[OptionBlank]);
    pChoiceLayout->addWidget(m_pOptions[OptionTemplate]);
    pChoiceLayout->addWidget(m_pTemplates, 1);
    pChoiceLayout->addWidget(m_pOptions[OptionExistingFile]);
    auto* pFileRow = new QHBoxLayout;
    pFileRow->addWidget(m_pWidgetFile, 1);
    pFileRow->addWidget(m_pBrowse);
    pChoiceLayout->addLayout(pFileRow);

    auto* pPreviewSide = new QVBoxLayout;
    pPreviewSide->addWidget(m_pPreview);
    pPreviewSide->addWidget(previewPane, 1);

    auto* pColumns = new QHBoxLayout;
    pColumns->addWidget(pChoice);
    pColumns->addLayout(pPreviewSide, 1);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pColumns, 1);
    pLayout->addWidget(pButtons);

    setTabOrder(m_pOptions[OptionBlank], m_pOptions[OptionTemplate]);
    setTabOrder(m_pOptions[OptionTemplate], m_pTemplates);
    setTabOrder(m_pTemplates, m_pOptions[OptionExistingFile]);
    setTabOrder(m_pOptions[OptionExistingFile], m_pWidgetFile);
    setTabOrder(m_pWidgetFile, m_pBrowse);
    setTabOrder(m_pBrowse, m_pPreview);
    setTabOrder(m_pPreview, m_pOk);
    setTabOrder(m_pOk, m_pCancel);

    connect(pGroup, &QButtonGroup::idClicked, this, &CFrmNewWidget::OnOption);
    connect(m_pTemplates, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_bShowingState)
            m_chooser.SelectTemplate(row);
    });
    connect(m_pWidgetFile, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_chooser.SetWidgetFile(ToUtf8(text)); });
    connect(m_pBrowse, &QPushButton::clicked, this, [this] {
        m_chooser.Browse();
        m_pWidgetFile->setText(ToQString(m_chooser.WidgetFile()));
    });
    connect(m_pPreview, &QCheckBox::clicked, this,
            [this](bool checked) { m_chooser.SetPreview(checked); });
    connect(m_pOk, &QPushButton::clicked, this, [this] {
        if (m_chooser.Ok())
            accept();
    });
    connect(m_pCancel, &QPushButton::clicked, this, &CFrmNewWidget::reject);
}

CFrmNewWidget::~CFrmNewWidget() = default;

void CFrmNewWidget::ShowModal() {
    ShowChooserState();
    exec();
}

void CFrmNewWidget::ShowChooserState() {
    m_bShowingState = true;
    m_pTemplates->clear();
    for (const std::string& title : m_chooser.TemplateTitles())
        m_pTemplates->addItem(ToQString(title));
    m_pTemplates->setCurrentRow(m_chooser.SelectedTemplate());
    m_pOptions[m_chooser.Option()]->setChecked(true);
    m_pWidgetFile->setText(ToQString(m_chooser.WidgetFile()));
    m_pPreview->setChecked(m_chooser.Preview());
    m_bShowingState = false;
    EnableControls();
}

void CFrmNewWidget::reject() {
    m_chooser.Cancel();
    QDialog::reject();
}

void CFrmNewWidget::OnOption(int option) {
    m_chooser.SetOption(option);
    EnableControls();
}

void CFrmNewWidget::EnableControls() {
    const int option = m_chooser.Option();
    m_pTemplates->setEnabled(option == OptionTemplate);
    m_pWidgetFile->setEnabled(option == OptionExistingFile);
    m_pBrowse->setEnabled(option == OptionExistingFile);
}

} // namespace tb::addin
