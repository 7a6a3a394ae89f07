// The history page's part in a budget's versions and commercial history: the report's lists of
// revisions and status changes, restoring a revision, the reason asked when a budget is lost and
// the revisions a deletion takes along.
#include "ui/history/HistoryPage.h"

#include "core/budget/StatusWords.h"
#include "core/text/Clock.h"
#include "core/text/NumberFormat.h"
#include "ui/app/AppState.h"
#include "ui/history/HistoryModel.h"
#include "ui/history/ReportPanel.h"
#include "ui/history/RevisionsPanel.h"
#include "ui/widgets/Prompts.h"

namespace belvane {

void HistoryPage::showVersions(int row, int number)
{
    m_versionsNumber = number;
    if (number <= 0) {
        m_report->revisions()->showBudget({}, {});
        return;
    }
    // The grid's edits not yet written show as the latest line.
    const Workspace& work = m_state.workspace();
    m_report->revisions()->showBudget(work.versionsOf(row), statusTimeline(work.statusChangesOf(number)));
}

void HistoryPage::refreshVersionsOf(int number)
{
    if (number > 0 && number == m_versionsNumber)
        showVersions(m_book.table().findRowByNumber(number), number);
}

void HistoryPage::restoreRevision(int revision)
{
    // The report's row, or the row of a budget whose file is missing (its report takes no notes).
    int row = m_book.openReport().row(m_book.table());
    if (row < 0 && m_versionsNumber > 0)
        row = m_book.table().findRowByNumber(m_versionsNumber);
    if (row < 0 || !m_state.writes())
        return;
    const int number = m_book.table().text(row, kColNumber).toInt();
    const QString question =
        QStringLiteral("A revisão %1 passará a ser o orçamento nº %2. A versão atual ficará guardada como "
                       "uma nova revisão. Continuar?")
            .arg(revision)
            .arg(number);
    if (Prompts::ask(this, question, QMessageBox::Yes | QMessageBox::No, Prompts::Box::Confirmation)
        != QMessageBox::Yes)
        return;
    storeReportNotes();
    const RevisionRestore restore = m_state.workspace().restoreRevision(row, revision, Clock::now());
    if (!restore.restored()) {
        Prompts::error(this, restore.error);
        return;
    }
    m_state.historyReplaced();
    const int shownRow = m_book.table().findRowByNumber(number);
    selectRow(shownRow);
    ShowBudgetReport(shownRow);
    if (restore.warnings.isEmpty())
        Prompts::inform(this, QStringLiteral("A revisão %1 foi restaurada.").arg(revision));
    else
        Prompts::error(this,
                       QStringLiteral("A revisão %1 foi restaurada.\n\n").arg(revision)
                           + restore.warnings.join(QLatin1Char('\n')));
    // The project page may hold the budget as it was before: a save there would undo the restore.
    if (m_state.budget().priced() && m_state.budget().record().Number == number) {
        QString question = QStringLiteral("O orçamento nº %1 está aberto na página de projeto. Deseja recarregá-lo "
                                          "como ficou após a restauração?")
                               .arg(number);
        if (m_state.hasUnsavedBudgetWork())
            question += QStringLiteral("\n\nO que não foi salvo nele será descartado.");
        if (Prompts::ask(this, question, QMessageBox::Yes | QMessageBox::No, Prompts::Box::Confirmation)
            == QMessageBox::Yes)
            reopenBudgetOfRow(shownRow);
    }
}

void HistoryPage::commercialStateEdited(int budgetNumber, int column, const QString& text)
{
    if (column != kColStatus || text.compare(kStatusRejected, Qt::CaseInsensitive) != 0)
        return;
    QStringList choices = {QStringLiteral("Não informar")};
    choices << rejectionReasons();
    const QString reason = Prompts::chooseItem(
        this, QStringLiteral("Por que o orçamento nº %1 foi reprovado? (opcional)").arg(budgetNumber),
        choices);
    m_state.workspace().history().noteRejectionReason(budgetNumber,
                                         rejectionReasons().contains(reason) ? reason : QString());
    refreshVersionsOf(budgetNumber);
}

QString HistoryPage::hoursToDelete(int number) const
{
    const double hours = m_state.workspace().hoursOfBudget(number);
    if (hours <= 0)
        return {};
    if (hours == 1)
        return QStringLiteral("\n\nA 1 hora registrada neste projeto também será excluída.");
    return QStringLiteral("\n\nAs %1 horas registradas neste projeto também serão excluídas.").arg(formatGeneral(hours));
}

QString HistoryPage::revisionsToDelete(int number) const
{
    const std::size_t kept = m_state.workspace().revisionCountOf(number);
    if (kept == 0)
        return {};
    if (kept == 1)
        return QStringLiteral("\n\nA revisão guardada deste orçamento também será excluída.");
    return QStringLiteral("\n\nAs %1 revisões guardadas deste orçamento também serão excluídas.").arg(kept);
}

} // namespace belvane
