#include "core/workspace/Workspace.h"

#include "core/backup/DataBackup.h"
#include "core/budget/BudgetCounter.h"
#include "core/history/BudgetReport.h"
#include "core/history/HistoryBook.h"
#include "core/history/HistoryColumns.h"
#include "core/history/HistoryRowFile.h"
#include "core/budget/StatusWords.h"
#include "core/office/OfficeFile.h"
#include "core/payment/PaymentSchedule.h"
#include "core/settings/StatusColorsFile.h"
#include "core/text/Clock.h"
#include "core/store/StoreHealthCheck.h"

namespace belvane {

Workspace::Workspace(DataFolders folders)
    : m_folders(std::move(folders)), m_history(m_folders.projectsDir),
      m_database(std::make_unique<ExtensionStore>(m_folders.projectsDir)),
      m_buildingUses(m_folders.projectsDir, m_database.get()), m_hours(m_folders.projectsDir)
{
    // The grid's edits are kept in the database as they are made: a crash does not lose them.
    m_history.setPendingEditsJournal(
        [this](const std::vector<PendingRowEdit>& edits) { return m_database->pendingEdits().replace(edits); });
}

BudgetNumber Workspace::freshBudgetNumber() const
{
    const BudgetCounterRead counter = ReadBudgetCounter(m_folders.projectsDir);
    return nextBudgetNumber(counter.ok() ? counter.value : 0, m_history.table(), m_folders.projectsDir);
}

BudgetNumber Workspace::startNewBudget(BudgetDraft& draft, QString* counterError) const
{
    const BudgetCounterRead counter = ReadBudgetCounter(m_folders.projectsDir);
    if (!counter.ok() && counterError)
        *counterError = counter.error;
    // With every number used the budget shows 0 until one is free; saving it is refused.
    const BudgetNumber next = nextBudgetNumber(counter.ok() ? counter.value : 0, m_history.table(), m_folders.projectsDir);
    draft.startNew(next.number);
    return next;
}

BudgetRemovalReport Workspace::removeBudget(int row)
{
    BudgetRemovalReport report;
    const int number = m_history.table().text(row, kColNumber).toInt();
    const HistoryStore::Removal removal = m_history.removeBudget(row);
    if (!removal.budgetFileError.isEmpty())
        report.errors << removal.budgetFileError;
    if (!removal.historyWrite.ok())
        report.errors << removal.historyWrite.error;
    // The budget's rows in the database go once its file and row are gone; a deletion that
    // failed leaves them for the retry.
    if (!removal.done())
        return report;
    report.removed = true;
    if (const IoResult extras = m_database->database().removeBudget(number); !extras.ok())
        report.errors << extras.error;
    // The hours recorded up to now go with the budget; read first, so that the marks cover what
    // every seat has written by this moment.
    readHours();
    if (const IoResult dropped = m_database->droppedHours().record(number, m_hours.highWaterMarks(), Clock::now());
        !dropped.ok())
        report.errors << dropped.error;
    readHours();
    return report;
}

void Workspace::readHours()
{
    m_hours.setDropMarks(m_database->droppedHours().all());
    m_hours.refresh();
}

double Workspace::hoursOfBudget(int number)
{
    readHours();
    return m_hours.hoursOfBudget(number);
}

BudgetReopening Workspace::reopenBudget(int row, BudgetDraft& draft)
{
    HistoryBook book(m_history);
    TBudgetData budget = draft.record();
    const HistoryBudgetRead read = book.readBudget(row, budget);
    if (read.state == HistoryBudgetRead::State::Missing)
        return {BudgetReopening::State::Missing, {}, false};
    if (read.state == HistoryBudgetRead::State::Failed)
        return {BudgetReopening::State::Failed, read.error, false};
    const bool approved =
        m_history.table().text(row, kColStatus).compare(kStatusApproved, Qt::CaseInsensitive) == 0;
    draft.reopen(budget, m_history.table(), row);
    draft.setPayments(m_database->paymentSchedules().of(budget.Number));
    return {BudgetReopening::State::Reopened, {}, approved};
}

RevisionRestore Workspace::restoreRevision(int row, int revision, const QDateTime& at)
{
    const int number = m_history.table().text(row, kColNumber).toInt();
    RevisionRestore restore = belvane::restoreRevision(m_history, *m_database, row, revision, at);
    // The statistics read the building use by number: the restored version's is the one now.
    if (restore.restored()) {
        m_buildingUses.remember(number, restore.buildingUse);
        m_keptFigures.remove(number);
    }
    return restore;
}

OfficeSaveReport Workspace::saveOffice(const TOfficeData& office, const PriceReferences& references,
                                       const OfficeContact& contact, bool settingsChanged)
{
    if (const IoResult written = WriteOfficeFile(office, officeFilePath(m_folders.officeDir)); !written.ok())
        return {written.error, false};
    // The price references and the contact go to the database only when they changed: an office
    // saved in a folder whose database is read-only (written by a newer program) still saves its file.
    if (!settingsChanged)
        return {{}, true};
    QMap<QString, QString> settings = references.toSettings();
    settings.insert(contact.toSettings());
    return {m_database->officeSettings().save(settings).error, true};
}

IoResult Workspace::writeBackup(const QString& archivePath) const
{
    return writeDataBackup(m_folders, archivePath, &ExtensionDatabase::consistentCopy);
}

RestoreOutcome Workspace::restoreBackup(const std::vector<ZipEntry>& entries, const QDateTime& at)
{
    // The database is let go first: its file moves aside with the rest of the current data.
    m_database->database().close();
    RestoreOutcome restored = restoreDataBackup(m_folders, entries, at);
    if (restored.ok()) {
        // The uses known are those of budgets replaced: they are read again from the copy's.
        m_buildingUses.forget();
        m_keptFigures.clear();
    } else if (m_database->database().exists()) {
        // Nothing was replaced: the database in the folder is taken up again.
        m_database->database().open();
    }
    return restored;
}

QStringList Workspace::writeBackAtClose(const TStatusColors& colors)
{
    std::vector<StatusChange> statusChanges;
    QStringList problems = m_history.saveAtClose(&statusChanges);
    if (const IoResult logged = m_database->statusLog().record(statusChanges); !logged.ok())
        problems << logged.error;
    if (const IoResult saved = SaveStatusColors(colors, statusColorsPath(m_folders.officeDir)); !saved.ok())
        problems << saved.error;
    return problems;
}

ProposalTerms Workspace::proposalTerms(int number, const OfficeContact& contact) const
{
    const HistoryTable& table = m_history.table();
    const int row = table.findRowByNumber(number);
    return {contact, row >= 0 ? table.value(row, kColNegotiated) : 0.0, m_database->paymentSchedules().of(number)};
}

HistoryRowReport Workspace::scheduledReport(int row) const
{
    HistoryRowReport report = reportForHistoryRow(m_history.table(), row, m_folders.projectsDir);
    if (report.state == HistoryRowReport::State::Shown) {
        const ProposalTerms terms = proposalTerms(report.budget.Number, {});
        appendPaymentLines(report.lines, terms.payments, agreedFee(report.budget, terms.negotiatedValue));
    }
    return report;
}

std::vector<BudgetVersion> Workspace::versionsOf(int row) const
{
    const HistoryRowFile file = locateHistoryRowFile(m_history.table(), row, m_folders.projectsDir);
    const int number = m_history.table().text(row, kColNumber).toInt();
    return budgetVersions(*m_database, number, file.found() ? file.path : QString());
}

std::vector<StatusChange> Workspace::statusChangesOf(int number) const
{
    std::vector<StatusChange> changes = m_database->statusLog().of(number);
    for (StatusChange& pending : m_history.pendingChanges(number))
        changes.push_back(std::move(pending));
    return changes;
}

PipelineStatistics Workspace::funnel(QStringView yearText, const QDate& today)
{
    const std::vector<PipelineRow> rows = pipelineRows(m_history.table(), yearText);
    // The lost reasons and the building uses of the year's budgets are read in one go each, by
    // the range of their numbers: a year's budgets lie close together in numbering.
    QHash<int, QString> reasons;
    PipelineLookups lookups;
    if (!rows.empty()) {
        const auto [lowest, highest] = std::minmax_element(
            rows.begin(), rows.end(), [](const PipelineRow& a, const PipelineRow& b) { return a.number < b.number; });
        reasons = m_database->statusLog().lostReasons(lowest->number, highest->number);
        m_buildingUses.prefetch(lowest->number, highest->number);
    }
    lookups.buildingUse = [this](int number) { return m_buildingUses.of(number); };
    // A reason just chosen in the history grid counts before the close writes it.
    lookups.lostReason = [this, &reasons](int number) {
        const PendingRowEdit* edit = m_history.pendingEdits().find(number);
        return edit && !edit->reason.isEmpty() ? edit->reason : reasons.value(number);
    };
    lookups.lastDecisionWon = [this](int number) { return m_database->statusLog().lastDecisionWon(number); };
    PipelineStatistics figures = pipelineStatistics(rows, yearText, today, lookups);
    if (m_writes)
        m_buildingUses.storeNewlyRead();
    return figures;
}

WorkspaceLoad Workspace::load(const std::vector<int>& missingBudgets, bool afterUncleanClose, const QDate& today)
{
    if (m_writes)
        m_folders.create();
    WorkspaceLoad loaded;
    loaded.officePath = officeFilePath(m_folders.officeDir);
    loaded.officeRead = ReadOfficeFile(loaded.office, loaded.officePath);
    if (loaded.officeRead.state != RecordReadState::Read)
        DefaultOffice(loaded.office);
    loaded.history = m_history.load();
    loaded.database = openDatabase(missingBudgets, afterUncleanClose, today);
    loaded.colorsRead = LoadStatusColors(loaded.colors, statusColorsPath(m_folders.officeDir));
    return loaded;
}

DatabaseOpening Workspace::openDatabase(const std::vector<int>& missingBudgets, bool afterUncleanClose,
                                        const QDate& today)
{
    // A folder without the database works from the fixed files alone: it is made when something
    // must be stored.
    DatabaseOpening opening;
    if (!m_database->database().exists())
        return opening;
    const StoreOpen opened = m_writes ? m_database->database().open() : m_database->database().openForReading();
    opening.message = opened.message;
    const QMap<QString, QString> settings = m_database->officeSettings().all();
    opening.priceReferences = PriceReferences::fromSettings(settings);
    opening.officeContact = OfficeContact::fromSettings(settings);
    if (opened.state != StoreOpen::State::Opened)
        return opening;
    // Budgets deleted by a program that knows nothing of the database leave rows behind: they
    // are dropped before a new budget could take one of those numbers.
    m_database->database().forgetBudgets(missingBudgets);
    opening.lostEdits = m_history.takeBackKeptEdits(m_database->pendingEdits().all());
    opening.checkDue = StoreHealthCheck::due(m_database->database().lastHealthCheck(), today, afterUncleanClose);
    return opening;
}

void Workspace::takeBackEdits(const std::vector<PendingRowEdit>& edits)
{
    m_history.reapplyEdits(edits);
}

} // namespace belvane

namespace belvane {

std::size_t Workspace::revisionCountOf(int number) const
{
    return m_database->revisions().of(number).size();
}

double Workspace::feeToScheduleOf(const TBudgetData& budget) const
{
    return feeToSchedule(budget, m_history.table());
}

PriceCheck Workspace::priceCheckOf(const TBudgetData& budget, const PriceReferences& references)
{
    return checkPrice(budget, references, m_history.table(), buildingUses(),
                      [this](int number) { return m_database->statusLog().lastDecisionWon(number); });
}

QString Workspace::followStoreHealth(StoreHealth health, const QDate& today)
{
    if (!m_writes)
        return {};
    if (health == StoreHealth::Healthy)
        m_database->database().noteHealthCheck(today);
    else if (health == StoreHealth::Damaged)
        return m_database->database().setAsideDamaged().message;
    return {};
}

} // namespace belvane
