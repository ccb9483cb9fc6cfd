#pragma once
// The page "Applet More": the applet's background image (tiled, or at a place) and sound, the
// web path of the published files and the message shown while the applet loads. The web
// paths of the background files and the resource folder go back as they came.

#include "designer/ui/appletpage.h"

class CSpinEdit;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tb {

class CDlgAppletMore : public CAppletPage {
    Q_OBJECT

public:
    CDlgAppletMore(CAppletParameters& params, CPreviewWnd* pDesignWnd, QWidget* pParent = nullptr);

    QLineEdit& ImageBox() const { return *m_pImage; }
    QPushButton& ImageBrowseButton() const { return *m_pImageBrowse; }
    QLineEdit& AudioBox() const { return *m_pAudio; }
    QPushButton& AudioBrowseButton() const { return *m_pAudioBrowse; }
    QLineEdit& WebPathBox() const { return *m_pWebPath; }
    QRadioButton& SpecifyButton() const { return *m_pSpecify; }
    QRadioButton& TileButton() const { return *m_pTile; }
    CSpinEdit& XBox() const { return *m_pX; }
    CSpinEdit& YBox() const { return *m_pY; }
    QLineEdit& LoadingMessageBox() const { return *m_pMessage; }
    QCheckBox& ProgressBarBox() const { return *m_pProgressBar; }
    QCheckBox& PlayerBox() const { return *m_pPlayer; }

    // The file chooser of the background image or sound, as "..." opens it.
    void BrowseImage();
    void BrowseAudio();

protected:
    void LoadFrom(const CAppletParameters& params) override;
    bool StoreInto(CAppletParameters& params, CPageChecks& checks) override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    void Browse(QLineEdit& box, const char* pszFilter);
    void EnablePlace();
    void NormalizeWebPathBox();

    QLineEdit* m_pImage;
    QPushButton* m_pImageBrowse;
    QLineEdit* m_pAudio;
    QPushButton* m_pAudioBrowse;
    QLineEdit* m_pWebPath;
    QRadioButton* m_pSpecify;
    QRadioButton* m_pTile;
    CSpinEdit* m_pX;
    CSpinEdit* m_pY;
    QLineEdit* m_pMessage;
    QCheckBox* m_pProgressBar;
    QCheckBox* m_pPlayer;
    bool m_bTypingWebPath = false;
};

} // namespace tb
