#pragma once
// The "Label" page: the selected button's label, description, link and target frame, its
// place and size on the canvas, its border thickness, and the way to its images and sounds.

#include "designer/ui/menupage.h"

class CSpinEdit;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tb {

class CDlgMenuStyle : public CMenuPage {
    Q_OBJECT

public:
    explicit CDlgMenuStyle(CDrawView* pView, QWidget* pParent = nullptr);

    // Edit label / edit link: the box gets the focus with all its text selected.
    void FocusLabelBox();
    void FocusLinkBox();

    QPlainTextEdit& LabelBox() const { return *m_pLabel; }
    QLineEdit& DescriptionBox() const { return *m_pDescription; }
    QLineEdit& LinkBox() const { return *m_pLink; }
    QComboBox& TargetList() const { return *m_pTarget; }
    CSpinEdit& XBox() const { return *m_pX; }
    CSpinEdit& YBox() const { return *m_pY; }
    CSpinEdit& WidthBox() const { return *m_pWidth; }
    CSpinEdit& HeightBox() const { return *m_pHeight; }
    CSpinEdit& BorderThickBox() const { return *m_pBorderThick; }
    QPushButton& ImageButton() const { return *m_pImage; }
    QPushButton& AudioButton() const { return *m_pAudio; }

    // The image and audio dialogs on the selected button; nothing without exactly one.
    void EditImages();
    void EditSounds();

protected:
    void LoadFrom(CDrawRect& button) override;
    bool StoreInto(CDrawRect& button, CPageChecks& checks) override;

private:
    // The target frame: the entry chosen from the list, or what was typed since.
    std::string TargetText() const;

    QPlainTextEdit* m_pLabel;
    QLineEdit* m_pDescription;
    QLineEdit* m_pLink;
    QComboBox* m_pTarget;
    CSpinEdit* m_pX;
    CSpinEdit* m_pY;
    CSpinEdit* m_pWidth;
    CSpinEdit* m_pHeight;
    CSpinEdit* m_pBorderThick;
    QPushButton* m_pImage;
    QPushButton* m_pAudio;
    bool m_bTargetTyped = false;
};

} // namespace tb
