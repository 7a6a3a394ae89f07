#include "core/store/ExtensionDatabase.h"

#include "core/store/SqliteFile.h"
#include "core/text/Clock.h"

#include <QSqlDatabase>
#include <QSqlError>

namespace belvane {

const std::vector<QStringList>& ExtensionDatabase::schemaSteps()
{
    static const std::vector<QStringList> steps = {
        // 1: what the database itself is (when it was made).
        {QStringLiteral("CREATE TABLE store_info (key TEXT PRIMARY KEY, value TEXT NOT NULL)")},
        // 2: the status history of budgets. Every table that belongs to a budget has a column
        // "budget_number": deleting or forgetting a budget finds its rows by it.
        {QStringLiteral(
             "CREATE TABLE status_changes (id INTEGER PRIMARY KEY, budget_number INTEGER NOT NULL, "
             "changed_at TEXT NOT NULL, field TEXT NOT NULL, old_value TEXT NOT NULL, "
             "new_value TEXT NOT NULL, reason TEXT NOT NULL DEFAULT '')"),
         QStringLiteral("CREATE INDEX status_changes_by_budget ON status_changes (budget_number)")},
        // 3: the office's settings its file has no room for.
        {QStringLiteral("CREATE TABLE office_settings (key TEXT PRIMARY KEY, value TEXT NOT NULL)")},
        // 4: the payment schedule of each budget, its instalments in order.
        {QStringLiteral(
            "CREATE TABLE payment_instalments (budget_number INTEGER NOT NULL, position INTEGER NOT NULL, "
            "stage TEXT NOT NULL, percent REAL NOT NULL, due TEXT NOT NULL, "
            "PRIMARY KEY (budget_number, position))")},
        // 5: earlier versions of budget files, kept when a save replaced them.
        {QStringLiteral(
            "CREATE TABLE budget_revisions (budget_number INTEGER NOT NULL, revision INTEGER NOT NULL, "
            "kept_at TEXT NOT NULL, file BLOB NOT NULL, PRIMARY KEY (budget_number, revision))")},
        // 6: the building use of each saved budget, for the statistics.
        {QStringLiteral(
            "CREATE TABLE budget_uses (budget_number INTEGER PRIMARY KEY, building_use TEXT NOT NULL)")},
        // 7: the history grid's edits not yet written back into the budget files, kept as they
        // are made so that a crash does not lose them.
        {QStringLiteral(
            "CREATE TABLE pending_row_edits (budget_number INTEGER PRIMARY KEY, edited_at TEXT NOT NULL, "
            "status_before TEXT NOT NULL, negotiated_before REAL NOT NULL, reason TEXT NOT NULL, "
            "status TEXT NOT NULL, negotiated TEXT NOT NULL, phone TEXT NOT NULL, project_code TEXT NOT NULL)")},
        // 8: the jobs. The billing of each job: per instalment position the day it was billed, the day it was
        // received and the value received, and every change of those with its moment.
        {QStringLiteral(
             "CREATE TABLE instalment_marks (budget_number INTEGER NOT NULL, position INTEGER NOT NULL, "
             "billed_on TEXT NOT NULL, received_on TEXT NOT NULL, received_value REAL NOT NULL, "
             "PRIMARY KEY (budget_number, position))"),
         QStringLiteral(
             "CREATE TABLE instalment_mark_changes (id INTEGER PRIMARY KEY, budget_number INTEGER NOT NULL, "
             "position INTEGER NOT NULL, changed_at TEXT NOT NULL, field TEXT NOT NULL, "
             "old_value TEXT NOT NULL, new_value TEXT NOT NULL)"),
         QStringLiteral("CREATE INDEX instalment_mark_changes_by_budget "
                        "ON instalment_mark_changes (budget_number)"),
         // And the hours of deleted budgets, by the last sequence each seat's journal had then. The
         // number is not "budget_number": these rows must outlive the budget they name.
         QStringLiteral(
             "CREATE TABLE dropped_hours (dropped_budget INTEGER NOT NULL, journal TEXT NOT NULL, "
             "last_sequence INTEGER NOT NULL, dropped_at TEXT NOT NULL, PRIMARY KEY (dropped_budget, journal))")},
    };
    return steps;
}

bool ExtensionDatabase::migrate(QSqlError* failure)
{
    QSqlDatabase db = connection();
    for (int version = this->version(failure); version < kSchemaVersion; ++version) {
        if (version < 0 || !db.transaction()) {
            if (failure && version >= 0)
                *failure = db.lastError();
            return false;
        }
        bool done = true;
        for (const QString& statement : schemaSteps()[std::size_t(version)])
            done = done && sqlite::run(db, statement, failure);
        done = done && sqlite::run(db, QStringLiteral("PRAGMA user_version = %1").arg(version + 1), failure);
        if (version == 0)
            done = done && sqlite::run(db, QStringLiteral("INSERT INTO store_info VALUES ('created', '%1')")
                                               .arg(Clock::now().toString(Qt::ISODate)), failure);
        if (done && !db.commit()) {
            done = false;
            if (failure)
                *failure = db.lastError();
        }
        if (!done) {
            db.rollback();
            return false;
        }
    }
    return true;
}

} // namespace belvane
