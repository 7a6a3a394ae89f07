// The report panel's paper documents: the budget of the open report exported as a PDF file or
// sent to a printer, as the proposal to the client or as the office's internal report.
#include "ui/history/HistoryPage.h"

#include "core/budget/BudgetFile.h"
#include "core/history/HistoryColumns.h"
#include "core/history/HistoryRowReport.h"
#include "core/history/HistoryStore.h"
#include "core/text/Clock.h"
#include "ui/app/AppState.h"
#include "ui/history/ReportDocument.h"
#include "ui/history/ReportPanel.h"
#include "ui/widgets/ExportPath.h"
#include "ui/widgets/Prompts.h"

#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

namespace belvane {

ProposalTerms HistoryPage::proposalTerms(int number) const
{
    return m_state.workspace().proposalTerms(number, m_state.officeContact());
}

HistoryRowReport HistoryPage::scheduledReport(int row) const
{
    return m_state.workspace().scheduledReport(row);
}

bool HistoryPage::reportDocument(QString& officeName, QString& bodyHtml, QString& budgetFileName)
{
    const HistoryTable& table = m_state.workspace().history().table();
    const HistoryRowReport report = scheduledReport(m_book.openReport().row(table));
    if (report.state != HistoryRowReport::State::Shown) {
        Prompts::inform(this, report.state == HistoryRowReport::State::Failed
                                  ? report.error
                                  : QStringLiteral("Não foi localizado o arquivo deste orçamento"));
        return false;
    }
    officeName = m_state.currentOffice().Name.toQString().trimmed();
    if (officeName.isEmpty())
        officeName = QStringLiteral("Orçamento de projeto");
    // The observations as the panel shows them, even if not yet stored in the row.
    const QString notes = m_report->notes();
    const QDate today = Clock::today();
    bodyHtml = m_report->documentKind() == int(ReportDocumentKind::ClientProposal)
        ? proposalHtml(clientProposal(report.budget, today, notes, proposalTerms(report.budget.Number)))
        : internalReportHtml(report, m_state.priceCheckOf(report.budget), notes, today);
    budgetFileName = BudgetFileName(report.budget.Number);
    return true;
}

void HistoryPage::exportReportPdf()
{
    QString officeName, body, budgetFile;
    if (!reportDocument(officeName, body, budgetFile))
        return;
    const QString path = chooseExportPath(this, QStringLiteral("Exportar PDF"),
                                          QFileInfo(budgetFile).completeBaseName() + QStringLiteral(".pdf"),
                                          QStringLiteral("Documentos PDF (*.pdf)"), QStringLiteral(".pdf"));
    if (path.isEmpty())
        return;
    // Written aside and put in place only when complete: an existing document is never left
    // half overwritten.
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        QPdfWriter writer(&file);
        writer.setTitle(officeName);
        writer.setCreator(QStringLiteral("Belvane"));
        writer.setResolution(300);
        written = ReportDocument(officeName, body).paint(writer) > 0;
    }
    if (!written || !file.commit()) {
        Prompts::error(this, QStringLiteral("Não foi possível gravar o arquivo \"%1\": %2")
                                 .arg(QDir::toNativeSeparators(path), file.errorString()));
        return;
    }
    Prompts::inform(this, QStringLiteral("O documento foi salvo em \"%1\".").arg(QDir::toNativeSeparators(path)));
}

void HistoryPage::printReport()
{
    QString officeName, body, budgetFile;
    if (!reportDocument(officeName, body, budgetFile))
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QFileInfo(budgetFile).completeBaseName());
    if (!Prompts::choosePrinter(this, printer))
        return;
    if (ReportDocument(officeName, body).paint(printer) == 0)
        Prompts::error(this, QStringLiteral("Não foi possível imprimir o orçamento."));
}

} // namespace belvane
