#include "vellumo/addinsdialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/ui/qt/qtstring.h"

namespace tb::vellumo {

namespace {

enum Column { ColumnName, ColumnLoaded, ColumnStartup, ColumnDescription, ColumnCount };

QTableWidgetItem* CheckItem(bool checked) {
    auto* item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    return item;
}

QTableWidgetItem* TextItem(const std::string& text) {
    auto* item = new QTableWidgetItem(ToQString(text));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setToolTip(ToQString(text));
    return item;
}

} // namespace

CAddInsDialog::CAddInsDialog(host::CAddInManager& manager, QWidget* parent)
    : QDialog(parent), m_manager(manager), m_records(host::ListRegisteredAddIns()),
      m_pTable(new QTableWidget(static_cast<int>(m_records.size()), ColumnCount, this)) {
    setWindowTitle(tr("Add-ins"));
    auto* label = new QLabel(tr("&Registered add-ins:"), this);
    label->setBuddy(m_pTable);
    m_pTable->setHorizontalHeaderLabels(
        {tr("Add-in"), tr("Loaded"), tr("Load at start-up"), tr("Description")});
    m_pTable->verticalHeader()->hide();
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTable->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int row = 0; row < static_cast<int>(m_records.size()); ++row) {
        const host::AddInRecord& record = m_records[static_cast<size_t>(row)];
        std::string name = record.friendlyName.empty() ? record.progId : record.friendlyName;
        m_pTable->setItem(row, ColumnName, TextItem(name));
        m_pTable->item(row, ColumnName)->setToolTip(ToQString(record.progId));
        m_pTable->setItem(row, ColumnLoaded, CheckItem(manager.IsConnected(record.progId)));
        m_pTable->setItem(row, ColumnStartup, CheckItem(record.LoadsAtStartup()));
        m_pTable->setItem(row, ColumnDescription, TextItem(record.description));
    }
    m_pTable->resizeColumnsToContents();
    m_pTable->horizontalHeader()->setStretchLastSection(true);
    if (!m_records.empty())
        m_pTable->selectRow(0);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        Apply();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_pTable);
    layout->addWidget(buttons);
    resize(640, 280);
}

void CAddInsDialog::Apply() {
    for (int row = 0; row < static_cast<int>(m_records.size()); ++row) {
        const host::AddInRecord& record = m_records[static_cast<size_t>(row)];
        bool loaded = m_pTable->item(row, ColumnLoaded)->checkState() == Qt::Checked;
        bool startup = m_pTable->item(row, ColumnStartup)->checkState() == Qt::Checked;
        if (loaded && !m_manager.IsConnected(record.progId))
            m_manager.Connect(record.progId, host::ConnectModeAfterStartup);
        else if (!loaded && m_manager.IsConnected(record.progId))
            m_manager.Disconnect(record.progId, host::DisconnectModeUserClosed);
        uint32_t behavior = 0;
        if (m_manager.IsConnected(record.progId))
            behavior |= host::LoadBehaviorConnected;
        if (startup)
            behavior |= host::LoadBehaviorStartup;
        host::WriteAddInLoadBehavior(record.progId, behavior);
    }
}

} // namespace tb::vellumo
