// Saves budgets into a projects folder without end, the way the program does — the budget file,
// then its history row with the history file, then the counter, then the change of status and
// negotiated value in the database, both in one transaction — and now and then rewrites the
// history alone, as a deletion or the close does. It is killed at a random moment by the crash
// test, which then checks what it left on disk.
//
// Every version of every file can be recognised: save number k writes budget ((k - 1) % 5) + 1
// with the client "Cliente k" and an area of k square metres, and the counter k. After each
// completed step the program prints a line ("B <number> <k>", "H <k>", "C <k>", "D <k>"), so the
// test knows which versions were surely on disk when the kill came. In the database, save k
// records the status "k" and the negotiated value "100k" of its budget.
#include "core/budget/BudgetCounter.h"
#include "core/budget/BudgetFile.h"
#include "core/history/HistoryStore.h"
#include "core/store/ExtensionStore.h"

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
    ExtensionStore store(projects);
    store.database().open();
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
        const QDateTime at = QDateTime(QDate(2026, 12, 9), QTime(0, 0)).addSecs(k);
        const std::vector<StatusChange> changes{
            {budget.Number, at, kStatusField.toString(), {}, QString::number(k), {}},
            {budget.Number, at, kNegotiatedField.toString(), {}, QString::number(k * 100), {}}};
        if (!store.statusLog().record(changes).ok())
            return 1;
        report("D %d\n", k);
        if (k % 3 == 0) {
            history.table().sortByColumn(kColClient, k % 2 ? Qt::AscendingOrder : Qt::DescendingOrder);
            if (!history.write().ok())
                return 1;
            report("H %d\n", k);
        }
    }
}
