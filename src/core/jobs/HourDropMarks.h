#pragma once
// The hours of deleted budgets. The seat that deletes a budget cannot write the other seats'
// journals, so it does not remove the entries: it notes, for that budget number, the last
// sequence each journal had at that moment. An entry of that budget at or below its journal's
// mark no longer counts; one recorded later, for a new budget that took the number again, does.
// Journals are named here by the token in their header: a journal made anew under the same file
// name starts its sequences again and is not held to the old marks.
#include <QHash>
#include <QString>

namespace belvane {

// Journal token -> the last sequence it had when the budget was deleted.
using HourJournalMarks = QHash<QString, qint64>;
// Budget number -> the marks of its deletion.
using HourDropMarks = QHash<int, HourJournalMarks>;

} // namespace belvane
