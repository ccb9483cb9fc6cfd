#pragma once
// The pages' colour button: a push button that shows its colour as a swatch with a border
// that stays visible on any colour and a focus frame. Clicking it opens the full colour
// chooser preset to the colour; choosing one sets it and says so.

#include <QPushButton>

#include "platform/core/colorref.h"

class CColorButton : public QPushButton {
    Q_OBJECT

public:
    explicit CColorButton(QWidget* pParent = nullptr);

    COLORREF Color() const { return m_cr; }
    // Shows the colour; not a choice of the user.
    void SetColor(COLORREF cr);
    // Asks the user for a colour, as a click does; true when one was chosen.
    bool ChooseColor();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The user chose this colour.
    void ColorChosen(COLORREF cr);

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    COLORREF m_cr = 0;
};
