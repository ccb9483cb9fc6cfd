#include "designer/ui/dlghint.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "designer/ui/designerhelp.h"
#include "designer/ui/dlgfont.h"
#include "model/drawrect.h"
#include "model/ui/pagelayout.h"
#include "model/ui/spinedit.h"
#include "model/ui/stylecontrols.h"
#include "platform/ui/qt/qtstring.h"

namespace tb {

namespace {

constexpr int kMaxPixels = 1200;
constexpr int kMaxDistance = 1000;

} // namespace

CDlgHint::CDlgHint(CDrawView* pView, QWidget* pParent)
    : CMenuPage(QStringLiteral("Hint "), IDD_HINT, pView, pParent),
      m_pDisplay(new QCheckBox(tr("&Display button's hint "), this)),
      m_pLabel(NewMultiLineBox(2, this)), m_pAlign(NewAlignmentList(this)),
      m_pFont(new QPushButton(tr("&Font.."), this)),
      m_pBackground(new CBackgroundControls(tr("Color&1:"), tr("Color&2:"), true, this)),
      m_pBorder(new CBorderControls(this)), m_pThick(new CSpinEdit(0, kMaxPixels, this)),
      m_pX(new CSpinEdit(-kMaxDistance, kMaxDistance, this)),
      m_pY(new CSpinEdit(-kMaxDistance, kMaxDistance, this)),
      m_pWidth(new CSpinEdit(1, kMaxPixels, this)), m_pHeight(new CSpinEdit(1, kMaxPixels, this)),
      m_pAutoSize(new QPushButton(tr("A&uto Size"), this)) {
    for (QPushButton* pButton : {m_pFont, m_pAutoSize})
        pButton->setAutoDefault(false);
    m_pDisplay->setToolTip(tr("Show the hint while the mouse is over the button"));
    m_pLabel->setToolTip(tr("The hint's text; Enter starts a new line"));
    m_pX->setToolTip(tr("Distance of the hint from the mouse pointer, across"));
    m_pY->setToolTip(tr("Distance of the hint from the mouse pointer, down"));
    m_pAutoSize->setToolTip(tr("Make the box just big enough for the text and its border"));

    auto* pText = new QWidget(this);
    auto* pTextGrid = new QGridLayout(pText);
    pTextGrid->setContentsMargins(0, 0, 0, 0);
    m_pLabel->setParent(pText);
    m_pAlign->setParent(pText);
    m_pFont->setParent(pText);
    pTextGrid->addWidget(BuddyLabel(tr("&Label:"), m_pLabel), 0, 0, Qt::AlignTop);
    pTextGrid->addWidget(m_pLabel, 0, 1, 1, 3);
    AddField(*pTextGrid, 1, 0, tr("&Align:"), m_pAlign);
    pTextGrid->addWidget(m_pFont, 1, 2);
    pTextGrid->setColumnStretch(3, 1);

    m_pThick->setParent(m_pBorder);
    AddField(m_pBorder->Grid(), 2, 0, tr("Thic&k:"), m_pThick);

    auto* pPlace = new QWidget(this);
    auto* pPlaceGrid = new QGridLayout(pPlace);
    pPlaceGrid->setContentsMargins(0, 0, 0, 0);
    for (QWidget* p :
         {static_cast<QWidget*>(m_pX), static_cast<QWidget*>(m_pY), static_cast<QWidget*>(m_pWidth),
          static_cast<QWidget*>(m_pHeight), static_cast<QWidget*>(m_pAutoSize)})
        p->setParent(pPlace);
    AddField(*pPlaceGrid, 0, 0, tr("&X-pos:"), m_pX);
    AddField(*pPlaceGrid, 1, 0, tr("Y-po&s:"), m_pY);
    AddField(*pPlaceGrid, 0, 2, tr("&Width:"), m_pWidth);
    AddField(*pPlaceGrid, 1, 2, tr("&Height:"), m_pHeight);
    pPlaceGrid->addWidget(m_pAutoSize, 0, 4);
    pPlaceGrid->setColumnStretch(5, 1);

    auto* pGrid = new QGridLayout;
    pGrid->addWidget(NewGroup(tr("Text"), pText, this), 0, 0, 1, 2);
    pGrid->addWidget(NewGroup(tr("Background"), m_pBackground, this), 1, 0);
    pGrid->addWidget(NewGroup(tr("Border"), m_pBorder, this), 1, 1);
    pGrid->addWidget(NewGroup(tr("Position and size"), pPlace, this), 2, 0, 1, 2);

    auto* pPage = new QVBoxLayout(this);
    pPage->addWidget(m_pDisplay);
    pPage->addLayout(pGrid);
    pPage->addStretch(1);

    // Ticking the box alone stores nothing: it goes with the next change or the page's leaving.
    StoreOnEdit(m_pLabel);
    StoreOnChoice(m_pAlign);
    for (CSpinEdit* pBox : {m_pThick, m_pX, m_pY, m_pWidth, m_pHeight})
        StoreOnEdit(pBox);
    connect(m_pBackground, &CBackgroundControls::Changed, this,
            [this] { StoreFrom(m_pBackground); });
    connect(m_pBorder, &CBorderControls::Changed, this, [this] { StoreFrom(m_pBorder); });
    connect(m_pFont, &QPushButton::clicked, this, &CDlgHint::EditFont);
    connect(m_pAutoSize, &QPushButton::clicked, this, &CDlgHint::AutoSize);
    FinishInitialisation();
}

void CDlgHint::LoadFrom(CDrawRect& button) {
    const CHintPageValues values = LoadHintPage(button);
    m_pDisplay->setChecked(values.bVisible);
    m_pLabel->setPlainText(ToQString(ToBoxLineEnds(values.strLabel)));
    ShowAlignment(*m_pAlign, values.nTextAlign);
    m_font = values.font;
    m_pBackground->SetValues(values.crBack, values.crFade, values.nBackStyle);
    m_pBorder->SetValues(values.crBorder, values.nBorderStyle);
    m_pThick->SetValue(values.nThick);
    m_pX->SetValue(values.nX);
    m_pY->SetValue(values.nY);
    m_pWidth->SetValue(values.nWidth);
    m_pHeight->SetValue(values.nHeight);
}

bool CDlgHint::StoreInto(CDrawRect& button, CPageChecks& checks) {
    const auto thick = checks.Value(*m_pThick);
    const auto x = checks.Value(*m_pX);
    const auto y = checks.Value(*m_pY);
    const auto width = checks.Value(*m_pWidth);
    const auto height = checks.Value(*m_pHeight);
    if (!checks.Passed())
        return false;
    CHintPageValues values;
    values.bVisible = m_pDisplay->isChecked();
    values.strLabel = ToModelLineEnds(ToUtf8(m_pLabel->toPlainText()));
    values.nTextAlign = m_pAlign->currentIndex();
    values.font = m_font;
    values.crBack = m_pBackground->First();
    values.crFade = m_pBackground->Second();
    values.nBackStyle = m_pBackground->Style();
    values.crBorder = m_pBorder->Color();
    values.nBorderStyle = m_pBorder->Style();
    values.nThick = *thick;
    values.nX = *x;
    values.nY = *y;
    values.nWidth = *width;
    values.nHeight = *height;
    StoreHintPage(values, button);
    return true;
}

void CDlgHint::EditFont() {
    CDrawRect* pButton = EditedButton();
    if (!pButton || !tb::EditFont(m_font, this))
        return;
    if (CMarquel* pHint = HintMenu(*pButton))
        StoreFont(m_font, pHint->m_states[CMarquel::stateNormal]);
    StoreFrom(m_pFont);
}

void CDlgHint::AutoSize() {
    if (!EditedButton())
        return;
    CPageChecks checks(CPageChecks::Cause::Edit, m_pAutoSize);
    const auto thick = checks.Value(*m_pThick);
    if (!checks.Passed()) {
        checks.Report();
        return;
    }
    CMarquelState font;
    StoreFont(m_font, font);
    const CSize text = MeasureOnCanvas(ToModelLineEnds(ToUtf8(m_pLabel->toPlainText())), font);
    const CSize size = HintAutoSize(text, *thick);
    m_pWidth->SetValue(size.cx);
    m_pHeight->SetValue(size.cy);
    StoreFrom(m_pAutoSize);
}

} // namespace tb
