#pragma once
// A text that is a link: underlined, blue until it is visited and a darker blue after, red
// while the mouse is over it. It holds the mouse while the pointer is over it, so that it
// notices the pointer leaving however fast it moves; a click opens the target through the
// desktop and marks the link visited when that worked.

#include <QColor>
#include <QLabel>

namespace tb {

class CLinkLabel : public QLabel {
    Q_OBJECT

public:
    // target: what a click opens (an address, "mailto:..."); the text shown by default.
    CLinkLabel(const QString& text, const QString& target, QWidget* parent = nullptr);

    void SetColors(QColor normal, QColor visited, QColor hover);
    const QString& Target() const { return m_target; }
    bool IsVisited() const { return m_bVisited; }
    bool IsHovering() const { return m_bHover; }
    // The colour the text is drawn in now.
    QColor CurrentColor() const;

    // Opens the target; marks the link visited when it opened.
    bool Open();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void SetHover(bool bHover);
    void ApplyColor();

    QString m_target;
    QColor m_normal{0, 0, 255};
    QColor m_visited{0, 0, 128};
    QColor m_hover{255, 0, 0};
    bool m_bVisited = false;
    bool m_bHover = false;
};

} // namespace tb
