#include "designer/ui/dlgfont.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "designer/ui/designerhelp.h"
#include "model/ui/colorbutton.h"
#include "model/ui/pagechecks.h"
#include "model/ui/pagelayout.h"
#include "model/ui/spinedit.h"

namespace tb {

namespace {

constexpr int kMaxFontSize = 5000;

// An entry of a list of nCount entries; a value a file may hold beyond them shows as the
// entry the canvas paints it with (nOther).
int ListIndex(int nValue, int nCount, int nOther = 0) {
    return nValue >= 0 && nValue < nCount ? nValue : nOther;
}

} // namespace

CDlgFont::CDlgFont(const CFontValues& values, QWidget* pParent)
    : QDialog(pParent), m_values(values), m_pName(new QComboBox(this)),
      m_pColor(new CColorButton(this)),
      m_pSize(new CSpinEdit(0, kMaxFontSize, this, IntegerKind::Unsigned)),
      m_pEffect(new QComboBox(this)) {
    setWindowTitle(QStringLiteral("Font"));
    SetHelpTemplate(*this, IDD_FONT);
    InstallHelpKey(*this);

    m_pName->addItems(
        {QStringLiteral("TimesRoman"), QStringLiteral("Helvetica"), QStringLiteral("Courier")});
    m_pEffect->addItems({QStringLiteral("Normal"), QStringLiteral("Outline"),
                         QStringLiteral("Sunken"), QStringLiteral("Bulge"),
                         QStringLiteral("With Shadow")});
    m_pName->setToolTip(tr("The typeface of the label"));
    m_pSize->setToolTip(tr("Size in points, 0 to 5000"));
    m_pEffect->setToolTip(tr("How the browser's player draws the letters"));

    auto* pFields = new QGridLayout;
    AddField(*pFields, 0, 0, tr("Font &Name:"), m_pName);
    AddField(*pFields, 1, 0, tr("Font &Color:"), m_pColor);
    AddField(*pFields, 2, 0, tr("Font &Size:"), m_pSize);
    AddField(*pFields, 3, 0, tr("Special &Effects:"), m_pEffect);
    // A swatch, not a bar: the colour button keeps its own width.
    pFields->setAlignment(m_pColor, Qt::AlignLeft);
    pFields->setColumnStretch(2, 1);

    auto* pStyle = new QGroupBox(tr("Font Style"), this);
    auto* pStyleLayout = new QHBoxLayout(pStyle);
    auto* pStyleGroup = new QButtonGroup(this);
    const char* const styles[] = {"&Plain", "&Bold", "&Italic"};
    for (int i = 0; i < 3; ++i) {
        m_pStyles[i] = new QRadioButton(tr(styles[i]), pStyle);
        pStyleGroup->addButton(m_pStyles[i], i);
        pStyleLayout->addWidget(m_pStyles[i]);
    }
    pStyleLayout->addStretch(1);

    auto* pButtons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    connect(pButtons, &QDialogButtonBox::accepted, this, &CDlgFont::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(pButtons, &QDialogButtonBox::helpRequested, this, [] { ShowDesignerHelp(IDD_FONT); });

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pFields);
    pLayout->addWidget(pStyle);
    pLayout->addWidget(pButtons);
    pLayout->setSizeConstraint(QLayout::SetMinimumSize);

    // Order of the fields as the eye reads them, top to bottom.
    setTabOrder(m_pName, m_pColor);
    setTabOrder(m_pColor, m_pSize);
    setTabOrder(m_pSize, m_pStyles[0]);
    setTabOrder(m_pStyles[0], m_pEffect);

    m_pName->setCurrentIndex(ListIndex(values.nFontName, 3, 2));
    m_pColor->SetColor(values.crFont);
    m_pSize->SetValue(values.nFontSize);
    m_pStyles[ListIndex(values.nFontStyle, 3)]->setChecked(true);
    m_pEffect->setCurrentIndex(ListIndex(values.nFontEffect, 5));
}

void CDlgFont::accept() {
    CPageChecks checks(CPageChecks::Cause::Leaving);
    const std::optional<int> size = checks.Value(*m_pSize);
    if (!checks.Passed()) {
        checks.Report();
        return;
    }
    m_values.nFontName = m_pName->currentIndex();
    m_values.crFont = m_pColor->Color();
    m_values.nFontSize = *size;
    for (int i = 0; i < 3; ++i) {
        if (m_pStyles[i]->isChecked())
            m_values.nFontStyle = i;
    }
    m_values.nFontEffect = m_pEffect->currentIndex();
    QDialog::accept();
}

bool EditFont(CFontValues& values, QWidget* pParent) {
    CDlgFont dialog(values, pParent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    values = dialog.Values();
    return true;
}

} // namespace tb
