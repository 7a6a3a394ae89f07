// Saving a budget from the workspace: the steps of a save across the files and the database.
#include "core/workspace/Workspace.h"

#include "core/revisions/VersionKeeping.h"

namespace belvane {
namespace {

QString changedFileQuestion(int number)
{
    return QStringLiteral("O orçamento nº %1 foi alterado depois de aberto. Sobrescrever mesmo assim?").arg(number);
}

QString versionLostQuestion(const QString& error, int number)
{
    return error
           + QStringLiteral("\n\nA versão anterior do orçamento nº %1 não pôde ser guardada como revisão. "
                            "Salvar mesmo assim? A versão anterior será perdida.")
                 .arg(number);
}

} // namespace

BudgetSaveReport Workspace::saveBudget(BudgetDraft& draft, BudgetSaveKind kind, const QString& projectCode,
                                       const QDateTime& at, BudgetSaveConsent consent)
{
    BudgetSaveReport report;
    if (!m_writes) {
        report.error = QStringLiteral("Esta estação apenas lê a pasta de dados: o orçamento não foi salvo.");
        return report;
    }
    BudgetSaveRequest request{kind, projectCode, at, 0};
    if (draft.saveGivesNumber(kind)) {
        const BudgetNumber next = freshBudgetNumber();
        if (!next.ok()) {
            report.error = next.error;
            return report;
        }
        request.freshNumber = next.number;
    }
    const bool overExisting = !draft.saveGivesNumber(kind);
    const int number = draft.record().Number;
    ReplacedVersion replaced(*m_database, m_folders.projectsDir, overExisting ? number : 0, at);
    if (!replaced.readError().isEmpty()) {
        report.error = replaced.readError();
        return report;
    }
    if (overExisting && !consent.overwriteChangedFile && draft.fileChangedSince(replaced.bytes())) {
        report.question = BudgetSaveReport::Question::OverwriteChangedFile;
        report.questionText = changedFileQuestion(number);
        return report;
    }
    const auto keepingVersion = [&replaced](const TBudgetData& next, const std::function<IoResult()>& write) {
        return replaced.replace(next, write);
    };
    bool advancesCounter = false;
    BudgetSaveOutcome saved = draft.save(request, m_history, m_folders.projectsDir, &advancesCounter,
                                         overExisting ? BudgetFileReplacement(keepingVersion) : BudgetFileReplacement());
    if (!saved.saved() && replaced.databaseFailed()) {
        // The database cannot take the revision (busy, read-only, full): only the user may let
        // the earlier version go.
        if (!consent.loseReplacedVersion) {
            report.question = BudgetSaveReport::Question::LoseReplacedVersion;
            report.questionText = versionLostQuestion(saved.error, number);
            return report;
        }
        saved = draft.save(request, m_history, m_folders.projectsDir, &advancesCounter);
    }
    if (!saved.saved()) {
        // Nothing changed in memory: the user can mend the cause and save again.
        report.error = saved.error;
        return report;
    }
    report.advancedCounter = advancesCounter;
    report.message = saved.message;
    report.warnings = saved.warnings;
    const TBudgetData& stored = draft.record();
    if (const IoResult logged = m_database->statusLog().record(saved.statusChanges); !logged.ok())
        report.warnings << logged.error;
    m_buildingUses.remember(stored.Number, stored.BuildingUse.toQString());
    // The jobs read the budget's figures again: its schedule may have changed with no byte of its file.
    m_keptFigures.remove(stored.Number);
    // The instalments are kept under the number the budget was saved with.
    if (!draft.payments().empty() || m_database->database().exists()) {
        if (const IoResult kept = m_database->paymentSchedules().save(stored.Number, draft.payments()); !kept.ok())
            report.warnings << kept.error;
    }
    return report;
}

} // namespace belvane
