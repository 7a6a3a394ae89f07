#pragma once
// What a save of a budget leaves behind besides the new file: the file it replaced, kept as the
// budget's next revision, and the changes of status and negotiated value between the two, in the
// budget's status history. Nothing the office ever sent a client is lost by saving over it.
#include "core/budget/BudgetRecord.h"

#include <QByteArray>
#include <QDateTime>
#include <QStringList>

namespace belvane {

class ExtensionStore;
class HistoryStore;

// The budget file of `number` as it is before a save replaces it; empty when there is none or it
// is not a whole budget file (nothing worth keeping as a revision).
QByteArray fileBeforeSave(const QString& projectsDir, int number);

// After `saved` was written over `replaced` (empty for a budget saved for the first time): keeps
// the replaced file as a revision and logs the changes. Returns what could not be stored, each a
// sentence naming the database; the save itself stands either way.
QStringList keepReplacedVersion(ExtensionStore& store, HistoryStore& history, const QByteArray& replaced,
                                const TBudgetData& saved, const QDateTime& at);

} // namespace belvane
