#pragma once
// How the store's tables hand rows of values to SQLite: a text is kept empty, never NULL, and a
// statement is prepared once and run once per row with that row's values bound in order.
#include <QString>
#include <QVariantList>

#include <vector>

class QSqlDatabase;

namespace belvane {

// A text as the database keeps it: an empty one is empty, never NULL.
inline QString storedText(const QString& text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

// Runs `statement` once for each of `rows`, its values bound in order; stops at the first that
// fails and says whether all went through.
bool runForEach(QSqlDatabase& db, const QString& statement, const std::vector<QVariantList>& rows);

} // namespace belvane
