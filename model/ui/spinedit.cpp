#include "model/ui/spinedit.h"

#include <QLineEdit>
#include <QStyleOptionSpinBox>
#include <algorithm>

#include "platform/core/numfmt.h"
#include "platform/ui/qt/qtstring.h"

CSpinEdit::CSpinEdit(int nMin, int nMax, QWidget* pParent, tb::IntegerKind kind)
    : QAbstractSpinBox(pParent), m_nMin(nMin), m_nMax(nMax), m_kind(kind) {
    setAccelerated(true);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
    lineEdit()->setText(QString::number(std::clamp(0, nMin, nMax)));
    connect(lineEdit(), &QLineEdit::textChanged, this, [this] {
        if (!m_bSetting)
            emit Edited();
    });
}

void CSpinEdit::SetValue(int nValue) {
    m_bSetting = true;
    lineEdit()->setText(QString::number(nValue));
    m_bSetting = false;
    SetFlagged({});
    m_reported.reset();
}

void CSpinEdit::SetText(const QString& text) {
    lineEdit()->setText(text);
}

tb::IntegerCheck CSpinEdit::Check() const {
    return tb::CheckInteger(tb::ToUtf8(text()), m_nMin, m_nMax, m_kind);
}

void CSpinEdit::SetFlagged(const QString& reason) {
    if (reason == m_reason)
        return;
    if (m_reason.isEmpty())
        m_toolTip = toolTip();
    m_reason = reason;
    setToolTip(reason.isEmpty() ? m_toolTip : reason);
    // A light red field says "this one is not taken" without a word more.
    QPalette pal = palette();
    pal.setColor(QPalette::Base,
                 reason.isEmpty() ? QPalette().color(QPalette::Base) : QColor(0xff, 0xdd, 0xdd));
    setPalette(pal);
    lineEdit()->setPalette(pal);
}

QSize CSpinEdit::sizeHint() const {
    ensurePolished();
    const QFontMetrics metrics(fontMetrics());
    // Room for the longest number of the range, one more digit and the cursor.
    const int nText = std::max(metrics.horizontalAdvance(QString::number(m_nMin)),
                               metrics.horizontalAdvance(QString::number(m_nMax))) +
                      metrics.horizontalAdvance(QLatin1Char('0')) + 2;
    const int nHeight = lineEdit()->sizeHint().height();
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option, QSize(nText, nHeight), this);
}

QSize CSpinEdit::minimumSizeHint() const {
    return sizeHint();
}

void CSpinEdit::stepBy(int nSteps) {
    // C number rules: "12abc" steps from 12, text without digits from 0.
    const long long nNext = static_cast<long long>(tb::AtoI(tb::ToUtf8(text()))) + nSteps;
    const int nValue = static_cast<int>(std::clamp<long long>(nNext, m_nMin, m_nMax));
    lineEdit()->setText(QString::number(nValue));
    lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled CSpinEdit::stepEnabled() const {
    if (isReadOnly())
        return StepNone;
    const int nValue = tb::AtoI(tb::ToUtf8(text()));
    StepEnabled enabled = StepNone;
    if (nValue < m_nMax)
        enabled |= StepUpEnabled;
    if (nValue > m_nMin)
        enabled |= StepDownEnabled;
    return enabled;
}

QValidator::State CSpinEdit::validate(QString&, int&) const {
    // Whatever is typed stays; the page's check judges it.
    return QValidator::Acceptable;
}

void CSpinEdit::fixup(QString&) const {}
