// A budget's versions and commercial history: revisions numbered per budget, restores that keep
// every version and change file and database together, and status changes dated when the user
// made them, with the reason a budget was lost.
#include "core/budget/BudgetFile.h"
#include "core/history/HistoryStore.h"
#include "core/revisions/BudgetRevisions.h"
#include "core/revisions/RevisionComparison.h"
#include "core/revisions/RevisionRestore.h"
#include "core/storage/StorageFaults.h"
#include "core/store/ExtensionStore.h"
#include "core/text/Clock.h"

#include "support/Budgets.h"
#include "support/CoreApplication.h"
#include "support/Files.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

using namespace belvane;
using namespace belvane::test;

namespace {

const QDateTime kMonday(QDate(2026, 12, 7), QTime(9, 0));

class RevisionsTest : public TestFolder {
protected:
    static void SetUpTestSuite() { test::ensureCoreApplication(); }
    void SetUp() override
    {
        TestFolder::SetUp();
        Clock::setFixed(QDateTime(QDate(2026, 12, 9), QTime(10, 30)));
    }
    void TearDown() override
    {
        Clock::setFixed({});
        TestFolder::TearDown();
    }
    // Saves budget 1 three times over, as the project page does: each save keeps the file it replaces.
    void saveThreeVersions(HistoryStore& history, ExtensionStore& store)
    {
        for (const float profit : {20.0f, 15.0f, 12.0f}) {
            TBudgetData budget = numberedBudget(1, u"Ana");
            budget.ProfitPercent = profit;
            const QByteArray previous = fileContents(pathOf(BudgetFileName(1)), {});
            if (!previous.isEmpty()) {
                ASSERT_TRUE(store.revisions().keep(1, previous, Clock::now()).ok());
            }
            ASSERT_TRUE(WriteBudgetFile(budget, pathOf(BudgetFileName(1))).ok());
            ASSERT_TRUE(history.storeBudget(budget).ok());
        }
    }
    float profitOf(const QByteArray& file) { return budgetFromFileBytes(file)->ProfitPercent; }
    // The user edits a cell of the history grid at `at`, as the grid hands it to the history.
    static void edit(HistoryStore& history, int row, int column, const QString& text, const QDateTime& at)
    {
        const CommercialState before = commercialStateOfRow(history.table(), row);
        ASSERT_TRUE(history.table().editByUser(row, column, text));
        history.noteRowEdit(row, before, at, column == kColStatus || column == kColNegotiated);
    }
};

} // namespace

TEST_F(RevisionsTest, ARestoreBringsBackARevisionAndKeepsTheVersionItReplaces)
{
    HistoryStore history(folder());
    ExtensionStore store(folder());
    saveThreeVersions(history, store);
    // The grid's edit of the status, not yet written, stays with the budget through the restore.
    edit(history, 0, kColStatus, u"Aprovado"_qs, Clock::now());

    const RevisionRestore done = restoreRevision(history, store, 0, 1, Clock::now());
    ASSERT_TRUE(done.restored()) << done.error.toStdString();
    EXPECT_TRUE(done.warnings.isEmpty());
    EXPECT_EQ(done.buildingUse, u"Residencial"_qs); // for the statistics, which keep it by number

    const std::vector<BudgetVersion> versions = budgetVersions(store, 1, pathOf(BudgetFileName(1)));
    ASSERT_EQ(versions.size(), 4u);
    EXPECT_EQ(versions[2].revision, 3);
    EXPECT_FLOAT_EQ(versions[2].budget->ProfitPercent, 12.0f); // the version the restore replaced
    EXPECT_TRUE(versions[3].current());
    EXPECT_FLOAT_EQ(versions[3].budget->ProfitPercent, 20.0f);
    EXPECT_EQ(versions[3].budget->Status.toQString(), u"Aprovado"_qs);
    EXPECT_EQ(history.table().text(0, kColStatus), u"Aprovado"_qs);
    EXPECT_EQ(
        budgetVersionCells(versions[0]),
        QStringList({u"1"_qs, u"09/12/2026 10:30"_qs, u"12.750,00"_qs, u"20,0"_qs, u"10,0"_qs, u"100"_qs}))
        << budgetVersionCells(versions[0]).join(u'|').toStdString();
    const std::vector<StatusChange> logged = store.statusLog().of(1);
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_EQ(logged[0].newValue, u"Aprovado"_qs);
}

TEST_F(RevisionsTest, AFailedWriteDuringARestoreLeavesFileAndDatabaseAsTheyWere)
{
    HistoryStore history(folder());
    ExtensionStore store(folder());
    saveThreeVersions(history, store);
    const QByteArray before = fileContents(pathOf(BudgetFileName(1)));

    StorageFaults::inject(StorageFaults::Kind::FailCommit, BudgetFileName(1));
    const RevisionRestore failed = restoreRevision(history, store, 0, 1, Clock::now());
    EXPECT_FALSE(failed.restored());
    EXPECT_TRUE(failed.error.contains(u"ORC000001.bvp")) << failed.error.toStdString();
    EXPECT_EQ(fileContents(pathOf(BudgetFileName(1))), before);
    EXPECT_EQ(store.revisions().of(1).size(), 2u);
    EXPECT_TRUE(store.statusLog().of(1).empty());

    // A revision that is not there changes nothing either.
    EXPECT_FALSE(restoreRevision(history, store, 0, 9, Clock::now()).restored());
    EXPECT_EQ(store.revisions().of(1).size(), 2u);
}

TEST_F(RevisionsTest, GridEditsAreLoggedAtCloseWithTheMomentAndReasonTheUserGave)
{
    HistoryStore history(folder());
    ExtensionStore store(folder());
    saveBudgetTo(folder(), numberedBudget(1, u"Ana"));
    saveBudgetTo(folder(), numberedBudget(2, u"Bia"));
    history.load();
    ASSERT_EQ(history.table().rowCount(), 2);
    // Budget 1 is lost on Monday for its price; budget 2 is approved with a negotiated value.
    edit(history, 0, kColStatus, u"Reprovado"_qs, kMonday);
    history.noteRejectionReason(1, QStringLiteral("Preço"));
    edit(history, 1, kColStatus, u"Aprovado"_qs, Clock::now());
    edit(history, 1, kColNegotiated, u"11000"_qs, Clock::now());

    std::vector<StatusChange> changes;
    EXPECT_TRUE(history.saveAtClose(&changes).isEmpty());
    ASSERT_EQ(changes.size(), 3u);
    EXPECT_EQ(changes[0],
              (StatusChange{1, kMonday, u"status"_qs, u"Aguardando"_qs, u"Reprovado"_qs, u"Preço"_qs}));
    EXPECT_EQ(changes[1].at, Clock::now());
    EXPECT_EQ(changes[2], (StatusChange{2, Clock::now(), u"negociado"_qs, u"0.00"_qs, u"11000.00"_qs, {}}));
    EXPECT_TRUE(history.pendingEdits().empty());

    // Changes made at one moment form one line of the budget's history.
    const std::vector<StatusChange> saved = {{2, kMonday, u"status"_qs, {}, u"Aguardando"_qs, {}}};
    std::vector<StatusChange> all = saved;
    all.insert(all.end(), changes.begin() + 1, changes.end());
    const std::vector<StatusHistoryEntry> lines = statusTimeline(all);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].status, u"Aguardando"_qs);
    EXPECT_EQ(lines[0].negotiated, u"0.00"_qs);
    EXPECT_EQ(lines[1].status, u"Aprovado"_qs);
    EXPECT_EQ(lines[1].negotiated, u"11000.00"_qs);

    // A reason chosen later for a budget already lost is kept too.
    edit(history, 0, kColStatus, u"Reprovado"_qs, kMonday.addDays(1));
    history.noteRejectionReason(1, QStringLiteral("Prazo"));
    EXPECT_TRUE(history.saveAtClose(&changes).isEmpty());
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].reason, u"Prazo"_qs);
}

TEST_F(RevisionsTest, ASaveLogsTheHistorysValuesAndTheGridEditItReplaces)
{
    HistoryStore history(folder());
    saveBudgetTo(folder(), numberedBudget(3, u"Ana"));
    history.load();
    // The negotiated value lives in the history: the file's was written back at an earlier close.
    edit(history, 0, kColNegotiated, u"9000"_qs, kMonday);
    edit(history, 0, kColStatus, u"Aprovado"_qs, kMonday);
    ASSERT_TRUE(history.saveAtClose().isEmpty());

    // Approved in the grid at 10:00, then the reopened budget is saved over at 10:30, before any close.
    edit(history, 0, kColStatus, u"Reprovado"_qs, QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
    TBudgetData resaved = numberedBudget(3, u"Ana");
    resaved.Status.assign(u"Editado");
    std::vector<StatusChange> changes;
    ASSERT_TRUE(history.storeBudget(resaved, nullptr, &changes).ok());
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0], (StatusChange{3, QDateTime(QDate(2026, 12, 9), QTime(10, 0)), u"status"_qs,
                                        u"Aprovado"_qs, u"Reprovado"_qs, {}}));
    EXPECT_EQ(changes[1], (StatusChange{3, Clock::now(), u"status"_qs, u"Reprovado"_qs, u"Editado"_qs, {}}));
    EXPECT_EQ(history.table().value(0, kColNegotiated), 9000.0); // no "9000,00 → 0,00"
    EXPECT_TRUE(history.pendingEdits().empty());
}

TEST_F(RevisionsTest, GridEditsKeptAtACrashAreOfferedBackAndTheOthersTakenSilently)
{
    saveBudgetTo(folder(), numberedBudget(1, u"Ana"));
    saveBudgetTo(folder(), numberedBudget(2, u"Bia"));
    std::vector<PendingRowEdit> kept;
    {
        HistoryStore history(folder());
        ExtensionStore store(folder());
        history.setPendingEditsJournal([&](const std::vector<PendingRowEdit>& edits) {
            kept = edits;
            return store.pendingEdits().replace(edits);
        });
        history.load();
        edit(history, 0, kColStatus, u"Aprovado"_qs, kMonday);
        edit(history, 1, kColPhone, u"5555"_qs, kMonday);
        ASSERT_TRUE(history.write().ok()); // a save wrote the history with budget 2's edit marked
        edit(history, 0, kColNegotiated, u"7000"_qs, kMonday);
        // ... and the program crashes here.
    }
    ExtensionStore store(folder());
    ASSERT_NE(store.database().open().state, StoreOpen::State::Failed);
    EXPECT_EQ(store.pendingEdits().all(), kept);
    HistoryStore history(folder());
    history.load();
    const std::vector<PendingRowEdit> lost = history.takeBackKeptEdits(store.pendingEdits().all());
    ASSERT_EQ(lost.size(), 1u);
    EXPECT_EQ(lost[0].budgetNumber, 1);
    history.reapplyEdits(lost);
    EXPECT_EQ(history.table().text(0, kColStatus), u"Aprovado"_qs);
    EXPECT_EQ(history.table().value(0, kColNegotiated), 7000.0);
    EXPECT_TRUE(history.table().isChecked(0, kColModified));

    std::vector<StatusChange> changes;
    EXPECT_TRUE(history.saveAtClose(&changes).isEmpty());
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0], (StatusChange{1, kMonday, u"status"_qs, u"Aguardando"_qs, u"Aprovado"_qs, {}}));
    EXPECT_TRUE(history.pendingEdits().empty());
}

TEST_F(RevisionsTest, TheComparisonMarksExactlyTheFiguresThatDiffer)
{
    TBudgetData left = workedExampleBudget();
    TBudgetData right = left;
    right.ProfitPercent = 15.0f;
    right.BudgetValue = left.BudgetValue - 500.0f;
    QStringList differing;
    for (const ComparedFigure& figure : compareBudgetVersions(left, right)) {
        if (figure.differs)
            differing << figure.label;
    }
    EXPECT_EQ(differing, QStringList({u"Lucro (%)"_qs, u"Valor orçado"_qs}));
    // The tasks counted are those rated for the budget: three of them here.
    for (int i = 0; i < 3; ++i) {
        left.Tasks[i].Name.assign(QStringLiteral("Tarefa %1").arg(i + 1));
        left.Tasks[i].Complexity.assign(u"Média");
    }
    for (const ComparedFigure& figure : compareBudgetVersions(left, right)) {
        if (figure.label == u"Tarefas") {
            EXPECT_EQ(figure.left, u"3"_qs);
        }
    }
}
