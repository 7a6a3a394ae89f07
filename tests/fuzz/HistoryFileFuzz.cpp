// The history file "Hist.bvh" as anything may leave it: edited by hand, saved by a spreadsheet,
// cut short by a crash. Whatever the bytes, reading must not fail, and the table it gives must
// survive the program's own write: written and read again it reads without problems and holds
// the same cells, and writing that table again gives the same bytes. The store's start-up
// read from the folder must see exactly what the byte reader sees.
#include "FuzzSupport.h"

#include "core/history/HistoryCellText.h"
#include "core/history/HistoryFile.h"
#include "core/history/HistoryStore.h"
#include "core/history/HistoryTable.h"

using namespace belvane;
using namespace belvane::fuzz;

namespace {

QString firstProblems(const HistoryReadResult& read)
{
    QString text;
    for (qsizetype i = 0; i < std::min<qsizetype>(read.problems.size(), 5); ++i)
        text += read.problems[i].message + u'\n';
    return text;
}

// A file the program wrote reads without problems, except that a "Nº" cell that names no budget
// (typed by hand into the file) is kept as it is, and pointed out again at every read.
void checkOnlyForeignNumbers(const HistoryTable& table, const HistoryReadResult& read)
{
    for (const HistoryFileProblem& problem : read.problems) {
        const int row = problem.line - 1;
        check(table.isValidRow(row) && !readHistoryBudgetNumber(table.text(row, kColNumber)),
              "a file the program wrote must read without problems", firstProblems(read));
    }
}

void checkSameCells(const HistoryTable& expected, const HistoryTable& actual, const char* what)
{
    check(expected.rowCount() == actual.rowCount(), what,
          QStringLiteral("%1 rows became %2").arg(expected.rowCount()).arg(actual.rowCount()));
    for (int row = 0; row < expected.rowCount(); ++row) {
        for (int column = 0; column < kHistoryColumnCount; ++column) {
            const QString before = expected.text(row, column);
            const QString after = actual.text(row, column);
            check(before == after, what,
                  QStringLiteral("row %1 column %2: \"%3\" became \"%4\"")
                      .arg(row).arg(column).arg(before, after));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = inputBytes(data, size);
    const QString path = QStringLiteral("Hist.bvh");

    HistoryTable table;
    const HistoryReadResult read = ReadHistoryFile(table, bytes, path);
    check(read.state == HistoryReadResult::State::Read, "bytes in hand must always be read");
    check(read.damaged() == !read.summary().isEmpty(), "a damaged file must be explained");
    (void)read.damagedLines();

    const QByteArray written = historyFileBytes(table);
    HistoryTable again;
    const HistoryReadResult reread = ReadHistoryFile(again, written, path);
    checkOnlyForeignNumbers(again, reread);
    checkSameCells(table, again, "a table written and read again must hold the same cells");
    check(historyFileBytes(again) == written, "writing the table read back must give the same bytes");

    HistoryStore store(scratchDir());
    scratchFile(QString::fromUtf16(kHistoryFileName), bytes);
    const HistoryReadResult loaded = store.load();
    check(loaded.damaged() == read.damaged() && loaded.problems.size() == read.problems.size(),
          "the start-up read must report what the byte reader reports");
    checkSameCells(table, store.table(), "the start-up read must give the byte reader's table");

    // The table as read is what the page sorts by header clicks.
    if (table.rowCount() > 1)
        again.sortByColumn(int(size % kHistoryColumnCount), Qt::AscendingOrder);
    return 0;
}
