// The actions that touch several stores at once: each does its steps in their safe order, and a
// failure at any step leaves the files and the database telling one story, with the failure
// reported. Nothing a client was sent is lost: the replaced version of a budget is kept if and
// only if its file was replaced, for saves and restores alike.
#include "core/workspace/Workspace.h"

#include "core/budget/BudgetCounter.h"
#include "core/budget/BudgetFile.h"
#include "core/budget/StatusWords.h"
#include "core/history/HistoryColumns.h"
#include "core/jobs/HourJournal.h"
#include "core/office/OfficeFile.h"
#include "core/settings/StatusColorsFile.h"
#include "core/storage/StorageFaults.h"
#include "core/text/Clock.h"

#include "support/Budgets.h"
#include "support/CoreApplication.h"
#include "support/Files.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

using namespace belvane;
using namespace belvane::test;

namespace {

const QDateTime kNoon(QDate(2026, 12, 9), QTime(12, 0));

class WorkspaceTest : public TestFolder {
protected:
    static void SetUpTestSuite() { test::ensureCoreApplication(); }
    void SetUp() override
    {
        TestFolder::SetUp();
        m_folders = DataFolders::beside(folder());
        ASSERT_TRUE(m_folders.create());
    }
    void TearDown() override
    {
        StorageFaults::clear();
        TestFolder::TearDown();
    }
    // A new budget, priced, with a two-instalment schedule, saved for the first time.
    void saveNew(Workspace& work, BudgetDraft& draft)
    {
        draft.startNew(work.freshBudgetNumber().number);
        const int number = draft.record().Number;
        TBudgetData& b = draft.record();
        b = oneMemberBudget();
        b.Number = static_cast<std::uint16_t>(number);
        b.Status.assign(kStatusNew);
        b.ClientName.assign(u"Ana");
        b.BuildingUse.assign(u"Residencial");
        draft.setPayments(PaymentSchedule({{QStringLiteral("Assinatura"), 50.0, {}}, {QStringLiteral("Entrega"), 50.0, {}}}));
        const BudgetSaveReport saved = work.saveBudget(draft, BudgetSaveKind::Plain, {}, kNoon);
        ASSERT_TRUE(saved.saved()) << saved.error.toStdString();
    }
    // The database from now on only reads: another program wrote it (a newer schema).
    void makeDatabaseNewer(Workspace& work)
    {
        work.store().database().close();
        {
            QSqlDatabase raw = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
            raw.setDatabaseName(work.store().database().filePath());
            ASSERT_TRUE(raw.open());
            QSqlQuery(raw).exec(QStringLiteral("PRAGMA user_version = 99"));
            raw.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("raw"));
        ASSERT_EQ(work.store().database().open().state, StoreOpen::State::ReadOnly);
    }
    QString budgetPath(int number) const { return m_folders.projectsDir + BudgetFileName(number); }

    DataFolders m_folders;
};

} // namespace

TEST_F(WorkspaceTest, ASaveWritesEveryStoreAndKeepsTheReplacedVersionOnlyWithItsFile)
{
    Workspace work(m_folders);
    BudgetDraft draft;
    saveNew(work, draft);
    const int number = draft.record().Number;
    EXPECT_EQ(work.history().table().rowCount(), 1);
    EXPECT_EQ(ReadBudgetCounter(m_folders.projectsDir).value, number);
    EXPECT_EQ(work.store().paymentSchedules().of(number).instalments().size(), 2u);
    EXPECT_EQ(work.buildingUses().of(number), QStringLiteral("Residencial"));

    // Saved again with another profit: the first file becomes revision 1.
    const QByteArray first = fileContents(budgetPath(number));
    draft.record().ProfitPercent = 15;
    ASSERT_TRUE(work.saveBudget(draft, BudgetSaveKind::Plain, {}, kNoon.addSecs(60)).saved());
    ASSERT_EQ(work.store().revisions().of(number).size(), 1u);
    EXPECT_EQ(work.store().revisions().of(number).front().file, first);

    // Another seat changed the file since: the save stops at the question, nothing written.
    const QByteArray second = fileContents(budgetPath(number));
    TBudgetData theirs = draft.record();
    theirs.ProfitPercent = 30;
    ASSERT_TRUE(WriteBudgetFile(theirs, budgetPath(number)).ok());
    draft.record().ProfitPercent = 12;
    BudgetSaveReport asked = work.saveBudget(draft, BudgetSaveKind::Plain, {}, kNoon.addSecs(120));
    EXPECT_EQ(asked.question, BudgetSaveReport::Question::OverwriteChangedFile);
    EXPECT_EQ(work.store().revisions().of(number).size(), 1u);
    EXPECT_NE(fileContents(budgetPath(number)), second);

    // The budget file cannot be written: nothing anywhere changes.
    const QByteArray atThirty = fileContents(budgetPath(number));
    StorageFaults::inject(StorageFaults::Kind::FailWrite, BudgetFileName(number));
    BudgetSaveConsent overwrite{true, false};
    EXPECT_FALSE(work.saveBudget(draft, BudgetSaveKind::Plain, {}, kNoon.addSecs(180), overwrite).error.isEmpty());
    EXPECT_EQ(work.store().revisions().of(number).size(), 1u);
    EXPECT_EQ(fileContents(budgetPath(number)), atThirty);

    // The database cannot take the revision: the save asks before the version may go, the file
    // untouched; with the user's consent it saves without it.
    makeDatabaseNewer(work);
    asked = work.saveBudget(draft, BudgetSaveKind::Plain, {}, kNoon.addSecs(240), overwrite);
    EXPECT_EQ(asked.question, BudgetSaveReport::Question::LoseReplacedVersion);
    EXPECT_EQ(fileContents(budgetPath(number)), atThirty);
    const BudgetSaveReport forced =
        work.saveBudget(draft, BudgetSaveKind::Plain, {}, kNoon.addSecs(240), {true, true});
    EXPECT_TRUE(forced.saved());
    EXPECT_FALSE(forced.warnings.isEmpty()) << "the schedule could not be stored: the user is told";
    EXPECT_EQ(budgetFromFileBytes(fileContents(budgetPath(number)))->ProfitPercent, 12.0f);

    // A seat that only reads saves nothing.
    work.setWrites(false);
    EXPECT_FALSE(work.saveBudget(draft, BudgetSaveKind::Plain, {}, kNoon).error.isEmpty());
}

TEST_F(WorkspaceTest, ARestoreKeepsTheVersionItReplacesOrChangesNothing)
{
    Workspace work(m_folders);
    BudgetDraft draft;
    saveNew(work, draft);
    const int number = draft.record().Number;
    draft.record().ProfitPercent = 15;
    ASSERT_TRUE(work.saveBudget(draft, BudgetSaveKind::Plain, {}, kNoon.addSecs(60)).saved());
    const QByteArray atFifteen = fileContents(budgetPath(number));

    // The file cannot be written: no revision is added, the file stays.
    StorageFaults::inject(StorageFaults::Kind::FailWrite, BudgetFileName(number));
    EXPECT_FALSE(work.restoreRevision(0, 1, kNoon.addSecs(120)).restored());
    EXPECT_EQ(work.store().revisions().of(number).size(), 1u);
    EXPECT_EQ(fileContents(budgetPath(number)), atFifteen);

    // Restored: the version at 15 % is kept as revision 2, and the statistics see its use.
    const RevisionRestore restored = work.restoreRevision(0, 1, kNoon.addSecs(180));
    ASSERT_TRUE(restored.restored()) << restored.error.toStdString();
    ASSERT_EQ(work.store().revisions().of(number).size(), 2u);
    EXPECT_EQ(work.store().revisions().of(number).back().file, atFifteen);
    EXPECT_EQ(budgetFromFileBytes(fileContents(budgetPath(number)))->ProfitPercent, 20.0f);

    // The database cannot keep the version: the file is put back as it was.
    const QByteArray atTwenty = fileContents(budgetPath(number));
    makeDatabaseNewer(work);
    EXPECT_FALSE(work.restoreRevision(0, 2, kNoon.addSecs(240)).restored());
    EXPECT_EQ(fileContents(budgetPath(number)), atTwenty);
}

TEST_F(WorkspaceTest, ADeletionTakesTheDatabaseRowsAndTheHoursOnlyOnceFileAndRowAreGone)
{
    Workspace work(m_folders);
    BudgetDraft draft;
    saveNew(work, draft);
    const int number = draft.record().Number;
    // Another seat recorded 2,5 h on the job in its own journal.
    HourJournal bia(HourJournal::folderIn(m_folders.projectsDir)
                        + HourJournal::fileNameFor(QStringLiteral("bia"), QStringLiteral("PC2"), QStringLiteral("b2")),
                    QStringLiteral("bia"), QStringLiteral("PC2"));
    const HourEntry worked{number, QDate(2026, 12, 1), QStringLiteral("Bia"), otherActivitiesTask(), 10, {}};
    ASSERT_TRUE(bia.add(worked).ok());
    EXPECT_EQ(work.hoursOfBudget(number), 2.5);

    StorageFaults::inject(StorageFaults::Kind::FailRemove, BudgetFileName(number));
    BudgetRemovalReport removal = work.removeBudget(0);
    EXPECT_FALSE(removal.removed);
    EXPECT_EQ(removal.errors.size(), 1);
    EXPECT_EQ(work.history().table().rowCount(), 1);
    EXPECT_FALSE(work.store().paymentSchedules().of(number).empty()) << "kept for the retry";
    EXPECT_EQ(work.hoursOfBudget(number), 2.5);

    removal = work.removeBudget(0);
    EXPECT_TRUE(removal.removed && removal.errors.isEmpty());
    EXPECT_EQ(work.history().table().rowCount(), 0);
    EXPECT_TRUE(work.store().paymentSchedules().of(number).empty());
    // The journal is the other seat's and stays as it was; its entry no longer counts, and an
    // hour recorded later on a budget of the same number does.
    EXPECT_EQ(work.hoursOfBudget(number), 0.0);
    ASSERT_TRUE(bia.add(worked).ok());
    EXPECT_EQ(work.hoursOfBudget(number), 2.5);
}

TEST_F(WorkspaceTest, ReopeningOfficeSettingsAndTheCloseReportEachStoreThatFailed)
{
    Workspace work(m_folders);
    BudgetDraft draft;
    saveNew(work, draft);

    BudgetDraft reopened;
    const BudgetReopening reopening = work.reopenBudget(0, reopened);
    ASSERT_EQ(reopening.state, BudgetReopening::State::Reopened);
    EXPECT_TRUE(reopened.reopened());
    EXPECT_EQ(reopened.payments().instalments().size(), 2u) << "the schedule comes along";
    QFile::remove(budgetPath(draft.record().Number));
    EXPECT_EQ(work.reopenBudget(0, reopened).state, BudgetReopening::State::Missing);

    // The office file is written first; settings that cannot be stored are reported after it.
    TOfficeData office = zeroOffice();
    DefaultOffice(office);
    OfficeContact contact;
    contact.phone = QStringLiteral("(11) 5555-0000");
    StorageFaults::inject(StorageFaults::Kind::FailWrite, QStringLiteral("Office.bvo"));
    OfficeSaveReport office1 = work.saveOffice(office, {}, contact, true);
    EXPECT_FALSE(office1.fileWritten || office1.saved());
    makeDatabaseNewer(work);
    office1 = work.saveOffice(office, {}, contact, true);
    EXPECT_TRUE(office1.fileWritten);
    EXPECT_FALSE(office1.saved());
    EXPECT_TRUE(work.saveOffice(office, {}, contact, false).saved()) << "unchanged settings need no database";

    // At the close every store that could not be written is named.
    StorageFaults::inject(StorageFaults::Kind::FailWrite, QStringLiteral("Colors.bin"));
    const QStringList problems = work.writeBackAtClose(zeroStatusColors());
    EXPECT_EQ(problems.size(), 1);
}

TEST_F(WorkspaceTest, BillingIsMarkedByTheHoldingSeatOnlyAndTheJobsFollowTheirSavedSchedule)
{
    Workspace work(m_folders);
    BudgetDraft draft;
    saveNew(work, draft);
    const int number = draft.record().Number;
    work.history().table().setText(0, kColStatus, kStatusApproved.toString());
    ASSERT_EQ(work.jobFigures(JobFilter::InProgress).value(number).schedule.instalments().size(), 2u);
    EXPECT_TRUE(work.jobFigures(JobFilter::Finished).isEmpty());

    const InstalmentMark paid{1, QDate(2026, 12, 1), QDate(2026, 12, 8), 1234.567};
    EXPECT_TRUE(work.markInstalment(number, paid, kNoon).ok());
    EXPECT_EQ(work.store().instalmentMarks().of(number).front().receivedValue, 1234.57);
    EXPECT_FALSE(work.markInstalment(number, {3, QDate(2026, 12, 1), {}, 0}, kNoon).ok());
    EXPECT_FALSE(work.markInstalment(number, {2, {}, QDate(2026, 12, 1), -1}, kNoon).ok());

    // A schedule saved again reaches the jobs though the budget's file may not have changed.
    draft.setPayments(PaymentSchedule({{QStringLiteral("Assinatura"), 100.0, {}}}));
    ASSERT_TRUE(work.saveBudget(draft, BudgetSaveKind::Plain, {}, kNoon.addSecs(60)).saved());
    work.history().table().setText(0, kColStatus, kStatusDone.toString());
    EXPECT_EQ(work.jobFigures(JobFilter::Both).value(number).schedule.instalments().size(), 1u);

    work.setWrites(false);
    EXPECT_FALSE(work.markInstalment(number, paid, kNoon).ok());
}
