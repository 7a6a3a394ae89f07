#include "support/BudgetFixture.h"

#include "core/budget/BudgetCounter.h"
#include "core/budget/BudgetFile.h"
#include "core/history/HistoryColumns.h"
#include "core/history/HistoryStore.h"
#include "core/storage/StorageFaults.h"
#include "core/text/Clock.h"
#include "core/text/DayCount.h"
#include "ui/budget/ProjectControls.h"
#include "ui/history/HistoryControls.h"
#include "ui/history/HistoryModel.h"
#include "ui/history/HistoryPage.h"

#include <QFile>
#include <QTableView>

using namespace belvane;
using belvane::test::BudgetFixture;

namespace {

class BudgetSavingTest : public BudgetFixture {
protected:
    void SetUp() override
    {
        BudgetFixture::SetUp();
        Clock::setFixed(QDateTime(QDate(2026, 3, 14), QTime(12, 0)));
    }
    void TearDown() override
    {
        Clock::setFixed({});
        StorageFaults::clear();
        BudgetFixture::TearDown();
    }
    void reopenFromHistory(int number)
    {
        window().openPage(kHistoryPage);
        HistoryPage* page = historyPage();
        for (int row = 0; row < history().rowCount(); ++row)
            if (history().text(row, kColNumber) == QString::number(number))
                page->selectRow(row);
        click(controls::history::kReopen);
        ASSERT_EQ(window().state().budget().record().Number, number);
    }
};

} // namespace

TEST_F(BudgetSavingTest, FirstAndRepeatedSaveOfANewBudget)
{
    start();
    setUpOffice();
    EXPECT_FALSE(project()->saveButton()->isEnabled());
    EXPECT_EQ(text("R_numero"), QStringLiteral("1"));
    generate();
    type("R_codigo", QStringLiteral("CBV-01"));
    click(controls::project::kSaveBudget);
    EXPECT_EQ(Prompts::messages().last(), QStringLiteral("O orçamento foi salvo."));
    EXPECT_EQ(counterBytes(), QByteArray("\x01\x00\x00\x00", 4));
    TBudgetData saved = stored(1);
    EXPECT_EQ(saved.Status.toQString(), QStringLiteral("Aguardando"));
    EXPECT_EQ(saved.ProjectCode.toQString(), QStringLiteral("CBV-01"));
    EXPECT_EQ(saved.CreatedDate, dayCountFromDate(QDate(2026, 3, 14)));
    EXPECT_EQ(saved.CreatedTime, 0.5);
    EXPECT_EQ(saved.BudgetValue, 12750.0f);
    EXPECT_EQ(text("R_status"), QStringLiteral("Aguardando"));
    EXPECT_FALSE(window().state().budget().modified());
    ASSERT_EQ(history().rowCount(), 1);
    EXPECT_EQ(find<QTableView>("Ng8")->model()->rowCount(), 1);   // the grid follows

    // Saved again: the same file, the same row, the counter untouched.
    Clock::setFixed(QDateTime(QDate(2026, 3, 20), QTime(9, 0)));
    click(controls::project::kSaveBudget);
    EXPECT_EQ(Prompts::messages().last(), QStringLiteral("O orçamento foi salvo."));
    EXPECT_EQ(counterBytes(), QByteArray("\x01\x00\x00\x00", 4));
    EXPECT_EQ(history().rowCount(), 1);
    saved = stored(1);
    EXPECT_EQ(saved.CreatedDate, dayCountFromDate(QDate(2026, 3, 14)));
    EXPECT_EQ(saved.EditedDate, dayCountFromDate(QDate(2026, 3, 20)));

    // The next new budget follows it.
    click(controls::project::kNewBudget);
    EXPECT_EQ(text("R_numero"), QStringLiteral("2"));
    EXPECT_FALSE(project()->saveButton()->isEnabled());
}

TEST_F(BudgetSavingTest, ANewBudgetLeftUnsavedUsesUpNoNumber)
{
    start();
    setUpOffice();
    generate();
    Prompts::queueAnswer(QMessageBox::Yes);
    click(controls::project::kNewBudget);
    EXPECT_EQ(Prompts::messages().last(), QStringLiteral("As modificações no orçamento atual serão apagadas. Continuar?"));
    EXPECT_EQ(counterBytes(), QByteArray("missing"));
    EXPECT_EQ(window().state().budget().record().Number, 1);
}

TEST_F(BudgetSavingTest, AReopenedBudgetIsSavedAsNewOrOverwritten)
{
    start();
    setUpOffice();
    ASSERT_TRUE(WriteBudgetCounter(projects(), 2).ok());
    click(controls::project::kNewBudget);
    generate();
    click(controls::project::kSaveBudget);
    ASSERT_EQ(stored(3).Status.toQString(), QStringLiteral("Aguardando"));
    const QByteArray fileOf3 = [&] { QFile f(projects() + BudgetFileName(3)); f.open(QIODevice::ReadOnly); return f.readAll(); }();
    ASSERT_TRUE(WriteBudgetCounter(projects(), 7).ok());

    reopenFromHistory(3);
    project()->showSubPage(kDataSubPage);
    click(controls::project::kSummarySelector);
    Prompts::clearLog();
    click(controls::project::kSaveBudget);
    EXPECT_TRUE(saveAsPanelShown());
    EXPECT_TRUE(Prompts::messages().isEmpty());
    click(controls::project::kSaveAsCancel); // "Cancelar"
    EXPECT_FALSE(saveAsPanelShown());
    click(controls::project::kSaveBudget);
    EXPECT_TRUE(saveAsPanelShown());

    click(controls::project::kSaveAsNew); // "Novo"
    EXPECT_EQ(Prompts::messages().last(), QStringLiteral("O orçamento foi salvo ."));
    EXPECT_FALSE(saveAsPanelShown());
    EXPECT_EQ(counterBytes(), QByteArray("\x08\x00\x00\x00", 4));
    const TBudgetData asNew = stored(8);
    EXPECT_EQ(asNew.Status.toQString(), QStringLiteral("Aguardando"));
    EXPECT_EQ(asNew.NegotiatedValue, 0.0f);
    EXPECT_EQ(text("R_numero"), QStringLiteral("8"));
    QFile f3(projects() + BudgetFileName(3));
    ASSERT_TRUE(f3.open(QIODevice::ReadOnly));
    EXPECT_EQ(f3.readAll(), fileOf3);
    EXPECT_EQ(history().rowCount(), 2);

    // Budget 3 again, this time written over its own file.
    reopenFromHistory(3);
    project()->showSubPage(kDataSubPage);
    click(controls::project::kSummarySelector);
    click(controls::project::kSaveBudget);
    click(controls::project::kSaveAsOverwrite); // "Sobreescrever "
    EXPECT_EQ(Prompts::messages().last(), QStringLiteral("O orçamento foi atualizado ."));
    EXPECT_EQ(stored(3).Status.toQString(), QStringLiteral("Editado"));
    EXPECT_EQ(counterBytes(), QByteArray("\x08\x00\x00\x00", 4));
    EXPECT_EQ(history().rowCount(), 2);
    EXPECT_FALSE(window().state().budget().reopened());
}

TEST_F(BudgetSavingTest, TouchingTheCodeOfANewBudgetOffersSaveAsWithThePlainNumber)
{
    start();
    setUpOffice();
    generate();
    auto* code = find<QLineEdit>("R_codigo");
    QTest::mouseClick(code, Qt::LeftButton);
    ASSERT_TRUE(window().state().budget().reopened());
    click(controls::project::kSaveBudget);
    ASSERT_TRUE(saveAsPanelShown());
    click(controls::project::kSaveAsNew);
    EXPECT_EQ(stored(1).Status.toQString(), QStringLiteral("Aguardando"));
    EXPECT_EQ(counterBytes(), QByteArray("\x01\x00\x00\x00", 4));
}

TEST_F(BudgetSavingTest, NoStoredBudgetIsEverReplacedByANewNumber)
{
    start();
    setUpOffice();
    // The counter file is lost, but budget 9 is in the folder and budget 12 in the history.
    QFile nine(projects() + BudgetFileName(9));
    ASSERT_TRUE(nine.open(QIODevice::WriteOnly));
    nine.write("kept");
    nine.close();
    TBudgetData twelve = zeroBudget();
    NewBudgetRecord(twelve);
    twelve.Number = 12;
    ASSERT_TRUE(window().state().workspace().history().storeBudget(twelve).ok());
    click(controls::project::kNewBudget);
    generate();
    EXPECT_EQ(text("R_numero"), QStringLiteral("13"));
    click(controls::project::kSaveBudget);
    EXPECT_EQ(stored(13).Number, 13);
    EXPECT_EQ(counterBytes(), QByteArray("\x0D\x00\x00\x00", 4));
    ASSERT_TRUE(nine.open(QIODevice::ReadOnly));
    EXPECT_EQ(nine.readAll(), QByteArray("kept"));
}

TEST_F(BudgetSavingTest, WhenEveryNumberIsUsedSavingIsRefused)
{
    start();
    setUpOffice();
    ASSERT_TRUE(WriteBudgetCounter(projects(), 65535).ok());
    click(controls::project::kNewBudget);
    generate();
    click(controls::project::kSaveBudget);
    EXPECT_TRUE(Prompts::messages().last().startsWith(QStringLiteral("Não há mais números para novos orçamentos")));
    EXPECT_FALSE(QFile::exists(projects() + BudgetFileName(0)));
    EXPECT_EQ(history().rowCount(), 0);
    EXPECT_EQ(window().state().budget().record().Status.toQString(), QStringLiteral("Novo"));
}

TEST_F(BudgetSavingTest, AFailedWriteChangesNothingAndCanBeRetried)
{
    start();
    setUpOffice();
    generate();
    StorageFaults::inject(StorageFaults::Kind::FailCommit, BudgetFileName(1));
    click(controls::project::kSaveBudget);
    EXPECT_TRUE(Prompts::messages().last().contains(BudgetFileName(1)));
    EXPECT_FALSE(QFile::exists(projects() + BudgetFileName(1)));
    EXPECT_EQ(counterBytes(), QByteArray("missing"));
    EXPECT_EQ(history().rowCount(), 0);
    EXPECT_EQ(window().state().budget().record().Status.toQString(), QStringLiteral("Novo"));
    EXPECT_TRUE(window().state().budget().modified());

    // The history cannot be written: the budget is saved all the same, and the user is told.
    StorageFaults::inject(StorageFaults::Kind::FailCommit, QStringLiteral("Hist.bvh"));
    click(controls::project::kSaveBudget);
    EXPECT_TRUE(Prompts::messages().last().startsWith(QStringLiteral("O orçamento foi salvo.\n\n")));
    EXPECT_TRUE(Prompts::messages().last().contains(QStringLiteral("Hist.bvh")));
    EXPECT_EQ(stored(1).Status.toQString(), QStringLiteral("Aguardando"));
    EXPECT_EQ(history().rowCount(), 1);   // kept in memory, written at close
    ASSERT_TRUE(closeWindow());
    HistoryStore reread(projects());
    reread.load();
    EXPECT_EQ(reread.table().rowCount(), 1);
}

TEST_F(BudgetSavingTest, SavedThenPricedInTheHistoryReachesTheFileAtClose)
{
    start();
    setUpOffice();
    generate();
    click(controls::project::kSaveBudget);
    window().openPage(kHistoryPage);
    auto* page = find<HistoryPage>("TabHistorico");
    ASSERT_EQ(history().text(0, kColNumber), QStringLiteral("1"));
    auto* model = page->model();
    page->grid()->setCurrentIndex(model->index(0, kColStatus));   // selecting a cell marks the row
    ASSERT_TRUE(model->setData(model->index(0, kColStatus), QStringLiteral("Aprovado"), Qt::EditRole));
    ASSERT_TRUE(model->setData(model->index(0, kColNegotiated), QStringLiteral("12000,5"), Qt::EditRole));
    ASSERT_TRUE(closeWindow());
    const TBudgetData saved = stored(1);
    EXPECT_EQ(saved.Status.toQString(), QStringLiteral("Aprovado"));
    EXPECT_EQ(saved.NegotiatedValue, 12000.5f);
    EXPECT_EQ(saved.BudgetValue, 12750.0f);
}

TEST_F(BudgetSavingTest, OverwritingABudgetNeverSavedIsItsFirstSave)
{
    start();
    setUpOffice();
    generate();
    QTest::mouseClick(find<QLineEdit>("R_codigo"), Qt::LeftButton);
    click(controls::project::kSaveBudget);
    ASSERT_TRUE(saveAsPanelShown());
    click(controls::project::kSaveAsOverwrite);
    EXPECT_EQ(stored(1).Status.toQString(), QStringLiteral("Aguardando"));
    EXPECT_EQ(history().text(0, kColStatus), QStringLiteral("Aguardando"));
    click(controls::project::kSaveBudget); // saved again under its own number, not as a second budget
    EXPECT_EQ(history().rowCount(), 1);
}

TEST_F(BudgetSavingTest, WorkNotSavedIsAskedAboutAtCloseAndByNew)
{
    start();
    setUpOffice();
    window().show();
    window().openPage(kProjectPage);
    type("P_Prop", QStringLiteral("Clínica Boa Vista"));
    // Typed project data, nothing generated yet: "Novo" asks before it clears them.
    Prompts::queueAnswer(QMessageBox::No);
    click(controls::project::kNewBudget);
    EXPECT_EQ(text("P_Prop"), QStringLiteral("Clínica Boa Vista"));

    const QString question = QStringLiteral("O orçamento atual não foi salvo. Deseja salvar?");
    Prompts::queueAnswer(QMessageBox::Cancel);
    EXPECT_FALSE(closeWindow());
    EXPECT_EQ(Prompts::messages().last(), question);

    // Yes generates what the pages hold and saves it through the normal save.
    enterOneMemberBudget();
    Prompts::queueAnswer(QMessageBox::Yes);
    EXPECT_TRUE(closeWindow());
    EXPECT_EQ(stored(1).ClientName.toQString(), QStringLiteral("Clínica Boa Vista"));
    EXPECT_EQ(stored(1).BudgetValue, 12750.0f);
}
