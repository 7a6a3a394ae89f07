#pragma once
// The database kept beside the fixed-format files, "Projetos/Belvane.db", for what those formats
// have no room for (payment schedules, revisions, status dates, settings). The fixed files never
// depend on it: a folder without the database works from them alone, and the database is made the first
// time something must be stored. This object is the file and its connection; the tables that
// hold each feature's rows (StatusLog, PaymentSchedules, ...) speak their own SQL through it.
//
// SQLite in rollback-journal mode with full synchronisation: a write-ahead log does not work on
// network folders, where offices keep their data. The schema carries a version (SQLite's
// user_version) and grows through ordered migrations, each run in its own transaction; a table
// states the version that made it and asks has() before it reads.
//
// Only a file SQLite itself calls damaged ("not a database", "malformed") is set aside under a
// dated name, and a fresh database takes its place. One that cannot be written for any other
// reason (busy, read-only, a full disk, another user's file on the share) is opened read-only and
// the user is told why; a database from a newer program is opened read-only and never replaced.
// The start looks at the header and the schema version only; the whole file is checked away from
// the start (checkFile), after an unclean close and every few days.
#include "core/storage/IoResult.h"
#include "core/storage/SafeFile.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <cstdint>
#include <functional>
#include <vector>

class QSqlDatabase;
class QSqlError;
class QSqlQuery;

namespace belvane {

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

class ExtensionDatabase {
public:
    // The schema this program writes; a later feature adds its tables by a migration of its own.
    static constexpr int kSchemaVersion = 8;
    // The statements that bring the schema from one version to the next: entry i makes version
    // i + 1. Entries are only ever appended; a released one never changes, so a database of any
    // earlier version is brought up by the entries after its own.
    static const std::vector<QStringList>& schemaSteps();
    static QString fileName() { return QStringLiteral("Belvane.db"); }

    // How long an operation waits for another seat's transaction before it gives up.
    static constexpr int kBusyTimeoutMs = 5000;

    explicit ExtensionDatabase(const QString& projectsDir, int busyTimeoutMs = kBusyTimeoutMs);
    ~ExtensionDatabase();
    ExtensionDatabase(const ExtensionDatabase&) = delete;
    ExtensionDatabase& operator=(const ExtensionDatabase&) = delete;

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
    // Whether the database is open and its schema has reached `version`, the one that made the
    // table a feature reads: an older file has none of its rows yet.
    bool has(int version) const;
    // Counts the times the file was let go of or a budget's rows went: what a table keeps in
    // memory from an earlier read is read again once this has moved.
    std::uint64_t generation() const { return m_generation; }

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

    // A budget was deleted: every row of it goes from every table keyed by budget number, in one
    // transaction.
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

    // Keeps the file open while one operation reads or writes it; the file is let go of when the
    // outermost session of an operation ends, so a backup, a restore, another seat or a
    // removable disk finds it closed in between.
    class Session {
    public:
        explicit Session(const ExtensionDatabase& database);
        ~Session();
        Session(const Session&) = delete;
        Session& operator=(const Session&) = delete;

    private:
        const ExtensionDatabase& m_database;
    };

    // The connection, opened again when an earlier operation let go of the file; used inside a
    // Session.
    QSqlDatabase connection() const;
    // Runs a read of a table made in `version`: binds `values`, and hands each row to `row`.
    // Nothing is read from a database that is not open or older than the table.
    void select(int version, const QString& statement, const QVariantList& values,
                const std::function<void(const QSqlQuery&)>& row) const;
    // Runs `steps` as one transaction, making the database on first need: committed when every
    // step went well, else undone, and then "<what> não puderam ser gravadas em ..." is the
    // failure. A seat that only reads, or one that lost the data folder, writes nothing.
    IoResult transaction(const QString& what, const std::function<bool(QSqlDatabase&)>& steps);

private:
    void release() const;
    int version(QSqlError* failure = nullptr) const;
    bool removeRows(const QStringList& tables, const std::vector<int>& numbers);
    StoreOpen setAsideAndRecreate();
    StoreOpen readOnlyBecause(const QSqlError& failure);
    StoreOpen readOnlyWith(const QString& message);
    StoreOpen migrateOrExplain(bool existed);
    bool connect(bool readOnly);
    void disconnect();
    bool migrate(QSqlError* failure = nullptr);
    QStringList keyedTables() const;
    IoResult writeFailure(const QString& what) const;
    // Opens the database for a write, making it on first need; false for a seat that only reads.
    IoResult readyToWrite(const QString& what);

    QString m_path;
    QString m_connection;
    int m_busyTimeoutMs = kBusyTimeoutMs;
    mutable int m_sessions = 0;
    std::uint64_t m_generation = 0;
    bool m_open = false;
    bool m_readOnly = false;
};

} // namespace belvane
