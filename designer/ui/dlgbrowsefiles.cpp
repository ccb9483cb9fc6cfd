#include "designer/ui/dlgbrowsefiles.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileIconProvider>
#include <QLabel>
#include <QListWidget>
#include <QStyle>
#include <QVBoxLayout>

#include "designer/ui/designerhelp.h"
#include "model/ui/pagelayout.h"
#include "platform/ui/qt/qtstring.h"
#include "platform/ui/uiservices.h"

namespace tb {

namespace {

constexpr char kCaption[] = "Browse Files";

} // namespace

CDlgBrowseFiles::CDlgBrowseFiles(QString folder, QString patterns, QWidget* pParent)
    : QDialog(pParent), m_folder(std::move(folder)), m_patterns(std::move(patterns)),
      m_pList(new QListWidget(this)) {
    setWindowTitle(QString::fromLatin1(kCaption));
    SetHelpTemplate(*this, IDD_BROWSE_FILES);
    InstallHelpKey(*this);
    const int nIcon = style()->pixelMetric(QStyle::PM_LargeIconSize) / 2;
    m_pList->setIconSize({nIcon, nIcon});
    m_pList->setMinimumSize(fontMetrics().averageCharWidth() * 40, fontMetrics().height() * 12);

    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Help, this);
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pButtons, &QDialogButtonBox::helpRequested, this,
            [] { ShowDesignerHelp(IDD_BROWSE_FILES); });
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(BuddyLabel(tr("&Files Existing in the Destination Directory:"), m_pList));
    pLayout->addWidget(m_pList, 1);
    pLayout->addWidget(pButtons);
}

bool CDlgBrowseFiles::Fill() {
    m_pList->clear();
    if (m_folder.isEmpty() || m_patterns.isEmpty()) {
        Ui().MessageBox("The directory and file type can not be blank!", kCaption, MbButtons::OK,
                        MbIcon::Exclamation);
        return false;
    }
    QString folder = m_folder;
    if (!folder.endsWith(QLatin1Char('/')) && !folder.endsWith(QLatin1Char('\\')))
        folder += QLatin1Char('/');
    const QDir dir(folder);
    if (!dir.exists()) {
        char text[1024];
        std::snprintf(text, sizeof text, "Directory %s does not exist!", ToUtf8(folder).c_str());
        Ui().MessageBox(text, kCaption, MbButtons::OK, MbIcon::Exclamation);
        return false;
    }
    const QFileIconProvider icons;
    for (const QString& pattern : m_patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList names = dir.entryList({pattern.trimmed()}, QDir::Files, QDir::Name);
        // One icon for all the files of a type: the desktop's icon for its first file.
        const QIcon icon = names.isEmpty() ? icons.icon(QFileIconProvider::File)
                                           : icons.icon(QFileInfo(dir.filePath(names.front())));
        for (const QString& name : names)
            new QListWidgetItem(icon, name, m_pList);
    }
    return true;
}

int CDlgBrowseFiles::exec() {
    if (!Fill())
        return QDialog::Rejected;
    return QDialog::exec();
}

void RunBrowseFiles(const QString& folder, const QString& patterns, QWidget* pParent) {
    CDlgBrowseFiles dialog(folder, patterns, pParent);
    dialog.exec();
}

} // namespace tb
