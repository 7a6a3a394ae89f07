#pragma once
// Budget numbers are given out from the counter file "Control.bin" in the projects folder: four
// bytes, a little-endian signed 32-bit integer holding the last number given to a saved budget.
// The file does not exist until the first budget is saved; a missing file counts as 0, so the
// first budget is number 1. A new budget is shown with the counter plus one, and only saving it
// advances the file.
#include "core/storage/IoResult.h"

#include <QString>

namespace belvane {

inline constexpr auto kBudgetCounterFileName = "Control.bin";

struct BudgetCounterRead {
    qint32 value = 0;
    QString error;   // a Portuguese sentence naming the file when it could not be read
    bool ok() const { return error.isEmpty(); }
};

// The last number stored in the counter file of the folder (ending with '/'); 0 when the file does
// not exist. A file shorter than four bytes is reported as damaged; a longer one is read for its
// first four bytes.
BudgetCounterRead ReadBudgetCounter(const QString& projectsDir);

// Replaces the counter file of the folder with the four bytes of the counter, crash-safely.
IoResult WriteBudgetCounter(const QString& projectsDir, qint32 counter);

} // namespace belvane
