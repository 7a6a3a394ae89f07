#include "support/BudgetFixture.h"
#include "support/Budgets.h"

#include "core/history/BudgetReport.h"
#include "core/payment/PaymentSchedule.h"
#include "ui/history/ReportDocument.h"

#include "ui/budget/ProjectControls.h"
#include "ui/history/HistoryControls.h"
#include "ui/history/HistoryPage.h"

#include <QComboBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace belvane;
using belvane::test::BudgetFixture;
using belvane::test::listedBudget;

namespace {

// The text of a PDF as poppler reads it, and its page count.
struct PdfText {
    QString text;
    int pages = 0;
};

PdfText readPdf(const QString& path)
{
    PdfText pdf;
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    text.waitForFinished();
    pdf.text = QString::fromUtf8(text.readAllStandardOutput());
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    info.waitForFinished();
    for (const QString& line : QString::fromUtf8(info.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (line.startsWith(QStringLiteral("Pages:")))
            pdf.pages = line.mid(6).trimmed().toInt();
    return pdf;
}

class ReportDocumentTest : public BudgetFixture {
protected:
    void SetUp() override
    {
        BudgetFixture::SetUp();
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            GTEST_SKIP() << "pdftotext (poppler-utils) is needed to read the documents back";
    }
    // The worked one-member budget with three rated tasks saved, its report open on the history
    // page with a note; the office has its contact set.
    void openSavedReport()
    {
        TForm1& w = start();
        w.show();
        setUpOffice();
        TOfficeData office = w.state().currentOffice();
        office.Name.assign(u"Ateliê Conceição Arquitetura");
        w.state().setCurrentOffice(office);
        w.state().setOfficeSettings(w.state().priceReferences(),
                                    {u"Rua XV de Novembro, 100 - Curitiba/PR"_qs, u"(41) 3222-0000"_qs,
                                     u"contato@conceicao.arq.br"_qs, u"A12345-6"_qs, 45});
        w.openPage(kProjectPage);
        enterOneMemberBudget();
        click(controls::project::kResourcesSelector);
        for (int task : {0, 3, 4})
            ASSERT_TRUE(grid("Ng5")->userEdit({task, 2}, QStringLiteral("Média")));
        click(controls::project::kSummarySelector);
        click(controls::project::kSaveBudget);
        w.openPage(kHistoryPage);
        historyPage()->selectRow(0);
        click(controls::history::kReport);
        find<QPlainTextEdit>("Memo2")->setPlainText(QStringLiteral("Prazo de entrega: 45 dias após a aprovação."));
        Prompts::clearLog();
    }
    QString pdfPath(const char* name) const
    {
        // BELVANE_DOCUMENT_DIR keeps the documents for a person to look at.
        const QString keep = qEnvironmentVariable("BELVANE_DOCUMENT_DIR");
        return (keep.isEmpty() ? appDir() : keep + QLatin1Char('/')) + QLatin1String(name);
    }
};

} // namespace

TEST_F(ReportDocumentTest, TheClientProposalCarriesTheQuoteButNotTheOfficesCosts)
{
    openSavedReport();
    // The value agreed with the client is the one the proposal carries, and its instalments share.
    ASSERT_TRUE(history().editByUser(0, kColNegotiated, u"12000"));
    historyPage()->selectRow(0);
    find<QComboBox>("VersaoDocumento")->setCurrentIndex(0);
    Prompts::queueFileName(pdfPath("proposta.pdf"));
    click("ExportarPdf");
    ASSERT_EQ(Prompts::messages().size(), 1);
    EXPECT_TRUE(Prompts::messages().first().startsWith(QStringLiteral("O documento foi salvo em")));
    const PdfText pdf = readPdf(pdfPath("proposta.pdf"));
    for (const char16_t* expected :
         {u"Ateliê Conceição Arquitetura", u"Proposta de honorários", u"Clínica Boa Vista", u"R$ 12.000,00",
          u"Saúde / Hospitais / Projeto / Projeto Arquitetônico", u"45 dias após a aprovação",
          u"CAU nº A12345-6", u"(41) 3222-0000", u"Escopo", u"Estudo preliminar", u"Cronograma de pagamento",
          u"Assinatura do contrato", u"20,0 %", u"R$ 2.400,00", u"Total", u"100,0 %", u"R$ 12.000,00",
          u"Validade da proposta: 45 dias", u"Contratante", u"Local e data"})
        EXPECT_TRUE(pdf.text.contains(QString::fromUtf16(expected))) << QString::fromUtf16(expected).toStdString();
    for (const char* absent : {"Lucro", "Imposto", "Despesas", "Confer", "Tempo", "horas", "Hxh"})
        EXPECT_FALSE(pdf.text.contains(QLatin1String(absent))) << absent;
}

TEST_F(ReportDocumentTest, TheInternalReportCarriesEveryLineAndPrints)
{
    openSavedReport();
    // The panel lists the instalments too, and so does every copy made from it.
    EXPECT_TRUE(find<QTextEdit>("memo1")->toPlainText().contains(
        QStringLiteral("Assinatura do contrato (20,0 %): \tR$ 2.550,00")));
    EXPECT_EQ(find<QComboBox>("VersaoDocumento")->itemText(0),
              QStringLiteral("Proposta ao cliente (valor calculado)"));
    find<QComboBox>("VersaoDocumento")->setCurrentIndex(1);
    Prompts::queueFileName(pdfPath("interno"));   // a name typed without its extension gets it
    click("ExportarPdf");
    const PdfText pdf = readPdf(pdfPath("interno.pdf"));
    EXPECT_GE(pdf.pages, 1);
    for (const char16_t* expected :
         {u"Relatório interno", u"Valor calculado:", u"R$ 12750,00", u"Lucro líquido", u"Valor Negociado:",
          u"Observações", u"Conferência do preço", u"Preço mínimo (lucro zero, com adicional de padrão) [R$]", u"10944,44",
          u"Seu histórico [R$/m2]", u"Cronograma de pagamento", u"Assinatura do contrato (20,0 %):", u"R$ 2.550,00",
          u"Total (100,0 %):", u"R$ 12.750,00"})
        EXPECT_TRUE(pdf.text.contains(QString::fromUtf16(expected))) << QString::fromUtf16(expected).toStdString();

    // The printer gets the same pages; a cancelled print dialog prints nothing.
    Prompts::queueFileName(pdfPath("impresso.pdf"));
    click("Imprimir");
    const PdfText printed = readPdf(pdfPath("impresso.pdf"));
    EXPECT_GE(printed.pages, 1);
    EXPECT_TRUE(printed.text.contains(QStringLiteral("Valor calculado:")));
    click("Imprimir");
    EXPECT_EQ(Prompts::messages().size(), 1);
}

TEST_F(ReportDocumentTest, AnExportThatCannotBeWrittenSaysSoAndLeavesNoFile)
{
    openSavedReport();
    Prompts::queueFileName(appDir() + QStringLiteral("não-existe/proposta.pdf"));
    click("ExportarPdf");
    ASSERT_EQ(Prompts::messages().size(), 1);
    EXPECT_TRUE(Prompts::messages().first().startsWith(QStringLiteral("Não foi possível gravar o arquivo")));
    EXPECT_TRUE(Prompts::messages().first().contains(QStringLiteral("proposta.pdf")));
    EXPECT_FALSE(QFile::exists(appDir() + QStringLiteral("não-existe/proposta.pdf")));
}

TEST(ReportDocumentPagesTest, TheSignaturesAndThePriceChecksLastLineNeverStandAloneOnAPage)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is needed to read the documents back";
    QTemporaryDir folder;
    std::vector<Instalment> instalments;
    for (int i = 0; i < 16; ++i)
        instalments.push_back({QStringLiteral("Etapa %1 do projeto").arg(i + 1), i == 15 ? 10.0 : 6.0, {}});
    TBudgetData budget = listedBudget(7, QStringLiteral("Construtora Horizonte"), 850.0f, 48000.0f);
    HistoryRowReport report;
    report.caption = budgetReportCaption(budget);
    report.lines = BudgetReportLines(budget, u"Aguardando", u"");
    appendPaymentLines(report.lines, PaymentSchedule(instalments), 48000.0);
    const PriceCheck check;
    // Longer and longer observations move the page break through every part of the document's end.
    for (int noteLines = 0; noteLines <= 60; noteLines += 3) {
        const QString notes = QStringList(noteLines, QStringLiteral("Linha de observação.")).join(u'\n');
        const QString proposal = proposalHtml(
            clientProposal(budget, QDate(2026, 3, 14), notes, {{}, 0.0, PaymentSchedule(instalments)}));
        for (const QString& body : {proposal, internalReportHtml(report, check, notes, QDate(2026, 3, 14))}) {
            const QString path = folder.filePath(QStringLiteral("documento.pdf"));
            {
                QPdfWriter writer(path);
                ASSERT_GT(ReportDocument(QStringLiteral("Ateliê"), body).paint(writer), 0);
            }
            const QStringList pages = readPdf(path).text.split(u'\f', Qt::SkipEmptyParts);
            for (const QString& page : pages) {
                if (page.contains(QStringLiteral("Contratante"))) {
                    EXPECT_TRUE(page.contains(QStringLiteral("Total"))) << noteLines;
                }
                if (page.contains(QStringLiteral("Nenhuma referência disponível"))) {
                    EXPECT_TRUE(page.contains(QStringLiteral("Conferência do preço"))) << noteLines;
                }
            }
        }
    }
}
