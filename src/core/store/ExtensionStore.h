#pragma once
// The database beside the fixed-format files and its tables, owned together: one file and
// connection (ExtensionDatabase) and one object per feature that keeps rows in it. The program
// holds one store; each page asks the table it needs (store.statusLog().record(changes),
// store.paymentSchedules().of(number)) and the database for what concerns the whole file (open,
// a budget deleted, the health check).
#include "core/store/DroppedHourMarks.h"
#include "core/store/ExtensionDatabase.h"
#include "core/store/PaymentSchedules.h"
#include "core/store/PendingEditsJournal.h"
#include "core/store/RevisionArchive.h"
#include "core/store/StatusLog.h"
#include "core/store/StoredBuildingUses.h"
#include "core/store/StoredInstalmentMarks.h"
#include "core/store/StoredOfficeSettings.h"

namespace belvane {

class ExtensionStore {
public:
    explicit ExtensionStore(const QString& projectsDir, int busyTimeoutMs = ExtensionDatabase::kBusyTimeoutMs)
        : m_database(projectsDir, busyTimeoutMs)
    {
    }
    ExtensionStore(const ExtensionStore&) = delete;
    ExtensionStore& operator=(const ExtensionStore&) = delete;

    ExtensionDatabase& database() { return m_database; }
    const ExtensionDatabase& database() const { return m_database; }
    StatusLog& statusLog() { return m_statusLog; }
    const StatusLog& statusLog() const { return m_statusLog; }
    PendingEditsJournal& pendingEdits() { return m_pendingEdits; }
    const PendingEditsJournal& pendingEdits() const { return m_pendingEdits; }
    StoredBuildingUses& buildingUses() { return m_buildingUses; }
    const StoredBuildingUses& buildingUses() const { return m_buildingUses; }
    RevisionArchive& revisions() { return m_revisions; }
    const RevisionArchive& revisions() const { return m_revisions; }
    PaymentSchedules& paymentSchedules() { return m_paymentSchedules; }
    const PaymentSchedules& paymentSchedules() const { return m_paymentSchedules; }
    StoredInstalmentMarks& instalmentMarks() { return m_instalmentMarks; }
    const StoredInstalmentMarks& instalmentMarks() const { return m_instalmentMarks; }
    StoredOfficeSettings& officeSettings() { return m_officeSettings; }
    const StoredOfficeSettings& officeSettings() const { return m_officeSettings; }
    DroppedHourMarks& droppedHours() { return m_droppedHours; }
    const DroppedHourMarks& droppedHours() const { return m_droppedHours; }

private:
    // The database first: the tables hold it by reference.
    ExtensionDatabase m_database;
    StatusLog m_statusLog{m_database};
    PendingEditsJournal m_pendingEdits{m_database};
    StoredBuildingUses m_buildingUses{m_database};
    RevisionArchive m_revisions{m_database};
    PaymentSchedules m_paymentSchedules{m_database};
    StoredInstalmentMarks m_instalmentMarks{m_database};
    StoredOfficeSettings m_officeSettings{m_database};
    DroppedHourMarks m_droppedHours{m_database};
};

} // namespace belvane
