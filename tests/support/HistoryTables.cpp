#include "support/HistoryTables.h"

namespace belvane::test {

QStringList columnTexts(const HistoryTable& table, int column)
{
    QStringList texts;
    for (int row = 0; row < table.rowCount(); ++row)
        texts << table.text(row, column);
    return texts;
}

} // namespace belvane::test
