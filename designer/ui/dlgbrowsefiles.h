#pragma once
// The dialog "Browse Files": which files of some types a folder already holds, listed type by
// type under "Files Existing in the Destination Directory:", each type with the desktop's
// icon for it.

#include <QDialog>

class QListWidget;

namespace tb {

class CDlgBrowseFiles : public QDialog {
    Q_OBJECT

public:
    // patterns: file patterns separated by ";" ("*.gif;*.au").
    CDlgBrowseFiles(QString folder, QString patterns, QWidget* pParent = nullptr);

    // Checks the folder and the patterns and lists the files; false, after saying why, when
    // there is nothing to list from.
    bool Fill();
    QListWidget& List() const { return *m_pList; }

    int exec() override;

private:
    QString m_folder;
    QString m_patterns;
    QListWidget* m_pList;
};

// Shows the dialog modally; returns at once, after the message, when it cannot list.
void RunBrowseFiles(const QString& folder, const QString& patterns, QWidget* pParent);

} // namespace tb
