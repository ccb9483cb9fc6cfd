#include "designer/ui/dlgitemstate.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "designer/ui/designerhelp.h"
#include "designer/ui/dlgfont.h"
#include "model/drawrect.h"
#include "model/ui/pagelayout.h"
#include "model/ui/spinedit.h"
#include "model/ui/stylecontrols.h"

namespace tb {

namespace {

constexpr int kMaxOffset = 500;

} // namespace

CDlgItemState::CDlgItemState(int nState, const QString& title, unsigned nHelpTemplate,
                             CDrawView* pView, QWidget* pParent)
    : CMenuPage(title, nHelpTemplate, pView, pParent), m_nState(nState),
      m_pBackground(new CBackgroundControls(tr("&Back Color:"), tr("F&ade Color:"), true, this)),
      m_pBorder(new CBorderControls(this)), m_pTextAlign(NewAlignmentList(this)),
      m_pTextOffset(new CSpinEdit(-kMaxOffset, kMaxOffset, this)),
      m_pFont(new QPushButton(tr("&Font.."), this)), m_pImageAlign(NewAlignmentList(this)),
      m_pImageOffset(new CSpinEdit(-kMaxOffset, kMaxOffset, this)) {
    m_pFont->setAutoDefault(false);
    m_pFont->setToolTip(tr("Face, colour, size, style and effect of the label"));
    m_pTextOffset->setToolTip(tr("Moves the label right (or left, below 0), -500 to 500 pixels"));
    m_pImageOffset->setToolTip(tr("Moves the image right (or left, below 0), -500 to 500 pixels"));

    auto* pText = new QGroupBox(tr("Text"), this);
    auto* pTextGrid = new QGridLayout(pText);
    AddField(*pTextGrid, 0, 0, tr("Te&xt Align: "), m_pTextAlign);
    AddField(*pTextGrid, 1, 0, tr("Text &Offset:"), m_pTextOffset);
    pTextGrid->addWidget(m_pFont, 2, 0);
    pTextGrid->setColumnStretch(2, 1);

    auto* pImage = new QGroupBox(tr("Image"), this);
    auto* pImageGrid = new QGridLayout(pImage);
    AddField(*pImageGrid, 0, 0, tr("I&mage Align:"), m_pImageAlign);
    AddField(*pImageGrid, 1, 0, tr("Image Offs&et:"), m_pImageOffset);
    pImageGrid->setColumnStretch(2, 1);

    auto* pGrid = new QGridLayout;
    pGrid->addWidget(NewGroup(tr("Background"), m_pBackground, this), 0, 0);
    pGrid->addWidget(NewGroup(tr("Border"), m_pBorder, this), 0, 1);
    pGrid->addWidget(pText, 1, 0);
    pGrid->addWidget(pImage, 1, 1);

    auto* pPage = new QVBoxLayout(this);
    pPage->addLayout(pGrid);
    if (nState == CMarquel::stateNormal) {
        m_pApplyToAll = new QPushButton(tr("A&pply To all status"), this);
        m_pApplyToAll->setAutoDefault(false);
        m_pApplyToAll->setToolTip(tr("Give the Mouse Over and Clicked looks this look"));
        auto* pRow = new QHBoxLayout;
        pRow->addWidget(m_pApplyToAll);
        pRow->addStretch(1);
        pPage->addLayout(pRow);
        connect(m_pApplyToAll, &QPushButton::clicked, this, &CDlgItemState::ApplyToAllStates);
    }
    pPage->addStretch(1);

    connect(m_pBackground, &CBackgroundControls::Changed, this,
            [this] { StoreFrom(m_pBackground); });
    connect(m_pBorder, &CBorderControls::Changed, this, [this] { StoreFrom(m_pBorder); });
    StoreOnChoice(m_pTextAlign);
    StoreOnChoice(m_pImageAlign);
    StoreOnEdit(m_pTextOffset);
    StoreOnEdit(m_pImageOffset);
    connect(m_pFont, &QPushButton::clicked, this, &CDlgItemState::EditFont);
    FinishInitialisation();
}

void CDlgItemState::LoadFrom(CDrawRect& button) {
    const CStatePageValues values = LoadStatePage(button.menu->m_states[size_t(m_nState)]);
    m_pBackground->SetValues(values.crBack, values.crFade, values.nBackStyle);
    m_pBorder->SetValues(values.crBorder, values.nBorderStyle);
    ShowAlignment(*m_pTextAlign, values.nTextAlign);
    m_pTextOffset->SetValue(values.nTextOffset);
    ShowAlignment(*m_pImageAlign, values.nImageAlign);
    m_pImageOffset->SetValue(values.nImageOffset);
    m_font = values.font;
}

bool CDlgItemState::StoreInto(CDrawRect& button, CPageChecks& checks) {
    const auto textOffset = checks.Value(*m_pTextOffset);
    const auto imageOffset = checks.Value(*m_pImageOffset);
    if (!checks.Passed())
        return false;
    CStatePageValues values;
    values.crBack = m_pBackground->First();
    values.crFade = m_pBackground->Second();
    values.nBackStyle = m_pBackground->Style();
    values.crBorder = m_pBorder->Color();
    values.nBorderStyle = m_pBorder->Style();
    values.nTextAlign = m_pTextAlign->currentIndex();
    values.nTextOffset = *textOffset;
    values.nImageAlign = m_pImageAlign->currentIndex();
    values.nImageOffset = *imageOffset;
    values.font = m_font;
    StoreStatePage(values, button.menu->m_states[size_t(m_nState)]);
    Repaint(button);
    return true;
}

void CDlgItemState::EditFont() {
    CDrawRect* pButton = EditedButton();
    if (!pButton || !tb::EditFont(m_font, this))
        return;
    StoreFont(m_font, pButton->menu->m_states[size_t(m_nState)]);
    StoreFrom(m_pFont);
    Repaint(*pButton);
}

void CDlgItemState::ApplyToAllStates() {
    CDrawRect* pButton = EditedButton();
    if (!pButton)
        return;
    StoreFrom(m_pApplyToAll);
    pButton->menu->ApplyNormalToAllStates();
    Repaint(*pButton);
}

CDlgItemNormal::CDlgItemNormal(CDrawView* pView, QWidget* pParent)
    : CDlgItemState(CMarquel::stateNormal, QStringLiteral("Normal"), IDD_NORMAL, pView, pParent) {}

CDlgItemMouseOver::CDlgItemMouseOver(CDrawView* pView, QWidget* pParent)
    : CDlgItemState(CMarquel::stateOver, QStringLiteral("Mouse Over"), IDD_MOUSE_OVER, pView,
                    pParent) {}

CDlgItemClick::CDlgItemClick(CDrawView* pView, QWidget* pParent)
    : CDlgItemState(CMarquel::stateClick, QStringLiteral("Clicked"), IDD_CLICKED, pView, pParent) {}

} // namespace tb
