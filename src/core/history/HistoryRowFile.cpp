#include "core/history/HistoryRowFile.h"

#include "core/history/HistoryTable.h"
#include "core/storage/BudgetFileNameCheck.h"
#include "core/storage/FileLookup.h"

namespace belvane {

HistoryRowFile locateHistoryRowFile(const HistoryTable& table, int row, const QString& projectsDir)
{
    HistoryRowFile file;
    file.name = table.text(row, kColFile);
    if (!isBudgetFileName(file.name)) {
        file.state = HistoryRowFile::State::NotABudgetName;
        return file;
    }
    file.path = findFileIgnoringCase(projectsDir, file.name);
    file.state = file.path.isEmpty() ? HistoryRowFile::State::Missing : HistoryRowFile::State::Found;
    return file;
}

QString notABudgetFileMessage(const HistoryTable& table, int row)
{
    return QStringLiteral("A linha do orçamento nº %1 do histórico não indica um arquivo de "
                          "orçamento (\"%2\"); por segurança esse arquivo não foi aberto nem "
                          "alterado.")
        .arg(table.text(row, kColNumber), table.text(row, kColFile));
}

} // namespace belvane
