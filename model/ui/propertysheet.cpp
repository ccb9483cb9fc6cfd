#include "model/ui/propertysheet.h"

#include <QSignalBlocker>

namespace {

// The extra width a sheet takes beyond its standard size.
constexpr int kExtraWidth = 50;

} // namespace

CPropertyPage::CPropertyPage(const QString& title, QWidget* pParent)
    : QWidget(pParent), m_title(title) {}

CPropertySheet::CPropertySheet(QWidget* pParent) : QTabWidget(pParent) {
    connect(this, &QTabWidget::currentChanged, this, &CPropertySheet::OnCurrentChanged);
}

int CPropertySheet::AddPage(CPropertyPage* pPage) {
    return addTab(pPage, pPage->Title());
}

bool CPropertySheet::ReplacePage(int nIndex, CPropertyPage* pPage) {
    CPropertyPage* pOld = Page(nIndex);
    if (!pOld || !pPage)
        return false;
    const bool bWasActive = nIndex == currentIndex();
    {
        // Neither the old page's leaving nor the new one's arrival is a change of page.
        const QSignalBlocker blocker(this);
        removeTab(nIndex);
        insertTab(nIndex, pPage, pPage->Title());
        if (bWasActive)
            setCurrentIndex(nIndex);
        m_nActive = currentIndex();
    }
    delete pOld;
    if (bWasActive)
        pPage->OnSetActive();
    return true;
}

CPropertyPage* CPropertySheet::Page(int nIndex) const {
    return static_cast<CPropertyPage*>(widget(nIndex));
}

void CPropertySheet::RefreshActivePage() {
    if (CPropertyPage* pPage = ActivePage())
        pPage->Load();
}

bool CPropertySheet::StoreActivePage() {
    CPropertyPage* pPage = ActivePage();
    return !pPage || pPage->Store();
}

QSize CPropertySheet::sizeHint() const {
    return QTabWidget::sizeHint() + QSize(kExtraWidth, 0);
}

QSize CPropertySheet::minimumSizeHint() const {
    return QTabWidget::minimumSizeHint() + QSize(kExtraWidth, 0);
}

void CPropertySheet::OnCurrentChanged(int nIndex) {
    if (nIndex == m_nActive)
        return;
    if (CPropertyPage* pLeaving = Page(m_nActive); pLeaving && !pLeaving->OnKillActive()) {
        const QSignalBlocker blocker(this);
        setCurrentIndex(m_nActive);
        return;
    }
    m_nActive = nIndex;
    if (CPropertyPage* pPage = Page(nIndex))
        pPage->OnSetActive();
    emit PageActivated(nIndex);
}
