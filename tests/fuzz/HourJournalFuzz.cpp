// A seat's hour journal as the shared folder holds it: another program's, one a crash cut short,
// one a damaged share altered, any bytes. Reading never fails the program and reads nothing
// twice; the seat that owns it appends after whatever it holds, its new entry counting at once,
// and a journal it cannot read as its own (a newer program's, no journal at all) stays as it was.
#include "FuzzSupport.h"

#include "core/jobs/HourBook.h"
#include "core/jobs/HourJournal.h"
#include "core/jobs/HourJournalScan.h"

using namespace belvane;
using namespace belvane::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    constexpr int kBudget = 65000;
    const QByteArray bytes = inputBytes(data, size);
    const QString projects = scratchDir();
    QDir().mkpath(HourJournal::folderIn(projects));
    const QString path = scratchFile(QStringLiteral("Horas/ana-PC-a1.horas"), bytes);

    HourBook book(projects);
    book.refresh();
    const qint64 before = book.quartersOf(kBudget);
    for (const RecordedHourEntry& recorded : book.entriesOf(kBudget))
        check(recorded.entry.quarters >= 1 && recorded.entry.quarters <= 96, "an entry holds a day at most");
    book.refresh();
    check(book.lastReadBytes() == 0, "a journal that did not change is not read again");

    const HourJournalScan scan = scanHourJournal(bytes);
    HourJournal journal(path, QStringLiteral("ana"), QStringLiteral("PC"));
    const HourJournalWrite written =
        journal.add({kBudget, QDate(2026, 12, 10), QStringLiteral("Ana"), QStringLiteral("Tarefa"), 3, {}});
    if (scan.state != HourJournalScan::State::Ok) {
        check(!written.ok(), "a journal this program cannot read as its own is not written");
        check(fileBytes(path) == bytes, "a journal not written stays as it was");
        return 0;
    }
    check(written.ok() && written.sequence == scan.lastSequence + 1,
          "the next record follows the last one read", written.error);
    book.refresh();
    check(book.quartersOf(kBudget) == before + 3, "the new entry counts and nothing else changed");
    check(book.problems().size() == (scan.damagedLines > 0 ? 1u : 0u), "only damaged lines are a problem");
    return 0;
}
