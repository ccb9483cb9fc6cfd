#pragma once
// The background and border controls that the item pages, the hint page and the applet page
// share: two colour buttons with "<------>" (swap) and "B/W" (black and white) and the
// background-style picker drawn with those colours; a border colour button with the
// border-style picker drawn in it. Each says Changed when the user changed anything.

#include <QWidget>

#include "platform/core/colorref.h"

class CBackStylePicker;
class CBorderStylePicker;
class CColorButton;
class QLabel;
class QPushButton;

class CBackgroundControls : public QWidget {
    Q_OBJECT

public:
    // The labels of the two colour buttons ("Back Color:", "Fade Color:"); bTransparency
    // gives the picker its six-entry form.
    CBackgroundControls(const QString& firstLabel, const QString& secondLabel, bool bTransparency,
                        QWidget* pParent = nullptr);

    // Shows the values; not a change of the user's.
    void SetValues(COLORREF crFirst, COLORREF crSecond, int nStyle);
    COLORREF First() const;
    COLORREF Second() const;
    int Style() const;

    CColorButton& FirstButton() const { return *m_pFirst; }
    CColorButton& SecondButton() const { return *m_pSecond; }
    QPushButton& SwapButton() const { return *m_pSwap; }
    QPushButton& BlackWhiteButton() const { return *m_pBlackWhite; }
    CBackStylePicker& Picker() const { return *m_pPicker; }

signals:
    void Changed();

private:
    CColorButton* m_pFirst;
    CColorButton* m_pSecond;
    QPushButton* m_pSwap;
    QPushButton* m_pBlackWhite;
    CBackStylePicker* m_pPicker;
};

class CBorderControls : public QWidget {
    Q_OBJECT

public:
    explicit CBorderControls(QWidget* pParent = nullptr);

    void SetValues(COLORREF crColor, int nStyle);
    COLORREF Color() const;
    int Style() const;

    CColorButton& ColorButton() const { return *m_pColor; }
    CBorderStylePicker& Picker() const { return *m_pPicker; }
    // The grid the controls sit in, for pages that add a field of their own (the thickness).
    class QGridLayout& Grid() const {
        return *m_pGrid;
    }

signals:
    void Changed();

private:
    CColorButton* m_pColor;
    CBorderStylePicker* m_pPicker;
    QGridLayout* m_pGrid;
};
