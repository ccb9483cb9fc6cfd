#include "designer/ui/dlgappletparam.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "designer/ui/designerhelp.h"
#include "model/appletparameters.h"
#include "model/ui/pagelayout.h"
#include "model/ui/spinedit.h"
#include "model/ui/stylecontrols.h"

namespace tb {

namespace {

constexpr int kMaxPixels = 1200;

} // namespace

CDlgAppletParam::CDlgAppletParam(CAppletParameters& params, CPreviewWnd* pDesignWnd,
                                 QWidget* pParent)
    : CAppletPage(QStringLiteral("Applet Parameters"), IDD_APPLET_PARAMETERS, params, pDesignWnd,
                  pParent),
      m_pBackground(new CBackgroundControls(tr("&Back Color:"), tr("F&ade Color:"), false, this)),
      m_pBorder(new CBorderControls(this)), m_pThick(new CSpinEdit(0, kMaxPixels, this)),
      m_pWidth(new CSpinEdit(1, kMaxPixels, this)), m_pHeight(new CSpinEdit(1, kMaxPixels, this)),
      m_pAlign(new QComboBox(this)) {
    m_pThick->setToolTip(tr("Width of the applet's border, 0 to 1200 pixels"));
    m_pWidth->setToolTip(tr("Width of the applet, 1 to 1200 pixels"));
    m_pHeight->setToolTip(tr("Height of the applet, 1 to 1200 pixels"));

    m_pThick->setParent(m_pBorder);
    AddField(m_pBorder->Grid(), 2, 0, tr("Thic&k:"), m_pThick);

    auto* pSize = new QWidget(this);
    auto* pSizeGrid = new QGridLayout(pSize);
    pSizeGrid->setContentsMargins(0, 0, 0, 0);
    m_pWidth->setParent(pSize);
    m_pHeight->setParent(pSize);
    AddField(*pSizeGrid, 0, 0, tr("&Width:"), m_pWidth);
    AddField(*pSizeGrid, 0, 2, tr("&Height:"), m_pHeight);
    pSizeGrid->setColumnStretch(4, 1);

    m_pAlign->addItems({tr("Center"), tr("Left"), tr("Right")});
    m_pAlignLabel = BuddyLabel(tr("Align:"), m_pAlign);
    m_pAlignLabel->setParent(this);
    m_pAlignLabel->hide();
    m_pAlign->hide();

    auto* pGrid = new QGridLayout;
    pGrid->addWidget(NewGroup(tr("Background"), m_pBackground, this), 0, 0);
    pGrid->addWidget(NewGroup(tr("Border"), m_pBorder, this), 0, 1);
    pGrid->addWidget(NewGroup(tr("Size"), pSize, this), 1, 0, 1, 2);

    auto* pPage = new QVBoxLayout(this);
    pPage->addLayout(pGrid);
    pPage->addStretch(1);

    connect(m_pBackground, &CBackgroundControls::Changed, this,
            [this] { StoreFrom(m_pBackground); });
    connect(m_pBorder, &CBorderControls::Changed, this, [this] { StoreFrom(m_pBorder); });
    for (CSpinEdit* pBox : {m_pThick, m_pWidth, m_pHeight})
        StoreOnEdit(pBox);
    StoreOnChoice(m_pAlign);
    FinishInitialisation();
}

void CDlgAppletParam::LoadFrom(const CAppletParameters& params) {
    // The five-entry picker has no transparency: anything it cannot show shows as Solid.
    const int nBackStyle =
        params.m_nBackStyle >= 0 && params.m_nBackStyle <= 5 ? params.m_nBackStyle : 1;
    m_pBackground->SetValues(params.m_crBack, params.m_crFade, nBackStyle);
    m_pBorder->SetValues(params.m_crBorder, params.m_nBorderStyle);
    m_pThick->SetValue(params.m_nBorderThick);
    m_pWidth->SetValue(params.m_nWidth);
    m_pHeight->SetValue(params.m_nHeight);
    m_pAlign->setCurrentIndex(
        params.m_nAlign >= 0 && params.m_nAlign < m_pAlign->count() ? params.m_nAlign : -1);
}

bool CDlgAppletParam::StoreInto(CAppletParameters& params, CPageChecks& checks) {
    const auto thick = checks.Value(*m_pThick);
    const auto width = checks.Value(*m_pWidth);
    const auto height = checks.Value(*m_pHeight);
    if (!checks.Passed())
        return false;
    params.m_crBack = m_pBackground->First();
    params.m_crFade = m_pBackground->Second();
    params.m_nBackStyle = m_pBackground->Style();
    params.m_crBorder = m_pBorder->Color();
    params.m_nBorderStyle = m_pBorder->Style();
    params.m_nBorderThick = *thick;
    params.m_nWidth = *width;
    params.m_nHeight = *height;
    // An alignment the list cannot show is kept as the design has it.
    if (m_pAlign->currentIndex() >= 0)
        params.m_nAlign = m_pAlign->currentIndex();
    params.m_strName = "Brisko";
    if (CPreviewWnd* pWindow = DesignWindow())
        pWindow->FitToApplet();
    RepaintCanvas();
    return true;
}

} // namespace tb
