#include "model/ui/stylepicker.h"

#include <QFontInfo>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QStyledItemDelegate>

#include "platform/surface/qt/qtrect.h"
#include "platform/surface/qt/qtsurface.h"

namespace {

// Paints the drop-down list's entries with the picker's own entry painter.
class CStyleItemDelegate : public QStyledItemDelegate {
public:
    explicit CStyleItemDelegate(CStylePicker* pPicker)
        : QStyledItemDelegate(pPicker), m_pPicker(pPicker) {}

    void paint(QPainter* pPainter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool bSelected = option.state & QStyle::State_Selected;
        const bool bFocused = option.state & QStyle::State_HasFocus;
        QImage image = m_pPicker->RenderEntry(index.row(), option.rect.width(),
                                              option.rect.height(), bSelected, bFocused);
        pPainter->drawImage(option.rect.topLeft(), image);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        return {std::max(size.width(), 60), std::max(size.height(), 20)};
    }

private:
    CStylePicker* m_pPicker;
};

} // namespace

CStylePicker::CStylePicker(QWidget* pParent) : QComboBox(pParent) {
    setItemDelegate(new CStyleItemDelegate(this));
    setMinimumHeight(24);
}

int CStylePicker::SelectedStyleNumber() const {
    return currentIndex() < 0 ? 0 : itemData(currentIndex()).toInt();
}

void CStylePicker::Refill() {
    const int nSelected = currentIndex();
    FillList();
    setCurrentIndex(nSelected < 0 ? 1 : std::min(nSelected, count() - 1));
    update();
}

tb::PickerColors CStylePicker::Colors() const {
    const QPalette& pal = palette();
    return {tb::FromQColor(pal.color(QPalette::Base)),
            tb::FromQColor(pal.color(QPalette::Highlight)),
            tb::FromQColor(pal.color(QPalette::Text))};
}

QImage CStylePicker::RenderEntry(int nIndex, int w, int h, bool bSelected, bool bFocused) const {
    CQtSurface surface(w, h);
    LOGFONT lf;
    lf.lfHeight = -std::max(1, QFontInfo(font()).pixelSize());
    lf.lfFaceName = font().family().toStdString();
    surface.SelectFont(lf);
    const int nStyle = nIndex >= 0 && nIndex < count() ? itemData(nIndex).toInt() : -1;
    if (nStyle >= 0)
        tb::DrawPickerEntry(surface, {0, 0, w, h}, nStyle, bSelected, bFocused, Colors(), *this);
    else
        surface.FillSolidRect({0, 0, w, h}, Colors().window);
    return surface.Image();
}

void CStylePicker::paintEvent(QPaintEvent*) {
    // The frame and arrow as the style draws them, the selected sample in the field.
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    if (field.width() > 0 && field.height() > 0)
        painter.drawImage(field.topLeft(), RenderEntry(currentIndex(), field.width(),
                                                       field.height(), false, hasFocus()));
}
