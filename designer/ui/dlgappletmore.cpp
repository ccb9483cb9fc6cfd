#include "designer/ui/dlgappletmore.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "designer/core/webpath.h"
#include "designer/ui/designerhelp.h"
#include "designer/ui/dlgmediafiles.h"
#include "model/appletparameters.h"
#include "model/ui/pagelayout.h"
#include "model/ui/spinedit.h"
#include "platform/ui/qt/qtstring.h"

namespace tb {

namespace {

constexpr int kMaxPlace = 1200;

QPushButton* NewBrowseButton(const QString& toolTip, QWidget* pParent) {
    auto* pButton = new QPushButton(QStringLiteral("..."), pParent);
    pButton->setAutoDefault(false);
    pButton->setToolTip(toolTip);
    pButton->setMaximumWidth(pButton->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 24);
    return pButton;
}

} // namespace

CDlgAppletMore::CDlgAppletMore(CAppletParameters& params, CPreviewWnd* pDesignWnd, QWidget* pParent)
    : CAppletPage(QStringLiteral("Applet More"), IDD_APPLET_MORE, params, pDesignWnd, pParent),
      m_pImage(new QLineEdit(this)),
      m_pImageBrowse(NewBrowseButton(tr("Choose the background image"), this)),
      m_pAudio(new QLineEdit(this)),
      m_pAudioBrowse(NewBrowseButton(tr("Choose the background sound"), this)),
      m_pWebPath(new QLineEdit(this)), m_pSpecify(new QRadioButton(tr("&Specify"), this)),
      m_pTile(new QRadioButton(tr("&Tile"), this)), m_pX(new CSpinEdit(0, kMaxPlace, this)),
      m_pY(new CSpinEdit(0, kMaxPlace, this)), m_pMessage(new QLineEdit(this)),
      m_pProgressBar(new QCheckBox(tr("With &progress bar"), this)),
      m_pPlayer(new QCheckBox(tr("Play in current &browsers"), this)) {
    m_pImage->setToolTip(tr("The picture behind the buttons"));
    m_pAudio->setToolTip(tr("The sound played while the applet is shown"));
    m_pWebPath->setToolTip(
        tr("Where the published page finds these files, relative to it (empty: beside it)"));
    m_pSpecify->setToolTip(tr("The image once, at X and Y"));
    m_pTile->setToolTip(tr("The image repeated over the whole applet"));
    m_pX->setToolTip(tr("Distance of the image from the left edge, 0 to 1200 pixels"));
    m_pY->setToolTip(tr("Distance of the image from the top edge, 0 to 1200 pixels"));
    m_pMessage->setToolTip(tr("Shown while the applet's images load"));
    m_pPlayer->setToolTip(tr("The published page also loads tlwbtn.js, which plays the buttons "
                             "in browsers without Java"));

    auto* pFiles = new QGridLayout;
    AddField(*pFiles, 0, 0, tr("Background &Image:"), m_pImage);
    pFiles->addWidget(m_pImageBrowse, 0, 2);
    AddField(*pFiles, 1, 0, tr("Background A&udio:"), m_pAudio);
    pFiles->addWidget(m_pAudioBrowse, 1, 2);
    pFiles->addWidget(BuddyLabel(tr("&Class, image and audio files' Web Path:"), m_pWebPath), 2, 0,
                      1, 3);
    pFiles->addWidget(m_pWebPath, 3, 0, 1, 3);
    pFiles->setColumnStretch(1, 1);

    auto* pDisplay = new QWidget(this);
    auto* pDisplayGrid = new QGridLayout(pDisplay);
    pDisplayGrid->setContentsMargins(0, 0, 0, 0);
    for (QWidget* p : {static_cast<QWidget*>(m_pSpecify), static_cast<QWidget*>(m_pTile),
                       static_cast<QWidget*>(m_pX), static_cast<QWidget*>(m_pY)})
        p->setParent(pDisplay);
    pDisplayGrid->addWidget(m_pSpecify, 0, 0);
    pDisplayGrid->addWidget(m_pTile, 1, 0);
    AddField(*pDisplayGrid, 0, 1, tr("&X :"), m_pX);
    AddField(*pDisplayGrid, 1, 1, tr("&Y :"), m_pY);
    pDisplayGrid->setColumnStretch(3, 1);

    auto* pLoading = new QWidget(this);
    auto* pLoadingGrid = new QGridLayout(pLoading);
    pLoadingGrid->setContentsMargins(0, 0, 0, 0);
    m_pMessage->setParent(pLoading);
    m_pProgressBar->setParent(pLoading);
    AddField(*pLoadingGrid, 0, 0, tr("&Message:"), m_pMessage);
    pLoadingGrid->addWidget(m_pProgressBar, 1, 1);

    auto* pGroups = new QHBoxLayout;
    pGroups->addWidget(NewGroup(tr("Display Image"), pDisplay, this));
    pGroups->addWidget(NewGroup(tr("Applet Loading"), pLoading, this), 1);

    auto* pPage = new QVBoxLayout(this);
    pPage->addLayout(pFiles);
    pPage->addLayout(pGroups);
    pPage->addWidget(m_pPlayer);
    pPage->addStretch(1);

    for (QLineEdit* pBox : {m_pImage, m_pAudio, m_pMessage})
        StoreOnEdit(pBox);
    connect(m_pWebPath, &QLineEdit::textEdited, this, [this] {
        m_bTypingWebPath = true;
        StoreFrom(m_pWebPath);
        m_bTypingWebPath = false;
    });
    StoreOnEdit(m_pX);
    StoreOnEdit(m_pY);
    connect(m_pProgressBar, &QCheckBox::clicked, this, [this] { StoreFrom(m_pProgressBar); });
    connect(m_pPlayer, &QCheckBox::clicked, this, [this] { StoreFrom(m_pPlayer); });
    for (QRadioButton* pButton : {m_pSpecify, m_pTile})
        connect(pButton, &QRadioButton::clicked, this, [this, pButton] {
            EnablePlace();
            StoreFrom(pButton);
        });
    connect(m_pImageBrowse, &QPushButton::clicked, this, &CDlgAppletMore::BrowseImage);
    connect(m_pAudioBrowse, &QPushButton::clicked, this, &CDlgAppletMore::BrowseAudio);
    m_pWebPath->installEventFilter(this);
    FinishInitialisation();
}

void CDlgAppletMore::LoadFrom(const CAppletParameters& params) {
    m_pImage->setText(ToQString(params.m_strBackImage));
    m_pAudio->setText(ToQString(params.m_strBackAudio));
    m_pWebPath->setText(ToQString(params.m_strWebPath));
    m_pSpecify->setChecked(params.m_nImageDisplay == 0);
    m_pTile->setChecked(params.m_nImageDisplay != 0);
    m_pX->SetValue(params.m_nImageX);
    m_pY->SetValue(params.m_nImageY);
    m_pMessage->setText(ToQString(params.m_strLoadingMessage));
    m_pProgressBar->setChecked(params.m_bProgressBar != 0);
    m_pPlayer->setChecked(params.m_bPlayer != 0);
    EnablePlace();
}

bool CDlgAppletMore::StoreInto(CAppletParameters& params, CPageChecks& checks) {
    const auto x = checks.Value(*m_pX);
    const auto y = checks.Value(*m_pY);
    if (!checks.Passed())
        return false;
    params.m_strBackImage = ToUtf8(m_pImage->text());
    params.m_strBackAudio = ToUtf8(m_pAudio->text());
    params.m_nImageDisplay = m_pTile->isChecked() ? 1 : 0;
    params.m_nImageX = *x;
    params.m_nImageY = *y;
    params.m_strLoadingMessage = ToUtf8(m_pMessage->text());
    params.m_bProgressBar = m_pProgressBar->isChecked() ? 1 : 0;
    params.m_bPlayer = m_pPlayer->isChecked() ? 1 : 0;
    params.m_strWebPath = NormalizeWebPath(ToUtf8(m_pWebPath->text()));
    // The box shows what was stored; not while the user types in it, or the cursor would jump.
    if (!m_bTypingWebPath)
        m_pWebPath->setText(ToQString(params.m_strWebPath));
    RepaintCanvas();
    return true;
}

bool CDlgAppletMore::eventFilter(QObject* pWatched, QEvent* pEvent) {
    if (pWatched == m_pWebPath && pEvent->type() == QEvent::FocusOut)
        NormalizeWebPathBox();
    return CAppletPage::eventFilter(pWatched, pEvent);
}

void CDlgAppletMore::NormalizeWebPathBox() {
    const QString normal = ToQString(NormalizeWebPath(ToUtf8(m_pWebPath->text())));
    if (normal != m_pWebPath->text())
        m_pWebPath->setText(normal);
    StoreFrom(m_pWebPath);
}

void CDlgAppletMore::EnablePlace() {
    const bool bSpecify = !m_pTile->isChecked();
    m_pX->setEnabled(bSpecify);
    m_pY->setEnabled(bSpecify);
}

void CDlgAppletMore::BrowseImage() {
    Browse(*m_pImage, kImageFilter);
}

void CDlgAppletMore::BrowseAudio() {
    Browse(*m_pAudio, kAudioFilter);
}

void CDlgAppletMore::Browse(QLineEdit& box, const char* pszFilter) {
    if (ChooseFileInto(box, pszFilter))
        StoreFrom(&box);
}

} // namespace tb
