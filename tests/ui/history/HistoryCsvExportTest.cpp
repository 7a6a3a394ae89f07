#include "support/AppFixture.h"
#include "support/Budgets.h"
#include "support/Csv.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace belvane;
using namespace belvane::test;

namespace {

class HistoryCsvExportTest : public AppFixture {
protected:
    void saveBudget(int number, const QString& client, float area, float value)
    {
        saveBudgetTo(projects(), listedBudget(number, client, area, value));
    }
    void openHistory()
    {
        window().show();
        window().splash()->hide();
        window().openPage(kHistoryPage);
    }
    void clickHeader(int column)
    {
        QHeaderView* header = find<QTableView>("Ng8")->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 4, header->height() / 2));
    }
    QList<QStringList> exported(const QString& path)
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        return parseCsvFile(file.readAll());
    }
};

} // namespace

TEST_F(HistoryCsvExportTest, ShownColumnsAndSortedRowsReachTheSpreadsheet)
{
    saveBudget(1, QStringLiteral("Souza; \"Filhos\" Ltda"), 120.5f, 12750.0f);
    saveBudget(2, QStringLiteral("Conceição Ímpar"), 80.0f, 30000.25f);
    saveBudget(3, QStringLiteral("Ana"), 1500.0f, 5000.0f);
    start();
    openHistory();
    clickHeader(kColArea);
    clickHeader(kColArea);   // second click: largest area first
    const QString path = m_dir.filePath(QStringLiteral("planilha"));
    Prompts::queueFileName(path);
    QTest::mouseClick(find<QPushButton>("ExportCsvButton"), Qt::LeftButton);

    // The chosen name gets the spreadsheet extension.
    EXPECT_EQ(Prompts::messages().value(0),
              QStringLiteral("Histórico exportado para \"%1.csv\" (3 orçamentos).").arg(QDir::toNativeSeparators(path)));
    const QList<QStringList> records = exported(path + QStringLiteral(".csv"));
    ASSERT_EQ(records.size(), 4);
    EXPECT_EQ(records[0], (QStringList{u"Nº"_qs, u"Data Edição"_qs, u"Cliente"_qs, u"Tel"_qs, u"Área[m2]"_qs,
                                       u"Hxh"_qs, u"SubTipo"_qs, u"Calculado[R$]"_qs, u"R$/m2"_qs,
                                       u"Negociado[R$]"_qs, u"Status"_qs, u"Código"_qs}));
    QStringList numbers, clients, areas, values;
    for (qsizetype i = 1; i < records.size(); ++i) {
        ASSERT_EQ(records[i].size(), 12) << i;
        numbers << records[i][0];
        clients << records[i][2];
        areas << records[i][4];
        values << records[i][7];
    }
    EXPECT_EQ(numbers, (QStringList{u"3"_qs, u"1"_qs, u"2"_qs}));
    EXPECT_EQ(clients, (QStringList{u"Ana"_qs, u"Souza; \"Filhos\" Ltda"_qs, u"Conceição Ímpar"_qs}));
    EXPECT_EQ(areas, (QStringList{u"1500"_qs, u"120,5"_qs, u"80"_qs}));
    EXPECT_EQ(values, (QStringList{u"5000,00"_qs, u"12750,00"_qs, u"30000,25"_qs}));
    EXPECT_EQ(records[1][1], QStringLiteral("09/12/2026"));
}

TEST_F(HistoryCsvExportTest, CancelledOrFailedExportLeavesNoFile)
{
    saveBudget(1, QStringLiteral("Ana"), 100.0f, 1000.0f);
    start();
    openHistory();
    auto* button = find<QPushButton>("ExportCsvButton");
    QTest::mouseClick(button, Qt::LeftButton);   // the file chooser was cancelled
    EXPECT_TRUE(Prompts::messages().isEmpty());

    const QString path = m_dir.filePath(QStringLiteral("não existe/Historico.csv"));
    Prompts::queueFileName(path);
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_EQ(Prompts::messages().size(), 1);
    EXPECT_TRUE(Prompts::messages().first().contains(QDir::toNativeSeparators(path))) << Prompts::messages().first().toStdString();
    EXPECT_FALSE(QFile::exists(path));
}
