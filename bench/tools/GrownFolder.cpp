// Grows a projects folder the way years of work grow it, for the start-up measures: a budget file
// for each of the first `count` numbers and a database holding, for each budget, a revision (the
// file as it was before its last save), its building use, a payment schedule and a status change.
// With "minusculas" the files are named in lower case, as a folder copied from another system is.
#include "core/budget/BudgetFile.h"
#include "core/budget/BudgetRecord.h"
#include "core/store/ExtensionStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <cstdio>

using namespace belvane;

namespace {

TBudgetData budgetNumbered(int number)
{
    TBudgetData budget = zeroBudget();
    budget.Number = static_cast<std::uint16_t>(number);
    budget.Status.assign(u"Aprovado");
    budget.ClientName.assign(QStringLiteral("Cliente Conceição %1").arg(number));
    budget.BuildingUse.assign(u"Residencial");
    budget.BudgetValue = 10000.5f + float(number);
    return budget;
}

bool fillDatabase(const QString& folder, int count)
{
    {
        ExtensionStore store(folder);
        if (store.database().open().state != StoreOpen::State::Created)
            return false;
    }
    bool done = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("grow"));
        db.setDatabaseName(folder + ExtensionDatabase::fileName());
        done = db.open() && db.transaction();
        QSqlQuery revision(db), use(db), instalment(db), status(db);
        done = done && revision.prepare(QStringLiteral("INSERT INTO budget_revisions VALUES (?, 1, '2025-06-01T10:00:00', ?)"))
               && use.prepare(QStringLiteral("INSERT INTO budget_uses VALUES (?, 'Residencial')"))
               && instalment.prepare(QStringLiteral("INSERT INTO payment_instalments VALUES (?, 1, 'Assinatura', 20, '')"))
               && status.prepare(QStringLiteral("INSERT INTO status_changes (budget_number, changed_at, field, old_value, "
                                                "new_value) VALUES (?, '2025-06-01T10:00:00', 'Status', 'Aguardando', 'Aprovado')"));
        for (int number = 1; done && number <= count; ++number) {
            TBudgetData before = budgetNumbered(number);
            before.Status.assign(u"Aguardando");
            revision.addBindValue(number);
            revision.addBindValue(QByteArray(reinterpret_cast<const char*>(&before), sizeof before));
            use.addBindValue(number);
            instalment.addBindValue(number);
            status.addBindValue(number);
            done = revision.exec() && use.exec() && instalment.exec() && status.exec();
        }
        done = done && db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("grow"));
    return done;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4 || (qstrcmp(argv[1], "maiusculas") != 0 && qstrcmp(argv[1], "minusculas") != 0)) {
        std::fprintf(stderr, "usage: %s maiusculas|minusculas <projects folder> <budgets>\n", argv[0]);
        return 2;
    }
    const bool lowerCase = qstrcmp(argv[1], "minusculas") == 0;
    const QString folder = QString::fromLocal8Bit(argv[2]) + u'/';
    const int count = QByteArray(argv[3]).toInt();
    QDir().mkpath(folder);
    for (int number = 1; number <= count; ++number) {
        const TBudgetData budget = budgetNumbered(number);
        const QString name = lowerCase ? BudgetFileName(number).toLower() : BudgetFileName(number);
        // Plain writes: the measure is of the start, not of how these files came to be.
        QFile file(folder + name);
        if (!file.open(QIODevice::WriteOnly)
            || file.write(reinterpret_cast<const char*>(&budget), sizeof budget) != qint64(sizeof budget))
            return 1;
    }
    return fillDatabase(folder, count) ? 0 : 1;
}
