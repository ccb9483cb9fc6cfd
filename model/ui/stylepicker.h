#pragma once
// The common part of the two style pickers: a combo box whose entries are painted samples.
// Each entry keeps its style number as item data; the list and the closed box both paint
// through the GUI-free entry painter on a QImage surface.

#include <QComboBox>

#include "designer/paint/stylesamples.h"

class CStylePicker : public QComboBox, public tb::IStyleSamplePainter {
public:
    explicit CStylePicker(QWidget* pParent = nullptr);

    // Paints entry nIndex into a w x h image as the list shows it.
    QImage RenderEntry(int nIndex, int w, int h, bool bSelected, bool bFocused) const;

protected:
    // The style number of the selected entry (its item data), or 0 when nothing is selected.
    int SelectedStyleNumber() const;
    // Adds the entries after emptying the list.
    virtual void FillList() = 0;
    // Refills, keeping the selection (entry 1 when there was none).
    void Refill();
    void paintEvent(QPaintEvent* pEvent) override;

private:
    tb::PickerColors Colors() const;
};
