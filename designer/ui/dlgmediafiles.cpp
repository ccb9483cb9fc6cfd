#include "designer/ui/dlgmediafiles.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "designer/ui/designerhelp.h"
#include "model/drawrect.h"
#include "model/ui/pagelayout.h"
#include "platform/ui/qt/qtstring.h"
#include "platform/ui/uiservices.h"

namespace tb {

namespace {

constexpr int kThumbnail = 40;
constexpr qint64 kMaxThumbnailSource = 32 * 1024 * 1024;

struct CRowText {
    const char* label;
    const char* toolTip;
};

constexpr CRowText kImageRows[] = {
    {"&Normal:", "The image of the button as it normally shows"},
    {"&Mouse Over:", "The image while the mouse is over the button"},
    {"&Click:", "The image while the button is clicked"},
};

constexpr CRowText kSoundRows[] = {
    {"&Mouse Over:", "The sound played when the mouse comes over the button"},
    {"&Click:", "The sound played when the button is clicked"},
};

std::span<const CMediaSlot> SlotsOf(MediaKind kind) {
    return kind == MediaKind::Images ? ImageSlots() : AudioSlots();
}

} // namespace

CDlgMediaFiles::CDlgMediaFiles(MediaKind kind, std::vector<CMediaFile> files, QWidget* pParent)
    : QDialog(pParent), m_kind(kind), m_pOnlyThis(new QRadioButton(tr("&Only this button"))),
      m_pAll(new QRadioButton(tr("All the &buttons"))) {
    const bool bImages = kind == MediaKind::Images;
    setWindowTitle(bImages ? QStringLiteral("Image") : QStringLiteral("Audio"));
    SetHelpTemplate(*this, bImages ? IDD_IMAGE : IDD_AUDIO);
    InstallHelpKey(*this);

    const std::span<const CRowText> texts =
        bImages ? std::span<const CRowText>(kImageRows) : std::span<const CRowText>(kSoundRows);
    files.resize(texts.size());
    auto* pGrid = new QGridLayout;
    for (size_t i = 0; i < texts.size(); ++i) {
        CRow row;
        row.pBox = new QLineEdit(ToQString(files[i].strPath), this);
        row.pBox->setToolTip(tr(texts[i].toolTip));
        row.pBox->setMinimumWidth(fontMetrics().averageCharWidth() * 44);
        row.pBrowse = new QPushButton(QStringLiteral("..."), this);
        row.pBrowse->setToolTip(tr("Choose the file"));
        row.pBrowse->setAutoDefault(false);
        row.pBrowse->setFixedWidth(row.pBrowse->fontMetrics().horizontalAdvance("...") * 3);
        row.strWebPath = files[i].strWebPath;
        const int nRow = int(i);
        AddField(*pGrid, nRow, 0, tr(texts[i].label), row.pBox);
        pGrid->addWidget(row.pBrowse, nRow, 2);
        if (bImages) {
            row.pThumbnail = new QLabel(this);
            row.pThumbnail->setFixedSize(kThumbnail + 4, kThumbnail + 4);
            row.pThumbnail->setFrameShape(QFrame::StyledPanel);
            row.pThumbnail->setAlignment(Qt::AlignCenter);
            pGrid->addWidget(row.pThumbnail, nRow, 3);
        }
        connect(row.pBrowse, &QPushButton::clicked, this, [this, nRow] { Browse(nRow); });
        m_rows.push_back(row);
        if (bImages) {
            connect(row.pBox, &QLineEdit::textChanged, this,
                    [this, nRow] { UpdateThumbnail(m_rows[size_t(nRow)]); });
            UpdateThumbnail(m_rows.back());
        }
    }
    pGrid->setColumnStretch(1, 1);

    auto* pScope = new QGroupBox(tr("Apply to"), this);
    auto* pScopeLayout = new QHBoxLayout(pScope);
    pScopeLayout->addWidget(m_pOnlyThis);
    pScopeLayout->addWidget(m_pAll);
    pScopeLayout->addStretch(1);
    m_pOnlyThis->setChecked(true);
    m_pAll->setToolTip(bImages ? tr("Every button gets these three images")
                               : tr("Every button gets these two sounds"));

    auto* pButtons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(pButtons, &QDialogButtonBox::helpRequested, this,
            [bImages] { ShowDesignerHelp(bImages ? IDD_IMAGE : IDD_AUDIO); });

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pGrid);
    pLayout->addWidget(pScope);
    pLayout->addWidget(pButtons);
    pLayout->setSizeConstraint(QLayout::SetMinimumSize);
}

std::vector<CMediaFile> CDlgMediaFiles::Files() const {
    std::vector<CMediaFile> files;
    for (const CRow& row : m_rows)
        files.push_back({ToUtf8(row.pBox->text()), row.strWebPath});
    return files;
}

MediaScope CDlgMediaFiles::Scope() const {
    return m_pAll->isChecked() ? MediaScope::AllButtons : MediaScope::ThisButton;
}

void CDlgMediaFiles::Browse(int nRow) {
    ChooseFileInto(*m_rows.at(size_t(nRow)).pBox,
                   m_kind == MediaKind::Images ? kImageFilter : kAudioFilter);
}

void CDlgMediaFiles::UpdateThumbnail(CRow& row) {
    const QString path = row.pBox->text().trimmed();
    // Only a plain file of a picture's size is read: a path typed to a device or a pipe must
    // not hang the dialog.
    const QFileInfo file(path);
    QImage image;
    if (!path.isEmpty() && file.isFile() && file.size() <= kMaxThumbnailSource) {
        QImageReader reader(path);
        image = reader.read();
    }
    if (image.isNull()) {
        row.pThumbnail->clear();
        row.pThumbnail->setText(path.isEmpty() ? QString() : QStringLiteral("?"));
        row.pThumbnail->setToolTip(path.isEmpty() ? tr("No image chosen")
                                                  : tr("This file cannot be shown as an image"));
        return;
    }
    const QImage small =
        image.width() > kThumbnail || image.height() > kThumbnail
            ? image.scaled(kThumbnail, kThumbnail, Qt::KeepAspectRatio, Qt::SmoothTransformation)
            : image;
    row.pThumbnail->setPixmap(QPixmap::fromImage(small));
    row.pThumbnail->setToolTip(tr("%1: %2 x %3 pixels")
                                   .arg(QFileInfo(path).fileName())
                                   .arg(image.width())
                                   .arg(image.height()));
}

bool ChooseFileInto(QLineEdit& box, const char* pszFilter) {
    FileDialogRequest request;
    request.initialFile = ToUtf8(box.text());
    request.filter = pszFilter;
    const std::optional<std::string> path = Ui().GetOpenFileName(request);
    if (!path)
        return false;
    box.setText(ToQString(*path));
    return true;
}

bool EditMediaFiles(MediaKind kind, CDrawRect& button, QWidget* pParent) {
    const std::span<const CMediaSlot> mediaSlots = SlotsOf(kind);
    CDlgMediaFiles dialog(kind, LoadMedia(button, mediaSlots), pParent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    StoreMedia(dialog.Files(), mediaSlots, dialog.Scope(), button);
    return true;
}

} // namespace tb
