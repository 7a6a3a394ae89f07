#include "support/AppFixture.h"
#include "support/Budgets.h"
#include "support/Records.h"

#include "core/store/ExtensionStore.h"
#include "core/budget/BudgetFile.h"
#include "core/history/HistoryStore.h"
#include "core/jobs/HourJournal.h"
#include "core/settings/StatusColorsFile.h"
#include "ui/history/HistoryControls.h"
#include "ui/history/HistoryModel.h"
#include "ui/history/HistoryPage.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QTest>
#include <QTextEdit>

using namespace belvane;
using namespace belvane::test;

namespace {

class HistoryPageTest : public AppFixture {
protected:
    // Saves a budget the way the program does: its file, then its history row.
    void saveBudget(int number, const QString& client, float value)
    {
        TBudgetData budget = listedBudget(number, client, 100.0f, value);
        budget.OwnExpenses = 8125.0f;
        saveBudgetTo(projects(), budget);
    }
    void openHistory()
    {
        window().show();
        window().activateWindow();   // focus only moves inside the active window
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
        window().openPage(kHistoryPage);
    }
    void selectCell(int row, int column)
    {
        auto* grid = find<QTableView>("Ng8");
        grid->setCurrentIndex(grid->model()->index(row, column));
        grid->selectRow(row);
    }
};

} // namespace

TEST_F(HistoryPageTest, ModelIsSoundAndHidesTheHiddenColumns)
{
    saveBudget(1, QStringLiteral("Ana"), 12750.0f);
    saveBudget(2, QStringLiteral("Bruno, Filho"), 5000.0f);
    start();
    auto* grid = find<QTableView>("Ng8");
    QAbstractItemModelTester tester(grid->model(), QAbstractItemModelTester::FailureReportingMode::Warning);
    EXPECT_EQ(grid->model()->rowCount(), 2);
    EXPECT_EQ(grid->model()->headerData(9, Qt::Horizontal).toString(), QStringLiteral("Negociado[R$] "));
    for (int c : {11, 12, 13, 14, 16, 17, 18})
        EXPECT_TRUE(grid->isColumnHidden(c)) << c;
    EXPECT_FALSE(grid->isColumnHidden(15));
    EXPECT_EQ(grid->model()->index(1, 2).data().toString(), QStringLiteral("Bruno, Filho"));
    EXPECT_EQ(grid->model()->index(0, 9).data().toString(), QStringLiteral("0,00"));
}

TEST_F(HistoryPageTest, AWiderGridGivesItsWidthToTheClientColumn)
{
    saveBudget(1, QStringLiteral("Ana"), 1000.0f);
    start();
    openHistory();
    auto* grid = find<QTableView>("Ng8");
    const int client = grid->columnWidth(kColClient);
    const int service = grid->columnWidth(kColService);
    // As a maximised window widens it (the page's layout would size it back on the next pass).
    grid->resize(grid->width() + 300, grid->height());
    EXPECT_EQ(grid->columnWidth(kColClient), client + 300);
    EXPECT_EQ(grid->columnWidth(kColService), service);
}

TEST_F(HistoryPageTest, TextFieldsTakeWhatTheBudgetFileKeepsAndRefuseALongerPasteWhole)
{
    saveBudget(1, QStringLiteral("Ana"), 1000.0f);
    start();
    const QString email = QStringLiteral("joao.conceicao@construtora.com");   // 30, the e-mail's room
    auto* emailEdit = find<QLineEdit>("P_email");
    EXPECT_EQ(emailEdit->toolTip(), QStringLiteral("Até 30 caracteres."));
    QApplication::clipboard()->setText(email + QStringLiteral(".br"));
    emailEdit->paste();
    EXPECT_EQ(emailEdit->text(), QString());
    QApplication::clipboard()->setText(email);
    emailEdit->paste();
    QTest::keyClicks(emailEdit, QStringLiteral("b"));
    EXPECT_EQ(emailEdit->text(), email);

    openHistory();
    auto* grid = find<QTableView>("Ng8");
    const QModelIndex phone = grid->model()->index(0, kColPhone);
    grid->setCurrentIndex(phone);
    grid->edit(phone);
    auto* phoneEdit = grid->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(phoneEdit, nullptr);
    phoneEdit->clear();
    QTest::keyClicks(phoneEdit, QStringLiteral("(11) 3333-4444 ramal 25"));
    EXPECT_EQ(phoneEdit->text(), QStringLiteral("(11) 3333-4444 ramal"));
}

TEST_F(HistoryPageTest, StatusChosenInTheGridReachesTheBudgetFileAtClose)
{
    saveBudget(3, QStringLiteral("Carla"), 1000.0f);
    start();
    openHistory();
    selectCell(0, kColStatus);
    EXPECT_TRUE(history().isChecked(0, kColModified));
    auto* model = historyPage()->model();
    ASSERT_TRUE(model->setData(model->index(0, kColStatus), QStringLiteral("Aprovado"), Qt::EditRole));
    ASSERT_TRUE(model->setData(model->index(0, kColNegotiated), QStringLiteral("11500,5"), Qt::EditRole));
    ASSERT_TRUE(closeWindow());
    const TBudgetData budget = storedBudget(projects() + BudgetFileName(3));
    EXPECT_EQ(budget.Status.toQString(), QStringLiteral("Aprovado"));
    EXPECT_EQ(budget.NegotiatedValue, 11500.5f);
    HistoryStore reread(projects());
    reread.load();
    EXPECT_FALSE(reread.table().isChecked(0, kColModified));
    EXPECT_EQ(reread.table().text(0, kColStatus), QStringLiteral("Aprovado"));
    // The colours were saved at close with the defaults.
    QFile colors(appDir() + QStringLiteral("Escrt/Colors.bin"));
    ASSERT_TRUE(colors.open(QIODevice::ReadOnly));
    EXPECT_EQ(colors.readAll().mid(20, 4), QByteArray("\xFF\xFF\xFF\x00", 4));
}

TEST_F(HistoryPageTest, DeleteAsksWithTheBudgetNumberAndItsHoursAndRemovesRowAndFile)
{
    saveBudget(12, QStringLiteral("Davi"), 1000.0f);
    HourJournal davi(HourJournal::folderIn(projects())
                         + HourJournal::fileNameFor(QStringLiteral("davi"), QStringLiteral("PC"), QStringLiteral("d1")),
                     QStringLiteral("davi"), QStringLiteral("PC"));
    ASSERT_TRUE(davi.add({12, QDate(2026, 12, 1), QStringLiteral("Davi"), otherActivitiesTask(), 10, {}}).ok());
    start();
    openHistory();
    auto* remove = find<QPushButton>(controls::history::kDelete);
    QTest::mouseClick(remove, Qt::LeftButton);   // nothing selected: nothing happens
    EXPECT_TRUE(Prompts::messages().isEmpty());
    selectCell(0, 0);
    Prompts::queueAnswer(QMessageBox::No);
    QTest::mouseClick(remove, Qt::LeftButton);
    EXPECT_EQ(Prompts::messages().last(),
              QStringLiteral("O orçamento selecionado(nº 12)o será definivamente excluído. Continuar?"
                             "\n\nAs 2,5 horas registradas neste projeto também serão excluídas."));
    EXPECT_EQ(history().rowCount(), 1);
    Prompts::queueAnswer(QMessageBox::Yes);
    QTest::mouseClick(remove, Qt::LeftButton);
    EXPECT_EQ(history().rowCount(), 0);
    EXPECT_FALSE(QFile::exists(projects() + BudgetFileName(12)));
    QFile hist(projects() + QStringLiteral("Hist.bvh"));
    EXPECT_EQ(hist.size(), 2);
}

TEST_F(HistoryPageTest, SearchBringsMatchingRowsToTheTop)
{
    saveBudget(1, QStringLiteral("Ana"), 1000.0f);
    saveBudget(2, QStringLiteral("Construtora AÇO"), 2000.0f);
    start();
    openHistory();
    auto* search = find<QLineEdit>("Edit1");
    search->setText(QStringLiteral("aço"));
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_EQ(history().text(0, kColNumber), QStringLiteral("2"));
    EXPECT_TRUE(history().isChecked(0, kColSelected));
    EXPECT_FALSE(history().isChecked(1, kColSelected));
}

TEST_F(HistoryPageTest, HeaderClicksSortAndASecondClickReverses)
{
    saveBudget(5, QStringLiteral("B"), 1000.0f);
    saveBudget(6, QStringLiteral("A"), 3000.0f);
    saveBudget(7, QStringLiteral("C"), 2000.0f);
    start();
    auto* header = find<QTableView>("Ng8")->horizontalHeader();
    header->sectionClicked(kColClient);
    EXPECT_EQ(history().text(0, kColClient), QStringLiteral("A"));
    header->sectionClicked(kColClient);
    EXPECT_EQ(history().text(0, kColClient), QStringLiteral("C"));
    EXPECT_EQ(history().text(2, kColClient), QStringLiteral("A"));
}

TEST_F(HistoryPageTest, ABudgetsDatabaseRowsGoWithItsFileAndThoseOfBudgetsGoneAreForgottenAtStart)
{
    saveBudget(12, QStringLiteral("Davi"), 1000.0f);
    saveBudget(13, QStringLiteral("Elis"), 1000.0f);
    // A folder copied from another system spells its names in lower case.
    QFile::rename(projects() + BudgetFileName(13), projects() + BudgetFileName(13).toLower());
    {
        // Budget 14 was deleted since by a program that knows nothing of the database.
        ExtensionStore store(projects());
        std::vector<StatusChange> changes;
        for (int number : {12, 13, 14}) {
            changes.push_back(
                {number, Clock::now(), kStatusField.toString(), {}, QStringLiteral("Aguardando"), {}});
            ASSERT_TRUE(store.paymentSchedules().save(number, PaymentSchedule({{QStringLiteral("Entrega"), 100.0, {}}})).ok());
        }
        ASSERT_TRUE(store.statusLog().record(changes).ok());
    }
    start();
    ExtensionStore& store = window().state().workspace().store();
    // Its schedule goes; its status history stays, with its revisions, to restore it from.
    EXPECT_TRUE(store.paymentSchedules().of(14).empty());
    EXPECT_EQ(store.statusLog().of(14).size(), 1u);
    EXPECT_FALSE(store.paymentSchedules().of(13).empty());
    openHistory();
    selectCell(history().text(0, kColNumber) == u"12" ? 0 : 1, 0);
    Prompts::queueAnswer(QMessageBox::Yes);
    QTest::mouseClick(find<QPushButton>(controls::history::kDelete), Qt::LeftButton);
    EXPECT_TRUE(store.statusLog().of(12).empty());
    EXPECT_EQ(store.statusLog().of(13).size(), 1u);
}

TEST_F(HistoryPageTest, ADamagedDatabaseIsSetAsideAtStartWithAMessage)
{
    saveBudget(12, QStringLiteral("Davi"), 1000.0f);
    const QByteArray history = fileContents(projects() + QStringLiteral("Hist.bvh"));
    writeFile(projects() + ExtensionDatabase::fileName(), QByteArray("não é um banco"));
    start();
    ASSERT_FALSE(Prompts::messages().isEmpty());
    EXPECT_TRUE(Prompts::messages().first().contains(QStringLiteral("Belvane.db\" estava danificado")))
        << Prompts::messages().first().toStdString();
    const QStringList aside = QDir(projects()).entryList({QStringLiteral("Belvane.db.danificado-*")});
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(fileContents(projects() + aside.first()), QByteArray("não é um banco"));
    EXPECT_EQ(fileContents(projects() + QStringLiteral("Hist.bvh")), history);
}

TEST_F(HistoryPageTest, APageDamagedInsideTheDatabaseIsFoundAfterTheStartAndSetAside)
{
    saveBudget(12, QStringLiteral("Davi"), 1000.0f);
    {
        ExtensionStore store(projects());
        for (int revision = 0; revision < 30; ++revision)
            ASSERT_TRUE(store.revisions().keep(12, QByteArray(4744, char('a' + revision)), Clock::now()).ok());
    }
    // The header and the schema read well: only the whole-file check, after the start, sees it.
    const QString path = projects() + ExtensionDatabase::fileName();
    QByteArray bytes = fileContents(path);
    bytes.replace(6 * 4096, 4096, QByteArray(4096, '\x5a'));
    writeFile(path, bytes);
    start();
    EXPECT_TRUE(Prompts::messages().isEmpty());
    EXPECT_TRUE(QTest::qWaitFor([] { return !Prompts::messages().isEmpty(); }, 5000));
    EXPECT_TRUE(Prompts::messages().value(0).contains(QStringLiteral("estava danificado")));
    EXPECT_EQ(QDir(projects()).entryList({QStringLiteral("Belvane.db.danificado-*")}).size(), 1);
}

TEST_F(HistoryPageTest, ReopeningAMissingFileChangesNothing)
{
    saveBudget(4, QStringLiteral("Eva"), 1000.0f);
    QFile::remove(projects() + BudgetFileName(4));
    TForm1& w = start();
    openHistory();
    const quint16 before = w.state().budget().record().Number;
    selectCell(0, 0);
    QTest::mouseClick(find<QPushButton>(controls::history::kReopen), Qt::LeftButton);
    EXPECT_EQ(Prompts::messages().last(), QStringLiteral("Não foi localizado o arquivo deste orçamento"));
    EXPECT_EQ(w.state().budget().record().Number, before);
    EXPECT_EQ(w.pages()->currentIndex(), kHistoryPage);
}

TEST_F(HistoryPageTest, ReopeningShowsTheBudgetWithTheHistorysValues)
{
    saveBudget(8, QStringLiteral("Fábio"), 1000.0f);
    TForm1& w = start();
    openHistory();
    history().setText(0, kColPhone, QStringLiteral("11 5555-0000"));
    selectCell(0, 0);
    QTest::mouseClick(find<QPushButton>(controls::history::kReopen), Qt::LeftButton);
    EXPECT_EQ(w.pages()->currentIndex(), kProjectPage);
    EXPECT_EQ(w.state().budget().record().Number, 8);
    EXPECT_EQ(w.state().budget().record().Status.toQString(), QStringLiteral("Editado"));
    EXPECT_EQ(w.state().budget().record().ClientPhone.toQString(), QStringLiteral("11 5555-0000"));
    EXPECT_TRUE(w.state().budget().reopened());
    EXPECT_EQ(find<QStackedWidget>("PageControl3")->currentIndex(), 0);
    // The fields show their beginning, however long the text.
    EXPECT_EQ(find<QLineEdit>("P_Prop")->cursorPosition(), 0);
}

TEST_F(HistoryPageTest, ReopeningAsksBeforeReplacingWhatWasTypedOnTheProjectPages)
{
    saveBudget(8, QStringLiteral("Fábio"), 1000.0f);
    TForm1& w = start();
    // A client typed on the project page, never generated: typing that reopening would lose.
    QTest::keyClicks(find<QLineEdit>("P_Prop"), QStringLiteral("Gil"));
    openHistory();
    selectCell(0, 0);
    Prompts::queueAnswer(QMessageBox::No);
    QTest::mouseClick(find<QPushButton>(controls::history::kReopen), Qt::LeftButton);
    EXPECT_EQ(Prompts::messages().last(), QStringLiteral("Existe um orçamento em edição. Continuar?"));
    EXPECT_FALSE(w.state().budget().reopened());
    EXPECT_EQ(find<QLineEdit>("P_Prop")->text(), QStringLiteral("Gil"));
}

TEST_F(HistoryPageTest, ReportFollowsTheSelectionAndKeepsObservationsPerRow)
{
    saveBudget(1, QStringLiteral("Ana"), 12750.0f);
    saveBudget(2, QStringLiteral("Bia"), 5000.0f);
    start();
    openHistory();
    history().setText(1, kColNotes, QStringLiteral("ligar segunda"));
    selectCell(0, 0);
    QTest::mouseClick(find<QPushButton>(controls::history::kReport), Qt::LeftButton);
    auto* panel = find<QWidget>("NxHeaderPanel14");
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(find<QTextEdit>("memo1")->toPlainText().startsWith(QStringLiteral("Orçamento nº: 1  Código: \n")));
    auto* notes = find<QPlainTextEdit>("Memo2");
    notes->setFocus();
    notes->setPlainText(QStringLiteral("cliente pediu desconto"));
    selectCell(1, 0);   // the edited notes go to the row they were written for
    EXPECT_EQ(history().text(0, kColNotes), QStringLiteral("cliente pediu desconto"));
    EXPECT_EQ(notes->toPlainText(), QStringLiteral("ligar segunda"));

    QTest::mouseClick(find<QPushButton>(controls::history::kCopyReport), Qt::LeftButton);
    EXPECT_EQ(Prompts::messages().last(), QStringLiteral("Orçamento copiado para a área de transfêrencia."));
    EXPECT_TRUE(Prompts::clipboardText().startsWith(QStringLiteral("Escritório :Meu escritório - Orçamento para projeto arquitetônico.")));
    EXPECT_TRUE(Prompts::clipboardText().endsWith(QStringLiteral("Observações\r\nligar segunda")));
}

TEST_F(HistoryPageTest, ClosingAReportWhoseFileIsMissingKeepsTheObservations)
{
    saveBudget(1, QStringLiteral("Ana"), 1000.0f);
    saveBudget(2, QStringLiteral("Bia"), 1000.0f);
    QFile::remove(projects() + BudgetFileName(2));
    start();
    openHistory();
    history().setText(1, kColNotes, QStringLiteral("não apagar"));
    selectCell(0, 0);
    QTest::mouseClick(find<QPushButton>(controls::history::kReport), Qt::LeftButton);
    selectCell(1, 0);
    EXPECT_EQ(find<QTextEdit>("memo1")->toPlainText(), QStringLiteral("arquivo não encontrado "));
    QTest::mouseClick(find<QPushButton>(controls::history::kCloseReport), Qt::LeftButton);
    EXPECT_FALSE(find<QWidget>("NxHeaderPanel14")->isVisible());
    EXPECT_EQ(history().text(1, kColNotes), QStringLiteral("não apagar"));
}

TEST_F(HistoryPageTest, HighlightingAndTheColourPanel)
{
    saveBudget(1, QStringLiteral("Ana"), 1000.0f);
    start();
    openHistory();
    auto* model = historyPage()->model();
    const QModelIndex status = model->index(0, kColStatus);
    EXPECT_EQ(status.data(Qt::BackgroundRole).value<QColor>(), QColor(0x37, 0x37, 0x37));
    QTest::mouseClick(find<QPushButton>(controls::history::kHighlight), Qt::LeftButton); // Grifar
    EXPECT_EQ(status.data(Qt::BackgroundRole).value<QColor>(), QColor(255, 0, 0));   // "Aguardando": red
    EXPECT_TRUE(find<QLineEdit>("Edit1")->hasFocus());

    QTest::mouseClick(find<QPushButton>(controls::history::kColors), Qt::LeftButton); // Cores
    Prompts::queueColor(QColor(10, 20, 30));
    QTest::mouseClick(find<QPushButton>("AguardandoCor"), Qt::LeftButton);
    EXPECT_EQ(status.data(Qt::BackgroundRole).value<QColor>(), QColor(255, 0, 0));   // not before "OK"
    QTest::mouseClick(find<QPushButton>(controls::history::kColorsOk), Qt::LeftButton);
    EXPECT_EQ(status.data(Qt::BackgroundRole).value<QColor>(), QColor(10, 20, 30));
    EXPECT_FALSE(find<QWidget>("NxHeaderPanel15")->isVisible());
    TStatusColors saved = zeroStatusColors();
    ASSERT_EQ(LoadStatusColors(saved, appDir() + QStringLiteral("Escrt/Colors.bin")).state, StatusColorsLoad::State::Read);
    EXPECT_EQ(saved.Aguardando, 0x001E140Au);
}

TEST_F(HistoryPageTest, ReportAndGridEditsStayWithTheirBudgetThroughSortsAndSearches)
{
    saveBudget(1, QStringLiteral("Ana"), 1000.0f);
    saveBudget(2, QStringLiteral("Bia"), 2000.0f);
    saveBudget(3, QStringLiteral("Caio"), 3000.0f);
    start();
    openHistory();
    auto* grid = find<QTableView>("Ng8");
    auto* header = grid->horizontalHeader();
    auto* notes = find<QPlainTextEdit>("Memo2");

    // Observations typed for budget 1 reach it after the rows moved under the open report.
    selectCell(0, 0);
    QTest::mouseClick(find<QPushButton>(controls::history::kReport), Qt::LeftButton);
    notes->setPlainText(QStringLiteral("ligar amanhã"));
    header->sectionClicked(kColClient);
    header->sectionClicked(kColClient);   // Caio, Bia, Ana
    QTest::mouseClick(find<QPushButton>(controls::history::kCloseReport), Qt::LeftButton);
    EXPECT_EQ(history().text(history().findRowByNumber(1), kColNotes), QStringLiteral("ligar amanhã"));

    // The cell being edited keeps its budget through a sort, and the edit marks that budget.
    selectCell(history().findRowByNumber(2), kColNegotiated);
    history().setChecked(history().findRowByNumber(2), kColModified, false);
    header->sectionClicked(kColNumber);
    ASSERT_EQ(grid->currentIndex().row(), history().findRowByNumber(2));
    const QModelIndex negotiated = grid->model()->index(grid->currentIndex().row(), kColNegotiated);
    ASSERT_TRUE(historyPage()->model()->setData(negotiated, QStringLiteral("1800"), Qt::EditRole));
    EXPECT_EQ(history().value(history().findRowByNumber(2), kColNegotiated), 1800.0);
    EXPECT_TRUE(history().isChecked(history().findRowByNumber(2), kColModified));

    // A search that finds nothing says so beside the box and marks no row as found.
    auto* search = find<QLineEdit>("Edit1");
    search->setText(QStringLiteral("Bia"));
    QTest::keyClick(search, Qt::Key_Return);
    search->setText(QStringLiteral("zzzz"));
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_EQ(find<QLabel>("SearchResult")->text(), QStringLiteral("Nenhum orçamento encontrado para “zzzz”"));
    EXPECT_TRUE(Prompts::messages().isEmpty());
    for (int row = 0; row < 3; ++row)
        EXPECT_FALSE(grid->model()->index(row, kColClient).data(Qt::FontRole).isValid());

    // Observations still being typed when the program closes are kept.
    selectCell(history().findRowByNumber(3), 0);
    QTest::mouseClick(find<QPushButton>(controls::history::kReport), Qt::LeftButton);
    notes->setPlainText(QStringLiteral("enviar planta"));
    ASSERT_TRUE(closeWindow());
    HistoryStore reread(projects());
    reread.load();
    EXPECT_EQ(reread.table().text(reread.table().findRowByNumber(3), kColNotes), QStringLiteral("enviar planta"));
}

TEST_F(HistoryPageTest, DamagedBudgetFileGivesAMessageAndNoReport)
{
    saveBudget(1, QStringLiteral("Ana"), 1000.0f);
    saveBudget(2, QStringLiteral("Bia"), 1000.0f);
    QFile damaged(projects() + BudgetFileName(2));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write("curto");
    damaged.close();
    start();
    openHistory();
    history().setText(1, kColNotes, QStringLiteral("não apagar"));
    selectCell(0, 0);
    QTest::mouseClick(find<QPushButton>(controls::history::kReport), Qt::LeftButton);
    find<QPlainTextEdit>("Memo2")->setPlainText(QStringLiteral("da Ana"));
    selectCell(1, 0);   // the report follows the selection to the damaged file
    EXPECT_TRUE(Prompts::messages().last().contains(BudgetFileName(2)));
    EXPECT_FALSE(find<QWidget>("NxHeaderPanel14")->isVisible());
    EXPECT_EQ(history().text(0, kColNotes), QStringLiteral("da Ana"));
    EXPECT_EQ(history().text(1, kColNotes), QStringLiteral("não apagar"));
    QTest::mouseClick(find<QPushButton>(controls::history::kReport), Qt::LeftButton);
    EXPECT_FALSE(find<QWidget>("NxHeaderPanel14")->isVisible());
}
