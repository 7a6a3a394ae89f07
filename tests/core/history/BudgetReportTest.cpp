#include "core/budget/BudgetFile.h"
#include "core/history/BudgetReport.h"
#include "core/history/HistoryBudgetRow.h"
#include "core/history/HistoryRowReport.h"
#include "core/history/HistoryTable.h"
#include "core/text/Clock.h"

#include "support/Budgets.h"
#include "support/HistoryFiles.h"

using namespace belvane;
using namespace belvane::test;

namespace {

QStringList textsOf(const QList<ReportLine>& lines)
{
    QStringList texts;
    for (const ReportLine& line : lines)
        texts << line.text;
    return texts;
}

const QStringList kWorkedExampleReport{
    u"Orçamento nº: 12  Código: PX-7"_qs,
    QString(),
    u"Status: \tAprovado"_qs,
    u"Emitido em : \t08/12/2020"_qs,
    u"Editado em : \t09/12/2020"_qs,
    u"Cliente: \tConstrutora Ípsilon"_qs,
    u"Telefone: \t(11) 5555-0101"_qs,
    u"email: \tobras@ipsilon.com.br"_qs,
    u"Endereço: \tRua das Acácias, 45"_qs,
    u"Categoria: \tResidencial"_qs,
    u"SubCategoria: \tCasa térrea"_qs,
    u"Tipo: \tEdificações"_qs,
    u"SubTipo: \tProjeto arquitetônico"_qs,
    u"Área: \t100 m2"_qs,
    u"Recursos de mão de obra técnica: \t100 Hxh"_qs,
    u"Custo rateado do escritório:\tR$ 5000,00"_qs,
    u"Custo da equipe técnica do projeto:\tR$ 3125,00"_qs,
    u"Despesas de Deslocamento:\tR$ 0,00"_qs,
    u"Despesas com terceiros:\tR$ 0,00"_qs,
    u"Despesas com RRT:\tR$ 100,00"_qs,
    u"Adicional de qualificação do escritório:\tR$ 1625,00"_qs,
    u"Desconto por repetição do projeto:\tR$ 0,00"_qs,
    u"Valor calculado:\tR$ 12750,00"_qs,
    u"Imposto (10,0 %):\tR$ 1275,00"_qs,
    u"Lucro líquido (20,0 %):\tR$ 1625,00"_qs,
    u"--------------------------"_qs,
    u"Valor Negociado:\tR$ 12750,00"_qs,
    u"Imposto no valor negociado (10,0 %):\tR$ 1275,00"_qs,
    u"Lucro no valor negociado (20,0 %):\tR$ 1625,00"_qs};

} // namespace

TEST(BudgetReportTest, WorkedExampleGivesTheTwentyNineLinesInTheirColours)
{
    const QList<ReportLine> lines =
        BudgetReportLines(workedExampleBudget(), u"Aprovado", u"12750");
    EXPECT_EQ(textsOf(lines), kWorkedExampleReport);
    ASSERT_EQ(lines.size(), 29);
    QList<ColorRef> colours;
    for (const ReportLine& line : lines)
        colours << line.color;
    QList<ColorRef> expected;
    expected << QList<ColorRef>(5, kReportWhite) << QList<ColorRef>(17, kReportYellow)
             << kReportAqua << kReportOrange << kReportGreen << kReportGreen << kReportAqua
             << kReportOrange << kReportGreen;
    EXPECT_EQ(colours, expected);
    EXPECT_EQ(budgetReportCaption(workedExampleBudget()), u"Orçamento nº: 12"_qs);
}

TEST(BudgetReportTest, NegotiatedFiguresAreRoundedOnceEach)
{
    // Negotiated at 11502,25: the tax is 1150,225, which single precision holds as
    // 1150,2249755859375; the profit is 11502,25 - 1150,2249755859375 - 8125 - 1625,0003662109375
    // - 100 = 502,0246582..., so 502,02 (rounding after every step would have given 502,03), and
    // 502,02 / 8125 is 6,18 %.
    const QList<ReportLine> lines = BudgetReportLines(workedExampleBudget(), u"Aprovado", u"11502,25");
    EXPECT_EQ(lines[26].text, u"Valor Negociado:\tR$ 11502,25"_qs);
    EXPECT_EQ(lines[27].text, u"Imposto no valor negociado (10,0 %):\tR$ 1150,22"_qs);
    EXPECT_EQ(lines[28].text, u"Lucro no valor negociado (6,2 %):\tR$ 502,02"_qs);

    // Nothing negotiated yet: no tax and no loss on a value of 0.
    const QList<ReportLine> empty = BudgetReportLines(workedExampleBudget(), u"Aguardando", u"");
    EXPECT_EQ(empty[26].text, u"Valor Negociado:\tR$ 0,00"_qs);
    EXPECT_EQ(empty[27].text, u"Imposto no valor negociado:\t—"_qs);
    EXPECT_EQ(empty[28].text, u"Lucro no valor negociado:\t—"_qs);
    EXPECT_EQ(empty.size(), 29);
}

TEST(BudgetReportTest, OddBudgetsStillGiveReadableLines)
{
    TBudgetData budget = workedExampleBudget();
    budget.ProjectCode.clear();
    budget.Area = 120.3f;
    budget.OwnExpenses = 0.0f;
    const QList<ReportLine> lines = BudgetReportLines(budget, u"Editado", u"1000");
    EXPECT_EQ(lines[0].text, u"Orçamento nº: 12  Código: "_qs);
    EXPECT_EQ(lines[13].text, u"Área: \t120,300003051758 m2"_qs);
    EXPECT_EQ(lines[28].text, u"Lucro no valor negociado (n/d %):\tR$ -825,00"_qs);
    EXPECT_EQ(BudgetReportLines(budget, u"Editado", u"não é número")[26].text, u"Valor Negociado:\tR$ 0,00"_qs);

    const QList<ReportLine> huge = BudgetReportLines(workedExampleBudget(), u"", u"1E300");
    for (const ReportLine& line : huge) {
        EXPECT_FALSE(line.text.contains(u"nan"_qs, Qt::CaseInsensitive)) << line.text.toStdString();
        EXPECT_FALSE(line.text.contains(u"inf"_qs, Qt::CaseInsensitive)) << line.text.toStdString();
    }
}

TEST(BudgetReportTest, ClipboardTextHasHeadingDateReportAndObservations)
{
    Clock::setFixed(QDateTime(QDate(2026, 3, 9), QTime(10, 0)));
    const QString text = BudgetReportClipboardText(
        u"Bela Vista Arquitetura"_qs,
        {ReportLine::alone(u"Linha 1"_qs, 0), ReportLine::alone(QString(), 0), ReportLine::valued(u"Status: "_qs, u"Aprovado"_qs, 0)},
        u"ligar segunda\nlevar planta"_qs);
    Clock::setFixed({});
    EXPECT_EQ(text, u"Escritório :Bela Vista Arquitetura - Orçamento para projeto arquitetônico.\r\n"
                    "\r\n"
                    "Data atual :09/03/2026\r\n"
                    "\r\n"
                    "Linha 1\r\n"
                    "\r\n"
                    "Status: \tAprovado\r\n"
                    "\r\n"
                    "Observações\r\n"
                    "ligar segunda\r\n"
                    "levar planta"_qs);
}

using HistoryRowReportTest = HistoryFolderTest;

TEST_F(HistoryRowReportTest, ReportTakesStatusNegotiatedValueAndNotesFromTheRow)
{
    const TBudgetData budget = workedExampleBudget();  // status "Aguardando" in the file
    ASSERT_TRUE(WriteBudgetFile(budget, pathOf(BudgetFileName(12))).ok());
    HistoryTable table;
    const int row = StoreHistoryRow(table, budget);
    table.setText(row, kColStatus, u"Aprovado"_qs);
    table.setText(row, kColNegotiated, u"12750"_qs);
    table.setText(row, kColNotes, u"Cliente pediu desconto"_qs);

    const HistoryRowReport report = reportForHistoryRow(table, row, folder());
    EXPECT_EQ(report.state, HistoryRowReport::State::Shown);
    EXPECT_EQ(report.caption, u"Orçamento nº: 12"_qs);
    EXPECT_EQ(textsOf(report.lines), kWorkedExampleReport);
    EXPECT_EQ(report.notes, u"Cliente pediu desconto"_qs);

    // A code edited in the grid is the budget's code from then on.
    table.setText(row, kColProjectCode, u"PX-8"_qs);
    EXPECT_EQ(reportForHistoryRow(table, row, folder()).lines[0].text, u"Orçamento nº: 12  Código: PX-8"_qs);
}

TEST_F(HistoryRowReportTest, MissingForeignOrDamagedFiles)
{
    HistoryTable table;
    const int row = StoreHistoryRow(table, workedExampleBudget());
    const HistoryRowReport missing = reportForHistoryRow(table, row, folder());
    EXPECT_EQ(missing.state, HistoryRowReport::State::FileMissing);
    EXPECT_EQ(textsOf(missing.lines), QStringList{u"arquivo não encontrado "_qs});
    EXPECT_TRUE(missing.notes.isEmpty());

    writeFile(pathOf(BudgetFileName(12)), QByteArray(10, 'x'));
    const HistoryRowReport damaged = reportForHistoryRow(table, row, folder());
    EXPECT_EQ(damaged.state, HistoryRowReport::State::Failed);
    EXPECT_TRUE(damaged.error.contains(BudgetFileName(12))) << damaged.error.toStdString();

    table.setText(row, kColFile, u"/etc/passwd"_qs);
    const HistoryRowReport foreign = reportForHistoryRow(table, row, folder());
    EXPECT_EQ(foreign.state, HistoryRowReport::State::FileMissing);
    EXPECT_FALSE(foreign.error.isEmpty());

    EXPECT_TRUE(reportForHistoryRow(table, -1, folder()).lines.isEmpty());
}
