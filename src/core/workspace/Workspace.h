#pragma once
// The data folder as the program works on it: the history with its file, the budget files and
// their counter, the database beside them and the building uses read from it, and whether this
// seat may write at all. Every action of the user that touches more than one of these is one call
// here, which does the steps in their safe order and returns what became of each; the pages ask
// the user what an outcome asks and show its message, nothing more.
//
// One promise runs through the saves and the restores: nothing a client was sent is lost. The
// file a budget replaces is kept as the budget's next revision in the same database transaction
// that the new file is written in, so the version is kept if and only if the file was replaced.
// Only the user's explicit consent lets a save go on without it.
#include "core/backup/DataRestore.h"
#include "core/budget/BudgetDraft.h"
#include "core/budget/BudgetNumbering.h"
#include "core/history/ClientProposal.h"
#include "core/history/HistoryRowReport.h"
#include "core/history/HistoryStore.h"
#include "core/jobs/HourBook.h"
#include "core/jobs/InstalmentMarks.h"
#include "core/jobs/JobBudgetFigures.h"
#include "core/jobs/JobsOverview.h"
#include "core/office/OfficeContact.h"
#include "core/office/OfficeRecord.h"
#include "core/pricing/BuildingUses.h"
#include "core/pricing/PriceCheck.h"
#include "core/pricing/PriceReferences.h"
#include "core/revisions/BudgetRevisions.h"
#include "core/revisions/RevisionRestore.h"
#include "core/settings/StatusColors.h"
#include "core/settings/StatusColorsFile.h"
#include "core/storage/RecordFile.h"
#include "core/stats/PipelineStatistics.h"
#include "core/storage/DataFolders.h"
#include "core/store/ExtensionStore.h"
#include "core/store/StoreHealthCheck.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace belvane {

// What the user has already agreed to while saving a budget.
struct BudgetSaveConsent {
    bool overwriteChangedFile = false;  // the file changed on disk since the budget was opened
    bool loseReplacedVersion = false;   // the database cannot keep the version the save replaces
};

struct BudgetSaveReport {
    // A question the save stopped at, nothing written yet: asked again with the consent given,
    // the save goes on.
    enum class Question { None, OverwriteChangedFile, LoseReplacedVersion } question = Question::None;
    QString questionText;
    QString error;        // nothing was saved
    QStringList warnings; // saved, but something beside the file was not written
    QString message;      // what the user is told after a save
    bool advancedCounter = false;
    bool saved() const { return question == Question::None && error.isEmpty(); }
};

struct BudgetRemovalReport {
    QStringList errors;  // in the order the steps failed
    bool removed = false; // the file and the history row are gone (the database may have failed)
};

struct OfficeSaveReport {
    QString error;            // what could not be written
    bool fileWritten = false; // the office file is on disk (the settings may still have failed)
    bool saved() const { return error.isEmpty(); }
};

struct BudgetReopening {
    enum class State { Reopened, Missing, Failed } state = State::Failed;
    QString error;         // Failed: why, naming the file
    bool approved = false; // the budget reopened was approved by the client
};

// The database's part of the start: what the user is told and what the pages show.
struct DatabaseOpening {
    QString message;                      // the database could not be opened as usual
    PriceReferences priceReferences;
    OfficeContact officeContact;
    std::vector<PendingRowEdit> lostEdits; // grid edits a crash kept from the history file
    bool checkDue = false;                 // the whole file should be checked now
};

// What the folder held when it was read (at start, or after a backup was restored).
struct WorkspaceLoad {
    TOfficeData office = zeroOffice();    // the office file's, or the defaults
    RecordRead officeRead;                // Failed: the file stays as it is until saved deliberately
    QString officePath;
    HistoryReadResult history;            // damaged lines are reported, the rest is read
    DatabaseOpening database;
    TStatusColors colors = zeroStatusColors();
    StatusColorsLoad colorsRead;
};

class Workspace {
public:
    explicit Workspace(DataFolders folders);
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    const DataFolders& folders() const { return m_folders; }
    HistoryStore& history() { return m_history; }
    const HistoryStore& history() const { return m_history; }
    ExtensionStore& store() { return *m_database; }
    const ExtensionStore& store() const { return *m_database; }
    BuildingUses& buildingUses() { return m_buildingUses; }
    // The hours every seat recorded, as last read (readHours reads what was added since).
    const HourBook& hours() const { return m_hours; }
    // Reads what the seats' journals added since the last read, with the marks of deleted budgets.
    void readHours();
    // The hours recorded on budget `number` now, as the question of its deletion tells them.
    double hoursOfBudget(int number);

    // Whether this seat may write the data folder; a seat that only reads writes nothing, not
    // even a database that is missing.
    bool writes() const { return m_writes; }
    void setWrites(bool writes) { m_writes = writes; }

    // The number the next new budget is given: above the counter, the history and the files. An
    // unreadable counter counts as 0 (the history and the files still keep every number in use).
    BudgetNumber freshBudgetNumber() const;
    // Puts a new budget under a fresh number into the draft; returns it with why the counter could
    // not be read, if it could not (the budget is numbered all the same).
    BudgetNumber startNewBudget(BudgetDraft& draft, QString* counterError) const;

    // Saves the draft's budget: its file (keeping the one replaced as a revision), its history
    // row, the counter, the status log, the building use and the payment schedule, in that order.
    BudgetSaveReport saveBudget(BudgetDraft& draft, BudgetSaveKind kind, const QString& projectCode,
                                const QDateTime& at, BudgetSaveConsent consent = {});
    // Deletes the budget of history row `row`: its file, its row, then its rows in the database,
    // and the hours recorded on it stop counting (each journal is its seat's own, so the marks of
    // the deletion are kept in the database instead).
    BudgetRemovalReport removeBudget(int row);
    // Puts the budget of history row `row` into the draft with its payment schedule.
    BudgetReopening reopenBudget(int row, BudgetDraft& draft);
    // Brings back revision `revision` of the budget in history row `row`.
    RevisionRestore restoreRevision(int row, int revision, const QDateTime& at);
    // Writes the office file, then the settings its file has no room for when they changed.
    OfficeSaveReport saveOffice(const TOfficeData& office, const PriceReferences& references, const OfficeContact& contact,
                        bool settingsChanged);
    // A backup of both data folders at `archivePath`, the database as it is at one moment.
    IoResult writeBackup(const QString& archivePath) const;
    // Puts a checked backup's data folders in place of these (kept aside under dated names); the
    // database is let go of first and taken up again when nothing was replaced.
    RestoreOutcome restoreBackup(const std::vector<ZipEntry>& entries, const QDateTime& at);
    // The close: the history's edits into the budget files and the history file, their status
    // changes into the log, and the status colours. What could not be written, in order.
    QStringList writeBackAtClose(const TStatusColors& colors);

    // The report of history row `row`, ending with the instalments of its payment schedule.
    HistoryRowReport scheduledReport(int row) const;
    // What a proposal of budget `number` states besides the budget: the office's contact, the
    // negotiated value and the payment schedule.
    ProposalTerms proposalTerms(int number, const OfficeContact& contact) const;
    // The versions of the budget of history row `row`: its revisions, then its file as it is.
    std::vector<BudgetVersion> versionsOf(int row) const;
    // The status history of a budget: what the log holds, then the grid's edits not written yet.
    std::vector<StatusChange> statusChangesOf(int number) const;
    // How many revisions of budget `number` the database keeps.
    std::size_t revisionCountOf(int number) const;
    // The fee the payment schedule of `budget` shares, with the negotiated value the history holds.
    double feeToScheduleOf(const TBudgetData& budget) const;
    // The price check of `budget`: the office's references and its own won prices, a budget
    // revised after a win counting as won.
    PriceCheck priceCheckOf(const TBudgetData& budget, const PriceReferences& references);
    // Follows the database's health check: a sound database is noted as checked today, a damaged
    // one set aside for a fresh one. Returns what the user must be told (empty: nothing). A seat
    // that only reads does neither.
    QString followStoreHealth(StoreHealth health, const QDate& today);
    // The sales funnel of the year `yearText` names, with the reasons, uses and decisions kept
    // in the database and the grid's edits not written yet.
    PipelineStatistics funnel(QStringView yearText, const QDate& today);

    // Reads the whole folder in its order: the office, the history (before any budget is numbered:
    // a new number must lie above every budget it lists), the database, the status colours. A
    // seat that writes makes the folders first.
    WorkspaceLoad load(const std::vector<int>& missingBudgets, bool afterUncleanClose, const QDate& today);
    // The database, when the folder has one, opened for writing or for reading as this seat may.
    // `missingBudgets` are the budgets whose file is gone: their rows of no use are dropped.
    DatabaseOpening openDatabase(const std::vector<int>& missingBudgets, bool afterUncleanClose,
                                 const QDate& today);
    // Keeps the grid edits given (the user took them back), forgets the others.
    void takeBackEdits(const std::vector<PendingRowEdit>& edits);

    // Marks instalment `mark.position` of the job `number` billed and received as given (an
    // empty mark clears it) and logs the change. Billing is office data: only the seat that holds
    // the data folder writes it. Refused, nothing written, for a position the job's schedule does
    // not have or a value received that is no amount.
    IoResult markInstalment(int number, const InstalmentMark& mark, const QDateTime& at);
    // The figures of the jobs' budget files the filter shows, by number. Each file is read once
    // and kept while its size and modification time stay as they were; a file that cannot be read
    // is left out (its job still shows from the history).
    const QHash<int, JobBudgetFigures>& jobFigures(JobFilter filter);

private:
    // A budget file's figures as they were read, with what tells whether the file changed since.
    struct KeptFigures {
        QDateTime modified;
        qint64 size = -1;
        JobBudgetFigures figures;
    };

    DataFolders m_folders;
    HistoryStore m_history;
    std::unique_ptr<ExtensionStore> m_database;
    BuildingUses m_buildingUses;
    HourBook m_hours;
    QHash<int, KeptFigures> m_keptFigures;
    QHash<int, JobBudgetFigures> m_jobFigures;
    bool m_writes = true;
};

} // namespace belvane
