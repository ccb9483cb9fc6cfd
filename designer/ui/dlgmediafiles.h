#pragma once
// The image dialog ("Image": Normal, Mouse Over and Click images) and the audio dialog
// ("Audio": mouse-over and click sounds) of the selected button. Each row is a path box with
// "..." to choose a file; image rows show a thumbnail of the image. "Apply to" chooses this
// button or all buttons. The web paths the button had go back unchanged with the paths.

#include <QDialog>
#include <span>
#include <vector>

#include "designer/core/menupagevalues.h"

class CDrawRect;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tb {

enum class MediaKind { Images, Sounds };

class CDlgMediaFiles : public QDialog {
    Q_OBJECT

public:
    CDlgMediaFiles(MediaKind kind, std::vector<CMediaFile> files, QWidget* pParent = nullptr);

    MediaKind Kind() const { return m_kind; }
    // The files as the boxes hold them, each with the web path it came with.
    std::vector<CMediaFile> Files() const;
    MediaScope Scope() const;

    int RowCount() const { return int(m_rows.size()); }
    QLineEdit& PathBox(int nRow) const { return *m_rows.at(size_t(nRow)).pBox; }
    QPushButton& BrowseButton(int nRow) const { return *m_rows.at(size_t(nRow)).pBrowse; }
    // The thumbnail beside an image row; null for sounds.
    QLabel* Thumbnail(int nRow) const { return m_rows.at(size_t(nRow)).pThumbnail; }
    QRadioButton& OnlyThisButton() const { return *m_pOnlyThis; }
    QRadioButton& AllTheButtons() const { return *m_pAll; }

    // The file chooser of a row, as its "..." button opens it.
    void Browse(int nRow);

private:
    struct CRow {
        QLineEdit* pBox = nullptr;
        QPushButton* pBrowse = nullptr;
        QLabel* pThumbnail = nullptr;
        std::string strWebPath;
    };
    void UpdateThumbnail(CRow& row);

    MediaKind m_kind;
    std::vector<CRow> m_rows;
    QRadioButton* m_pOnlyThis;
    QRadioButton* m_pAll;
};

// The file filters of the two choosers.
inline constexpr char kImageFilter[] =
    "Image Files(*.GIF,*.JPG.*.JPEG) | *.gif;*.jpg;*.jpeg | PNG Images (*.png) | *.png ||";
inline constexpr char kAudioFilter[] = "Audio Files(*.au) | *.au";

// Opens the file chooser at the box's path with one of the filters above; the chosen file
// goes into the box. Returns whether one was chosen.
bool ChooseFileInto(QLineEdit& box, const char* pszFilter);

// Runs the dialog on the button; OK writes its files into the button, or into every button
// of its applet. Returns whether OK was chosen.
bool EditMediaFiles(MediaKind kind, CDrawRect& button, QWidget* pParent);

} // namespace tb
