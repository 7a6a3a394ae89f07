// Closing a seat that only reads: nothing is written into the data folder, and nothing typed is
// dropped without the user's word. Work that cannot be saved there (the office, the budget, the
// history's cells and report notes, perhaps typed before another seat took the folder over) can
// be exported to files of the user's choice instead.
#include "ui/app/TForm1.h"

#include "core/budget/BudgetFile.h"
#include "core/history/HistoryColumns.h"
#include "core/history/HistoryCsv.h"
#include "core/office/OfficeFile.h"
#include "core/storage/SafeFile.h"
#include "ui/budget/ProjectPage.h"
#include "ui/history/HistoryPage.h"
#include "ui/office/OfficePage.h"
#include "ui/widgets/Prompts.h"

#include <QDir>

namespace belvane {
namespace {

// The rows whose edits wait to be written into their budget files.
std::vector<int> editedHistoryRows(const HistoryTable& table)
{
    std::vector<int> rows;
    for (int row = 0; row < table.rowCount(); ++row) {
        if (table.isChecked(row, kColModified))
            rows.push_back(row);
    }
    return rows;
}

QString exportFolder()
{
    return QDir::homePath() + u'/';
}

} // namespace

bool TForm1::closeReadOnly()
{
    if (m_historyPage)
        m_historyPage->storeReportNotes();
    const bool office = m_state.officeDraft().modified();
    const bool budget = m_state.hasUnsavedBudgetWork();
    const std::vector<int> historyRows = editedHistoryRows(m_state.workspace().history().table());
    if (!office && !budget && historyRows.empty())
        return true;
    QStringList what;
    if (office)
        what << QStringLiteral("os dados do escritório");
    if (budget)
        what << QStringLiteral("o orçamento");
    if (!historyRows.empty())
        what << QStringLiteral("%1 linha(s) alterada(s) do histórico").arg(historyRows.size());
    const QString question =
        QStringLiteral("Esta sessão é somente leitura: %1 não pode(m) ser salvo(s) na pasta de dados.\n\n"
                       "Deseja exportar esse trabalho para arquivos de sua escolha antes de fechar?\n"
                       "Sim: exporta e fecha. Não: fecha e o trabalho será perdido. Cancelar: volta ao programa.")
            .arg(what.join(QStringLiteral(", ")));
    const auto answer = Prompts::ask(this, question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                     Prompts::Box::Warning);
    if (answer == QMessageBox::No)
        return true;
    if (answer != QMessageBox::Yes)
        return false;
    return exportUnsavedWork(office, budget, historyRows);
}

bool TForm1::exportUnsavedWork(bool office, bool budget, const std::vector<int>& historyRows)
{
    // Each file is chosen by the user; declining one keeps the window open with nothing lost.
    const auto exportTo = [this](const QString& caption, const QString& name, const QString& filter,
                                 const std::function<IoResult(const QString&)>& write) {
        const QString path = Prompts::chooseSaveFile(this, caption, exportFolder() + name, filter);
        if (path.isEmpty())
            return false;
        const IoResult written = write(path);
        if (!written.ok())
            Prompts::error(this, written.error);
        return written.ok();
    };
    if (office) {
        officePage()->CollectOfficePage();
        if (!exportTo(QStringLiteral("Exportar dados do escritório"), QStringLiteral("Office.bvo"),
                      QStringLiteral("Escritório (*.bvo)"),
                      [this](const QString& path) { return WriteOfficeFile(m_state.currentOffice(), path); }))
            return false;
    }
    if (budget) {
        const TBudgetData working = projectPage()->workingRecord();
        if (!exportTo(QStringLiteral("Exportar orçamento"), QStringLiteral("Orcamento-nao-salvo.bvp"),
                      QStringLiteral("Orçamento (*.bvp)"),
                      [&working](const QString& path) { return WriteBudgetFile(working, path); }))
            return false;
    }
    if (!historyRows.empty()) {
        std::vector<int> columns(kHistoryColumnCount);
        for (int column = 0; column < kHistoryColumnCount; ++column)
            columns[std::size_t(column)] = column;
        const QByteArray csv = historyCsv(m_state.workspace().history().table(), columns, historyRows);
        if (!exportTo(QStringLiteral("Exportar alterações do histórico"), QStringLiteral("Historico-alteracoes.csv"),
                      QStringLiteral("CSV (*.csv)"),
                      [&csv](const QString& path) { return writeFileAtomically(path, csv); }))
            return false;
    }
    return true;
}

} // namespace belvane
