#pragma once
// A push button drawn entirely by its pictures: one for its normal look and one pressed (and
// the hot and disabled looks the desktop expects), sized to them. The caption is in the
// pictures; the button still carries it as its text, so that screen readers and tests find
// it by name.

#include <QAbstractButton>
#include <QPixmap>

namespace tb {

class CBitmapButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit CBitmapButton(const QString& caption, QWidget* parent = nullptr);

    // Sets the looks and sizes the button to them.
    void SetBitmaps(const QPixmap& normal, const QPixmap& pressed, const QPixmap& hot,
                    const QPixmap& disabled);
    // The picture shown now.
    const QPixmap& CurrentBitmap() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QPixmap m_normal;
    QPixmap m_pressed;
    QPixmap m_hot;
    QPixmap m_disabled;
    bool m_bHot = false;
};

} // namespace tb
