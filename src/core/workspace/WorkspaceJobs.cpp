#include "core/workspace/Workspace.h"

#include "core/budget/BudgetFile.h"
#include "core/history/HistoryColumns.h"
#include "core/history/HistoryRowFile.h"

#include <QFileInfo>

#include <cmath>

namespace belvane {

IoResult Workspace::markInstalment(int number, const InstalmentMark& mark, const QDateTime& at)
{
    if (!m_writes)
        return IoResult::failure(
            QStringLiteral("O faturamento só é gravado pela estação que tem a pasta de dados."));
    const int instalments = int(m_database->paymentSchedules().of(number).instalments().size());
    if (mark.position < 1 || mark.position > instalments)
        return IoResult::failure(
            QStringLiteral("O orçamento %1 não tem a parcela %2.").arg(number).arg(mark.position));
    if (mark.received() && (!std::isfinite(mark.receivedValue) || mark.receivedValue < 0))
        return IoResult::failure(
            QStringLiteral("O valor recebido deve ser um valor em R$ a partir de 0,00."));
    InstalmentMark kept = mark;
    kept.receivedValue = mark.received() ? roundToCentavo(mark.receivedValue) : 0.0;
    return m_database->instalmentMarks().mark(number, kept, at);
}

const QHash<int, JobBudgetFigures>& Workspace::jobFigures(JobFilter filter)
{
    const HistoryTable& table = m_history.table();
    m_jobFigures.clear();
    for (int row = 0; row < table.rowCount(); ++row) {
        if (!showsJobStatus(table.textView(row, kColStatus), filter))
            continue;
        const HistoryRowFile file = locateHistoryRowFile(table, row, m_folders.projectsDir);
        if (!file.found())
            continue;
        const QFileInfo info(file.path);
        const int number = int(table.value(row, kColNumber));
        auto kept = m_keptFigures.find(number);
        if (kept == m_keptFigures.end() || kept->modified != info.lastModified()
            || kept->size != info.size()) {
            TBudgetData budget{};
            if (ReadBudgetFile(budget, file.path).state != RecordReadState::Read)
                continue;
            kept = m_keptFigures.insert(
                number,
                {info.lastModified(), info.size(),
                 JobBudgetFigures::of(budget, m_database->paymentSchedules().of(budget.Number))});
        }
        m_jobFigures.insert(number, kept->figures);
    }
    return m_jobFigures;
}

} // namespace belvane
