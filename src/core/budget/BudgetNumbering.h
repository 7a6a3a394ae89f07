#pragma once
// Numbers for new budgets. Each saved budget has a number from 1 to 65535 (the record holds it in
// 16 bits) and a file named after it, so a new budget must never receive a number that is already
// in use: its first save would replace another budget's file. The counter file Control.bin
// holds the last number given out, but it can be lost, restored from an old copy or left behind
// by a save that overwrote a budget not yet numbered; the history and the budget files in the
// projects folder know better. A new budget therefore gets one more than the highest number any
// of the three knows, and numbers are never given back, even after a deletion.
#include <QString>

namespace belvane {

class HistoryTable;

inline constexpr int kHighestBudgetNumber = 65535;

struct BudgetNumber {
    int number = 0;  // 1..65535 when ok
    QString error;   // Portuguese sentence when no number is left
    bool ok() const { return error.isEmpty(); }
};

// The highest budget number in use: the counter read from Control.bin, the "Nº" of every history
// row and the number of every "ORC<digits>.bvp" file in `projectsDir` (letter case ignored).
// Numbers above 65535 in the history or in file names are ignored: no budget number can reach
// them, so they can never be replaced. Never below 0.
qint64 highestBudgetNumberInUse(qint64 counter, const HistoryTable& history,
                                const QString& projectsDir);

// The number for a new budget: one more than the highest in use. Refused, with a message, when
// that would pass 65535.
BudgetNumber nextBudgetNumber(qint64 counter, const HistoryTable& history, const QString& projectsDir);

} // namespace belvane
