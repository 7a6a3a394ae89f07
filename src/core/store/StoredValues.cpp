#include "core/store/StoredValues.h"

#include <QSqlDatabase>
#include <QSqlQuery>

namespace belvane {

bool runForEach(QSqlDatabase& db, const QString& statement, const std::vector<QVariantList>& rows)
{
    QSqlQuery query(db);
    if (!query.prepare(statement))
        return false;
    for (const QVariantList& row : rows) {
        for (const QVariant& value : row)
            query.addBindValue(value);
        if (!query.exec())
            return false;
    }
    return true;
}

} // namespace belvane
