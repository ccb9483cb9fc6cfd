#include "workbench/vellumotoolview.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>
#include <QWindow>

#include "platform/ui/qt/qtstring.h"
#include "workbench/bitmapbutton.h"
#include "workbench/core/commandids.h"
#include "workbench/core/commandtable.h"
#include "workbench/core/helptopics.h"
#include "workbench/core/vellumotooldoc.h"
#include "workbench/renamedialog.h"
#include "workbench/workbenchhelp.h"
#include "workbench/workbenchimages.h"

namespace tb {

namespace {

constexpr COLORREF kFormColorRef = RGB(178, 178, 201);
const QColor kTextColor(0x1e, 0x24, 0x4a);

// A step's number in a disc, before its explanation.
QLabel* StepNumber(int nStep) {
    auto* pLabel = new QLabel(QString::number(nStep));
    pLabel->setAlignment(Qt::AlignCenter);
    pLabel->setFixedSize(30, 30);
    pLabel->setStyleSheet(QStringLiteral("QLabel { background: #3d4a78; color: white; "
                                         "border-radius: 15px; font-weight: bold; }"));
    return pLabel;
}

QFont CaptionFont(const QFont& base) {
    QFont font = base;
    font.setBold(true);
    font.setPointSizeF(base.pointSizeF() + 0.5);
    return font;
}

} // namespace

CVellumoToolView::CVellumoToolView(CVellumoToolDoc& document, CCommandTable& commands,
                                   QWidget* parent)
    : CColorFormView(parent), m_document(document), m_commands(commands) {
    BuildForm();
    m_commands.SetAction(
        ID_EDIT_CONFIGURE, [this] { OnConfigure(); },
        [this] { return m_document.Tessera() != nullptr; });
    m_commands.SetAction(
        ID_EDIT_RENAME, [this] { OnRename(); }, [this] { return m_document.Tessera() != nullptr; });
}

QLabel* CVellumoToolView::AddStepText(int nControlId, const QString& text) {
    auto* pLabel = new QLabel(text);
    pLabel->setWordWrap(true);
    pLabel->setObjectName(QStringLiteral("IDC_%1").arg(nControlId));
    m_stepTexts[nControlId] = pLabel;
    return pLabel;
}

CBitmapButton* CVellumoToolView::AddButton(int nControlId, unsigned nCommandId,
                                           const QString& caption, const QString& glyph) {
    auto* pButton = new CBitmapButton(caption);
    pButton->setObjectName(QStringLiteral("IDC_%1").arg(nControlId));
    if (const CWorkbenchCommand* pCommand = CCommandTable::Find(nCommandId))
        pButton->setToolTip(ToQString(pCommand->prompt));
    connect(pButton, &CBitmapButton::clicked, this, [this, nCommandId] {
        m_commands.Execute(nCommandId);
        emit CommandRun(nCommandId);
    });
    m_buttons[nControlId] = {pButton, nCommandId, glyph};
    return pButton;
}

void CVellumoToolView::BuildForm() {
    QLabel* pStep1 = AddStepText(
        IDC_STEP_FIRST, QStringLiteral("<b>Make a widget.</b> Start a new one, or open a widget "
                                       "file you saved before."));
    QLabel* pStep2 = AddStepText(IDC_STEP_FIRST + 1,
                                 QStringLiteral("<b>Configure it.</b> Draw the buttons in the "
                                                "designer and give them labels, links, colours, "
                                                "pictures and sounds."));
    QLabel* pStep3 = AddStepText(
        IDC_STEP_FIRST + 2, QStringLiteral("<b>Publish it.</b> You can use one of these methods:"));
    QLabel* pMethod1 = AddStepText(
        IDC_STEP_FIRST + 3, QStringLiteral("1. Copy HTML code and paste into web page later."));
    QLabel* pMethod2 = AddStepText(
        IDC_STEP_FIRST + 4, QStringLiteral("2. Create a web page which only contains the Brisko."));
    QLabel* pMethod3 =
        AddStepText(IDC_STEP_FIRST + 5,
                    QStringLiteral("3. Open an existing web page and insert Brisko into it."));

    CBitmapButton* pNew = AddButton(IDC_NEW, ID_FILE_NEW, QStringLiteral("New..."), "new");
    CBitmapButton* pOpen = AddButton(IDC_OPEN, ID_FILE_OPEN, QStringLiteral("Open..."), "open");
    CBitmapButton* pConfigure =
        AddButton(IDC_CONFIGURE, ID_EDIT_CONFIGURE, QStringLiteral("Configure..."), "configure");
    CBitmapButton* pCopyCode =
        AddButton(IDC_COPY_CODE, tb::IDC_COPY_CODE, QStringLiteral("Copy Code..."), "copy-code");
    CBitmapButton* pNewPage =
        AddButton(IDC_NEW_PAGE, tb::IDC_NEW_PAGE, QStringLiteral("New Page..."), "new-page");
    CBitmapButton* pInsertInto = AddButton(IDC_INSERT_INTO, tb::IDC_INSERT_INTO,
                                           QStringLiteral("Insert into..."), "insert-into");
    CBitmapButton* pMoreInformation =
        AddButton(IDC_MORE_INFORMATION, tb::IDC_MORE_INFORMATION,
                  QStringLiteral("More Information..."), "more-information");

    auto* pGrid = new QGridLayout(Form());
    pGrid->setContentsMargins(24, 22, 24, 22);
    pGrid->setHorizontalSpacing(16);
    pGrid->setVerticalSpacing(8);
    pGrid->setColumnMinimumWidth(2, 290);
    pGrid->setColumnStretch(2, 1);

    auto addStep = [&](int nRow, int nStep, QLabel* pText) {
        pGrid->addWidget(StepNumber(nStep), nRow, 0, Qt::AlignTop);
        pGrid->addWidget(pText, nRow, 1, 1, 2, Qt::AlignTop);
    };
    auto addButtons = [&](int nRow, std::initializer_list<CBitmapButton*> buttons) {
        auto* pColumn = new QVBoxLayout;
        pColumn->setSpacing(6);
        for (CBitmapButton* pButton : buttons)
            pColumn->addWidget(pButton);
        pGrid->addLayout(pColumn, nRow, 3, Qt::AlignTop | Qt::AlignRight);
    };

    addStep(0, 1, pStep1);
    addButtons(0, {pNew, pOpen});
    pGrid->setRowMinimumHeight(1, 14);
    addStep(2, 2, pStep2);
    addButtons(2, {pConfigure});
    pGrid->setRowMinimumHeight(3, 14);
    addStep(4, 3, pStep3);
    int nRow = 5;
    for (auto [pText, pButton] : {std::pair{pMethod1, pCopyCode}, std::pair{pMethod2, pNewPage},
                                  std::pair{pMethod3, pInsertInto}}) {
        pGrid->addWidget(pText, nRow, 1, 1, 2, Qt::AlignVCenter);
        pGrid->addWidget(pButton, nRow, 3, Qt::AlignRight);
        ++nRow;
    }
    pGrid->setRowMinimumHeight(nRow++, 6);
    pGrid->addWidget(pMoreInformation, nRow, 3, Qt::AlignRight);
    pGrid->setRowStretch(nRow + 1, 1);

    // Tab order follows the steps.
    QWidget* pPrevious = nullptr;
    for (CBitmapButton* pButton :
         {pNew, pOpen, pConfigure, pCopyCode, pNewPage, pInsertInto, pMoreInformation}) {
        if (pPrevious)
            setTabOrder(pPrevious, pButton);
        pPrevious = pButton;
    }
}

void CVellumoToolView::RenderButtonPictures() {
    const QFont font = CaptionFont(this->font());
    QStringList captions;
    for (const auto& [nId, entry] : m_buttons)
        captions << entry.pButton->text();
    const QSize size = FormButtonSize(captions, font);
    const qreal ratio = devicePixelRatioF();
    for (const auto& [nId, entry] : m_buttons) {
        const QString& caption = entry.pButton->text();
        auto picture = [&](FormButtonLook look) {
            return FormButtonImage(entry.glyph, caption, font, size, look, ratio);
        };
        entry.pButton->SetBitmaps(picture(FormButtonLook::Normal), picture(FormButtonLook::Pressed),
                                  picture(FormButtonLook::Hot), picture(FormButtonLook::Disabled));
    }
}

void CVellumoToolView::OnInitialUpdate() {
    RenderButtonPictures();
    for (const auto& [nId, pLabel] : m_stepTexts) {
        QPalette palette = pLabel->palette();
        palette.setColor(QPalette::WindowText, kTextColor);
        pLabel->setPalette(palette);
    }
    SetBackgroundColor(kFormColorRef);
    setFrameShape(QFrame::NoFrame);
    UpdateCommandStates();
}

CBitmapButton* CVellumoToolView::Button(int nControlId) const {
    const auto it = m_buttons.find(nControlId);
    return it == m_buttons.end() ? nullptr : it->second.pButton;
}

QLabel* CVellumoToolView::StepText(int nControlId) const {
    const auto it = m_stepTexts.find(nControlId);
    return it == m_stepTexts.end() ? nullptr : it->second;
}

void CVellumoToolView::UpdateCommandStates() {
    for (const auto& [nId, entry] : m_buttons)
        entry.pButton->setEnabled(m_commands.IsEnabled(entry.nCommandId));
}

void CVellumoToolView::OnConfigure() {
    m_document.ConfigureWidget();
}

void CVellumoToolView::OnRename() {
    CTessera* pTessera = m_document.Tessera();
    if (!pTessera)
        return;
    CDlgRename dialog(pTessera->GetTitle(), pTessera->GetDescription(), this);
    if (dialog.exec() == QDialog::Accepted)
        m_document.RenameWidget(dialog.Name(), dialog.Description());
}

bool CVellumoToolView::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* pKey = static_cast<QKeyEvent*>(event);
        if (pKey->key() == Qt::Key_F1 && pKey->modifiers() == Qt::NoModifier) {
            event->accept();
            return true;
        }
    }
    return CColorFormView::event(event);
}

void CVellumoToolView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        ShowWorkbenchHelp(IDD_MAIN_FORM);
        return;
    }
    CColorFormView::keyPressEvent(event);
}

} // namespace tb
