#pragma once
// The font dialog ("Font"): face, colour, size, style and special effect of one state block.
// OK checks the size (a whole number, 0 to 5000) and keeps the dialog open until it passes.

#include <QDialog>

#include "designer/core/menupagevalues.h"

class CColorButton;
class CSpinEdit;
class QComboBox;
class QRadioButton;

namespace tb {

class CDlgFont : public QDialog {
    Q_OBJECT

public:
    explicit CDlgFont(const CFontValues& values, QWidget* pParent = nullptr);

    // The values as the controls show them (the size as last checked).
    CFontValues Values() const { return m_values; }

    QComboBox& NameList() const { return *m_pName; }
    CColorButton& ColorButton() const { return *m_pColor; }
    CSpinEdit& SizeBox() const { return *m_pSize; }
    QRadioButton& StyleButton(int nStyle) const { return *m_pStyles[nStyle]; }
    QComboBox& EffectList() const { return *m_pEffect; }

public slots:
    void accept() override;

private:
    CFontValues m_values;
    QComboBox* m_pName;
    CColorButton* m_pColor;
    CSpinEdit* m_pSize;
    QRadioButton* m_pStyles[3];
    QComboBox* m_pEffect;
};

// Runs the dialog on the values; true (and the values changed) on OK.
bool EditFont(CFontValues& values, QWidget* pParent);

} // namespace tb
