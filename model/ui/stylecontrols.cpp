#include "model/ui/stylecontrols.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "model/ui/backstylepicker.h"
#include "model/ui/borderstylepicker.h"
#include "model/ui/colorbutton.h"
#include "model/ui/pagelayout.h"

using tb::BuddyLabel;

CBackgroundControls::CBackgroundControls(const QString& firstLabel, const QString& secondLabel,
                                         bool bTransparency, QWidget* pParent)
    : QWidget(pParent), m_pFirst(new CColorButton(this)), m_pSecond(new CColorButton(this)),
      m_pSwap(new QPushButton(QStringLiteral("<------>"), this)),
      m_pBlackWhite(new QPushButton(QStringLiteral("B/W"), this)),
      m_pPicker(new CBackStylePicker(bTransparency, this)) {
    m_pSwap->setToolTip(tr("Swap the two colours"));
    m_pBlackWhite->setToolTip(tr("Black to white"));
    m_pPicker->setToolTip(tr("How the two colours fill the background"));
    m_pSwap->setAutoDefault(false);
    m_pBlackWhite->setAutoDefault(false);

    auto* pGrid = new QGridLayout(this);
    pGrid->setContentsMargins(0, 0, 0, 0);
    pGrid->addWidget(BuddyLabel(firstLabel, m_pFirst), 0, 0);
    pGrid->addWidget(BuddyLabel(secondLabel, m_pSecond), 0, 2);
    pGrid->addWidget(m_pFirst, 1, 0);
    pGrid->addWidget(m_pSwap, 1, 1);
    pGrid->addWidget(m_pSecond, 1, 2);
    pGrid->addWidget(m_pBlackWhite, 1, 3);
    pGrid->addWidget(BuddyLabel(tr("St&yle:"), m_pPicker), 2, 0);
    pGrid->addWidget(m_pPicker, 2, 1, 1, 3);
    pGrid->setColumnStretch(4, 1);

    connect(m_pFirst, &CColorButton::ColorChosen, this, [this](COLORREF cr) {
        m_pPicker->SetFirstColor(cr);
        emit Changed();
    });
    connect(m_pSecond, &CColorButton::ColorChosen, this, [this](COLORREF cr) {
        m_pPicker->SetSecondColor(cr);
        emit Changed();
    });
    connect(m_pSwap, &QPushButton::clicked, this, [this] {
        const COLORREF crFirst = m_pFirst->Color();
        m_pFirst->SetColor(m_pSecond->Color());
        m_pSecond->SetColor(crFirst);
        m_pPicker->SwapColors();
        emit Changed();
    });
    connect(m_pBlackWhite, &QPushButton::clicked, this, [this] {
        m_pFirst->SetColor(RGB(0, 0, 0));
        m_pSecond->SetColor(RGB(255, 255, 255));
        m_pPicker->SetBlackWhite();
        emit Changed();
    });
    connect(m_pPicker, &QComboBox::activated, this, &CBackgroundControls::Changed);
}

void CBackgroundControls::SetValues(COLORREF crFirst, COLORREF crSecond, int nStyle) {
    m_pFirst->SetColor(crFirst);
    m_pSecond->SetColor(crSecond);
    m_pPicker->SetStyle(tb::BackStyle(nStyle), crFirst, crSecond);
}

COLORREF CBackgroundControls::First() const {
    return m_pFirst->Color();
}

COLORREF CBackgroundControls::Second() const {
    return m_pSecond->Color();
}

int CBackgroundControls::Style() const {
    return static_cast<int>(m_pPicker->GetBackStyle());
}

CBorderControls::CBorderControls(QWidget* pParent)
    : QWidget(pParent), m_pColor(new CColorButton(this)), m_pPicker(new CBorderStylePicker(this)),
      m_pGrid(new QGridLayout(this)) {
    m_pPicker->setToolTip(tr("How the border is shaded"));
    m_pGrid->setContentsMargins(0, 0, 0, 0);
    m_pGrid->addWidget(BuddyLabel(tr("&Color:"), m_pColor), 0, 0);
    m_pGrid->addWidget(m_pColor, 0, 1);
    m_pGrid->addWidget(BuddyLabel(tr("S&tyle:"), m_pPicker), 1, 0);
    m_pGrid->addWidget(m_pPicker, 1, 1, 1, 2);
    m_pGrid->setColumnStretch(2, 1);

    connect(m_pColor, &CColorButton::ColorChosen, this, [this](COLORREF cr) {
        m_pPicker->SetColor(cr);
        emit Changed();
    });
    connect(m_pPicker, &QComboBox::activated, this, &CBorderControls::Changed);
}

void CBorderControls::SetValues(COLORREF crColor, int nStyle) {
    m_pColor->SetColor(crColor);
    m_pPicker->SetStyle(tb::BorderStyle(nStyle), crColor);
}

COLORREF CBorderControls::Color() const {
    return m_pColor->Color();
}

int CBorderControls::Style() const {
    return static_cast<int>(m_pPicker->GetBorderStyle());
}
