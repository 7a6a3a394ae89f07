#include "core/store/ExtensionDatabase.h"

#include "core/storage/WriteGate.h"
#include "core/store/SqliteFile.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace belvane {
namespace {

// The tables whose rows have no use once the budget's file is gone: the schedule and the building
// use are read with the file. The revisions and the status history are what the user rebuilds it
// from, and a table this program does not know may hold more such: they stay.
const QStringList& droppableWithoutFile()
{
    static const QStringList tables{QStringLiteral("payment_instalments"), QStringLiteral("budget_uses")};
    return tables;
}

QString numbersWithDroppableRows()
{
    QStringList selects;
    for (const QString& table : droppableWithoutFile())
        selects << QStringLiteral("SELECT budget_number FROM \"%1\"").arg(table);
    return selects.join(QStringLiteral(" UNION "));
}

} // namespace

// Every table that belongs to a budget, including those of a later program, by its column
// "budget_number".
QStringList ExtensionDatabase::keyedTables() const
{
    QStringList tables;
    QSqlQuery list(connection());
    list.exec(QStringLiteral("SELECT m.name FROM sqlite_master m, pragma_table_info(m.name) c "
                             "WHERE m.type = 'table' AND c.name = 'budget_number'"));
    while (list.next())
        tables << list.value(0).toString();
    return tables;
}

IoResult ExtensionDatabase::removeBudget(int number)
{
    const Session session{*this};
    if (!m_open || m_readOnly)
        return IoResult::success();
    if (const IoResult allowed = WriteGate::check(m_path); !allowed.ok())
        return allowed;
    if (removeRows(keyedTables(), {number})) {
        ++m_generation;
        return IoResult::success();
    }
    return IoResult::failure(
        QStringLiteral("Os dados extras do orçamento %1 não puderam ser apagados de \"%2\".")
            .arg(number)
            .arg(QDir::toNativeSeparators(m_path)));
}

bool ExtensionDatabase::removeRows(const QStringList& tables, const std::vector<int>& numbers)
{
    QSqlDatabase db = connection();
    bool done = db.transaction();
    for (const QString& table : tables) {
        QSqlQuery remove(db);
        done =
            done && remove.prepare(QStringLiteral("DELETE FROM \"%1\" WHERE budget_number = ?").arg(table));
        for (const int number : numbers) {
            remove.addBindValue(number);
            done = done && remove.exec();
        }
    }
    if (done && db.commit())
        return true;
    db.rollback();
    return false;
}

std::vector<int> ExtensionDatabase::budgetsWithDroppableRows(const QString& path)
{
    std::vector<int> numbers;
    if (!QFile::exists(path) || !sqlite::hasDatabaseHeader(path))
        return numbers;
    sqlite::withOwnConnection(path, QStringLiteral("QSQLITE_OPEN_READONLY"), [&](QSqlDatabase& db) {
        QSqlQuery select(db);
        select.setForwardOnly(true);
        // A database of an older schema lacks a table: nothing is dropped this time.
        if (select.exec(numbersWithDroppableRows())) {
            while (select.next())
                numbers.push_back(select.value(0).toInt());
        }
    });
    return numbers;
}

int ExtensionDatabase::forgetBudgets(const std::vector<int>& numbers)
{
    const Session session{*this};
    if (numbers.empty() || !m_open || m_readOnly || !WriteGate::check(m_path).ok())
        return 0;
    QStringList tables;
    for (const QString& table : keyedTables()) {
        if (droppableWithoutFile().contains(table))
            tables << table;
    }
    return !tables.isEmpty() && removeRows(tables, numbers) ? int(numbers.size()) : 0;
}

int ExtensionDatabase::forgetMissingBudgets(const std::function<bool(int number)>& budgetExists)
{
    std::vector<int> gone;
    for (const int number : budgetsWithDroppableRows(m_path)) {
        if (!budgetExists(number))
            gone.push_back(number);
    }
    return forgetBudgets(gone);
}

} // namespace belvane
