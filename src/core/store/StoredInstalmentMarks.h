#pragma once
// The billing marks of each job (table instalment_marks): per budget and instalment position, the
// day it was billed, the day it was received and the value received. Every change of a mark is
// logged with its moment (table instalment_mark_changes) in the same transaction, so the billing
// of a job has a timeline as its status has.
//
// Marks are kept by position. A schedule saved again keeps the marks of the positions it still
// has; those of the positions it lost go in the schedule's own transaction (dropBeyond), logged
// as "removida". Deleting a budget drops both tables' rows with the others (column budget_number).
// A budget whose file went missing keeps them: they record money received.
#include "core/jobs/InstalmentMarks.h"
#include "core/storage/IoResult.h"

#include <QDateTime>
#include <QHash>

#include <vector>

class QSqlDatabase;

namespace belvane {

class ExtensionDatabase;

class StoredInstalmentMarks {
public:
    // The schema version that made the tables.
    static constexpr int kMadeIn = 8;

    explicit StoredInstalmentMarks(ExtensionDatabase& database) : m_database(database) {}

    // The budget's marks by position; an instalment never marked has none.
    std::vector<InstalmentMark> of(int budgetNumber) const;
    // Every budget's marks, for the jobs list, in one read.
    QHash<int, std::vector<InstalmentMark>> all() const;
    // Sets the mark of the budget's instalment `mark.position` as given (an empty mark clears it)
    // and logs what changed, at `at`, all or none.
    IoResult mark(int budgetNumber, const InstalmentMark& mark, const QDateTime& at);
    // The changes of the budget's marks in the order they were made.
    std::vector<InstalmentMarkChange> changesOf(int budgetNumber) const;

    // Within the transaction that saves the budget's schedule of `count` instalments: drops the
    // marks of the positions after it, logging each. False when a statement failed.
    static bool dropBeyond(QSqlDatabase& db, int budgetNumber, int count, const QDateTime& at);

private:
    ExtensionDatabase& m_database;
};

} // namespace belvane
