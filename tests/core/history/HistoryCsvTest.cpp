#include "core/history/HistoryCsv.h"

#include "core/history/HistoryColumns.h"
#include "core/history/HistoryTable.h"
#include "core/text/DayCount.h"

#include "support/Csv.h"

#include <gtest/gtest.h>

using namespace belvane;
using belvane::test::parseCsvFile;

namespace {

int addRow(HistoryTable& table, int number, const QString& client, double area, double negotiated)
{
    const int row = table.appendRow();
    table.setText(row, kColNumber, QString::number(number));
    table.setDate(row, kColEditedDate, dayCountFromDate(QDate(2026, 12, 9)));
    table.setText(row, kColClient, client);
    table.setValue(row, kColArea, area);
    table.setText(row, kColBudgetValue, QStringLiteral("12750,00"));
    table.setValue(row, kColNegotiated, negotiated);
    table.setText(row, kColStatus, QStringLiteral("Concluído"));
    return row;
}

} // namespace

TEST(HistoryCsvTest, FieldsAreQuotedOnlyWhenASpreadsheetNeedsIt)
{
    EXPECT_EQ(historyCsvField(u"Ana Souza"), QStringLiteral("Ana Souza"));
    EXPECT_EQ(historyCsvField(u"11500,50"), QStringLiteral("11500,50"));
    EXPECT_EQ(historyCsvField(u""), QString());
    EXPECT_EQ(historyCsvField(u"Souza; Filhos"), QStringLiteral("\"Souza; Filhos\""));
    EXPECT_EQ(historyCsvField(u"Edifício \"Aurora\""), QStringLiteral("\"Edifício \"\"Aurora\"\"\""));
    EXPECT_EQ(historyCsvField(u"linha 1\nlinha 2"), QStringLiteral("\"linha 1\nlinha 2\""));
    EXPECT_EQ(historyCsvField(u"a\r\nb"), QStringLiteral("\"a\r\nb\""));
    EXPECT_EQ(historyCsvField(u" recuado"), QStringLiteral("\" recuado\""));
    EXPECT_EQ(historyCsvField(u"sobra "), QStringLiteral("\"sobra \""));
}

TEST(HistoryCsvTest, TextsThatASpreadsheetWouldRunAreKeptText)
{
    EXPECT_EQ(historyCsvField(u"=HIPERLINK(\"http://x\")"), QStringLiteral("\"'=HIPERLINK(\"\"http://x\"\")\""));
    EXPECT_EQ(historyCsvField(u"+55 11 5555-0101"), QStringLiteral("'+55 11 5555-0101"));
    EXPECT_EQ(historyCsvField(u"@soma"), QStringLiteral("'@soma"));
    EXPECT_EQ(historyCsvField(u"-2+3"), QStringLiteral("'-2+3"));
    EXPECT_EQ(historyCsvField(u"\t=1+1"), QStringLiteral("'\t=1+1"));
    EXPECT_EQ(historyCsvField(u"\r=1+1"), QStringLiteral("\"'\r=1+1\""));
    // Numbers stay numbers.
    EXPECT_EQ(historyCsvField(u"-150,00"), QStringLiteral("-150,00"));
}

TEST(HistoryCsvTest, SpreadsheetReadsBackEveryCellAsTheGridShowsIt)
{
    HistoryTable table;
    addRow(table, 7, QStringLiteral("José; Conceição & \"Filhos\""), 120.5, 11500.5);
    const int second = addRow(table, 12, QStringLiteral("Ateliê Ímpar\nFilial Norte"), 1500.0, 0.0);
    table.setDate(second, kColEditedDate, 0.0);  // never edited: an empty date
    table.setChecked(second, kColSelected, true);

    const std::vector<int> columns{kColClient, kColNumber, kColArea, kColNegotiated, kColEditedDate, kColStatus,
                                   kColSelected};
    const QByteArray bytes = historyCsv(table, columns);
    const QList<QStringList> records = parseCsvFile(bytes);

    ASSERT_EQ(records.size(), 3);
    EXPECT_EQ(records[0], (QStringList{u"Cliente"_qs, u"Nº"_qs, u"Área[m2]"_qs, u"Negociado[R$]"_qs,
                                       u"Data Edição"_qs, u"Status"_qs, u"Seleção"_qs}));
    EXPECT_EQ(records[1], (QStringList{u"José; Conceição & \"Filhos\""_qs, u"7"_qs, u"120,5"_qs, u"11500,50"_qs,
                                       u"09/12/2026"_qs, u"Concluído"_qs, u"Não"_qs}));
    EXPECT_EQ(records[2], (QStringList{u"Ateliê Ímpar\nFilial Norte"_qs, u"12"_qs, u"1500"_qs, u"0,00"_qs,
                                       QString(), u"Concluído"_qs, u"Sim"_qs}));
    // Numbers must not carry a decimal point, or a Brazilian spreadsheet reads them as text.
    EXPECT_FALSE(bytes.contains("120.5"));
}

TEST(HistoryCsvTest, RowsFollowTheTableOrderAfterASort)
{
    HistoryTable table;
    addRow(table, 3, QStringLiteral("Carla"), 80.0, 9000.0);
    addRow(table, 1, QStringLiteral("Álvaro"), 200.0, 30000.0);
    addRow(table, 2, QStringLiteral("Bia"), 120.0, 15000.0);
    table.sortByColumn(kColNegotiated, Qt::DescendingOrder);

    const QList<QStringList> records = parseCsvFile(historyCsv(table, {kColNumber}));

    ASSERT_EQ(records.size(), 4);
    EXPECT_EQ(records[1], QStringList{u"1"_qs});
    EXPECT_EQ(records[2], QStringList{u"2"_qs});
    EXPECT_EQ(records[3], QStringList{u"3"_qs});
}

TEST(HistoryCsvTest, EmptyHistoryGivesTheHeaderLineOnly)
{
    const HistoryTable table;
    EXPECT_EQ(historyCsv(table, {kColNumber, kColClient}), QByteArray("\xEF\xBB\xBFNº;Cliente\r\n"));
}
