#include "model/ui/pagechecks.h"

#include "model/ui/spinedit.h"
#include "platform/ui/integercheck.h"
#include "platform/ui/qt/qtstring.h"
#include "platform/ui/uiservices.h"

CPageChecks::CPageChecks(Cause cause, const QWidget* pTrigger)
    : m_cause(cause), m_pTrigger(pTrigger) {}

std::optional<int> CPageChecks::Value(CSpinEdit& box) {
    const tb::IntegerCheck check = box.Check();
    if (check.Passed()) {
        box.SetFlagged({});
        box.SetReportedText(std::nullopt);
        return check.value;
    }
    box.SetFlagged(tb::ToQString(check.message));
    m_failed.push_back(&box);
    return std::nullopt;
}

bool CPageChecks::Report() {
    if (m_failed.empty())
        return false;
    // The box the user works in first; otherwise the first one of the page.
    CSpinEdit* pBox = m_failed.front();
    for (CSpinEdit* pFailed : m_failed) {
        if (pFailed == m_pTrigger)
            pBox = pFailed;
    }
    const QString text = pBox->text();
    if (m_cause != Cause::Leaving) {
        if (pBox->WasReported(text))
            return false;
        if (m_cause == Cause::Edit && pBox == m_pTrigger &&
            tb::IsUnfinishedInteger(tb::ToUtf8(text)))
            return false;
    }
    pBox->SetReportedText(text);
    tb::Ui().MessageBox(pBox->Check().message, kPageMessageCaption, tb::MbButtons::OK,
                        tb::MbIcon::Exclamation);
    pBox->setFocus(Qt::OtherFocusReason);
    pBox->selectAll();
    return true;
}
