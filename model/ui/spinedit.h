#pragma once
// A number box with up and down arrows for the pages' integer fields. Unlike QSpinBox it
// keeps whatever the user types, so the page's check can say what is wrong with it; the
// arrows, the arrow keys and the wheel step the number within the range. It is as wide as
// the longest number of its range.

#include <QAbstractSpinBox>
#include <optional>

#include "platform/ui/integercheck.h"

class CSpinEdit : public QAbstractSpinBox {
    Q_OBJECT

public:
    CSpinEdit(int nMin, int nMax, QWidget* pParent = nullptr,
              tb::IntegerKind kind = tb::IntegerKind::Signed);

    int Minimum() const { return m_nMin; }
    int Maximum() const { return m_nMax; }
    tb::IntegerKind Kind() const { return m_kind; }

    // Shows the number; not an edit.
    void SetValue(int nValue);
    // Puts text into the box as if typed (the test's and the page's own edits).
    void SetText(const QString& text);
    // The integer the text stands for, with the check's message when it stands for none.
    tb::IntegerCheck Check() const;

    // Marks the box as holding a value its page could not take (with the reason as its
    // tooltip), or clears the mark.
    void SetFlagged(const QString& reason);
    bool IsFlagged() const { return !m_reason.isEmpty(); }
    // Whether the message about this text has been shown already, so that it is not shown
    // twice; an empty box counts as a text of its own.
    bool WasReported(const QString& text) const { return m_reported == text; }
    void SetReportedText(std::optional<QString> text) { m_reported = std::move(text); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    void stepBy(int nSteps) override;

signals:
    // The user changed the number: typed, stepped or pasted.
    void Edited();

protected:
    StepEnabled stepEnabled() const override;
    QValidator::State validate(QString& input, int& nPos) const override;
    void fixup(QString& input) const override;

private:
    int m_nMin;
    int m_nMax;
    tb::IntegerKind m_kind;
    QString m_reason;
    std::optional<QString> m_reported;
    QString m_toolTip;
    bool m_bSetting = false;
};
