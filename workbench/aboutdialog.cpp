#include "workbench/aboutdialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include "platform/ui/qt/qtstring.h"
#include "workbench/core/aboutdata.h"
#include "workbench/core/helptopics.h"
#include "workbench/core/workbenchstrings.h"
#include "workbench/creditsscroller.h"
#include "workbench/linklabel.h"
#include "workbench/workbenchimages.h"

namespace tb {

namespace {

// The About box scrolls at the fastest speed of the table.
constexpr int kAboutCreditsSpeed = 2;
constexpr char kCreditsSeparator = '|';
constexpr int kCreditsPictureSize = 64;

// A picture of the credits: one of the program's drawings, by name.
QPixmap CreditsPicture(const QString& name, qreal ratio) {
    QSvgRenderer renderer(QStringLiteral(":/workbench/%1.svg").arg(name));
    if (!renderer.isValid())
        return {};
    QPixmap picture(QSize(kCreditsPictureSize, kCreditsPictureSize) * ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    renderer.render(&painter);
    painter.end();
    picture.setDevicePixelRatio(ratio);
    return picture;
}

} // namespace

CAboutDlg::CAboutDlg(const CAboutData& data, QWidget* parent)
    : CHelpDialog(IDD_ABOUTBOX, parent),
      m_pWeb(new CLinkLabel(ToQString(data.webAddress), ToQString(data.webAddress))),
      m_pMail(new CLinkLabel(ToQString(data.supportMail),
                             QStringLiteral("mailto:") + ToQString(data.supportMail))),
      m_pCredits(new CCreditsScroller) {
    const QString appName = ToQString(LoadHostString(AFX_IDS_APP_TITLE));
    setWindowTitle(QStringLiteral("About ") + appName);

    auto* pIcon = new QLabel;
    pIcon->setPixmap(WorkbenchIcon().pixmap(64, 64));
    auto* pName =
        new QLabel(QStringLiteral("<b>%1</b><br>Version 2.0").arg(appName.toHtmlEscaped()));
    QFont nameFont = pName->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.3);
    pName->setFont(nameFont);
    auto* pHeader = new QHBoxLayout;
    pHeader->addWidget(pIcon);
    pHeader->addWidget(pName, 1);

    auto* pPurpose = new QLabel(
        QStringLiteral("Design a panel of animated buttons and publish it into your web pages."));
    pPurpose->setWordWrap(true);

    m_pWeb->setToolTip(QStringLiteral("Open the web site in your browser"));
    m_pMail->setToolTip(QStringLiteral("Write to technical support"));
    auto* pPostal = new QLabel(ToQString(data.postalAddress));
    pPostal->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* pAddresses = new QFormLayout;
    pAddresses->setLabelAlignment(Qt::AlignLeft | Qt::AlignTop);
    pAddresses->addRow(QStringLiteral("Web:"), m_pWeb);
    pAddresses->addRow(QStringLiteral("Tech Support:"), m_pMail);
    pAddresses->addRow(QStringLiteral("Postal Mail:"), pPostal);

    auto* pLeft = new QVBoxLayout;
    pLeft->addLayout(pHeader);
    pLeft->addWidget(pPurpose);
    pLeft->addSpacing(8);
    pLeft->addLayout(pAddresses);
    pLeft->addStretch();

    m_pCredits->SetPictureLookup(
        [ratio = devicePixelRatioF()](const QString& name) { return CreditsPicture(name, ratio); });
    m_pCredits->SetColors(QColor(13, 47, 109), QColor(248, 200, 8), QColor(255, 255, 0),
                          QColor(248, 200, 8), Qt::white);
    m_pCredits->SetSpeed(kAboutCreditsSpeed);
    m_pCredits->SetCredits(data.credits, kCreditsSeparator);
    m_pCredits->setFixedSize(m_pCredits->sizeHint());

    auto* pBody = new QHBoxLayout;
    pBody->addLayout(pLeft, 1);
    pBody->addSpacing(12);
    pBody->addWidget(m_pCredits);

    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(pButtons, &QDialogButtonBox::accepted, this, &CAboutDlg::accept);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pBody);
    pLayout->addWidget(pButtons);
    setTabOrder(m_pWeb, m_pMail);
    pButtons->button(QDialogButtonBox::Ok)->setFocus();
}

} // namespace tb
