#include "designer/ui/dlgmenustyle.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "designer/core/menupagevalues.h"
#include "designer/ui/designerhelp.h"
#include "designer/ui/dlgmediafiles.h"
#include "model/drawrect.h"
#include "model/ui/pagelayout.h"
#include "model/ui/spinedit.h"
#include "platform/ui/qt/qtstring.h"

namespace tb {

namespace {

constexpr int kMaxPixels = 1200;

} // namespace

CDlgMenuStyle::CDlgMenuStyle(CDrawView* pView, QWidget* pParent)
    : CMenuPage(QStringLiteral("Label"), IDD_LABEL, pView, pParent),
      m_pLabel(NewMultiLineBox(3, this)), m_pDescription(new QLineEdit(this)),
      m_pLink(new QLineEdit(this)), m_pTarget(new QComboBox(this)),
      m_pX(new CSpinEdit(0, kMaxPixels, this)), m_pY(new CSpinEdit(0, kMaxPixels, this)),
      m_pWidth(new CSpinEdit(0, kMaxPixels, this)), m_pHeight(new CSpinEdit(0, kMaxPixels, this)),
      m_pBorderThick(new CSpinEdit(0, kMaxPixels, this)),
      m_pImage(new QPushButton(tr("&Image..."), this)),
      m_pAudio(new QPushButton(tr("&Audio..."), this)) {
    m_pTarget->setEditable(true);
    m_pTarget->setInsertPolicy(QComboBox::NoInsert);
    // A frame name is typed as it is, never completed into one of the list's entries.
    m_pTarget->setCompleter(nullptr);
    m_pTarget->addItems({QStringLiteral("_self"), QStringLiteral("_parent"), QStringLiteral("_top"),
                         QStringLiteral("_blank")});

    m_pLabel->setToolTip(tr("The text on the button; Enter starts a new line"));
    m_pDescription->setToolTip(tr("A description of the button"));
    m_pLink->setToolTip(tr("The page the button opens, e.g. news.htm or https://..."));
    m_pTarget->setToolTip(
        tr("Where the page opens: _self, _parent, _top, _blank or a frame's name"));
    m_pBorderThick->setToolTip(tr("Border thickness in pixels, 0 to 1200"));
    m_pImage->setToolTip(tr("Images for the normal, mouse-over and clicked button"));
    m_pAudio->setToolTip(tr("Sounds for mouse over and click"));
    for (QPushButton* pButton : {m_pImage, m_pAudio})
        pButton->setAutoDefault(false);

    auto* pTexts = new QGridLayout;
    AddField(*pTexts, 0, 0, tr("&Label:"), m_pLabel);
    AddField(*pTexts, 1, 0, tr("&Description:"), m_pDescription);
    AddField(*pTexts, 2, 0, tr("Lin&k to:"), m_pLink);
    AddField(*pTexts, 3, 0, tr("&Target Frame:"), m_pTarget);
    pTexts->itemAtPosition(0, 0)->setAlignment(Qt::AlignTop);
    pTexts->setColumnStretch(1, 1);

    auto* pPlace = new QGroupBox(tr("Position and size"), this);
    auto* pPlaceGrid = new QGridLayout(pPlace);
    AddField(*pPlaceGrid, 0, 0, tr("&X:"), m_pX);
    AddField(*pPlaceGrid, 1, 0, tr("&Y:"), m_pY);
    AddField(*pPlaceGrid, 0, 2, tr("&Width:"), m_pWidth);
    AddField(*pPlaceGrid, 1, 2, tr("&Height:"), m_pHeight);
    AddField(*pPlaceGrid, 2, 0, tr("&Border Thick:"), m_pBorderThick);
    pPlaceGrid->setColumnMinimumWidth(2, fontMetrics().averageCharWidth() * 3);
    pPlaceGrid->setColumnStretch(4, 1);

    auto* pMedia = new QHBoxLayout;
    pMedia->addWidget(m_pImage);
    pMedia->addWidget(m_pAudio);
    pMedia->addStretch(1);

    auto* pPage = new QVBoxLayout(this);
    pPage->addLayout(pTexts);
    pPage->addWidget(pPlace);
    pPage->addLayout(pMedia);
    pPage->addStretch(1);

    StoreOnEdit(m_pLabel);
    StoreOnEdit(m_pDescription);
    StoreOnEdit(m_pLink);
    for (CSpinEdit* pBox : {m_pX, m_pY, m_pWidth, m_pHeight, m_pBorderThick})
        StoreOnEdit(pBox);
    connect(m_pTarget->lineEdit(), &QLineEdit::textEdited, this, [this] {
        m_bTargetTyped = true;
        StoreFrom(m_pTarget);
    });
    connect(m_pTarget, &QComboBox::activated, this, [this] {
        m_bTargetTyped = false;
        StoreFrom(m_pTarget);
    });
    connect(m_pImage, &QPushButton::clicked, this, &CDlgMenuStyle::EditImages);
    connect(m_pAudio, &QPushButton::clicked, this, &CDlgMenuStyle::EditSounds);
    FinishInitialisation();
}

void CDlgMenuStyle::FocusLabelBox() {
    m_pLabel->setFocus(Qt::OtherFocusReason);
    m_pLabel->selectAll();
}

void CDlgMenuStyle::FocusLinkBox() {
    m_pLink->setFocus(Qt::OtherFocusReason);
    m_pLink->selectAll();
}

std::string CDlgMenuStyle::TargetText() const {
    const int nChosen = m_pTarget->currentIndex();
    if (!m_bTargetTyped && nChosen >= 0)
        return ToUtf8(m_pTarget->itemText(nChosen));
    return ToUtf8(m_pTarget->currentText());
}

void CDlgMenuStyle::LoadFrom(CDrawRect& button) {
    const CLabelPageValues values = LoadLabelPage(button);
    m_pLabel->setPlainText(ToQString(ToBoxLineEnds(values.strLabel)));
    m_pDescription->setText(ToQString(values.strDescription));
    m_pLink->setText(ToQString(values.strUrl));
    const QString target = ToQString(values.strTarget);
    m_pTarget->setCurrentIndex(m_pTarget->findText(target, Qt::MatchExactly));
    m_pTarget->setEditText(target);
    m_bTargetTyped = m_pTarget->currentIndex() < 0;
    m_pX->SetValue(values.nX);
    m_pY->SetValue(values.nY);
    m_pWidth->SetValue(values.nWidth);
    m_pHeight->SetValue(values.nHeight);
    m_pBorderThick->SetValue(values.nBorderThick);
}

bool CDlgMenuStyle::StoreInto(CDrawRect& button, CPageChecks& checks) {
    const auto x = checks.Value(*m_pX);
    const auto y = checks.Value(*m_pY);
    const auto width = checks.Value(*m_pWidth);
    const auto height = checks.Value(*m_pHeight);
    const auto thick = checks.Value(*m_pBorderThick);
    if (!checks.Passed())
        return false;
    CLabelPageValues values;
    values.strLabel = ToModelLineEnds(ToUtf8(m_pLabel->toPlainText()));
    values.strDescription = ToUtf8(m_pDescription->text());
    values.strUrl = ToUtf8(m_pLink->text());
    values.strTarget = TargetText();
    values.nX = *x;
    values.nY = *y;
    values.nWidth = *width;
    values.nHeight = *height;
    values.nBorderThick = *thick;
    // A zero width or height keeps the whole page back; the page stays as typed.
    StoreLabelPage(values, button, View() ? &View()->Core() : nullptr);
    return true;
}

void CDlgMenuStyle::EditImages() {
    if (CDrawRect* pButton = SelectedButton())
        EditMediaFiles(MediaKind::Images, *pButton, this);
}

void CDlgMenuStyle::EditSounds() {
    if (CDrawRect* pButton = SelectedButton())
        EditMediaFiles(MediaKind::Sounds, *pButton, this);
}

} // namespace tb
