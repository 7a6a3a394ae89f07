#pragma once
// The database kept beside the fixed-format files, "Projetos/Belvane.db", for what those formats
// have no room for (payment schedules, revisions, status dates, settings). The fixed files never
// depend on it: a folder without the database works from them alone, and the database is made the
// first time something must be stored. This module is the only code that speaks SQL.
//
// SQLite in rollback-journal mode with full synchronisation: a write-ahead log does not work on
// network folders, where offices keep their data. The schema carries a version (SQLite's
// user_version) and grows through ordered migrations, each run in its own transaction.
//
// Only a file SQLite itself calls damaged ("not a database", "malformed") is set aside under a
// dated name, and a fresh database takes its place. One that cannot be written for any other
// reason (busy, read-only, a full disk, another user's file on the share) is opened read-only and
// the user is told why; a database from a newer program is opened read-only and never replaced.
// The start looks at the header and the schema version only; the whole file is checked away from
// the start (checkFile), after an unclean close and every few days.
#include "core/history/PendingRowEdits.h"
#include "core/history/StatusChange.h"
#include "core/payment/PaymentSchedule.h"
#include "core/storage/IoResult.h"
#include "core/storage/SafeFile.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class QSqlDatabase;
class QSqlError;

namespace belvane {

// An earlier version of a budget file, kept when the file was saved over: its 4,744 bytes as they
// were, numbered 1, 2, ... by budget, with when it was replaced.
struct BudgetRevision {
    int number = 0;
    QDateTime keptAt;
    QByteArray file;
};

struct StoreOpen {
    enum class State {
        Opened,       // an existing database, brought up to date
        Created,      // there was none: a fresh one was made
        Recovered,    // the file was damaged: set aside, a fresh one made
        ReadOnly,     // written by a newer program: read, never written
        Failed,       // no database at all (the fixed files are not affected)
    } state = State::Failed;
    QString message;  // Recovered, ReadOnly, Failed: what the user is told, naming the file
};

enum class StoreHealth { Healthy, Damaged, Unknown };

class ExtensionStore {
public:
    // The schema this program writes; a later feature adds its tables by a migration of its own.
    static constexpr int kSchemaVersion = 7;
    // The statements that bring the schema from one version to the next: entry i makes version
    // i + 1. Entries are only ever appended; a released one never changes, so a database of any
    // earlier version is brought up by the entries after its own.
    static const std::vector<QStringList>& schemaSteps();
    static QString fileName() { return QStringLiteral("Belvane.db"); }

    // How long an operation waits for another seat's transaction before it gives up.
    static constexpr int kBusyTimeoutMs = 5000;

    explicit ExtensionStore(const QString& projectsDir, int busyTimeoutMs = kBusyTimeoutMs);
    ~ExtensionStore();
    ExtensionStore(const ExtensionStore&) = delete;
    ExtensionStore& operator=(const ExtensionStore&) = delete;

    QString filePath() const { return m_path; }
    // Whether the folder has a database yet; until something must be stored it needs none.
    bool exists() const;
    StoreOpen open();
    // For a seat that only reads the data folder: the existing database, read-only, never
    // migrated, repaired or replaced (the seat that writes does that).
    StoreOpen openForReading();
    // Lets go of the file (before the data folders are replaced by a restored copy).
    void close() { disconnect(); }
    bool isOpen() const { return m_open; }
    bool readOnly() const { return m_readOnly; }
    int schemaVersion() const;

    // Checks the whole file, on a connection of its own (safe on any thread); a file that cannot
    // be read at all is Unknown, not Damaged.
    static StoreHealth checkFile(const QString& path);
    // The database at `path` as it is at one moment, for a backup, even while another seat writes.
    static ReadOutcome consistentCopy(const QString& path);
    // Sets the database aside as damaged and makes a fresh one (after checkFile found it so).
    StoreOpen setAsideDamaged();
    // The day the whole file was last found healthy; invalid when never.
    QDate lastHealthCheck() const;
    void noteHealthCheck(const QDate& day);

    // A budget was deleted: every row of it goes, in one transaction.
    IoResult removeBudget(int number);
    // Drops what has no use without the file (schedule, building use) of every budget whose file
    // is gone (deleted by a program that knows nothing of the database); its revisions and status
    // history stay, to restore it from. Returns how many budgets lost rows.
    int forgetMissingBudgets(const std::function<bool(int number)>& budgetExists);
    // The same in two halves, so that the reading can be done on a thread while the program
    // starts: the budgets that have rows of no use without their file (on a connection of its
    // own), and the dropping of those rows for the budgets given.
    static std::vector<int> budgetsWithDroppableRows(const QString& path);
    int forgetBudgets(const std::vector<int>& numbers);

    // The status history of budgets: changes are added in one transaction, all or none; the
    // database is made if the folder has none yet.
    IoResult recordStatusChanges(const std::vector<StatusChange>& changes);
    std::vector<StatusChange> statusChanges(int budgetNumber) const;
    // Whether the last decision the budget's status history records ("Aprovado", "Concluído" or
    // "Reprovado") was a win. Read once, then kept up to date by the changes recorded here.
    bool lastDecisionWon(int budgetNumber) const;
    // For every budget from `first` to `last` that was ever lost: the reason given the last time
    // it was, by number (empty when none was given).
    QHash<int, QString> lostReasons(int first, int last) const;

    // The history grid's edits not yet written into the budget files; replacing them is one
    // transaction, all or none.
    std::vector<PendingRowEdit> pendingRowEdits() const;
    IoResult replacePendingRowEdits(const std::vector<PendingRowEdit>& edits);

    // The building use of saved budgets, by number, which the history does not list: kept so the
    // statistics need not read every budget file.
    QHash<int, QString> buildingUses() const;
    QHash<int, QString> buildingUses(int first, int last) const; // budgets first to last
    IoResult saveBuildingUses(const QHash<int, QString>& uses);

    // Keeps the budget file as it was before a save replaced it, as the budget's next revision.
    // With `replaceFile`, the file is replaced inside the same transaction: the revision is kept
    // only when the replacement succeeded, and a failed replacement leaves the database as it was.
    // Should the database then fail to commit, the file is already replaced: the caller, told of
    // the failure, puts the previous file back.
    IoResult keepRevision(int budgetNumber, const QByteArray& previousFile, const QDateTime& at,
                          const std::function<IoResult()>& replaceFile = {});
    // The budget's revisions, oldest first.
    std::vector<BudgetRevision> revisions(int budgetNumber) const;

    // A budget's payment schedule; empty when it has none. Saving replaces the whole schedule.
    PaymentSchedule paymentSchedule(int budgetNumber) const;
    IoResult savePaymentSchedule(int budgetNumber, const PaymentSchedule& schedule);

    // The office's settings that its file has no room for (price references, contact), by key.
    QMap<QString, QString> officeSettings() const;
    // Stores the settings given, replacing those of the same keys, all or none; the database is
    // made if the folder has none yet.
    IoResult saveOfficeSettings(const QMap<QString, QString>& settings);

private:
    struct Session;
    // The connection, opened again when an earlier operation let go of the file. The file is
    // held open only while an operation reads or writes it: a backup, a restore, another seat or
    // a removable disk finds it closed in between.
    QSqlDatabase database() const;
    void release() const;
    int version(QSqlError* failure = nullptr) const;
    bool removeRows(const QStringList& tables, const std::vector<int>& numbers);
    StoreOpen setAsideAndRecreate();
    StoreOpen readOnlyBecause(const QSqlError& failure);
    bool connect(bool readOnly);
    void disconnect();
    bool migrate(QSqlError* failure = nullptr);
    QStringList keyedTables() const;
    IoResult writeFailure(const QString& what) const;
    // Commits the transaction when every step of it went well, else undoes it.
    IoResult commitOrUndo(QSqlDatabase& db, bool done, const QString& what) const;
    // Opens the database for a write, making it on first need; false for a seat that only reads.
    IoResult readyToWrite(const QString& what);

    QString m_path;
    QString m_connection;
    mutable std::optional<QSet<int>> m_lastDecisionWon;
    int m_busyTimeoutMs = kBusyTimeoutMs;
    bool m_open = false;
    bool m_readOnly = false;
};

} // namespace belvane
