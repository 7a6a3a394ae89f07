#include "core/history/HistoryBudgetRow.h"
#include "core/history/HistoryCellText.h"
#include "core/history/HistorySortKeys.h"
#include "core/history/HistoryTable.h"
#include "core/text/DayCount.h"
#include "core/text/NumberFormat.h"

#include "support/Budgets.h"
#include "support/HistoryTables.h"

#include <QRandomGenerator>

#include <algorithm>
#include <bit>
#include <numeric>

#include <gtest/gtest.h>

using namespace belvane;
using belvane::test::columnTexts;
using belvane::test::numberedBudget;
using belvane::test::workedExampleBudget;

namespace {

HistoryTable tableWithColumn(int column, const QStringList& texts)
{
    HistoryTable table;
    for (const QString& text : texts) {
        const int row = table.appendRow();
        table.setText(row, column, text);
        table.setText(row, kColClient, QString::number(row));  // remembers where it came from
    }
    return table;
}

} // namespace

TEST(HistoryTableTest, EveryColumnKeepsItsOwnCell)
{
    const QStringList written{u"7"_qs,    u"08/12/2020"_qs, u"c2"_qs, u"c3"_qs,  u"4,5"_qs,
                              u"c5"_qs,   u"c6"_qs,         u"c7"_qs, u"c8"_qs,  u"9,25"_qs,
                              u"c10"_qs,  u"True"_qs,       u"c12"_qs, u"c13"_qs, u"False"_qs,
                              u"c15"_qs,  u"c16"_qs,        u"c17"_qs, u"c18"_qs};
    HistoryTable table;
    const int row = table.appendRow();
    for (int column = 0; column < kHistoryColumnCount; ++column)
        EXPECT_TRUE(table.setText(row, column, written[column]));
    for (int column = 0; column < kHistoryColumnCount; ++column)
        EXPECT_EQ(table.text(row, column), written[column]) << "column " << column;
}

TEST(HistoryTableTest, RowsHoldTextExactlyForTextColumns)
{
    for (int column = 0; column < kHistoryColumnCount; ++column) {
        const HistoryCellKind kind = historyColumn(column).kind;
        EXPECT_EQ(HistoryRow::holdsText(column),
                  kind == HistoryCellKind::Text || kind == HistoryCellKind::DropDown)
            << "column " << column;
    }
}

TEST(HistoryTableTest, EditingOneTextCellLeavesTheOthers)
{
    HistoryTable table;
    const int row = table.appendRow();
    for (int column = 0; column < kHistoryColumnCount; ++column) {
        if (HistoryRow::holdsText(column))
            table.setText(row, column, QStringLiteral("coluna %1").arg(column));
    }
    table.setText(row, kColNotes, u"uma observação bem mais longa que antes"_qs);
    table.setText(row, kColNumber, u""_qs);
    table.setText(row, kColK2, table.textView(row, kColClient));  // a view into the same row
    EXPECT_EQ(table.text(row, kColNumber), QString());
    EXPECT_EQ(table.text(row, kColClient), u"coluna 2"_qs);
    EXPECT_EQ(table.text(row, kColNotes), u"uma observação bem mais longa que antes"_qs);
    EXPECT_EQ(table.text(row, kColProjectCode), u"coluna 15"_qs);
    EXPECT_EQ(table.text(row, kColK2), u"coluna 2"_qs);
}

TEST(HistoryTableTest, NewRowIsEmptyZeroAndFalse)
{
    HistoryTable table;
    const int row = table.appendRow();
    EXPECT_EQ(table.text(row, kColClient), QString());
    EXPECT_EQ(table.text(row, kColNegotiated), u"0"_qs);
    EXPECT_EQ(table.text(row, kColEditedDate), QString());
    EXPECT_EQ(table.text(row, kColSelected), u"False"_qs);
    EXPECT_EQ(table.text(row, kColModified), u"False"_qs);
}

TEST(HistoryTableTest, TextsConvertByColumnKind)
{
    HistoryTable table;
    const int row = table.appendRow();

    EXPECT_TRUE(table.setText(row, kColArea, u"120,5"));
    EXPECT_DOUBLE_EQ(table.value(row, kColArea), 120.5);
    EXPECT_TRUE(table.setText(row, kColArea, u"1500,0"));
    EXPECT_EQ(table.text(row, kColArea), u"1500"_qs);
    EXPECT_FALSE(table.setText(row, kColNegotiated, u"12.750,00"));  // no thousands dots
    EXPECT_EQ(table.value(row, kColNegotiated), 0.0);

    EXPECT_TRUE(table.setText(row, kColEditedDate, u"08/12/2020"));
    EXPECT_EQ(table.value(row, kColEditedDate), dayCountFromDate(QDate(2020, 12, 8)));
    EXPECT_EQ(table.text(row, kColEditedDate), u"08/12/2020"_qs);
    EXPECT_FALSE(table.setText(row, kColEditedDate, u"31/02/2020"));
    EXPECT_EQ(table.text(row, kColEditedDate), QString());
    EXPECT_TRUE(table.setText(row, kColEditedDate, u""));

    for (const char16_t* yes : {u"1", u"True", u"TRUE", u"tRuE"}) {
        table.setText(row, kColModified, yes);
        EXPECT_TRUE(table.isChecked(row, kColModified)) << QString::fromUtf16(yes).toStdString();
    }
    for (const char16_t* no : {u"0", u"False", u"yes", u"", u"2"}) {
        table.setText(row, kColModified, no);
        EXPECT_FALSE(table.isChecked(row, kColModified)) << QString::fromUtf16(no).toStdString();
    }
}

TEST(HistoryTableTest, PlainDecimalsReadExactlyAsTheGeneralReaderReadsThem)
{
    // Plain digits with a decimal comma take a quick path; it must give the very same double.
    QRandomGenerator random(20260309);
    for (int i = 0; i < 20000; ++i) {
        const int length = random.bounded(1, 16);
        QString text;
        for (int k = 0; k < length; ++k)
            text += QChar(u'0' + random.bounded(10));
        if (length > 1 && random.bounded(2) == 0)
            text.insert(random.bounded(1, length), u',');
        const std::optional<double> general = parseNumber(text);
        ASSERT_TRUE(general.has_value()) << text.toStdString();
        const std::optional<double> quick = readHistoryNumber(text);
        ASSERT_TRUE(quick.has_value());
        EXPECT_EQ(std::bit_cast<std::uint64_t>(*quick), std::bit_cast<std::uint64_t>(*general))
            << text.toStdString();
    }
    EXPECT_EQ(readHistoryBudgetNumber(u"0012"), 12);
    EXPECT_EQ(readHistoryBudgetNumber(u"65535"), 65535);
    EXPECT_FALSE(readHistoryBudgetNumber(u"12a").has_value());
    EXPECT_FALSE(readHistoryBudgetNumber(u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF").has_value());
}

TEST(HistoryTableTest, QuickTextsOfNumbersAndDatesAreTheGeneralForms)
{
    // Whole numbers, one or two decimals and whole days take a quick path; it must write exactly
    // what the general writers write.
    QRandomGenerator random(7);
    QList<double> values{0.0, -0.0, 1e-4, 9.99e-5, 0.7, 1.1, 0.3, 0.1 + 0.2, 120.46, 1500.0, -3.0,
                         999999999999999.0, 1e15, 123456789012.34, double(1.2f), double(35.7f),
                         12750.0, 127.5, -0.05, 0.01, 99999999999999.99};
    for (int i = 0; i < 20000; ++i) {
        const double whole = double(random.bounded(2000000000)) * (random.bounded(2) ? 1 : -1);
        values << whole << whole / 10.0 << whole / 100.0 << whole / 1000.0
               << random.generateDouble() * 1e6;
    }
    for (const double value : values)
        ASSERT_EQ(historyNumberText(value), formatGeneral(value)) << value;

    for (int day = -700000; day <= 3000000; day += 37)
        ASSERT_EQ(historyDateText(day), formatDayCountDate(day)) << day;
    EXPECT_EQ(historyDateText(44173.5), formatDayCountDate(44173.5));
    EXPECT_EQ(historyDateText(1e300), QString());
    // A count a hair off 0 shows as day 0 itself, which the history reads as the empty date.
    EXPECT_EQ(historyDateText(1e-300), QString());
    EXPECT_EQ(historyDateText(-0.2 / 86400.0), QString());
    EXPECT_EQ(historyDateText(1.0 / 86400.0), QStringLiteral("30/12/1899 00:00:01"));
}

TEST(HistoryTableTest, TextColumnsGivenNumbersOrDatesKeepTheirTextForm)
{
    HistoryTable table;
    const int row = table.appendRow();
    table.setValue(row, kColK1, double(1.2f));
    table.setValue(row, kColK2, double(35.7f));
    table.setDate(row, kColEditedDateText, dayCountFromDate(QDate(2021, 1, 5)));
    EXPECT_EQ(table.text(row, kColK1), u"1,20000004768372"_qs);
    EXPECT_EQ(table.text(row, kColK2), u"35,7000007629395"_qs);
    EXPECT_EQ(table.text(row, kColEditedDateText), u"05/01/2021"_qs);
    table.setText(row, kColValuePerM2, u"127,50");
    EXPECT_DOUBLE_EQ(table.value(row, kColValuePerM2), 127.5);
}

TEST(HistoryTableTest, GridShowsTheNegotiatedValueWithTwoDecimals)
{
    HistoryTable table;
    const int row = table.appendRow();
    table.setText(row, kColNegotiated, u"11500,5");
    table.setText(row, kColArea, u"120,5");
    EXPECT_EQ(table.displayText(row, kColNegotiated), u"11500,50"_qs);
    EXPECT_EQ(table.text(row, kColNegotiated), u"11500,5"_qs);
    EXPECT_EQ(table.displayText(row, kColArea), u"120,5"_qs);
}

TEST(HistoryTableTest, FindsTheFirstRowWithTheNumber)
{
    HistoryTable table = tableWithColumn(kColNumber, {u"5"_qs, u"12a"_qs, u"012"_qs, u"12"_qs});
    EXPECT_EQ(table.findRowByNumber(12), 2);  // "012" reads as 12 and stands first
    EXPECT_EQ(table.findRowByNumber(5), 0);
    EXPECT_EQ(table.findRowByNumber(1), -1);
    table.removeRow(2);
    EXPECT_EQ(table.findRowByNumber(12), 2);
}

TEST(HistoryTableTest, NumericSortReadsTextsAsNumbers)
{
    HistoryTable table = tableWithColumn(kColValuePerM2,
                                         {u"127,50"_qs, u"1234,00"_qs, u"x"_qs, u"99,00"_qs, u""_qs});
    table.sortByColumn(kColValuePerM2, Qt::AscendingOrder);
    EXPECT_EQ(columnTexts(table, kColValuePerM2),
              (QStringList{u"x"_qs, u""_qs, u"99,00"_qs, u"127,50"_qs, u"1234,00"_qs}));
    table.sortByColumn(kColValuePerM2, Qt::DescendingOrder);
    EXPECT_EQ(columnTexts(table, kColValuePerM2),
              (QStringList{u"1234,00"_qs, u"127,50"_qs, u"99,00"_qs, u"x"_qs, u""_qs}));

    // Man-hours and the calculated value are kept as text but sort by value too.
    for (const int column : {kColHxh, kColBudgetValue}) {
        HistoryTable figures = tableWithColumn(column, {u"25443"_qs, u"399571"_qs, u"4016"_qs});
        figures.sortByColumn(column, Qt::AscendingOrder);
        EXPECT_EQ(columnTexts(figures, column), (QStringList{u"4016"_qs, u"25443"_qs, u"399571"_qs}));
    }
}

TEST(HistoryTableTest, AlphabeticSortIgnoresCaseAndAccentsFirst)
{
    HistoryTable table = tableWithColumn(
        kColService, {u"Zeca"_qs, u"ágata"_qs, u"Çarol"_qs, u"Abel"_qs, u"Ágata"_qs, u"Carla"_qs,
                      u"agora"_qs});
    table.sortByColumn(kColService, Qt::AscendingOrder);
    EXPECT_EQ(columnTexts(table, kColService),
              (QStringList{u"Abel"_qs, u"Ágata"_qs, u"ágata"_qs, u"agora"_qs, u"Carla"_qs,
                           u"Çarol"_qs, u"Zeca"_qs}));
}

TEST(HistoryTableTest, LargeAlphabeticSortAgreesWithComparingWholeTexts)
{
    // Many texts sharing long beginnings, repeated, in every case and accent, some needing the
    // full Unicode rules, and empty ones: the sort must give what comparing whole texts gives,
    // equal texts keeping their order.
    QRandomGenerator random(19);
    const QStringList pieces{u"Construtora "_qs,
                             u"CONSTRUTORA "_qs,
                             u"Ágata"_qs,
                             u"agata"_qs,
                             u"Ā"_qs,
                             u"b"_qs,
                             u"Ç"_qs,
                             u"c"_qs,
                             u" "_qs,
                             u"1"_qs,
                             u"10"_qs,
                             QString()};
    QStringList texts;
    for (int row = 0; row < 3000; ++row) {
        QString text;
        for (int count = random.bounded(5); count > 0; --count)
            text += pieces[random.bounded(int(pieces.size()))];
        texts << text;
    }
    HistoryTable table = tableWithColumn(kColService, texts);
    table.sortByColumn(kColService, Qt::AscendingOrder);

    std::vector<int> expected(texts.size());
    std::iota(expected.begin(), expected.end(), 0);
    std::stable_sort(expected.begin(), expected.end(), [&](int a, int b) {
        const QString x = foldedForSorting(texts[a]);
        const QString y = foldedForSorting(texts[b]);
        if (x != y)
            return QStringView(x).compare(QStringView(y)) < 0;
        return QStringView(texts[a]).compare(QStringView(texts[b])) < 0;
    });
    QStringList expectedRows;
    for (const int row : expected)
        expectedRows << QString::number(row);
    EXPECT_EQ(columnTexts(table, kColClient), expectedRows);
}

TEST(HistoryTableTest, FoldingOfLatinLettersAgreesWithTheFullUnicodeRules)
{
    // "Ā" is outside the common Latin letters, so a text holding it is folded by the full rules;
    // the quick folding of every other character must give what the full rules give.
    for (char16_t c = 1; c <= 0xFF; ++c) {
        const QString alone(QChar{c});
        EXPECT_EQ(foldedForSorting(alone + u"Ā"_qs), foldedForSorting(alone) + u"a"_qs)
            << "U+" << std::hex << int(c);
    }
    EXPECT_EQ(foldedForSorting(u"Ação Ótima ÇÃO"), u"acao otima cao"_qs);
}

TEST(HistoryTableTest, SortsDatesAndCheckBoxesAndKeepsTiesInOrder)
{
    HistoryTable dates = tableWithColumn(
        kColEditedDate, {u"02/01/2021"_qs, u"31/12/2020"_qs, u"02/01/2021"_qs, u"15/06/2019"_qs});
    dates.sortByColumn(kColEditedDate, Qt::DescendingOrder);
    EXPECT_EQ(columnTexts(dates, kColEditedDate),
              (QStringList{u"02/01/2021"_qs, u"02/01/2021"_qs, u"31/12/2020"_qs, u"15/06/2019"_qs}));
    EXPECT_EQ(columnTexts(dates, kColClient), (QStringList{u"0"_qs, u"2"_qs, u"1"_qs, u"3"_qs}));

    HistoryTable marks = tableWithColumn(kColModified,
                                         {u"True"_qs, u"False"_qs, u"True"_qs, u"False"_qs});
    marks.sortByColumn(kColModified, Qt::AscendingOrder);
    EXPECT_EQ(columnTexts(marks, kColClient), (QStringList{u"1"_qs, u"3"_qs, u"0"_qs, u"2"_qs}));
    marks.sortByColumn(kColModified, Qt::DescendingOrder);
    EXPECT_EQ(columnTexts(marks, kColClient), (QStringList{u"0"_qs, u"2"_qs, u"1"_qs, u"3"_qs}));
}

TEST(HistoryTableTest, StoredRowHoldsTheBudgetAsTheHistoryShowsIt)
{
    TBudgetData budget = workedExampleBudget();
    budget.Area = 120.46f;
    HistoryTable table;
    const int row = StoreHistoryRow(table, budget);
    const QStringList expected{
        u"12"_qs, u"09/12/2020"_qs, u"Construtora Ípsilon"_qs, u"(11) 5555-0101"_qs, u"120,5"_qs,
        u"100"_qs, u"Projeto arquitetônico"_qs, u"12750,00"_qs, u"127,50"_qs, u"0"_qs,
        u"Aguardando"_qs, u"False"_qs, u"ORC000012.bvp"_qs, QString(), u"False"_qs, u"PX-7"_qs,
        u"09/12/2020"_qs, u"1,20000004768372"_qs, u"35,7000007629395"_qs};
    ASSERT_EQ(row, 0);
    for (int column = 0; column < kHistoryColumnCount; ++column)
        EXPECT_EQ(table.text(row, column), expected[column]) << "column " << column;
}

TEST(HistoryTableTest, SavingAgainUpdatesTheRowInPlaceWhateverTheOrder)
{
    HistoryTable table;
    for (int number : {3, 12, 7})
        StoreHistoryRow(table, numberedBudget(number, u"Cliente"));
    table.sortByColumn(kColNumber, Qt::DescendingOrder);  // 12, 7, 3
    const int row = table.findRowByNumber(12);
    ASSERT_EQ(row, 0);
    table.setText(row, kColNegotiated, u"11000,5");
    table.setChecked(row, kColSelected, true);
    table.setText(row, kColNotes, u"ligar\r\nsegunda");
    table.setChecked(row, kColModified, true);

    TBudgetData again = numberedBudget(12, u"Cliente Novo");
    again.Status.assign(u"Editado");
    EXPECT_EQ(StoreHistoryRow(table, again), row);
    EXPECT_EQ(table.rowCount(), 3);
    EXPECT_EQ(table.text(row, kColClient), u"Cliente Novo"_qs);
    EXPECT_EQ(table.text(row, kColStatus), u"Editado"_qs);
    EXPECT_EQ(table.text(row, kColNegotiated), u"11000,5"_qs);
    EXPECT_TRUE(table.isChecked(row, kColSelected));
    EXPECT_EQ(table.text(row, kColNotes), u"ligar\r\nsegunda"_qs);
    EXPECT_FALSE(table.isChecked(row, kColModified));
    EXPECT_EQ(columnTexts(table, kColNumber), (QStringList{u"12"_qs, u"7"_qs, u"3"_qs}));
}
