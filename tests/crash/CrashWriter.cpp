// Saves budgets into a projects folder without end, the way the program does — the budget file,
// then its history row with the history file, then the counter — and now and then rewrites the
// history alone, as a deletion or the close does. It is killed at a random moment by the crash
// test, which then checks what it left on disk.
//
// Every version of every file can be recognised: save number k writes budget ((k - 1) % 5) + 1
// with the client "Cliente k" and an area of k square metres, and the counter k. After each
// completed step the program prints a line ("B <number> <k>", "H <k>", "C <k>"), so the test
// knows which versions were surely on disk when the kill came.
#include "core/budget/BudgetCounter.h"
#include "core/budget/BudgetFile.h"
#include "core/history/HistoryStore.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <cstdlib>

using namespace belvane;

namespace {

constexpr int kBudgets = 5;

void report(const char* format, int a, int b = 0)
{
    std::printf(format, a, b);
    std::fflush(stdout);
}

TBudgetData budgetOfSave(int k)
{
    TBudgetData budget = zeroBudget();
    NewBudgetRecord(budget);
    budget.Number = static_cast<std::uint16_t>((k - 1) % kBudgets + 1);
    budget.Status.assign(u"Aguardando");
    budget.ClientName.assign(QStringLiteral("Cliente %1").arg(k));
    budget.Area = static_cast<float>(k);
    budget.BudgetValue = static_cast<float>(k) * 100.0f;
    return budget;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <projects folder> <first save>\n", argv[0]);
        return 2;
    }
    const QString projects = QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + QLatin1Char('/');
    HistoryStore history(projects);
    history.load();
    for (int k = std::atoi(argv[2]);; ++k) {
        const TBudgetData budget = budgetOfSave(k);
        if (!WriteBudgetFile(budget, projects + BudgetFileName(budget.Number)).ok())
            return 1;
        report("B %d %d\n", budget.Number, k);
        if (!history.storeBudget(budget).ok())
            return 1;
        report("H %d\n", k);
        if (!WriteBudgetCounter(projects, k).ok())
            return 1;
        report("C %d\n", k);
        if (k % 3 == 0) {
            history.table().sortByColumn(kColClient, k % 2 ? Qt::AscendingOrder : Qt::DescendingOrder);
            if (!history.write().ok())
                return 1;
            report("H %d\n", k);
        }
    }
}
