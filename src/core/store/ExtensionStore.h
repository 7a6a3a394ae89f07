#pragma once
// The database beside the fixed-format files ("Projetos/Belvane.db", ExtensionDatabase) and one
// object per feature that keeps rows in it: the status history of budgets, the grid's pending
// edits, building uses, revisions, payment schedules and the office's settings.
#include "core/history/PendingRowEdits.h"
#include "core/history/StatusChange.h"
#include "core/payment/PaymentSchedule.h"
#include "core/storage/IoResult.h"
#include "core/store/ExtensionDatabase.h"
#include "core/store/PaymentSchedules.h"
#include "core/store/PendingEditsJournal.h"
#include "core/store/RevisionArchive.h"
#include "core/store/StatusLog.h"
#include "core/store/StoredBuildingUses.h"
#include "core/store/StoredOfficeSettings.h"

#include <QDateTime>
#include <QHash>
#include <QMap>
#include <QSet>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace belvane {

class ExtensionStore {
public:
    static constexpr int kSchemaVersion = ExtensionDatabase::kSchemaVersion;
    static const std::vector<QStringList>& schemaSteps() { return ExtensionDatabase::schemaSteps(); }
    static QString fileName() { return ExtensionDatabase::fileName(); }
    static constexpr int kBusyTimeoutMs = ExtensionDatabase::kBusyTimeoutMs;

    explicit ExtensionStore(const QString& projectsDir, int busyTimeoutMs = kBusyTimeoutMs)
        : m_database(projectsDir, busyTimeoutMs)
    {
    }

    QString filePath() const { return m_database.filePath(); }
    bool exists() const { return m_database.exists(); }
    StoreOpen open() { return m_database.open(); }
    StoreOpen openForReading() { return m_database.openForReading(); }
    void close() { m_database.close(); }
    bool isOpen() const { return m_database.isOpen(); }
    bool readOnly() const { return m_database.readOnly(); }
    int schemaVersion() const { return m_database.schemaVersion(); }

    static StoreHealth checkFile(const QString& path) { return ExtensionDatabase::checkFile(path); }
    static ReadOutcome consistentCopy(const QString& path) { return ExtensionDatabase::consistentCopy(path); }
    StoreOpen setAsideDamaged() { return m_database.setAsideDamaged(); }
    QDate lastHealthCheck() const { return m_database.lastHealthCheck(); }
    void noteHealthCheck(const QDate& day) { m_database.noteHealthCheck(day); }

    IoResult removeBudget(int number) { return m_database.removeBudget(number); }
    int forgetMissingBudgets(const std::function<bool(int number)>& budgetExists)
    {
        return m_database.forgetMissingBudgets(budgetExists);
    }
    static std::vector<int> budgetsWithDroppableRows(const QString& path)
    {
        return ExtensionDatabase::budgetsWithDroppableRows(path);
    }
    int forgetBudgets(const std::vector<int>& numbers) { return m_database.forgetBudgets(numbers); }

    // The status history of budgets: changes are added in one transaction, all or none; the
    // database is made if the folder has none yet.
    IoResult recordStatusChanges(const std::vector<StatusChange>& changes) { return m_statusLog.record(changes); }
    std::vector<StatusChange> statusChanges(int budgetNumber) const { return m_statusLog.of(budgetNumber); }
    // Whether the last decision the budget's status history records ("Aprovado", "Concluído" or
    // "Reprovado") was a win. Read once, then kept up to date by the changes recorded here.
    bool lastDecisionWon(int budgetNumber) const { return m_statusLog.lastDecisionWon(budgetNumber); }
    // For every budget from `first` to `last` that was ever lost: the reason given the last time
    // it was, by number (empty when none was given).
    QHash<int, QString> lostReasons(int first, int last) const { return m_statusLog.lostReasons(first, last); }

    // The history grid's edits not yet written into the budget files; replacing them is one
    // transaction, all or none.
    std::vector<PendingRowEdit> pendingRowEdits() const { return m_pendingEdits.all(); }
    IoResult replacePendingRowEdits(const std::vector<PendingRowEdit>& edits) { return m_pendingEdits.replace(edits); }

    // The building use of saved budgets, by number, which the history does not list: kept so the
    // statistics need not read every budget file.
    QHash<int, QString> buildingUses() const { return m_buildingUses.all(); }
    QHash<int, QString> buildingUses(int first, int last) const { return m_buildingUses.between(first, last); }
    IoResult saveBuildingUses(const QHash<int, QString>& uses) { return m_buildingUses.save(uses); }

    // Keeps the budget file as it was before a save replaced it, as the budget's next revision.
    // With `replaceFile`, the file is replaced inside the same transaction: the revision is kept
    // only when the replacement succeeded, and a failed replacement leaves the database as it was.
    // Should the database then fail to commit, the file is already replaced: the caller, told of
    // the failure, puts the previous file back.
    IoResult keepRevision(int budgetNumber, const QByteArray& previousFile, const QDateTime& at,
                          const std::function<IoResult()>& replaceFile = {})
    {
        return m_revisions.keep(budgetNumber, previousFile, at, replaceFile);
    }
    // The budget's revisions, oldest first.
    std::vector<BudgetRevision> revisions(int budgetNumber) const { return m_revisions.of(budgetNumber); }

    // A budget's payment schedule; empty when it has none. Saving replaces the whole schedule.
    PaymentSchedule paymentSchedule(int budgetNumber) const { return m_paymentSchedules.of(budgetNumber); }
    IoResult savePaymentSchedule(int budgetNumber, const PaymentSchedule& schedule) { return m_paymentSchedules.save(budgetNumber, schedule); }

    // The office's settings that its file has no room for (price references, contact), by key.
    QMap<QString, QString> officeSettings() const { return m_officeSettings.all(); }
    // Stores the settings given, replacing those of the same keys, all or none; the database is
    // made if the folder has none yet.
    IoResult saveOfficeSettings(const QMap<QString, QString>& settings) { return m_officeSettings.save(settings); }

private:
    // The database first: the tables hold it by reference.
    ExtensionDatabase m_database;
    StatusLog m_statusLog{m_database};
    PendingEditsJournal m_pendingEdits{m_database};
    StoredBuildingUses m_buildingUses{m_database};
    RevisionArchive m_revisions{m_database};
    PaymentSchedules m_paymentSchedules{m_database};
    StoredOfficeSettings m_officeSettings{m_database};
};

} // namespace belvane
