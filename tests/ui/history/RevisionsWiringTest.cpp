// Saving over a budget keeps the file it replaces as the budget's next revision: three saves of
// one budget leave revisions 1 and 2 beside the current file. The history's report lists them with
// the status history, compares two of them and restores one; a lost budget asks for its reason.
#include "support/BudgetFixture.h"

#include "core/budget/BudgetFile.h"
#include "core/revisions/BudgetRevisions.h"
#include "core/store/ExtensionStore.h"
#include "support/Files.h"
#include "ui/budget/ProjectControls.h"

#include "ui/history/HistoryControls.h"
#include "ui/history/HistoryModel.h"
#include "ui/history/HistoryPage.h"

#include <QAbstractSpinBox>
#include <QCoreApplication>
#include <QComboBox>
#include <QTableWidget>

using namespace belvane;
using namespace belvane::test;

namespace {
class RevisionsWiringTest : public BudgetFixture {
protected:
    // The one-member budget saved three times, each with one point more of profit.
    QList<QByteArray> saveThreeTimes()
    {
        generate();
        QList<QByteArray> files;
        for (int save = 1; save <= 3; ++save) {
            if (save > 1)
                QTest::keyClick(find<QAbstractSpinBox>("R_lucro"), Qt::Key_Up); // a renegotiation to save
            click(controls::project::kSaveBudget);
            EXPECT_EQ(Prompts::messages().last().left(12), QStringLiteral("O orçamento "))
                << Prompts::messages().last().toStdString();
            files << fileContents(projects() + BudgetFileName(window().state().budget().record().Number));
        }
        return files;
    }
};
} // namespace

TEST_F(RevisionsWiringTest, EverySaveOverABudgetKeepsThePreviousFile)
{
    start();
    setUpOffice();
    const QList<QByteArray> files = saveThreeTimes();
    const std::vector<BudgetRevision> kept =
        window().state().workspace().store().revisions().of(window().state().budget().record().Number);
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[0].file, files[0]);
    EXPECT_EQ(kept[1].file, files[1]);
    EXPECT_NE(files[2], files[1]);
}

TEST_F(RevisionsWiringTest, TheReportListsComparesAndRestoresAndALossAsksItsReason)
{
    start();
    setUpOffice();
    const QList<QByteArray> files = saveThreeTimes();
    const int number = window().state().budget().record().Number;
    HistoryPage* page = historyPage();
    page->selectRow(0);
    click(controls::history::kReport);
    auto* versions = find<QTableWidget>("RevisionList");
    ASSERT_EQ(versions->rowCount(), 3);
    EXPECT_EQ(versions->item(2, 0)->text(), u"Atual"_qs);

    // Two versions side by side: the profit differs, the area does not.
    versions->selectionModel()->select(versions->model()->index(0, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    versions->selectionModel()->select(versions->model()->index(2, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    auto* compare = find<QTableWidget>("RevisionCompare");
    ASSERT_TRUE(compare->isVisibleTo(page));
    QStringList differing;
    for (int row = 0; row < compare->rowCount(); ++row) {
        if (compare->item(row, 1)->font().bold())
            differing << compare->item(row, 0)->text();
    }
    EXPECT_TRUE(differing.contains(u"Lucro (%)"_qs)) << differing.join(u',').toStdString();
    EXPECT_FALSE(differing.contains(u"Área (m²)"_qs));

    // Revision 1 comes back; the version it replaced is kept as revision 3.
    versions->clearSelection();
    versions->selectRow(0);
    Prompts::queueAnswer(QMessageBox::Yes);
    Prompts::queueAnswer(QMessageBox::No); // not reloaded on the project page
    click("RestaurarRevisao");
    EXPECT_EQ(stored(number).ProfitPercent, budgetFromFileBytes(files[0])->ProfitPercent);
    const std::vector<BudgetRevision> kept = window().state().workspace().store().revisions().of(number);
    ASSERT_EQ(kept.size(), 3u);
    EXPECT_EQ(kept[2].file, files[2]);
    EXPECT_EQ(find<QTableWidget>("RevisionList")->rowCount(), 4);

    // A negotiated value typed in the grid reaches the open report's proposal at once.
    page->model()->setData(page->model()->index(0, kColNegotiated), u"9000"_qs, Qt::EditRole);
    EXPECT_EQ(find<QComboBox>("VersaoDocumento")->itemText(0), u"Proposta ao cliente (valor negociado)"_qs);

    // The client refuses for the price: the reason is asked and logged with the change at close.
    Prompts::queueItem(u"Preço"_qs);
    page->model()->setData(page->model()->index(0, kColStatus), u"Reprovado"_qs, Qt::EditRole);
    QCoreApplication::processEvents();
    EXPECT_TRUE(Prompts::messages().last().contains(u"reprovado"_qs));
    // The loss shows in the status history at once and is kept where a crash cannot reach it.
    auto* statusHistory = find<QTableWidget>("StatusHistoryList");
    ASSERT_GT(statusHistory->rowCount(), 0);
    bool shown = false;
    for (int row = 0; row < statusHistory->rowCount(); ++row) {
        for (int column = 0; column < statusHistory->columnCount(); ++column)
            shown = shown || (statusHistory->item(row, column) && statusHistory->item(row, column)->text() == u"Preço"_qs);
    }
    EXPECT_TRUE(shown);
    const std::vector<PendingRowEdit> pending = window().state().workspace().store().pendingEdits().all();
    ASSERT_EQ(pending.size(), 1u);
    EXPECT_EQ(pending[0].reason, u"Preço"_qs);
    // Deleting would take the three revisions along: the question says so.
    Prompts::queueAnswer(QMessageBox::No);
    click(controls::history::kDelete);
    EXPECT_TRUE(Prompts::messages().last().contains(u"As 3 revisões"_qs))
        << Prompts::messages().last().toStdString();
    ASSERT_TRUE(closeWindow());
    const std::vector<StatusChange> logged = window().state().workspace().store().statusLog().of(number);
    ASSERT_GE(logged.size(), 3u);
    EXPECT_EQ(logged.front().newValue, u"Aguardando"_qs);
    const StatusChange& loss = logged[logged.size() - 2]; // with the negotiated value, at one moment
    EXPECT_EQ(loss.newValue, u"Reprovado"_qs);
    EXPECT_EQ(loss.reason, u"Preço"_qs);
    EXPECT_EQ(logged.back().newValue, u"9000.00"_qs);
    EXPECT_TRUE(window().state().workspace().store().pendingEdits().all().empty());
}

TEST_F(RevisionsWiringTest, ABudgetWhoseFileWentMissingIsRestoredFromItsRevisions)
{
    start();
    setUpOffice();
    const QList<QByteArray> files = saveThreeTimes();
    const int number = window().state().budget().record().Number;
    // Deleted outside the program; the next start keeps what rebuilds it.
    ASSERT_TRUE(QFile::remove(projects() + BudgetFileName(number)));
    ASSERT_TRUE(closeWindow());
    m_window.reset();
    start();
    HistoryPage* page = historyPage();
    window().openPage(kHistoryPage);
    page->selectRow(0);
    click(controls::history::kReport);
    auto* versions = find<QTableWidget>("RevisionList");
    ASSERT_EQ(versions->rowCount(), 2);
    versions->selectRow(1);
    Prompts::queueAnswer(QMessageBox::Yes);
    click("RestaurarRevisao");
    EXPECT_EQ(fileContents(projects() + BudgetFileName(number)).mid(440), files[1].mid(440));
}

TEST_F(RevisionsWiringTest, ASaveNeverUndoesARestoreWithoutAsking)
{
    start();
    setUpOffice();
    const QList<QByteArray> files = saveThreeTimes();
    const int number = window().state().budget().record().Number;
    historyPage()->selectRow(0);
    click(controls::history::kReport);
    find<QTableWidget>("RevisionList")->selectRow(0);
    Prompts::queueAnswer(QMessageBox::Yes);
    Prompts::queueAnswer(QMessageBox::No); // the project page keeps what it holds
    click("RestaurarRevisao");
    const QByteArray restored = fileContents(projects() + BudgetFileName(number));

    // The project page still holds the version before the restore: saving it asks, and "Não" keeps
    // the restored file.
    window().openPage(kProjectPage);
    QTest::keyClick(find<QAbstractSpinBox>("R_lucro"), Qt::Key_Up);
    Prompts::queueAnswer(QMessageBox::No);
    click(controls::project::kSaveBudget);
    EXPECT_TRUE(Prompts::messages().last().contains(u"foi alterado depois de aberto"_qs));
    EXPECT_EQ(fileContents(projects() + BudgetFileName(number)), restored);

    // Restored again, and this time reloaded there: it saves without a question.
    window().openPage(kHistoryPage);
    historyPage()->selectRow(0);
    click(controls::history::kReport);
    find<QTableWidget>("RevisionList")->selectRow(1);
    Prompts::queueAnswer(QMessageBox::Yes);
    Prompts::queueAnswer(QMessageBox::Yes); // reloaded on the project page ("Editado": asks how to save)
    click("RestaurarRevisao");
    EXPECT_EQ(window().state().budget().record().ProfitPercent, budgetFromFileBytes(files[1])->ProfitPercent);
}
