#pragma once
// "Support Files": the files the widget's HTML needs, all selected, and "Copy to..." to copy
// the selected ones into a chosen folder.

#include "workbench/workbenchhelp.h"

#include <vector>

#include "workbench/core/supportfiles.h"

class QTreeWidget;

namespace tb {

class CTessera;

class CDlgSupportFiles : public CHelpDialog {
    Q_OBJECT

public:
    explicit CDlgSupportFiles(CTessera& widget, QWidget* parent = nullptr);

    QTreeWidget* FileList() const { return m_pList; }
    void OnCopyTo();

private:
    std::vector<CSupportFile> m_files;
    QTreeWidget* m_pList;
};

} // namespace tb
