// The budget counter "Control.bin" of the projects folder: any bytes, since it may be lost,
// restored from an old copy or cut short. Four bytes or more give the number in the first four;
// fewer are reported as damaged. The number for a new budget must be sound whatever the counter
// says, and a counter written back reads as the same number.
#include "FuzzSupport.h"

#include "core/budget/BudgetCounter.h"
#include "core/budget/BudgetNumbering.h"
#include "core/history/HistoryTable.h"

#include <QtEndian>

using namespace belvane;
using namespace belvane::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = inputBytes(data, size);
    const QString folder = scratchDir();
    scratchFile(QString::fromLatin1(kBudgetCounterFileName), bytes);
    const BudgetCounterRead read = ReadBudgetCounter(folder);
    if (bytes.size() < 4) {
        check(!read.ok() && read.value == 0, "a short counter file must be reported as damaged");
        return 0;
    }
    check(read.ok(), "a counter of four bytes or more must be read", read.error);
    check(read.value == qFromLittleEndian<qint32>(bytes.constData()),
          "the counter is the file's first four bytes");

    const HistoryTable noHistory;
    const BudgetNumber next = nextBudgetNumber(read.value, noHistory, folder);
    if (next.ok())
        check(next.number >= 1 && next.number <= kHighestBudgetNumber && next.number > read.value,
              "a new budget's number must be above the counter and fit the record",
              QString::number(next.number));
    else
        check(read.value >= kHighestBudgetNumber, "numbers may run out only past the last one");

    check(WriteBudgetCounter(folder, read.value).ok(), "the counter must be written back");
    const BudgetCounterRead again = ReadBudgetCounter(folder);
    check(again.ok() && again.value == read.value, "a counter written back reads the same");
    return 0;
}
