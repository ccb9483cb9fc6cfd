#pragma once
// "Add-ins": the add-ins registered for the editor, each with whether it is loaded now and
// whether it loads when the editor starts. OK applies the changes: add-ins are connected or
// disconnected at once and their load behaviour is written back.

#include <QDialog>

#include "addin/host/addinmanager.h"

class QTableWidget;

namespace tb::vellumo {

class CAddInsDialog : public QDialog {
public:
    CAddInsDialog(host::CAddInManager& manager, QWidget* parent = nullptr);

    QTableWidget* Table() const { return m_pTable; }
    // Connects, disconnects and records what the table now says.
    void Apply();

private:
    host::CAddInManager& m_manager;
    std::vector<host::AddInRecord> m_records;
    QTableWidget* m_pTable;
};

} // namespace tb::vellumo
