// The handlers of the history page: reopening, deleting, searching, highlighting, the colour
// panel, the report with its observations, and the export to a spreadsheet.
#include "ui/history/HistoryPage.h"

#include "core/budget/BudgetFile.h"
#include "core/budget/StatusWords.h"
#include "core/history/BudgetReport.h"
#include "core/history/HistoryCsv.h"
#include "core/storage/SafeFile.h"
#include "core/text/NumberFormat.h"
#include "ui/app/AppState.h"
#include "ui/history/ColorPanel.h"
#include "ui/history/HistoryModel.h"
#include "ui/history/ReportPanel.h"
#include "ui/widgets/ExportPath.h"
#include "ui/widgets/Prompts.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace belvane {

void HistoryPage::reopenSelectedBudget()
{
    m_search->setFocus();
    const int row = selectedRow();
    if (row < 0)
        return;
    if (m_state.hasUnsavedBudgetWork()
        && Prompts::ask(this, QStringLiteral("Existe um orçamento em edição. Continuar?"),
                        QMessageBox::Yes | QMessageBox::No, Prompts::Box::Information) != QMessageBox::Yes)
        return;
    reopenBudgetOfRow(row);
}

void HistoryPage::reopenBudgetOfRow(int row)
{
    const BudgetReopening reopened = m_state.workspace().reopenBudget(row, m_state.editBudget());
    if (reopened.state == BudgetReopening::State::Missing) {
        Prompts::inform(this, QStringLiteral("Não foi localizado o arquivo deste orçamento"));
        return;
    }
    if (reopened.state == BudgetReopening::State::Failed) {
        Prompts::error(this, reopened.error);
        return;
    }
    m_state.budgetReplaced();
    emit budgetReopened();
    if (reopened.approved)
        Prompts::inform(
            this,
            QStringLiteral("O orçamento nº %1 foi aprovado pelo cliente. Se for salvo, as alterações "
                           "formarão uma nova revisão da proposta aprovada e a linha do histórico "
                           "passará a mostrar \"Editado\" (\"Aguardando\" se for salvo de novo depois). "
                           "Ele continua contando como ganho no funil e na verificação de preço até que "
                           "outro status de decisão seja escolhido no histórico; a versão aprovada "
                           "continua guardada nas revisões.")
                .arg(m_state.budget().record().Number));
}

void HistoryPage::deleteSelectedBudget()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    HistoryTable& table = m_state.workspace().history().table();
    const QString question = QStringLiteral("O orçamento selecionado(nº ") + table.text(row, kColNumber)
        + QStringLiteral(")o será definivamente excluído. Continuar?")
        + revisionsToDelete(table.text(row, kColNumber).toInt())
        + hoursToDelete(table.text(row, kColNumber).toInt());
    if (Prompts::ask(this, question, QMessageBox::Yes | QMessageBox::No, Prompts::Box::Confirmation)
        != QMessageBox::Yes)
        return;
    closeReport();
    const BudgetRemovalReport removal = m_state.workspace().removeBudget(row);
    // Every page showing the history follows, the funnel and the statistics too.
    m_state.historyReplaced();
    for (const QString& error : removal.errors)
        Prompts::error(this, error);
}

void HistoryPage::searchTypedText()
{
    SearchHistory(m_search->text());
}

void HistoryPage::SearchHistory(const QString& text)
{
    if (text.isEmpty())
        return;
    m_searchResult->setText(m_model->search(m_book, text));
}

void HistoryPage::toggleStatusHighlight()
{
    m_state.setHighlightStatus(!m_state.highlightStatus());
    m_highlightButton->setChecked(m_state.highlightStatus());
    PaintStatusCells();
    m_search->setFocus();
}

void HistoryPage::toggleColorPanel()
{
    placePanels();
    m_colors->setVisible(m_colors->isHidden());
    m_colors->raise();
}

void HistoryPage::confirmColors()
{
    PaintStatusCells();
    emit colorsConfirmed();
    m_colors->setVisible(m_colors->isHidden());
}

void HistoryPage::followSelectedCell(const QModelIndex& cell)
{
    const int row = cell.row();
    const int column = cell.column();
    m_book.cellEntered(row, column);
    // While the report is open it follows the selection; edited observations go to their own budget.
    if (!m_report->isHidden())
        ShowBudgetReport(row);
}

void HistoryPage::loadReportOfRow(int row)
{
    ShowBudgetReport(row);
}

void HistoryPage::showSelectedReport()
{
    if (!m_report->isHidden())
        return;
    const int row = selectedRow();
    if (row < 0)
        return;
    // A report that could not be read was told about and opens no panel.
    if (!ShowBudgetReport(row))
        return;
    placePanels();
    m_report->show();
    m_report->raise();
}

bool HistoryPage::ShowBudgetReport(int row)
{
    if (row < 0)
        return false;
    storeReportNotes();
    HistoryTable& table = m_state.workspace().history().table();
    const HistoryRowReport report = scheduledReport(row);
    if (report.state == HistoryRowReport::State::Failed) {
        // A damaged file: the message, no panel, and the observations of the row left alone.
        m_book.openReport().close();
        m_report->hide();
        Prompts::error(this, report.error);
        return false;
    }
    m_report->showReport(report);
    m_report->setProposalValueNegotiated(proposalTerms(report.budget.Number).negotiatedValue > 0);
    if (report.state == HistoryRowReport::State::FileMissing) {
        // Nothing to write observations about: the box shows none and takes none. The file's
        // revisions are still listed: they are what the budget is restored from.
        m_book.openReport().close();
        showVersions(row, table.text(row, kColNumber).toInt());
        return true;
    }
    showVersions(row, report.budget.Number);
    m_book.openReport().open(table, row, report.notes);
    placePanels();
    m_report->show();
    m_report->raise();
    return true;
}

void HistoryPage::storeReportNotes()
{
    const int row = m_book.storeReportNotes(m_report->notes());
    if (row >= 0)
        m_model->rowChanged(row);
}

void HistoryPage::closeReport()
{
    storeReportNotes();
    m_book.openReport().close();
    m_report->hide();
}

void HistoryPage::discardReport()
{
    m_book.openReport().close();
    m_report->hide();
}

void HistoryPage::copyReport()
{
    const QString text = BudgetReportClipboardText(m_state.currentOffice().Name.toQString(),
                                                   m_report->lines(),
                                                   m_report->notes());
    Prompts::setClipboardText(text);
    Prompts::inform(this, QStringLiteral("Orçamento copiado para a área de transfêrencia."));
}

std::vector<int> HistoryPage::shownColumns() const
{
    const QHeaderView* header = m_grid->horizontalHeader();
    std::vector<int> columns;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int column = header->logicalIndex(visual);
        if (!m_grid->isColumnHidden(column))
            columns.push_back(column);
    }
    return columns;
}

void HistoryPage::exportCsv()
{
    const QString path = chooseExportPath(this, QStringLiteral("Exportar histórico"), QStringLiteral("Historico.csv"),
                                          QStringLiteral("Planilha CSV (*.csv)"), QStringLiteral(".csv"));
    if (path.isEmpty())
        return;
    const HistoryTable& table = m_state.workspace().history().table();
    const IoResult written = writeFileAtomically(path, historyCsv(table, shownColumns()));
    if (!written.ok()) {
        Prompts::error(this, written.error);
        return;
    }
    const int rows = table.rowCount();
    Prompts::inform(this, QStringLiteral("Histórico exportado para \"%1\" (%2 %3).")
                              .arg(QDir::toNativeSeparators(path))
                              .arg(rows)
                              .arg(rows == 1 ? QStringLiteral("orçamento") : QStringLiteral("orçamentos")));
}

} // namespace belvane
